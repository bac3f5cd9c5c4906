#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// A Java tokenizer over one line at a time, for code that reads Java source without
// parsing it (the source scanner, statistics, the variable tracker, completion).
//
// Rules (other code depends on these token boundaries):
// - The tokens of a line cover it exactly and in order: concatenating their texts gives
//   the line back. No token is empty; an empty line has no token.
// - Space: a run of characters <= ' ' (blanks, tabs).
// - Identifier: a letter, '_' or '$', then letters, digits, '_' and '$'. When the word is
//   a keyword it is a Keyword token instead.
// - Keyword: the reserved words of the classic language (up to Java 1.3), among them
//   "const" and "goto", plus the literals "true", "false" and "null". Case-sensitive.
//   "String" and other class names are identifiers; "assert" and "enum" are identifiers.
// - Number: a digit, or a '.' followed by a digit, then every letter, digit, '_' and '.',
//   and a sign directly after an exponent 'e'/'E' of a decimal number ("1.5e-3", "0x1F",
//   "10L", "2.0f").
// - String: a string literal "..." or a character literal '...'; a backslash escapes the
//   next character. An unterminated literal ends at the end of the line.
// - Comment: "//" to the end of the line, or a block comment "/* ... */".
//   DocComment: a block comment that starts with "/**" (but "/**/" is a plain comment).
//   A block comment not closed on its line goes on in the next line given to setLine();
//   there the part up to and including "*/" (or the whole line) is one token of the same
//   kind. The state carried to the next line is that at the end of the whole line, also
//   when the caller stops reading the line early.
// - Symbol: one punctuation character per token ("{", "}", "(", ")", "[", "]", ";", ",",
//   ".", "=", "<", ...), except these compound operators, which are one token each:
//   == != <= >= && || ++ -- += -= *= /= %= &= |= ^= << >> >>> <<= >>= >>>=
//   So a symbol token never holds more than one of { } ( ) [ ] ; , and never a brace
//   together with anything else.
// - Unknown: any other character ('#', '\\', '`', a stray non-ASCII sign), one per token.
class JavaTokenizer
{
public:
    enum Kind { Identifier, Keyword, Symbol, Space, Comment, DocComment, Number, String, Unknown };
    // Where a line starts: in code, or inside a block comment left open by an earlier line.
    enum State { Code, InComment, InDocComment };

    struct Token {
        Kind kind;
        int start; // 0-based index in the line
        QString text;
    };

    JavaTokenizer() = default;

    // Back to code state, as before the first line of a text.
    void reset();

    // Tokenizes a line in the state the previous line left and stands on its first token.
    void setLine(const QString &line);

    // True when every token of the line has been read (at once for an empty line).
    bool atEnd() const { return m_index >= m_tokens.size(); }
    void next()
    {
        if (!atEnd())
            ++m_index;
    }

    // The current token; meaningful only while !atEnd().
    QString token() const { return m_tokens.at(m_index).text; }
    Kind kind() const { return m_tokens.at(m_index).kind; }
    int tokenStart() const { return m_tokens.at(m_index).start; }
    int tokenLength() const { return m_tokens.at(m_index).text.size(); }

    // All tokens of the current line.
    const QList<Token> &tokens() const { return m_tokens; }

    // The state in which the next line given to setLine() starts.
    State state() const { return m_state; }
    void setState(State s) { m_state = s; }

    // Tokens of one line starting in the given state; state is updated to that at the line end.
    static QList<Token> tokenizeLine(const QString &line, State &state);

    // The same tokens without their texts, for readers that look at the line in place: spans
    // is cleared and filled (its storage is reused from line to line).
    struct Span {
        Kind kind;
        int start;
        int length;
    };
    static void scanLine(QStringView line, State &state, QList<Span> &spans);

    static bool isKeyword(const QString &word);
    static bool isKeyword(QStringView word);
    static const QStringList &keywords();

private:
    QList<Token> m_tokens;
    int m_index = 0;
    State m_state = Code;
};
