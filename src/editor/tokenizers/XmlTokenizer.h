#pragma once

#include "editor/tokenizers/LineTokenizer.h"

#include <QStringView>

// An XML tokenizer over one line at a time, for code that reads XML without parsing it (the
// end tags typed after ">", the comment test). Like HtmlTokenizer it reads the caller's text in
// place: token() is a view into the line given to setLine(), and reading allocates nothing.
//
// Use: setLine(), then while (!atEnd()) { token(), kind(), column() ...; next(); }. The state
// is carried from line to line (a comment, a quoted value, a declaration or a CDATA section
// that spans lines is read as a whole). setLine(line) goes on where the previous line ended:
// when the caller stopped reading that line early, setLine() first reads what is left of it,
// so its text must still be alive. setLine(line, state) starts from a saved state instead. A
// caller may cut a line short at any column by passing a shorter view.
//
// Rules (other code depends on these token boundaries):
// - The tokens of a line cover it exactly and in order; no token is empty; an empty line has
//   no token.
// - Symbol tokens are exactly "<", "</", ">", "/>", "<?", "?>", "<!", "<!--" and "-->"; no
//   other token is a Symbol.
// - Outside markup: "<!--" opens a comment, "<![CDATA[" a CDATA section (the Symbol is "<!"),
//   any other "<!" a declaration (DOCTYPE), "<?" a processing instruction, "</" an end tag,
//   and "<" followed by a name character a start tag. Any other "<" is text.
// - An ElementName follows only "<" or "</", directly: a letter, "_", ":" or a character
//   above 127, then those, digits, "-" and ".". So a declaration, a processing instruction
//   and CDATA never hold an element name.
// - Inside a tag: a run of blanks (characters <= ' ') is one Space; ">" and "/>" end the tag;
//   "=" is an Equal; a value quoted with " or ' runs to its closing quote, across lines if need
//   be, and is an AttributeValue with its quotes (one token per line); a name is an
//   AttributeName; any other character (a lone "/" or "<") is one Other token.
// - A comment's text between "<!--" and the next "-->" is one Comment token per line (none
//   when it is empty). A processing instruction's text up to the next "?>" is one
//   ProcessingInstruction token per line, a declaration's text up to its ">" one Declaration
//   token per line (a "[...]" internal subset, whose ">" do not count, included), a CDATA
//   section's text from "[CDATA[" to the next "]]" one CData token per line; the ">" after
//   "]]" is a Symbol.
// - Outside markup, Text runs up to the next markup, the next entity or the line's end. An
//   EntityRef is "&", then a name or "#" with digits or "#x" with hex digits, then ";".
class XmlTokenizer : public LineTokenizer<XmlTokenizer>
{
public:
    enum Kind {
        Symbol,                // "<", "</", ">", "/>", "<?", "?>", "<!", "<!--", "-->"
        ElementName,           // the name after "<" or "</"
        AttributeName,         // a name inside a tag
        Equal,                 // "=" inside a tag
        AttributeValue,        // a quoted value, quotes included
        Text,                  // text between markup
        EntityRef,             // "&amp;", "&#160;", "&#xA0;"
        Comment,               // the text of "<!-- ... -->"
        CData,                 // "[CDATA[ ... ]]"
        ProcessingInstruction, // the text of "<? ... ?>"
        Declaration,           // the text of "<!DOCTYPE ... >"
        Space,                 // blanks inside a tag
        Other                  // a stray character inside a tag
    };

    // Where reading stands: between tokens, and at the end of a line where the next starts.
    enum State : unsigned char {
        Content,       // outside markup
        TagOpen,       // right after "<" or "</", before the element name
        InTag,         // inside a tag, after its name
        DoubleQuoted,  // inside a value quoted with "
        SingleQuoted,  // inside a value quoted with '
        InComment,     // after "<!--", before "-->"
        InCData,       // after "<!" of "<![CDATA[", before "]]"
        CDataEnd,      // after "]]", before ">"
        InPI,          // after "<?", before "?>"
        InDeclaration, // after "<!", before ">"
        InDeclSubset   // inside the "[...]" of a declaration
    };

    XmlTokenizer() = default;

    // Reads line from where the previous line ended (Content for the first line), or from a
    // saved state. reset() goes back to Content, as before the first line of a text.
    using LineTokenizer::setLine;
    void setLine(QStringView line, State state);

    Kind kind() const { return Kind(m_kind); }

    // The state after the current token; at the end of a line the one the next line starts in.
    State state() const { return State(m_state); }

private:
    friend class LineTokenizer<XmlTokenizer>;
    void scan();
    void scanContent();
    void scanTagOpen();
    void scanInTag();
    void scanText(qsizetype from, QStringView closing, Kind kind, State open);
    void scanDeclaration();
    void symbol(qsizetype length, State next);
};
