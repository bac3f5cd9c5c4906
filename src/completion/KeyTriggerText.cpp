#include "completion/KeyTriggerText.h"

#include "editor/tokenizers/HtmlTokenizer.h"
#include "editor/tokenizers/JavaTokenizer.h"
#include "editor/tokenizers/XmlTokenizer.h"

namespace {

inline bool isBlank(QChar c)
{
    return c.unicode() <= u' ';
}

// Letters A to Z and a to z, digits, "_" and the Latin-1 letters.
inline bool isIdentChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z')
        || u == u'_' || (u >= 192 && u <= 255 && u != 215 && u != 247);
}

// The caret line cut at the caret; false when the caret is not on a line of the text.
bool caretText(const QStringList &lines, int caretLine, int caretColumn, QStringView &cut)
{
    if (caretLine < 1 || caretLine > lines.size())
        return false;
    cut = QStringView(lines.at(caretLine - 1)).left(qMax(0, caretColumn - 1));
    return true;
}

// Follows "<!--" and "-->" through the tokens of the given kind; T is an HTML or XML tokenizer.
template <typename T>
bool markupComment(const QStringList &lines, int caretLine, int caretColumn, typename T::Kind kind)
{
    QStringView cut;
    if (!caretText(lines, caretLine, caretColumn, cut))
        return false;
    T tok;
    bool inComment = false;
    auto read = [&](QStringView line) {
        for (tok.setLine(line); !tok.atEnd(); tok.next()) {
            if (tok.kind() != kind)
                continue;
            if (tok.token().contains(u"<!--"))
                inComment = true;
            if (tok.token().contains(u"-->"))
                inComment = false;
        }
    };
    for (int i = 0; i < caretLine - 1; ++i)
        read(lines.at(i));
    read(cut);
    return inComment;
}

struct EndTagState {
    bool closing = false;
    QStringView tagName;
    QStringView lastIdentifier;

    // The bracket tests of a symbol token.
    void symbol(QStringView token)
    {
        if (token.contains(u"</")) {
            closing = true;
        } else if (token.contains(u'<')) {
            tagName = QStringView();
            closing = false;
        }
        if (token.contains(u'>')) {
            tagName = QStringView();
            closing = false;
        }
    }

    // The end tag due at the token just before the caret.
    QString endTag(QStringView token, bool singleTags) const
    {
        if (tagName.trimmed().isEmpty() || closing || token.contains(u'<') || token == u"/")
            return QString();
        if (!lastIdentifier.isEmpty() && token.contains(lastIdentifier))
            return QString();
        const QString name = tagName.toString();
        if (singleTags && KeyTriggerText::SingleTag(name))
            return QString();
        return QStringLiteral("</") + name + QLatin1Char('>');
    }
};

// The caret line up to the caret; empty when the caret stands past the line end, where no
// token reaches it.
QStringView beforeCaret(const QString &line, int caretColumn)
{
    if (caretColumn < 2 || caretColumn - 1 > line.size())
        return QStringView();
    return QStringView(line).left(caretColumn - 1);
}

} // namespace

