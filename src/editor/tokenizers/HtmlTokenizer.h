#pragma once

#include "editor/tokenizers/LineTokenizer.h"

#include <QStringView>

// An HTML tokenizer over one line at a time, for code that reads pages without parsing them
// (strip HTML, the HTML statistics, attribute completion, end tags, the comment test). It
// reads the caller's text in place: token() is a view into the line given to setLine(), and
// reading a line allocates nothing.
//
// Use: setLine(), then while (!atEnd()) { token(), kind(), column() ...; next(); }. The state
// is carried from line to line, so a tag, value or comment that spans lines is read as a
// whole. setLine(line) goes on where the previous line ended: when the caller stopped reading
// that line early, setLine() first reads what is left of it, so its text must still be alive.
// setLine(line, state) starts from a saved state() instead and never looks back. A caller may
// cut a line short at any column by passing a shorter view: the cut line is read as if it
// ended there.
//
// Rules (other code depends on these token boundaries):
// - The tokens of a line cover it exactly and in order; no token is empty; an empty line has
//   no token.
// - A "<" followed by a letter, "/" or "!" opens markup, and so does "<?". Any other "<" is
//   text, so "a < b" stays text, and a "<" at the end of the line is text.
// - The "<" that opens a tag is a Symbol. The tag name follows it directly, with its leading
//   "/" for an end tag ("/a"): a letter, then letters, digits, "-", "_", ":" and ".". It is a
//   Tag when the known-tag table (isKnownTag) holds the name without its leading "/",
//   compared without regard to case ("/p" is a Tag, "/foo" an UnknownTag); else UnknownTag.
//   A "/" not followed by a letter is not a name: it is read as inside the tag.
// - Inside a tag: a run of blanks (characters <= ' ', NUL included) is one Space token. ">"
//   and "/>" end the tag and are Symbols; "=" is a Symbol. A value quoted with " or ' runs to
//   its closing quote, across lines if need be, and is a Value with its quotes (on each line
//   the part of it there is one token). After "=" (blanks between allowed) any other
//   character starts an unquoted Value, which runs to a blank or ">". Anything else that is
//   not "/" or "<" starts an Attribute name, which runs to a blank, "=", ">", "/", "<" or a
//   quote. A lone "/" or "<" inside a tag is one Other token.
// - A comment runs from "<!--" to the end of the next "-->" (searched after the "<!--") and
//   is one Comment token per line; only its first token holds "<!--". Other "<!" forms
//   (DOCTYPE) and "<?...?>" are one Other token each per line, up to and including the next
//   ">".
// - Outside markup, Text runs up to the next markup, the next entity or the line's end,
//   blanks included. An Entity is "&", then a name (a letter, then letters and digits) or
//   "#" with digits or "#x" with hex digits, then ";". An "&" that starts no entity is text.
// - There is no script or style state: script content is tokenized like any text.
class HtmlTokenizer : public LineTokenizer<HtmlTokenizer>
{
public:
    enum Kind {
        Symbol,     // "<", ">", "/>", "="
        Tag,        // a tag name the known-tag table holds ("p", "/p")
        UnknownTag, // any other tag name ("foo", "/foo")
        Attribute,  // an attribute name inside a tag
        Value,      // an attribute value, quotes included
        Text,       // text between markup
        Entity,     // a character entity ("&amp;", "&#160;", "&#xA0;")
        Comment,    // "<!-- ... -->", one token per line
        Space,      // blanks inside a tag
        Other       // "<!DOCTYPE ...>", "<?...?>", a stray "/" or "<" inside a tag
    };

    // Where reading stands: between tokens, and at the end of a line where the next starts.
    enum State : unsigned char {
        Content,      // outside markup
        TagOpen,      // right after the "<" of a tag, before its name
        InTag,        // inside a tag, after its name
        AfterEquals,  // inside a tag, after "=": a value may follow
        DoubleQuoted, // inside a value quoted with "
        SingleQuoted, // inside a value quoted with '
        InComment,    // inside "<!-- ... -->"
        InOther       // inside "<!...>" or "<?...>"
    };

    HtmlTokenizer() = default;

    // Reads line from where the previous line ended (Content for the first line), or from a
    // saved state. reset() goes back to Content, as before the first line of a page.
    using LineTokenizer::setLine;
    void setLine(QStringView line, State state);

    Kind kind() const { return Kind(m_kind); }

    // The state after the current token; at the end of a line the one the next line starts in.
    State state() const { return State(m_state); }

    // True when name (without a leading "/") is a known tag name, compared without regard to
    // case.
    static bool isKnownTag(QStringView name);

private:
    friend class LineTokenizer<HtmlTokenizer>;
    void scan();
    void scanContent(const QChar *s, qsizetype n);
    void scanTagName(const QChar *s, qsizetype n);
    void scanInTag(const QChar *s, qsizetype n);
};
