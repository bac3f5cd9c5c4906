#include "editor/highlighting/GeneralLexer.h"

#include <Qsci/qsciscintilla.h>

namespace {

// Block comment kinds carried from line to line (the line state).
enum Block { NoBlock = 0, AnsiBlock, PascalBlock, CBlock };

bool isWordStart(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}

bool isWordChar(unsigned char c)
{
    return isWordStart(c) || (c >= '0' && c <= '9');
}

bool isDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

// Index just past the first occurrence of terminator at or after from, or -1.
int findEnd(const QByteArray &s, int from, const char *terminator)
{
    const int at = s.indexOf(terminator, from);
    return at < 0 ? -1 : at + int(qstrlen(terminator));
}

} // namespace

GeneralLexer::GeneralLexer(QObject *parent) : QsciLexerCustom(parent) {}

GeneralLexer::CommentStyles GeneralLexer::fromLanguageFlags(bool pascal, bool c, bool asmStyle,
                                                            bool basic, bool ansi)
{
    CommentStyles styles = NoComments;
    if (pascal)
        styles |= PascalComments;
    if (c)
        styles |= CComments | CppComments;
    if (asmStyle)
        styles |= AsmComments;
    if (basic)
        styles |= BasicComments;
    if (ansi)
        styles |= AnsiComments;
    return styles;
}

QString GeneralLexer::description(int style) const
{
    switch (style) {
    case Space: return QStringLiteral("Space");
    case Comment: return QStringLiteral("Comment");
    case Identifier: return QStringLiteral("Identifier");
    case ReservedWord: return QStringLiteral("Reserved word");
    case Number: return QStringLiteral("Number");
    case String: return QStringLiteral("String");
    case Symbol: return QStringLiteral("Symbol");
    case Preprocessor: return QStringLiteral("Preprocessor");
    default: return QString();
    }
}

void GeneralLexer::setKeywords(const QStringList &words)
{
    if (words == m_keywords)
        return;
    m_keywords = words;
    rebuildKeywordSets();
    restyle();
}

void GeneralLexer::rebuildKeywordSets()
{
    m_keywordSet.clear();
    m_asciiKeywords.clear();
    for (const QString &w : std::as_const(m_keywords)) {
        const QString key = m_caseSensitive ? w : w.toLower();
        m_keywordSet.insert(key);
        m_asciiKeywords.insert(key.toUtf8());
    }
}

void GeneralLexer::setCommentStyles(CommentStyles styles)
{
    if (styles == m_comments)
        return;
    m_comments = styles;
    restyle();
}

void GeneralLexer::setCaseSensitive(bool on)
{
    if (on == m_caseSensitive)
        return;
    m_caseSensitive = on;
    rebuildKeywordSets();
    restyle();
}

void GeneralLexer::setStringDelimiter(char delimiter)
{
    if (delimiter == m_delimiter)
        return;
    m_delimiter = delimiter;
    restyle();
}

void GeneralLexer::setDetectPreprocessor(bool on)
{
    if (on == m_preprocessor)
        return;
    m_preprocessor = on;
    restyle();
}

bool GeneralLexer::setLanguage(const QStringList &words, CommentStyles styles, char delimiter)
{
    if (words == m_keywords && styles == m_comments && delimiter == m_delimiter)
        return false;
    if (words != m_keywords) {
        m_keywords = words;
        rebuildKeywordSets();
    }
    m_comments = styles;
    m_delimiter = delimiter;
    restyle();
    return true;
}

void GeneralLexer::setStylingDeferred(bool on)
{
    m_deferred = on;
    if (!on)
        restyle();
}

void GeneralLexer::restyle()
{
    // The styling is only marked stale: Scintilla asks again for what it shows, and for the
    // rest when it is scrolled to (a large document is not styled whole here).
    QsciScintilla *ed = editor();
    if (!ed)
        return;
    ed->SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, 0UL, 0L);
    ed->viewport()->update();
}

