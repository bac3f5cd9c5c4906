#include "editor/PaddedLineNumbers.h"

#include <QEvent>
#include <Qsci/qsciscintilla.h>

#include <cstring>

PaddedLineNumbers::PaddedLineNumbers(QsciScintilla *editor) : QObject(editor), m_editor(editor) {}

void PaddedLineNumbers::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (active) {
        m_editor->viewport()->installEventFilter(this);
        m_editor->viewport()->update();
    } else {
        m_editor->viewport()->removeEventFilter(this);
        m_editor->SendScintilla(QsciScintillaBase::SCI_MARGINTEXTCLEARALL);
    }
}

bool PaddedLineNumbers::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched == m_editor->viewport())
        fillLinesInView();
    return false;
}

void PaddedLineNumbers::fillLinesInView()
{
    using Sci = QsciScintillaBase;
    const long lineCount = m_editor->SendScintilla(Sci::SCI_GETLINECOUNT);
    const int width = int(QByteArray::number(qlonglong(lineCount)).size());
    const long first = m_editor->SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE);
    // One line more than fits: the last one may show in part.
    const long last = first + m_editor->SendScintilla(Sci::SCI_LINESONSCREEN) + 1;
    long previous = -1;
    char shown[32];
    for (long visible = first; visible <= last; ++visible) {
        const long line = m_editor->SendScintilla(Sci::SCI_DOCLINEFROMVISIBLE, visible);
        if (line >= lineCount)
            break;
        if (line == previous) // a wrapped line's continuation
            continue;
        previous = line;
        const QByteArray text = QByteArray::number(qlonglong(line) + 1).rightJustified(width, '0');
        const long length =
            m_editor->SendScintilla(Sci::SCI_MARGINGETTEXT, line, static_cast<void *>(nullptr));
        if (length == text.size()) {
            m_editor->SendScintilla(Sci::SCI_MARGINGETTEXT, line, static_cast<void *>(shown));
            if (std::memcmp(shown, text.constData(), size_t(length)) == 0)
                continue;
        }
        m_editor->SendScintilla(Sci::SCI_MARGINSETTEXT, uintptr_t(line), text.constData());
        m_editor->SendScintilla(Sci::SCI_MARGINSETSTYLE, line, long(Sci::STYLE_LINENUMBER));
    }
}
