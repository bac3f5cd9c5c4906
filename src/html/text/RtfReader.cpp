#include "html/text/RtfReader.h"

#include <QString>

#include <cstring>
#include <vector>

namespace {

// Code page 1252 at 0x80 to 0x9F; the other bytes are Latin-1.
const char16_t cp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar cp1252(unsigned char byte)
{
    return QChar(byte >= 0x80 && byte < 0xA0 ? cp1252High[byte - 0x80] : char16_t(byte));
}

// Destinations whose text is not part of the document.
bool isSkippedDestination(const char *word)
{
    static const char *const words[] = {
        "fonttbl", "colortbl",  "stylesheet",        "info",   "pict",
        "filetbl", "listtable", "listoverridetable", "revtbl", "rsidtbl",
        "object",  "themedata", "latentstyles"};
    for (const char *w : words) {
        if (std::strcmp(w, word) == 0)
            return true;
    }
    return false;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

class Reader
{
public:
    explicit Reader(const QByteArray &rtf) : m_data(rtf.constData()), m_size(rtf.size())
    {
        m_stack.reserve(16);
        m_stack.push_back(State {});
    }

    QStringList run()
    {
        while (m_pos < m_size) {
            const char c = m_data[m_pos++];
            switch (c) {
            case '{': openGroup(); break;
            case '}': closeGroup(); break;
            case '\\': control(); break;
            case '\r':
            case '\n': break;
            default: text(cp1252(static_cast<unsigned char>(c))); break;
            }
        }
        if (!m_line.isEmpty())
            m_lines.append(m_line);
        return m_lines;
    }

private:
    struct State {
        bool skip = false; // text of this group is not the document's
        int uc = 1;        // fallback characters after \uN
    };

    State &state() { return m_stack.back(); }

    bool skipping() const { return m_tooDeep > 0 || m_stack.back().skip; }

    void openGroup()
    {
        m_fallback = 0;
        if (m_tooDeep > 0 || int(m_stack.size()) > RtfReader::MaxDepth) {
            ++m_tooDeep;
            return;
        }
        m_stack.push_back(m_stack.back());
    }

    void closeGroup()
    {
        m_fallback = 0;
        if (m_tooDeep > 0)
            --m_tooDeep;
        else if (m_stack.size() > 1)
            m_stack.pop_back();
    }

    void text(QChar c)
    {
        if (m_fallback > 0) {
            --m_fallback;
            return;
        }
        if (!skipping())
            m_line.append(c);
    }

    void endLine()
    {
        if (skipping())
            return;
        m_lines.append(m_line);
        m_line.clear();
    }

    void control()
    {
        if (m_pos >= m_size)
            return;
        const char c = m_data[m_pos];
        if (isLetter(c)) {
            controlWord();
            return;
        }
        ++m_pos;
        switch (c) {
        case '\\':
        case '{':
        case '}': text(QChar(char16_t(c))); break;
        case '\'': {
            // Two hex digits; a malformed escape takes the digits it has and gives nothing.
            const int high = m_pos < m_size ? hexDigit(m_data[m_pos]) : -1;
            if (high < 0)
                break;
            ++m_pos;
            const int low = m_pos < m_size ? hexDigit(m_data[m_pos]) : -1;
            if (low < 0)
                break;
            ++m_pos;
            text(cp1252(static_cast<unsigned char>(high * 16 + low)));
            break;
        }
        case '~': text(QChar(char16_t(0x00A0))); break;
        case '_': text(QChar(char16_t(0x2011))); break;
        case '*':
            m_fallback = 0;
            state().skip = true;
            break;
        case '\r':
        case '\n':
            m_fallback = 0;
            endLine();
            break;
        default:
            // Other control symbols (such as the optional hyphen) stand for no text; while
            // fallback characters are being skipped they count as one.
            if (m_fallback > 0)
                --m_fallback;
            break;
        }
    }

    void controlWord()
    {
        char word[33];
        int length = 0;
        while (m_pos < m_size && isLetter(m_data[m_pos])) {
            if (length < 32)
                word[length++] = m_data[m_pos];
            ++m_pos;
        }
        word[length] = '\0';

        bool hasParameter = false;
        bool negative = false;
        long long parameter = 0;
        if (m_pos < m_size && m_data[m_pos] == '-' && m_pos + 1 < m_size
            && isDigit(m_data[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        while (m_pos < m_size && isDigit(m_data[m_pos])) {
            hasParameter = true;
            if (parameter < 100000000000LL)
                parameter = parameter * 10 + (m_data[m_pos] - '0');
            ++m_pos;
        }
        if (negative)
            parameter = -parameter;
        if (m_pos < m_size && m_data[m_pos] == ' ')
            ++m_pos; // the delimiter belongs to the word

        if (m_fallback > 0 && std::strcmp(word, "u") != 0) {
            --m_fallback; // a control word in place of a fallback character
            if (std::strcmp(word, "bin") == 0 && hasParameter && parameter > 0)
                skipBinary(parameter);
            return;
        }
        apply(word, hasParameter, parameter);
    }

    void apply(const char *word, bool hasParameter, long long parameter)
    {
        auto is = [word](const char *name) { return std::strcmp(word, name) == 0; };
        if (is("par") || is("line") || is("sect") || is("page") || is("row")) {
            endLine();
        } else if (is("tab") || is("cell")) {
            text(QChar(u'\t'));
        } else if (is("u") && hasParameter) {
            // A signed 16-bit number (negative for the units above 32767); any other names
            // no character.
            if (parameter >= -32768 && parameter <= 0xFFFF && !skipping())
                m_line.append(QChar(char16_t(parameter < 0 ? parameter + 65536 : parameter)));
            m_fallback = state().uc;
        } else if (is("uc") && hasParameter) {
            state().uc = int(qBound(0LL, parameter, 16LL));
        } else if (is("bin") && hasParameter && parameter > 0) {
            skipBinary(parameter);
        } else if (isSkippedDestination(word)) {
            state().skip = true;
        } else if (is("emdash")) {
            text(QChar(char16_t(0x2014)));
        } else if (is("endash")) {
            text(QChar(char16_t(0x2013)));
        } else if (is("bullet")) {
            text(QChar(char16_t(0x2022)));
        } else if (is("lquote")) {
            text(QChar(char16_t(0x2018)));
        } else if (is("rquote")) {
            text(QChar(char16_t(0x2019)));
        } else if (is("ldblquote")) {
            text(QChar(char16_t(0x201C)));
        } else if (is("rdblquote")) {
            text(QChar(char16_t(0x201D)));
        }
    }

    void skipBinary(long long count) { m_pos += qsizetype(qMin<long long>(count, m_size - m_pos)); }

    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    std::vector<State> m_stack;
    int m_tooDeep = 0;  // groups opened below the depth limit
    int m_fallback = 0; // fallback characters still to skip after \uN
    QString m_line;
    QStringList m_lines;
};

} // namespace

bool RtfReader::isRtf(const QByteArray &bytes)
{
    return bytes.startsWith("{\\rtf");
}

QStringList RtfReader::paragraphs(const QByteArray &rtf)
{
    return Reader(rtf).run();
}