bool GeneralLexer::isKeyword(const char *word, int length) const
{
    if (m_keywordSet.isEmpty())
        return false;
    bool ascii = true;
    char buffer[64];
    if (length <= int(sizeof buffer)) {
        for (int k = 0; k < length; ++k) {
            const char c = word[k];
            if (static_cast<unsigned char>(c) >= 0x80) {
                ascii = false;
                break;
            }
            buffer[k] = (!m_caseSensitive && c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
        }
        if (ascii)
            return m_asciiKeywords.contains(QByteArray::fromRawData(buffer, length));
    }
    const QString w = QString::fromUtf8(word, length);
    return m_keywordSet.contains(m_caseSensitive ? w : w.toLower());
}

QByteArray GeneralLexer::styleLine(const QByteArray &line, int &state) const
{
    const int n = line.size();
    QByteArray styles(n, char(Space));
    auto paint = [&styles](int from, int to, int style) {
        for (int k = from; k < to; ++k)
            styles[k] = char(style);
    };
    auto lineEnd = [&line, n] {
        int e = n;
        while (e > 0 && (line.at(e - 1) == '\n' || line.at(e - 1) == '\r'))
            --e;
        return e;
    };
    const int end = lineEnd();

    int i = 0;
    // A block comment open from an earlier line.
    if (state != NoBlock) {
        const char *terminator = state == AnsiBlock ? "*)" : state == PascalBlock ? "}" : "*/";
        const int stop = findEnd(line, 0, terminator);
        if (stop < 0 || stop > end) {
            paint(0, end, Comment);
            return styles;
        }
        paint(0, stop, Comment);
        i = stop;
        state = NoBlock;
    }

    auto rest = [&](int from, int style) {
        paint(from, end, style);
        return end;
    };
    auto block = [&](int from, const char *terminator, int kind, int openerLength) {
        const int stop = findEnd(line, from + openerLength, terminator);
        if (stop < 0 || stop > end) {
            state = kind;
            return rest(from, Comment);
        }
        paint(from, stop, Comment);
        return stop;
    };

    bool onlyBlanksSoFar = i == 0;
    while (i < end) {
        const unsigned char c = static_cast<unsigned char>(line.at(i));
        const char next = i + 1 < end ? line.at(i + 1) : '\0';
        const bool firstOnLine = onlyBlanksSoFar;
        if (c != ' ' && c != '\t')
            onlyBlanksSoFar = false;

        if (c == ' ' || c == '\t') {
            ++i; // already Space
        } else if ((m_comments & AnsiComments) && c == '(' && next == '*') {
            i = block(i, "*)", AnsiBlock, 2);
        } else if ((m_comments & PascalComments) && c == '{') {
            i = block(i, "}", PascalBlock, 1);
        } else if ((m_comments & CComments) && c == '/' && next == '*') {
            i = block(i, "*/", CBlock, 2);
        } else if (((m_comments & CppComments) && c == '/' && next == '/')
                   || ((m_comments & AsmComments) && c == ';')
                   || ((m_comments & BasicComments) && c == '\'')
                   || ((m_comments & UnixComments) && c == '#')) {
            i = rest(i, Comment);
        } else if (m_preprocessor && c == '#' && firstOnLine) {
            i = rest(i, Preprocessor);
        } else if (c == static_cast<unsigned char>(m_delimiter)) {
            const int close = line.indexOf(m_delimiter, i + 1);
            const int stop = (close < 0 || close >= end) ? end : close + 1;
            paint(i, stop, String);
            i = stop;
        } else if (isDigit(c)) {
            int j = i + 1;
            while (j < end
                   && (isWordChar(static_cast<unsigned char>(line.at(j))) || line.at(j) == '.'))
                ++j;
            paint(i, j, Number);
            i = j;
        } else if (isWordStart(c)) {
            int j = i + 1;
            while (j < end && isWordChar(static_cast<unsigned char>(line.at(j))))
                ++j;
            paint(i, j, isKeyword(line.constData() + i, j - i) ? ReservedWord : Identifier);
            i = j;
        } else {
            paint(i, i + 1, Symbol);
            ++i;
        }
    }
    return styles;
}

void GeneralLexer::styleText(int start, int end)
{
    QsciScintilla *ed = editor();
    if (!ed || end <= start || m_deferred)
        return;
    const long docLength = ed->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    const long lastLine = ed->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT) - 1;
    long line = ed->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, start);
    const long endLine = ed->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, end - 1);
    int state =
        line > 0 ? int(ed->SendScintilla(QsciScintillaBase::SCI_GETLINESTATE, line - 1)) : 0;

    startStyling(ed->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line));
    for (; line <= lastLine; ++line) {
        const long from = ed->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
        const long to = line < lastLine
            ? ed->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line + 1)
            : docLength;
        // The line read in place in the document's buffer, styled in one call.
        const char *text = to > from ? reinterpret_cast<const char *>(
                               ed->SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER,
                                                 static_cast<unsigned long>(from), to - from))
                                     : nullptr;
        const QByteArray bytes =
            QByteArray::fromRawData(text ? text : "", text ? int(to - from) : 0);
        const int oldState = int(ed->SendScintilla(QsciScintillaBase::SCI_GETLINESTATE, line));
        const QByteArray styles = styleLine(bytes, state);
        if (!styles.isEmpty())
            ed->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX,
                              static_cast<unsigned long>(styles.size()), styles.constData());
        ed->SendScintilla(QsciScintillaBase::SCI_SETLINESTATE, line, long(state));
        // Past the asked range, go on only while an opened or closed comment changes what follows.
        if (line >= endLine && state == oldState)
            break;
    }
}
