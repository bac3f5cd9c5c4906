#include "java/DebugLogEdit.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>

DebugLogEdit::DebugLogEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("REDebugLog"));
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(false);
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
    setTextCursor(cursor);
    ensureCursorVisible();
}

QString DebugLogEdit::lastLine() const
{
    return document()->lastBlock().text();
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
