#include "platform/Prompter.h"

#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQtIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Information: return QMessageBox::Information;
    case Prompter::Warning: return QMessageBox::Warning;
    case Prompter::Error: return QMessageBox::Critical;
    case Prompter::Question: return QMessageBox::Question;
    case Prompter::NoIcon: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQtButtons(Prompter::Buttons buttons)
{
    QMessageBox::StandardButtons result;
    if (buttons & Prompter::OkButton)
        result |= QMessageBox::Ok;
    if (buttons & Prompter::YesButton)
        result |= QMessageBox::Yes;
    if (buttons & Prompter::NoButton)
        result |= QMessageBox::No;
    if (buttons & Prompter::CancelButton)
        result |= QMessageBox::Cancel;
    if (!result)
        result = QMessageBox::Ok;
    return result;
}

int toResult(int qtButton)
{
    switch (qtButton) {
    case QMessageBox::Ok: return Prompter::Ok;
    case QMessageBox::Yes: return Prompter::Yes;
    case QMessageBox::No: return Prompter::No;
    default: return Prompter::Cancel;
    }
}

// The real dialogs.
class WidgetPrompter : public Prompter
{
public:
    int messageBox(QWidget *parent, const QString &caption, const QString &text, Icon icon,
                   Buttons buttons) override
    {
        QMessageBox box(toQtIcon(icon), caption, text, toQtButtons(buttons), parent);
        return toResult(box.exec());
    }

    int messageDlg(QWidget *parent, const QString &text, Icon icon, Buttons buttons) override
    {
        return messageBox(parent, dlgCaption(icon), text, icon, buttons);
    }

    bool inputQuery(QWidget *parent, const QString &caption, const QString &prompt,
                    QString &value) override
    {
        bool ok = false;
        const QString answer =
            QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, value, &ok);
        if (ok)
            value = answer;
        return ok;
    }
};

Prompter *installed = nullptr;

} // namespace

QString Prompter::dlgCaption(Icon icon)
{
    switch (icon) {
    case Warning: return QStringLiteral("Warning");
    case Error: return QStringLiteral("Error");
    case Information: return QStringLiteral("Information");
    case Question: return QStringLiteral("Confirm");
    case NoIcon: break;
    }
    return QGuiApplication::applicationDisplayName();
}

int Prompter::information(QWidget *parent, const QString &text)
{
    return instance()->messageBox(parent, QStringLiteral("Information"), text, Information,
                                  OkButton);
}

int Prompter::question(QWidget *parent, const QString &text)
{
    return instance()->messageBox(parent, QStringLiteral("Question"), text, Question,
                                  YesButton | NoButton);
}

int Prompter::warning(QWidget *parent, const QString &text)
{
    return instance()->messageBox(parent, QStringLiteral("WARNING!"), text, Warning, OkButton);
}

Prompter *Prompter::instance()
{
    static WidgetPrompter widgetPrompter;
    return installed ? installed : &widgetPrompter;
}

void Prompter::setInstance(Prompter *p)
{
    installed = p;
}
