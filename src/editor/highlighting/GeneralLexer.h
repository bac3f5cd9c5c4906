#pragma once

#include <QByteArray>
#include <QSet>
#include <QStringList>
#include <Qsci/qscilexercustom.h>

// The lexer of user-defined languages: a keyword list, a set of comment styles and one
// string delimiter. Everything else is identifiers, numbers, blanks and symbols.
class GeneralLexer : public QsciLexerCustom
{
    Q_OBJECT
public:
    enum Style {
        Space = 0,
        Comment,
        Identifier,
        ReservedWord,
        Number,
        String,
        Symbol,
        Preprocessor
    };

    enum CommentStyle {
        NoComments = 0,
        AnsiComments = 0x01,   // (* ... *)
        PascalComments = 0x02, // { ... }
        CComments = 0x04,      // /* ... */
        CppComments = 0x08,    // // to the line end
        AsmComments = 0x10,    // ; to the line end
        BasicComments = 0x20,  // ' to the line end
        UnixComments = 0x40,   // # to the line end
    };
    Q_DECLARE_FLAGS(CommentStyles, CommentStyle)

    explicit GeneralLexer(QObject *parent = nullptr);

    // The comment styles of a language file's "CommentTypes" flags: Pascal { }, C /* */
    // and //, Asm ;, Basic ', Ansi (* *).
    static CommentStyles fromLanguageFlags(bool pascal, bool c, bool asmStyle, bool basic,
                                           bool ansi);

    // Each setter restyles the document only when the value changes.
    void setKeywords(const QStringList &words);
    QStringList keywords() const { return m_keywords; }
    void setCommentStyles(CommentStyles styles);
    CommentStyles commentStyles() const { return m_comments; }
    void setCaseSensitive(bool on);
    bool isCaseSensitive() const { return m_caseSensitive; }
    void setStringDelimiter(char delimiter); // '"' or '\''
    char stringDelimiter() const { return m_delimiter; }
    // Lines whose first non-blank is '#' are preprocessor lines (off by default).
    void setDetectPreprocessor(bool on);
    // A language at once: keywords, comment styles and string delimiter, with one restyle
    // when any of them changed. False when all three were already so.
    bool setLanguage(const QStringList &words, CommentStyles styles, char delimiter);

    // While on, requests to style are put off: QScintilla styles a whole document when its
    // lexer is set, which for a large one costs what showing it costs many times over. Turning
    // it off marks the styling stale, so Scintilla asks again for what it shows.
    void setStylingDeferred(bool on);

    // QsciLexer
    const char *language() const override { return "General"; }
    QString description(int style) const override;
    bool caseSensitive() const override { return m_caseSensitive; }
    void styleText(int start, int end) override;

    // Styles one line of UTF-8 text. state is the open block comment carried in from
    // the previous line (0 none) and is updated for the next line. Returns one style per byte.
    QByteArray styleLine(const QByteArray &line, int &state) const;

private:
    bool isKeyword(const char *word, int length) const;
    void rebuildKeywordSets();
    void restyle();

    QStringList m_keywords;
    QSet<QByteArray> m_asciiKeywords; // in the lexer's case, UTF-8
    QSet<QString> m_keywordSet;       // the same as text, for words beyond ASCII
    CommentStyles m_comments = NoComments;
    bool m_caseSensitive = false;
    bool m_preprocessor = false;
    bool m_deferred = false;
    char m_delimiter = '\'';
};

Q_DECLARE_OPERATORS_FOR_FLAGS(GeneralLexer::CommentStyles)
