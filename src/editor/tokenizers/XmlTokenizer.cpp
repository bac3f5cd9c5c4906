#include "editor/tokenizers/XmlTokenizer.h"

namespace {

using MarkupChars::isBlank;
using MarkupChars::isDigit;

inline bool isNameStart(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' || c == u':'
        || c > 127;
}

inline bool isNameChar(char16_t c)
{
    return isNameStart(c) || isDigit(c) || c == u'-' || c == u'.';
}

// A "<" at i opens markup.
inline bool opensMarkup(QStringView s, qsizetype i)
{
    if (i + 1 >= s.size())
        return false;
    const char16_t c = s[i + 1].unicode();
    return c == u'!' || c == u'?' || c == u'/' || isNameStart(c);
}

// Length of the entity reference that starts with the "&" at i; 0 when none does.
qsizetype entityLength(QStringView s, qsizetype i)
{
    return MarkupChars::entityLength(s, i, isNameStart, isNameChar);
}

} // namespace

void XmlTokenizer::setLine(QStringView line, State state)
{
    startLine(line, state);
}

void XmlTokenizer::symbol(qsizetype length, State next)
{
    m_kind = Symbol;
    m_end = m_start + length;
    m_state = next;
}

void XmlTokenizer::scan()
{
    switch (state()) {
    case Content: scanContent(); return;
    case TagOpen: scanTagOpen(); return;
    case InTag: scanInTag(); return;
    case DoubleQuoted: runPast(m_start, u"\"", AttributeValue, DoubleQuoted, InTag); return;
    case SingleQuoted: runPast(m_start, u"'", AttributeValue, SingleQuoted, InTag); return;
    case InComment: scanText(m_start, u"-->", Comment, InComment); return;
    case InPI: scanText(m_start, u"?>", ProcessingInstruction, InPI); return;
    case InCData: {
        const qsizetype close = m_line.indexOf(u"]]>", m_start);
        m_kind = CData;
        if (close < 0) {
            m_end = m_line.size();
        } else {
            m_end = close + 2;
            m_state = CDataEnd;
        }
        return;
    }
    case CDataEnd:
        if (m_line[m_start] == u'>') {
            symbol(1, Content);
        } else {
            m_state = InCData;
            scan();
        }
        return;
    case InDeclaration:
    case InDeclSubset: scanDeclaration(); return;
    }
}

void XmlTokenizer::scanContent()
{
    const QStringView s = m_line;
    const qsizetype p = m_start;
    const char16_t c = s[p].unicode();
    if (c == u'<' && opensMarkup(s, p)) {
        const QStringView rest = s.mid(p);
        if (rest.startsWith(u"<!--"))
            symbol(4, InComment);
        else if (rest.startsWith(u"<![CDATA["))
            symbol(2, InCData);
        else if (rest.startsWith(u"<!"))
            symbol(2, InDeclaration);
        else if (rest.startsWith(u"<?"))
            symbol(2, InPI);
        else if (rest.startsWith(u"</"))
            symbol(2, TagOpen);
        else
            symbol(1, TagOpen);
        return;
    }
    if (c == u'&') {
        if (const qsizetype length = entityLength(s, p)) {
            m_kind = EntityRef;
            m_end = p + length;
            return;
        }
    }
    qsizetype q = p + 1;
    for (; q < s.size(); ++q) {
        const char16_t d = s[q].unicode();
        if (d == u'<' ? opensMarkup(s, q) : d == u'&' && entityLength(s, q) > 0)
            break;
    }
    m_kind = Text;
    m_end = q;
}

void XmlTokenizer::scanTagOpen()
{
    const qsizetype p = m_start;
    m_state = InTag;
    if (!isNameStart(m_line[p].unicode())) {
        scanInTag();
        return;
    }
    qsizetype q = p + 1;
    while (q < m_line.size() && isNameChar(m_line[q].unicode()))
        ++q;
    m_kind = ElementName;
    m_end = q;
}

void XmlTokenizer::scanInTag()
{
    const QStringView s = m_line;
    const qsizetype n = s.size();
    const qsizetype p = m_start;
    const char16_t c = s[p].unicode();
    qsizetype q = p + 1;
    if (isBlank(c)) {
        while (q < n && isBlank(s[q].unicode()))
            ++q;
        m_kind = Space;
        m_end = q;
    } else if (c == u'>') {
        symbol(1, Content);
    } else if (c == u'/' && q < n && s[q] == u'>') {
        symbol(2, Content);
    } else if (c == u'=') {
        m_kind = Equal;
        m_end = q;
    } else if (c == u'"' || c == u'\'') {
        runPast(q, s.mid(p, 1), AttributeValue, c == u'"' ? DoubleQuoted : SingleQuoted, InTag);
    } else if (isNameStart(c)) {
        while (q < n && isNameChar(s[q].unicode()))
            ++q;
        m_kind = AttributeName;
        m_end = q;
    } else {
        m_kind = Other;
        m_end = q;
    }
}

// The text of a comment or processing instruction up to its closing symbol, or the symbol.
void XmlTokenizer::scanText(qsizetype from, QStringView closing, Kind kind, State open)
{
    const qsizetype close = m_line.indexOf(closing, from);
    if (close == m_start) {
        symbol(closing.size(), Content);
        return;
    }
    m_kind = kind;
    m_end = close < 0 ? m_line.size() : close;
    m_state = open;
}

void XmlTokenizer::scanDeclaration()
{
    if (m_state == InDeclaration && m_line[m_start] == u'>') {
        symbol(1, Content);
        return;
    }
    bool subset = m_state == InDeclSubset;
    qsizetype q = m_start;
    for (; q < m_line.size(); ++q) {
        const char16_t c = m_line[q].unicode();
        if (subset) {
            subset = c != u']';
        } else if (c == u'[') {
            subset = true;
        } else if (c == u'>') {
            break;
        }
    }
    m_kind = Declaration;
    m_end = q;
    m_state = subset ? InDeclSubset : InDeclaration;
}
