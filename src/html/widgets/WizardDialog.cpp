#include "html/widgets/WizardDialog.h"

#include "editor/EditorAdapter.h"
#include "platform/HelpViewer.h"

#include <QHBoxLayout>
#include <QPushButton>

WizardDialog::WizardDialog(const char *objectName, const QString &caption, const QString &helpTopic,
                           const WizardHost &host, QWidget *parent)
    : QDialog(parent), m_host(host), m_helpTopic(helpTopic)
{
    setObjectName(QLatin1String(objectName));
    setWindowTitle(caption);
}

QHBoxLayout *WizardDialog::makeButtons(const Buttons &buttons)
{
    m_ok = named(new QPushButton(buttons.okCaption, this), buttons.ok);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, [this] { ok(); });
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_ok);
    if (buttons.cancel) {
        m_cancel = named(new QPushButton(QStringLiteral("Cancel"), this), buttons.cancel);
        connect(m_cancel, &QPushButton::clicked, this, &QDialog::close);
        row->addWidget(m_cancel);
    }
    if (buttons.help) {
        m_help = named(new QPushButton(QStringLiteral("Help"), this), buttons.help);
        connect(m_help, &QPushButton::clicked, this,
                [this] { HelpViewer::instance()->showTopic(m_helpTopic); });
        row->addWidget(m_help);
    }
    return row;
}

EditorAdapter *WizardDialog::activeEditor() const
{
    return m_host.activeEditor ? m_host.activeEditor() : nullptr;
}

QString WizardDialog::caretIndent() const
{
    EditorAdapter *editor = activeEditor();
    return editor ? editor->caretLineIndent() : QString();
}

void WizardDialog::insert(const QString &text) const
{
    if (m_host.insertText)
        m_host.insertText(text);
}
