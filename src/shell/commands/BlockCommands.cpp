#include "shell/commands/BlockCommands.h"

#include "editor/EditorAdapter.h"
#include "platform/Prompter.h"
#include "shell/commands/BlockEdit.h"

namespace {

void inform(QWidget *parent, const QString &text)
{
    Prompter::instance()->messageBox(parent, QStringLiteral("Information"), text,
                                     Prompter::Information, Prompter::OkButton);
}

// One undo step and one change signal for the whole command.
class Compound
{
public:
    explicit Compound(EditorAdapter &editor) : m_editor(editor) { m_editor.beginCompoundEdit(); }
    ~Compound() { m_editor.endCompoundEdit(); }
    Compound(const Compound &) = delete;
    Compound &operator=(const Compound &) = delete;

private:
    EditorAdapter &m_editor;
};

void caretLeft(EditorAdapter &editor, int columns)
{
    editor.setCaret(editor.caretLine(), qMax(1, editor.caretColumn() - columns));
}

} // namespace

namespace BlockCommands {

void comment(QWidget *parent, EditorAdapter &editor)
{
    if (!editor.hasSelection()) {
        inform(parent, QStringLiteral("You have to select the text you want to comment out!"));
        return;
    }
    Compound edit(editor);
    editor.insertAtCaret(BlockEdit::comment(editor.selectedText()));
}

void uncomment(QWidget *parent, EditorAdapter &editor)
{
    if (!editor.hasSelection()) {
        inform(parent, QStringLiteral("You have to select the text you want to uncomment!"));
        return;
    }
    Compound edit(editor);
    editor.insertAtCaret(BlockEdit::uncomment(editor.selectedText()));
}

void indent(EditorAdapter &editor)
{
    Compound edit(editor);
    if (editor.hasSelection()) {
        editor.insertAtCaret(BlockEdit::indentBlock(editor.selectedText()));
        return;
    }
    const int line = editor.caretLine();
    const int column = editor.caretColumn();
    if (editor.lineCount() == 0)
        editor.insertAtCaret(QStringLiteral("   "));
    else
        editor.replaceLine(line, QStringLiteral("   ") + editor.line(line));
    editor.setCaret(line, column + 3);
}

void unindent(QWidget *parent, EditorAdapter &editor)
{
    static const QString refusal = QStringLiteral(
        "Can't unindent this code because one of the lines in the code does not contain "
        "enought empty characters to perform the unindentation.");
    const QString selected = editor.selectedText();
    QString result;
    if (EditorAdapter::splitLines(selected).size() > 1) {
        if (!BlockEdit::unindentBlock(selected, &result)) {
            inform(parent, refusal);
            return;
        }
        Compound edit(editor);
        editor.insertAtCaret(result);
        caretLeft(editor, 3);
        return;
    }
    // One line: the line the selection starts on (the caret line without a selection), so a
    // selection ending at column 1 of the next line works on the line it covers.
    int line;
    int column;
    int lastLine;
    int lastColumn;
    editor.selectionBounds(&line, &column, &lastLine, &lastColumn);
    if (!BlockEdit::unindentLine(editor.line(line), &result)) {
        inform(parent, refusal);
        return;
    }
    const int caretLine = editor.caretLine();
    const int caretColumn = editor.caretColumn();
    Compound edit(editor);
    editor.replaceLine(line, result);
    editor.setCaret(caretLine, qMax(1, caretColumn - 3));
}

} // namespace BlockCommands
