#pragma once

#include <QByteArray>
#include <QList>
#include <QStringView>

#include <memory>

class GeneralLexer;

// The tokens of the general lexer (the highlighter of user-defined languages) over one line at
// a time, for code that reads a text without highlighting it. The lexer is in its default
// settings: no keywords, no comment styles, no preprocessor lines; only the string quote is
// chosen. The state (a block comment) is carried from line to line.
//
// Tokens cover the line exactly: a run of blanks and tabs, an identifier, a number, one
// symbol character, or a string literal from its quote to the closing one (or the line end).
class GeneralTokenizer
{
public:
    // The lexer's styles.
    enum Kind { Space = 0, Comment, Identifier, Keyword, Number, String, Symbol, Preprocessor };

    struct Span {
        Kind kind;
        int start;  // index in the line
        int length; // in the line's characters (UTF-16 units)
    };

    explicit GeneralTokenizer(char stringQuote);
    ~GeneralTokenizer();
    GeneralTokenizer(const GeneralTokenizer &) = delete;
    GeneralTokenizer &operator=(const GeneralTokenizer &) = delete;

    // Back to the state before the first line of a text.
    void reset() { m_state = 0; }

    // The tokens of line, read in the state the previous line left: spans is cleared and
    // filled (its storage is reused from line to line).
    void scanLine(QStringView line, QList<Span> &spans);

private:
    std::unique_ptr<GeneralLexer> m_lexer;
    char m_quote;
    int m_state = 0;
    QByteArray m_utf8; // the line in the lexer's encoding, reused
};
