#include "completion/HtmlTagAtCaret.h"

#include "editor/tokenizers/HtmlTokenizer.h"

QString FindKeyWordInNow(const QStringList &lines, int caretLine, int caretColumn)
{
    if (caretLine < 1 || caretLine > lines.size() || caretColumn < 1)
        return QString();
    const int c = caretColumn;
    bool inComment = false;
    HtmlTokenizer tok;
    // Comments open and close in comment tokens (a value may hold "<!--" as text).
    auto followComments = [&inComment](const HtmlTokenizer &t) {
        if (t.kind() != HtmlTokenizer::Comment)
            return;
        if (t.token().contains(u"<!--"))
            inComment = true;
        if (t.token().contains(u"-->"))
            inComment = false;
    };

    // The lines above are read whole: a comment or tag opened right of the caret column on
    // an earlier line is still open on the caret line.
    for (int i = 0; i < caretLine - 1; ++i)
        for (tok.setLine(lines.at(i)); !tok.atEnd(); tok.next())
            followComments(tok);

    const HtmlTokenizer::State startState = tok.state();

    // The caret line up to and including the character after the caret.
    const QString &text = lines.at(caretLine - 1);
    const QStringView line = QStringView(text).left(c);
    bool inTag = false;
    QStringView word;
    for (tok.setLine(line); !tok.atEnd(); tok.next()) {
        const QStringView token = tok.token();
        const int s = tok.column();
        const int e = s + tok.length();
        followComments(tok);
        if (token.contains(u'"') && s <= c && e > c)
            return QString();
        if (tok.kind() == HtmlTokenizer::Symbol) {
            if (inComment && e <= c)
                return QString();
            if (token.contains(u'<')) {
                inTag = true;
                word = QStringView();
            } else if (token.contains(u'>')) {
                if (e - 1 == c)
                    break; // the ">" stands right after the caret
                inTag = false;
                word = QStringView();
            }
        } else if (tok.kind() == HtmlTokenizer::Tag) {
            if (inComment && e <= c)
                return QString();
            if (inTag && !inComment)
                word = token;
        }
        if (e > c)
            break;
    }
    // Inside a quoted value, closed or not, no attribute belongs at the caret.
    HtmlTokenizer before;
    before.setLine(line.left(c - 1), startState);
    while (!before.atEnd())
        before.next();
    if (before.state() == HtmlTokenizer::DoubleQuoted
        || before.state() == HtmlTokenizer::SingleQuoted)
        return QString();
    return word.toString().toLower();
}
