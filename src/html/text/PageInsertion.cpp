#include "html/text/PageInsertion.h"

#include "editor/EditorAdapter.h"

#include <QStringList>

#include <algorithm>

namespace PageInsertion {

namespace {

// Keeps a compound edit one undo step, also on early return.
class UndoStep
{
public:
    explicit UndoStep(EditorAdapter &editor) : m_editor(editor) { m_editor.beginUndoAction(); }
    ~UndoStep() { m_editor.endUndoAction(); }
    UndoStep(const UndoStep &) = delete;
    UndoStep &operator=(const UndoStep &) = delete;

private:
    EditorAdapter &m_editor;
};

void moveToLineStart(EditorAdapter &editor, int line)
{
    editor.setCaret(std::clamp(line, 1, std::max(1, editor.lineCount())), 1);
}

// Moves the caret to the first line (column kept) and selects the first occurrence of tag
// from there. False, with the caret left on the first line, when the tag is missing.
bool selectTagFromTop(EditorAdapter &editor, const QString &tag)
{
    const int column = editor.caretColumn();
    editor.setCaret(1, column);
    int line = 0;
    int found = 0;
    if (!findForward(editor, tag, 1, column, line, found))
        return false;
    editor.setSelection(line, found, line, found + tag.length());
    return true;
}

} // namespace

bool findForward(const EditorAdapter &editor, const QString &needle, int line, int column,
                 int &foundLine, int &foundColumn)
{
    if (needle.isEmpty())
        return false;
    const int count = editor.lineCount();
    for (int l = std::max(1, line); l <= count; ++l) {
        const QString text = editor.line(l);
        const int from = l == line ? std::clamp(column - 1, 0, int(text.length())) : 0;
        const int index = text.indexOf(needle, from, Qt::CaseInsensitive);
        if (index >= 0) {
            foundLine = l;
            foundColumn = index + 1;
            return true;
        }
    }
    return false;
}

void SoekOgLeggInn(EditorAdapter *editor, const QString &tag, const QString &text, int lineOffset)
{
    if (!editor)
        return;
    UndoStep step(*editor);
    const int caretLine = editor->caretLine();
    if (!selectTagFromTop(*editor, tag))
        return;
    editor->insertAtCaret(tag + QLatin1Char('\r'));
    editor->insertAtCaret(text);
    moveToLineStart(*editor, caretLine + lineOffset);
}

void LeggInnTekstITag(EditorAdapter *editor, const QString &tag, const QString &text,
                      int lineBreaks)
{
    if (!editor)
        return;
    UndoStep step(*editor);
    const int caretLine = editor->caretLine();
    if (!selectTagFromTop(*editor, tag))
        return;
    const int breaks = std::max(0, lineBreaks);
    editor->insertAtCaret(tag + QString(breaks, QLatin1Char('\r')) + text);
    moveToLineStart(*editor, caretLine + breaks);
}

QString alignmentBlock(const QString &word, const QString &selected)
{
    return QStringLiteral("<div align=\"") + word + QStringLiteral("\">") + selected
        + QStringLiteral("</div>");
}

void AlignmentTekst(EditorAdapter *editor, const QString &word)
{
    if (!editor)
        return;
    UndoStep step(*editor);
    editor->insertAtCaret(alignmentBlock(word, editor->selectedText()));
}

void StartEndTagTekst(EditorAdapter *editor, const QString &startTag, const QString &endTag)
{
    if (!editor)
        return;
    UndoStep step(*editor);
    editor->insertAtCaret(startTag + editor->selectedText() + endTag);
}

QString GetActiveEditorText(const EditorAdapter *editor)
{
    return editor ? editor->text() : QString();
}

} // namespace PageInsertion
