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

long EditorAdapter::targetSearch(const QByteArray &needle, long from, long to, long *end) const
{
    send(QsciScintillaBase::SCI_SETTARGETRANGE, from, to);
    const long found = m_editor->SendScintilla(QsciScintillaBase::SCI_SEARCHINTARGET,
                                               uintptr_t(needle.size()), needle.constData());
    if (found >= 0 && end)
        *end = send(QsciScintillaBase::SCI_GETTARGETEND);
    return found;
}

// Forward searches for ASCII text scan the bytes themselves and let the editor confirm each
// candidate (whole words, its case folding) and search the stretches around other characters,
// so the result is the editor's own; the editor's search alone takes some 60 ms for 4 MB.
long EditorAdapter::search(const QByteArray &needle, bool caseSensitive, long from, long to,
                           long *end) const
{
    if (from > to || !TextSearch::isAscii(needle))
        return targetSearch(needle, from, to, end);
    const long n = needle.size();
    const auto *text = reinterpret_cast<const char *>(
        send(QsciScintillaBase::SCI_GETRANGEPOINTER, from, to - from));
    if (!text)
        return targetSearch(needle, from, to, end);
    // Offsets into text are relative to from.
    long at = 0;
    const long stop = to - from;
    while (at < stop) {
        const TextSearch::Hit hit = TextSearch::scan(text, at, stop, needle, caseSensitive);
        if (hit.kind == TextSearch::Hit::None)
            return -1;
        if (hit.kind == TextSearch::Hit::Candidate) {
            if (targetSearch(needle, from + hit.pos, from + hit.pos + n, end) >= 0)
                return from + hit.pos;
            at = hit.pos + 1;
            continue;
        }
        // Characters outside ASCII: the editor searches every place from which a match could
        // reach them, up to the next ASCII byte.
        const long asciiAgain = TextSearch::asciiFrom(text, hit.pos, stop);
        const long windowFrom = qMax(at, hit.pos - n + 1);
        const long windowTo = qMin(stop, asciiAgain + n - 1);
        const long found = targetSearch(needle, from + windowFrom, from + windowTo, end);
        if (found >= 0)
            return found;
        at = asciiAgain;
    }
    return -1;
}

int EditorAdapter::replaceAll(const QString &text, const QString &replacement, bool caseSensitive,
                              bool wholeWord)
{
    if (text.isEmpty())
        return 0;
    const QByteArray needle = text.toUtf8();
    const QByteArray bytes = normalizeLineEndings(replacement, m_format.lineEnding).toUtf8();
    int flags = 0;
    if (caseSensitive)
        flags |= QsciScintillaBase::SCFIND_MATCHCASE;
    if (wholeWord)
        flags |= QsciScintillaBase::SCFIND_WHOLEWORD;
    send(QsciScintillaBase::SCI_SETSEARCHFLAGS, flags);

    beginCompoundEdit();
    long pos = send(QsciScintillaBase::SCI_GETSELECTIONSTART);
    int count = 0;
    for (;;) {
        long end = -1;
        const long found =
            search(needle, caseSensitive, pos, send(QsciScintillaBase::SCI_GETLENGTH), &end);
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
