#include "editor/tokenizers/HtmlTokenizer.h"

#include <cstring>

namespace {

using MarkupChars::isBlank;
using MarkupChars::isDigit;

// The element names the tokenizer knows: the HTML 4.01 elements, the browsers' own elements
// of the same era, and every tag the attribute completion serves. Lower case, sorted.
const char *const knownTags[] = {
    "a",        "abbr",    "acronym",  "address",  "applet",   "area",       "b",        "base",
    "basefont", "bdo",     "bgsound",  "big",      "blink",    "blockquote", "body",     "br",
    "button",   "caption", "center",   "cite",     "code",     "col",        "colgroup", "dd",
    "del",      "dfn",     "dir",      "div",      "dl",       "dt",         "em",       "embed",
    "fieldset", "font",    "form",     "frame",    "frameset", "h1",         "h2",       "h3",
    "h4",       "h5",      "h6",       "head",     "hr",       "html",       "i",        "iframe",
    "ilayer",   "img",     "input",    "ins",      "isindex",  "kbd",        "label",    "layer",
    "legend",   "li",      "link",     "map",      "marquee",  "menu",       "meta",     "multicol",
    "nobr",     "noembed", "noframes", "noscript", "object",   "ol",         "optgroup", "option",
    "p",        "param",   "pre",      "q",        "s",        "samp",       "script",   "select",
    "small",    "spacer",  "span",     "strike",   "strong",   "style",      "sub",      "sup",
    "table",    "tbody",   "td",       "textarea", "tfoot",    "th",         "thead",    "title",
    "tr",       "tt",      "u",        "ul",       "var",      "wbr",
};
constexpr int knownTagCount = int(sizeof(knownTags) / sizeof(knownTags[0]));
constexpr int longestKnownTag = 10; // "blockquote"

// The table by first letter: the names starting with 'a' + i are first[i] .. first[i + 1] - 1.
struct TagIndex {
    int first[27];
    unsigned char length[knownTagCount];
    TagIndex()
    {
        int t = 0;
        for (int letter = 0; letter < 26; ++letter) {
            first[letter] = t;
            while (t < knownTagCount && knownTags[t][0] == 'a' + letter)
                ++t;
        }
        first[26] = knownTagCount;
        for (int i = 0; i < knownTagCount; ++i)
            length[i] = static_cast<unsigned char>(std::strlen(knownTags[i]));
    }
};

const TagIndex &tagIndex()
{
    static const TagIndex index;
    return index;
}

inline bool isLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

inline bool isNameChar(char16_t c)
{
    return isLetter(c) || isDigit(c) || c == u'-' || c == u'_' || c == u':' || c == u'.';
}

// Ends an attribute name.
inline bool endsAttribute(char16_t c)
{
    return isBlank(c) || c == u'=' || c == u'>' || c == u'/' || c == u'<' || c == u'"'
        || c == u'\'';
}

// A "<" at i opens markup.
inline bool opensMarkup(const QChar *s, qsizetype n, qsizetype i)
{
    if (i + 1 >= n)
        return false;
    const char16_t c = s[i + 1].unicode();
    return isLetter(c) || c == u'/' || c == u'!' || c == u'?';
}

// Length of the entity that starts with the "&" at i; 0 when none does.
qsizetype entityLength(const QChar *s, qsizetype n, qsizetype i)
{
    return MarkupChars::entityLength(QStringView(s, n), i, isLetter,
                                     [](char16_t c) { return isLetter(c) || isDigit(c); });
}

} // namespace

bool HtmlTokenizer::isKnownTag(QStringView name)
{
    const qsizetype n = name.size();
    if (n == 0 || n > longestKnownTag)
        return false;
    char lower[longestKnownTag];
    for (qsizetype i = 0; i < n; ++i) {
        char16_t c = name[i].unicode();
        if (c >= u'A' && c <= u'Z')
            c = char16_t(c + (u'a' - u'A'));
        if (c > 0x7f)
            return false;
        lower[i] = char(c);
    }
    if (lower[0] < 'a' || lower[0] > 'z')
        return false;
    const TagIndex &index = tagIndex();
    const int letter = lower[0] - 'a';
    for (int t = index.first[letter]; t < index.first[letter + 1]; ++t) {
        if (index.length[t] == n && std::memcmp(knownTags[t], lower, size_t(n)) == 0)
            return true;
    }
    return false;
}