namespace KeyTriggerText {

bool isCaretXYInComment(const QStringList &lines, int caretLine, int caretColumn)
{
    QStringView cut;
    if (!caretText(lines, caretLine, caretColumn, cut))
        return false;
    JavaTokenizer::State state = JavaTokenizer::Code;
    QList<JavaTokenizer::Span> spans;
    for (int i = 0; i < caretLine - 1; ++i)
        JavaTokenizer::scanLine(lines.at(i), state, spans);
    const JavaTokenizer::State lineStart = state;
    JavaTokenizer::scanLine(cut, state, spans);
    if (state != JavaTokenizer::Code)
        return true; // a block comment is open at the caret
    if (spans.isEmpty())
        return false;
    const JavaTokenizer::Span &last = spans.last();
    if (last.kind != JavaTokenizer::Comment && last.kind != JavaTokenizer::DocComment)
        return false;
    // A line comment runs to the caret; the tail of a block comment closed before it does not.
    const bool blockTail = spans.size() == 1 && lineStart != JavaTokenizer::Code;
    return !blockTail && cut.mid(last.start).startsWith(u"//");
}

bool isCaretXYInCommentHTMLv(const QStringList &lines, int caretLine, int caretColumn)
{
    return markupComment<HtmlTokenizer>(lines, caretLine, caretColumn, HtmlTokenizer::Comment);
}

bool isCaretXYInCommentXMLv(const QStringList &lines, int caretLine, int caretColumn)
{
    return markupComment<XmlTokenizer>(lines, caretLine, caretColumn, XmlTokenizer::Symbol);
}

QString FinnID(const QString &line, int caretColumn, int *wordStart)
{
    if (wordStart)
        *wordStart = -1;
    int i = qMin(caretColumn - 1, int(line.size())) - 1;
    while (i >= 0 && isBlank(line.at(i)))
        --i;
    if (i < 0)
        return QString();
    const int end = i + 1;
    while (i >= 0 && !isBlank(line.at(i)))
        --i;
    if (wordStart)
        *wordStart = i + 1;
    const int start = qMax(i, 0);
    return line.mid(start, end - start);
}

bool SingleTag(const QString &name)
{
    static const char *const parts[] = {"br",   "hr",  "area",  "bgsound", "spacer", "meta",
                                        "base", "img", "input", "link",    "wbr"};
    for (const char *part : parts)
        if (name.contains(QLatin1String(part)))
            return true;
    return name == QLatin1String("frame") || name == QLatin1String("col");
}

QString endTagHTML(const QString &line, int caretColumn)
{
    const QStringView text = beforeCaret(line, caretColumn);
    EndTagState st;
    HtmlTokenizer tok;
    for (tok.setLine(text); !tok.atEnd(); tok.next()) {
        const QStringView token = tok.token();
        switch (tok.kind()) {
        case HtmlTokenizer::Symbol: st.symbol(token); break;
        case HtmlTokenizer::Attribute: st.lastIdentifier = token; break;
        case HtmlTokenizer::Tag: st.tagName = token.contains(u'/') ? QStringView() : token; break;
        default: break;
        }
        if (tok.column() + tok.length() >= caretColumn)
            return st.endTag(token, true);
    }
    return QString();
}

QString endTagXML(const QString &line, int caretColumn)
{
    const QStringView text = beforeCaret(line, caretColumn);
    EndTagState st;
    XmlTokenizer tok;
    for (tok.setLine(text); !tok.atEnd(); tok.next()) {
        const QStringView token = tok.token();
        if (tok.kind() == XmlTokenizer::Symbol) {
            st.symbol(token);
            st.lastIdentifier = token;
        } else if (tok.kind() == XmlTokenizer::ElementName) {
            st.tagName = token.contains(u'/') ? QStringView() : token;
        }
        if (tok.column() + tok.length() >= caretColumn)
            return st.endTag(token, false);
    }
    return QString();
}

int paramsHintIndex(const QString &line, int caretColumn, const QString &completedMethodName)
{
    int commas = 0;
    int i = qMin(caretColumn - 1, int(line.size())) - 1;
    while (i >= 0) {
        const QChar c = line.at(i);
        if (c == QLatin1Char(',')) {
            ++commas;
            --i;
        } else if (c == QLatin1Char(')')) {
            // Skip the closed group and its "(".
            int depth = 0;
            for (; i >= 0; --i) {
                if (line.at(i) == QLatin1Char(')'))
                    ++depth;
                else if (line.at(i) == QLatin1Char('(') && --depth == 0)
                    break;
            }
            if (i < 0)
                return -1; // unbalanced up to the line start
            --i;
        } else if (c == QLatin1Char('(')) {
            int j = i - 1;
            while (j >= 0 && !isIdentChar(line.at(j)))
                --j;
            const int end = j + 1;
            while (j >= 0 && isIdentChar(line.at(j)))
                --j;
            const QString name = line.mid(j + 1, end - j - 1).toUpper();
            if (!name.isEmpty() && completedMethodName.contains(name))
                return commas;
            --i; // an enclosing call may be the one
        } else {
            --i;
        }
    }
    return -1;
}

} // namespace KeyTriggerText
