#include "html/formfields/FormFieldWizard.h"

#include "platform/DialogButtonRow.h"
#include "platform/HelpViewer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

FormFieldWizard::FormFieldWizard(const Look &look, InsertText insertText, QWidget *parent)
    : QDialog(parent), m_look(look), m_insertText(std::move(insertText))
{
    setWindowTitle(look.caption);
    setMinimumWidth(340);

    auto *layout = new QVBoxLayout(this);
    m_form = new QFormLayout;
    if (look.group.isEmpty()) {
        layout->addLayout(m_form);
    } else {
        auto *group = new QGroupBox(look.group, this);
        group->setObjectName(QStringLiteral("GroupBox1"));
        group->setLayout(m_form);
        layout->addWidget(group);
    }

    layout->addLayout(dialogButtonRow(
        this,
        {{&m_ok, look.bitButtons ? "BitBtn1" : "Button1", QStringLiteral("OK")},
         {&m_cancel, look.bitButtons ? "BitBtn2" : "Button2", QStringLiteral("Cancel")},
         {&m_help, look.bitButtons ? "Button1" : "Button3", QStringLiteral("Help")}}));

    connect(m_ok, &QPushButton::clicked, this, &FormFieldWizard::okClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::close);
    connect(m_help, &QPushButton::clicked, this, &FormFieldWizard::helpClick);
}

QLineEdit *FormFieldWizard::addField(const char *objectName, const QString &label,
                                     const QString &attribute, const QString &initial,
                                     QWidget *beside)
{
    auto *edit = new QLineEdit(initial, this);
    edit->setObjectName(QLatin1String(objectName));
    if (beside) {
        auto *row = new QHBoxLayout;
        row->addWidget(edit);
        row->addWidget(beside);
        m_form->addRow(label, row);
    } else {
        m_form->addRow(label, edit);
    }
    if (!attribute.isEmpty())
        addAttribute(attribute, [edit] { return edit->text(); });
    return edit;
}

void FormFieldWizard::addAttribute(const QString &attribute, std::function<QString()> value)
{
    m_attributes.append({attribute, std::move(value)});
}

QCheckBox *FormFieldWizard::addCheckBox(const char *objectName, const QString &caption)
{
    auto *box = new QCheckBox(caption, this);
    box->setObjectName(QLatin1String(objectName));
    m_form->addRow(QString(), box);
    return box;
}

QComboBox *FormFieldWizard::addComboBox(const char *objectName, const QString &label,
                                        const QStringList &items, const QString &placeholder)
{
    auto *combo = new QComboBox(this);
    combo->setObjectName(QLatin1String(objectName));
    combo->addItems(items);
    combo->setPlaceholderText(placeholder);
    combo->setCurrentIndex(-1);
    m_form->addRow(label, combo);
    return combo;
}

QString FormFieldWizard::buildText() const
{
    FormFieldTag tag(m_look.tagStart, m_look.blank);
    for (const Attribute &attribute : m_attributes)
        tag.attribute(attribute.name, attribute.value());
    tag.append(extraAttributes());
    return tag.close(textAfterTag());
}

void FormFieldWizard::okClick()
{
    if (m_insertText)
        m_insertText(buildText());
    close();
}

void FormFieldWizard::helpClick()
{
    if (!m_look.helpTopic.isEmpty())
        HelpViewer::instance()->showTopic(m_look.helpTopic);
}

void FormFieldWizard::showEvent(QShowEvent *event)
{
    // The buttons are made before the fields a wizard adds above them; in the tab order they
    // come after the fields, so the wizard opens on its first field.
    QWidget *lastField = nullptr;
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (w != m_ok && w != m_cancel && w != m_help && (w->focusPolicy() & Qt::TabFocus)
            && isAncestorOf(w))
            lastField = w;
    }
    if (lastField) {
        // The tab order cannot be changed after the last widget of the chain: a stand-in
        // keeps the last field from being last while the buttons move behind it.
        auto *standIn = new QWidget(this);
        standIn->setFocusPolicy(Qt::TabFocus);
        setTabOrder(lastField, m_ok);
        setTabOrder(m_ok, m_cancel);
        setTabOrder(m_cancel, m_help);
        delete standIn;
    }
    QDialog::showEvent(event);
}

void FormFieldWizard::showCentred()
{
    showCentred(this);
}

void FormFieldWizard::showCentred(QWidget *window)
{
    window->adjustSize();
    if (QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    window->show();
}
