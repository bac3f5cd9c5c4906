#pragma once

#include <QStringView>

// What the markup tokenizers share: reading a text one line at a time, token by token, in
// place (token() is a view into the caller's line; reading allocates nothing), with a state
// carried from line to line.
//
// Derived is the tokenizer (CRTP): it defines its Kind and State enums and a scan() that,
// with m_start before the end of the line, reads the token there into m_end and m_kind and
// leaves in m_state the state after it. Tokens cover the line exactly, so scan() never
// leaves m_end at m_start.
template <class Derived>
class LineTokenizer
{
public:
    // Back to the first state (0), as before the first line of a text.
    void reset()
    {
        m_line = QStringView();
        m_start = m_end = 0;
        m_kind = 0;
        m_state = 0;
    }

    // Reads line from where the previous line ended. When the caller stopped reading that line
    // early, what is left of it is read first, so its text must still be alive.
    void setLine(QStringView line)
    {
        while (!atEnd())
            next();
        startLine(line, m_state);
    }

    // True when every token of the line has been read (at once for an empty line).
    bool atEnd() const { return m_start >= m_line.size(); }
    void next()
    {
        if (atEnd())
            return;
        m_start = m_end;
        if (!atEnd())
            static_cast<Derived *>(this)->scan();
    }

    // The current token; meaningful only while !atEnd().
    QStringView token() const { return m_line.mid(m_start, m_end - m_start); }
    int column() const { return int(m_start) + 1; } // 1-based start
    int length() const { return int(m_end - m_start); }

protected:
    LineTokenizer() = default;

    // Reads line from state (a value of the derived State), never looking back.
    void startLine(QStringView line, unsigned char state)
    {
        m_line = line;
        m_start = m_end = 0;
        m_state = state;
        if (!atEnd())
            static_cast<Derived *>(this)->scan();
    }

    // The token of kind that runs from m_start to the end of the first closing found from
    // from on; then the state is closed. Without one it runs to the line's end and the state
    // is open, so the next line goes on looking.
    void runPast(qsizetype from, QStringView closing, unsigned char kind, unsigned char open,
                 unsigned char closed)
    {
        const qsizetype close = m_line.indexOf(closing, from);
        m_kind = kind;
        if (close < 0) {
            m_end = m_line.size();
            m_state = open;
        } else {
            m_end = close + closing.size();
            m_state = closed;
        }
    }

    QStringView m_line;
    qsizetype m_start = 0; // the current token
    qsizetype m_end = 0;
    unsigned char m_kind = 0;
    unsigned char m_state = 0;
};

namespace MarkupChars {

inline bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

inline bool isHexDigit(char16_t c)
{
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Blanks are every character up to the space, NUL included.
inline bool isBlank(char16_t c)
{
    return c <= u' ';
}

// The length of the entity reference that starts with the "&" at i of s: "&", a name (a
// character nameStart accepts, then ones nameChar accepts) or "#" with decimal digits or "#x"
// with hex digits, then ";". 0 when none starts there.
template <class NameStart, class NameChar>
qsizetype entityLength(QStringView s, qsizetype i, NameStart nameStart, NameChar nameChar)
{
    const qsizetype n = s.size();
    qsizetype j = i + 1;
    if (j < n && nameStart(s[j].unicode())) {
        ++j;
        while (j < n && nameChar(s[j].unicode()))
            ++j;
    } else if (j < n && s[j] == u'#') {
        ++j;
        if (j + 1 < n && (s[j] == u'x' || s[j] == u'X') && isHexDigit(s[j + 1].unicode())) {
            j += 2;
            while (j < n && isHexDigit(s[j].unicode()))
                ++j;
        } else if (j < n && isDigit(s[j].unicode())) {
            while (j < n && isDigit(s[j].unicode()))
                ++j;
        } else {
            return 0;
        }
    } else {
        return 0;
    }
    return j < n && s[j] == u';' ? j + 1 - i : 0;
}

} // namespace MarkupChars
