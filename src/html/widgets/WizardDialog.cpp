#include "html/widgets/WizardDialog.h"

#include "editor/EditorAdapter.h"
#include "platform/DialogButtonRow.h"
#include "platform/HelpViewer.h"

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
    QList<DialogButton> row {{&m_ok, buttons.ok, buttons.okCaption}};
    if (buttons.cancel)
        row.append({&m_cancel, buttons.cancel, QStringLiteral("Cancel")});
    if (buttons.help)
        row.append({&m_help, buttons.help, QStringLiteral("Help")});
    QHBoxLayout *layout = dialogButtonRow(this, row);
    connect(m_ok, &QPushButton::clicked, this, [this] { ok(); });
    if (m_cancel)
        connect(m_cancel, &QPushButton::clicked, this, &QDialog::close);
    if (m_help)
        connect(m_help, &QPushButton::clicked, this,
                [this] { HelpViewer::instance()->showTopic(m_helpTopic); });
    return layout;
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
