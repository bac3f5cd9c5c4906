// The editor adapter's block edits and its search: selections as places, one-line
// replacement, compound edits and the search used by find and replace.
#include "editor/EditorAdapter.h"

#include "editor/TextSearch.h"

#include <Qsci/qsciscintilla.h>

void EditorAdapter::selectionBounds(int *line1, int *col1, int *line2, int *col2) const
{
    if (!hasSelection()) {
        *line1 = *line2 = caretLine();
        *col1 = *col2 = caretColumn();
        return;
    }
    const long start = send(QsciScintillaBase::SCI_GETSELECTIONSTART);
    const long end = send(QsciScintillaBase::SCI_GETSELECTIONEND);
    *line1 = int(send(QsciScintillaBase::SCI_LINEFROMPOSITION, start)) + 1;
    *col1 = columnOf(start);
    *line2 = int(send(QsciScintillaBase::SCI_LINEFROMPOSITION, end)) + 1;
    *col2 = columnOf(end);
}

void EditorAdapter::replaceLine(int line, const QString &text)
{
    if (line < 1 || line > send(QsciScintillaBase::SCI_GETLINECOUNT))
        return;
    const QByteArray bytes = normalizeLineEndings(text, m_format.lineEnding).toUtf8();
    send(QsciScintillaBase::SCI_SETTARGETRANGE,
         send(QsciScintillaBase::SCI_POSITIONFROMLINE, line - 1),
         send(QsciScintillaBase::SCI_GETLINEENDPOSITION, line - 1));
    send(QsciScintillaBase::SCI_BEGINUNDOACTION);
    m_editor->SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, uintptr_t(bytes.size()),
                            bytes.constData());
    send(QsciScintillaBase::SCI_ENDUNDOACTION);
    if (m_compound > 0)
        m_compoundChanged = true;
    emitCaretIfMoved();
}

// QScintilla answers every change notification with work that grows with the text before the
// change (the accessibility offset), so thousands of edits in a large text, or their undo, would
// take minutes. Compound edits, undo and redo therefore run with the editor's change
// notifications off; the adapter notes the changes itself and reports them once.
void EditorAdapter::beginCompoundEdit()
{
    if (m_compound++ == 0) {
        m_compoundChanged = false;
        m_savedEventMask = send(QsciScintillaBase::SCI_GETMODEVENTMASK);
        send(QsciScintillaBase::SCI_SETMODEVENTMASK, 0);
        send(QsciScintillaBase::SCI_BEGINUNDOACTION);
    }
}

void EditorAdapter::endCompoundEdit()
{
    if (m_compound == 0 || --m_compound > 0)
        return;
    send(QsciScintillaBase::SCI_ENDUNDOACTION);
    send(QsciScintillaBase::SCI_SETMODEVENTMASK, m_savedEventMask);
    scrollToCaret();
    emitCaretIfMoved();
    if (m_compoundChanged) {
        m_compoundChanged = false;
        emitChanged();
    }
}

void EditorAdapter::quietly(const std::function<void()> &change)
{
    const long mask = send(QsciScintillaBase::SCI_GETMODEVENTMASK);
    send(QsciScintillaBase::SCI_SETMODEVENTMASK, 0);
    change();
    send(QsciScintillaBase::SCI_SETMODEVENTMASK, mask);
    emitCaretIfMoved();
    emitChanged();
}

void EditorAdapter::emitChanged()
{
    emit contentsChanged();
    if (m_loading == 0)
        emit textChanged();
}

long EditorAdapter::search(const TextSearch::Pattern &pattern, bool wholeWord, long from, long to,
                           long *end) const
{
    const bool forward = from < to;
    const long low = forward ? from : to;
    const long length = forward ? to - from : from - to;
    if (length <= 0 || pattern.isEmpty())
        return -1;
    const char *text =
        reinterpret_cast<const char *>(send(QsciScintillaBase::SCI_GETRANGEPOINTER, low, length));
    if (!text)
        return -1;
    // Offsets into text are relative to low; a match that is no whole word is passed over.
    long next = forward ? 0 : length;
    for (;;) {
        const TextSearch::Match m = forward
            ? TextSearch::findForward(text, next, length, pattern)
            : TextSearch::findBackward(text, 0, next, length, pattern);
        if (m.start < 0)
            return -1;
        if (!wholeWord || send(QsciScintillaBase::SCI_ISRANGEWORD, low + m.start, low + m.end)) {
            *end = low + m.end;
            return low + m.start;
        }
        next = forward ? m.start + 1 : m.start;
    }
}

int EditorAdapter::replaceAll(const QString &text, const QString &replacement, bool caseSensitive,
                              bool wholeWord)
{
    if (text.isEmpty())
        return 0;
    const TextSearch::Pattern pattern(text, caseSensitive);
    const QByteArray bytes = normalizeLineEndings(replacement, m_format.lineEnding).toUtf8();

    beginCompoundEdit();
    long pos = send(QsciScintillaBase::SCI_GETSELECTIONSTART);
    int count = 0;
    for (;;) {
        long end = -1;
        const long found =
            search(pattern, wholeWord, pos, send(QsciScintillaBase::SCI_GETLENGTH), &end);
        if (found < 0)
            break;
        send(QsciScintillaBase::SCI_SETTARGETRANGE, found, end);
        m_editor->SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, uintptr_t(bytes.size()),
                                bytes.constData());
        pos = found + bytes.size();
        ++count;
    }
    if (count > 0) {
        m_compoundChanged = true;
        send(QsciScintillaBase::SCI_SETEMPTYSELECTION, pos);
        send(QsciScintillaBase::SCI_CHOOSECARETX);
    }
    endCompoundEdit();
    return count;
}
