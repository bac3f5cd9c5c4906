// The editor's completion aids: caret geometry, the word at the caret, a small edit, call
// tips and handing a key to the editor ahead of time.
#include "editor/EditorAdapter.h"

#include "platform/TColor.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <Qsci/qsciscintilla.h>

void EditorAdapter::processKey(QKeyEvent *event)
{
    if (!m_editor || !event)
        return;
    QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                   event->nativeVirtualKey(), event->nativeModifiers(), event->text(),
                   event->isAutoRepeat(), ushort(event->count()));
    ++m_bypassKeyFilters;
    QCoreApplication::sendEvent(m_editor, &copy);
    --m_bypassKeyFilters;
}

QPoint EditorAdapter::caretScreenPoint() const
{
    if (!m_editor)
        return {};
    const long pos = send(QsciScintillaBase::SCI_GETCURRENTPOS);
    int x = int(send(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, pos));
    const int y = int(send(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, pos));
    const long main = send(QsciScintillaBase::SCI_GETMAINSELECTION);
    const long virtualSpace = send(QsciScintillaBase::SCI_GETSELECTIONNCARETVIRTUALSPACE, main);
    if (virtualSpace > 0) {
        const int blank = int(m_editor->SendScintilla(QsciScintillaBase::SCI_TEXTWIDTH,
                                                      QsciScintillaBase::STYLE_DEFAULT, " "));
        x += int(virtualSpace) * blank;
    }
    return m_editor->viewport()->mapToGlobal(QPoint(x, y));
}

int EditorAdapter::lineHeight() const
{
    if (!m_editor)
        return 0;
    const long lineNo =
        send(QsciScintillaBase::SCI_LINEFROMPOSITION, send(QsciScintillaBase::SCI_GETCURRENTPOS));
    return int(send(QsciScintillaBase::SCI_TEXTHEIGHT, lineNo));
}

void EditorAdapter::deleteBeforeCaret(int length)
{
    const int lineNo = caretLine();
    const int column = caretColumn();
    const int from = qMax(1, column - length);
    if (from >= column)
        return;
    setSelection(lineNo, from, lineNo, column);
    insertAtCaret(QString());
}

void EditorAdapter::showCallTip(const QString &text, int highlightStart, int highlightLength)
{
    if (!m_editor)
        return;
    const QByteArray bytes = text.toUtf8();
    if (isCallTipActive())
        send(QsciScintillaBase::SCI_CALLTIPCANCEL);
    m_editor->SendScintilla(QsciScintillaBase::SCI_CALLTIPSETBACK, TColor::clInfoBk.toQColor());
    m_editor->SendScintilla(QsciScintillaBase::SCI_CALLTIPSETFORE, QColor(Qt::black));
    m_editor->SendScintilla(QsciScintillaBase::SCI_CALLTIPSETFOREHLT,
                            TColor::clHighlight.toQColor());
    m_editor->SendScintilla(QsciScintillaBase::SCI_CALLTIPSHOW,
                            (unsigned long)send(QsciScintillaBase::SCI_GETCURRENTPOS),
                            bytes.constData());
    m_callTipText = text;
    m_callTipHighlight.clear();
    const int start = qBound(0, highlightStart, int(text.size()));
    const int length = qBound(0, highlightLength, int(text.size()) - start);
    if (length > 0) {
        m_callTipHighlight = text.mid(start, length);
        const long from = text.left(start).toUtf8().size();
        const long to = from + m_callTipHighlight.toUtf8().size();
        send(QsciScintillaBase::SCI_CALLTIPSETHLT, from, to);
    }
}

void EditorAdapter::cancelCallTip()
{
    if (m_editor && isCallTipActive())
        send(QsciScintillaBase::SCI_CALLTIPCANCEL);
    m_callTipText.clear();
    m_callTipHighlight.clear();
}

bool EditorAdapter::isCallTipActive() const
{
    return m_editor && send(QsciScintillaBase::SCI_CALLTIPACTIVE) != 0;
}

QString EditorAdapter::callTipText() const
{
    return isCallTipActive() ? m_callTipText : QString();
}

QString EditorAdapter::callTipHighlight() const
{
    return isCallTipActive() ? m_callTipHighlight : QString();
}