void HtmlTokenizer::setLine(QStringView line, State state)
{
    startLine(line, state);
}

void HtmlTokenizer::scan()
{
    const QChar *s = m_line.data();
    const qsizetype n = m_line.size();
    switch (state()) {
    case Content: scanContent(s, n); return;
    case TagOpen: scanTagName(s, n); return;
    case InTag:
    case AfterEquals: scanInTag(s, n); return;
    case DoubleQuoted: runPast(m_start, u"\"", Value, DoubleQuoted, InTag); return;
    case SingleQuoted: runPast(m_start, u"'", Value, SingleQuoted, InTag); return;
    case InComment: runPast(m_start, u"-->", Comment, InComment, Content); return;
    case InOther: runPast(m_start, u">", Other, InOther, Content); return;
    }
}

void HtmlTokenizer::scanContent(const QChar *s, qsizetype n)
{
    const qsizetype p = m_start;
    const char16_t c = s[p].unicode();
    if (c == u'<' && opensMarkup(s, n, p)) {
        const char16_t after = s[p + 1].unicode();
        if (after == u'!' && p + 3 < n && s[p + 2] == u'-' && s[p + 3] == u'-') {
            runPast(p + 4, u"-->", Comment, InComment, Content);
        } else if (after == u'!' || after == u'?') {
            runPast(p + 2, u">", Other, InOther, Content);
        } else {
            m_kind = Symbol;
            m_end = p + 1;
            m_state = TagOpen;
        }
        return;
    }
    if (c == u'&') {
        if (const qsizetype length = entityLength(s, n, p)) {
            m_kind = Entity;
            m_end = p + length;
            return;
        }
    }
    qsizetype q = p + 1;
    for (; q < n; ++q) {
        const char16_t d = s[q].unicode();
        if (d == u'<' ? opensMarkup(s, n, q) : d == u'&' && entityLength(s, n, q) > 0)
            break;
    }
    m_kind = Text;
    m_end = q;
}

void HtmlTokenizer::scanTagName(const QChar *s, qsizetype n)
{
    const qsizetype p = m_start;
    qsizetype nameStart;
    if (isLetter(s[p].unicode())) {
        nameStart = p;
    } else if (s[p] == u'/' && p + 1 < n && isLetter(s[p + 1].unicode())) {
        nameStart = p + 1;
    } else {
        m_state = InTag;
        scanInTag(s, n);
        return;
    }
    qsizetype q = nameStart + 1;
    while (q < n && isNameChar(s[q].unicode()))
        ++q;
    m_kind = isKnownTag(QStringView(s + nameStart, q - nameStart)) ? Tag : UnknownTag;
    m_end = q;
    m_state = InTag;
}

void HtmlTokenizer::scanInTag(const QChar *s, qsizetype n)
{
    const qsizetype p = m_start;
    const char16_t c = s[p].unicode();
    qsizetype q = p + 1;
    if (isBlank(c)) {
        while (q < n && isBlank(s[q].unicode()))
            ++q;
        m_kind = Space; // the state stays: a value may still follow "="
        m_end = q;
        return;
    }
    if (c == u'>') {
        m_kind = Symbol;
        m_end = q;
        m_state = Content;
        return;
    }
    if (c == u'"' || c == u'\'') {
        runPast(q, QStringView(s + p, 1), Value, c == u'"' ? DoubleQuoted : SingleQuoted, InTag);
        return;
    }
    if (m_state == AfterEquals) {
        while (q < n && !isBlank(s[q].unicode()) && s[q] != u'>')
            ++q;
        m_kind = Value;
        m_end = q;
        m_state = InTag;
        return;
    }
    if (c == u'/' && q < n && s[q] == u'>') {
        m_kind = Symbol;
        m_end = q + 1;
        m_state = Content;
        return;
    }
    if (c == u'=') {
        m_kind = Symbol;
        m_end = q;
        m_state = AfterEquals;
        return;
    }
    if (c == u'/' || c == u'<') {
        m_kind = Other;
        m_end = q;
        return;
    }
    while (q < n && !endsAttribute(s[q].unicode()))
        ++q;
    m_kind = Attribute;
    m_end = q;
}
