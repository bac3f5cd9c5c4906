#include "html/commands/ScriptCommands.h"

#include "editor/EditorAdapter.h"
#include "html/commands/HtmlCommands.h"
#include "html/formfields/FormFieldWizard.h"
#include "html/scripts/LinkWizard.h"
#include "html/text/PageInsertion.h"
#include "html/text/ScriptTexts.h"

namespace ScriptCommands {

namespace {

EditorAdapter *activeEditor(const WizardHost &host)
{
    return host.activeEditor ? host.activeEditor() : nullptr;
}

// Inserts text at the caret of the active document, made from the caret line's indentation.
void insertAtCaret(const WizardHost &host, QString (*text)(const QString &indent))
{
    EditorAdapter *editor = activeEditor(host);
    if (editor && host.insertText)
        host.insertText(text(editor->caretLineIndent()));
}

// The start call first (the caret goes to column 1 of its line), then the head function
// (the caret stays on that line number). pageText: the page as it was before the command.
void addClock(EditorAdapter *editor, const ScriptTexts::Clock &clock, const QString &pageText)
{
    if (pageText.contains(clock.header))
        return;
    PageInsertion::LeggInnTekstITag(editor, QStringLiteral("<body"), clock.onLoad, 0);
    PageInsertion::SoekOgLeggInn(editor, QStringLiteral("<head>"), clock.function, 0);
}

void showOnce(QWidget *wizard)
{
    wizard->setAttribute(Qt::WA_DeleteOnClose);
    FormFieldWizard::showCentred(wizard);
}

} // namespace

void SpeedButton56Click(const WizardHost &host)
{
    insertAtCaret(host, ScriptTexts::date);
}

void SpeedButton58Click(const WizardHost &host)
{
    insertAtCaret(host, ScriptTexts::lastModified);
}

void extfieldclock1Click(const WizardHost &host)
{
    EditorAdapter *editor = activeEditor(host);
    if (!editor)
        return;
    const QString page = PageInsertion::GetActiveEditorText(editor);
    insertAtCaret(host, ScriptTexts::textfieldClockForm);
    addClock(editor, ScriptTexts::textfieldClock(), page);
}

void Statuslineclock1Click(const WizardHost &host)
{
    if (EditorAdapter *editor = activeEditor(host))
        addClock(editor, ScriptTexts::statuslineClock(),
                 PageInsertion::GetActiveEditorText(editor));
}

void SpeedButton33Click(const WizardHost &host)
{
    EditorAdapter *editor = activeEditor(host);
    const QString selected = editor ? editor->selectedText() : QString();
    auto *wizard = new TLinkForm(host, host.owner);
    wizard->setLinkText(selected);
    showOnce(wizard);
}

void provideTo(HtmlCommands &commands, const WizardHost &host)
{
    const QList<QPair<const char *, std::function<void()>>> handlers {
        {"SpeedButton56Click", [host] { SpeedButton56Click(host); }},
        {"SpeedButton58Click", [host] { SpeedButton58Click(host); }},
        {"extfieldclock1Click", [host] { extfieldclock1Click(host); }},
        {"Statuslineclock1Click", [host] { Statuslineclock1Click(host); }},
        {"SpeedButton33Click", [host] { SpeedButton33Click(host); }},
    };
    for (const auto &[handler, function] : handlers)
        commands.provide(QLatin1String(handler), function);
}

} // namespace ScriptCommands
