#include "java/debug/DebugLogEdit.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

DebugLogEdit::DebugLogEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("REDebugLog"));
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(false);
    // A log: no undo history of its lines (a long session would hold them twice).
    document()->setUndoRedoEnabled(false);
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight,
               p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
}

void DebugLogEdit::addLines(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    QString text;
    if (!document()->lastBlock().text().isEmpty())
        text += u'\n';
    for (const QString &line : lines) {
        text += line;
        text += u'\n';
    }
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    // A caret at the end stays there; one elsewhere is brought back.
    if (!textCursor().atEnd())
        setTextCursor(cursor);
    // Scrolled once the lines of this turn of the event loop are in.
    if (!m_scrollPending) {
        m_scrollPending = true;
        QTimer::singleShot(0, this, [this] {
            m_scrollPending = false;
            ensureCursorVisible();
        });
    }
}

QString DebugLogEdit::lastLine() const
{
    return document()->lastBlock().text();
}

QString DebugLogEdit::commandLine() const
{
    const QTextBlock caret = textCursor().block();
    for (QTextBlock after = caret.next(); after.isValid(); after = after.next()) {
        if (!after.text().isEmpty())
            return lastLine();
    }
    return caret.text();
}

void DebugLogEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit returnPressed();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}
