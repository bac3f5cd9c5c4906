#include "editor/tokenizers/JavaTokenizer.h"

#include <algorithm>

namespace {

bool isIdentifierStart(QChar c)
{
    return c.isLetter() || c == u'_' || c == u'$';
}

bool isIdentifierPart(QChar c)
{
    return isIdentifierStart(c) || c.isDigit();
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Compound operators, longest first so that the first match is the longest one.
const QStringList &compoundOperators()
{
    static const QStringList ops = {
        QStringLiteral(">>>="), QStringLiteral("<<="), QStringLiteral(">>="), QStringLiteral(">>>"),
        QStringLiteral("=="),   QStringLiteral("!="),  QStringLiteral("<="),  QStringLiteral(">="),
        QStringLiteral("&&"),   QStringLiteral("||"),  QStringLiteral("++"),  QStringLiteral("--"),
        QStringLiteral("+="),   QStringLiteral("-="),  QStringLiteral("*="),  QStringLiteral("/="),
        QStringLiteral("%="),   QStringLiteral("&="),  QStringLiteral("|="),  QStringLiteral("^="),
        QStringLiteral("<<"),   QStringLiteral(">>"),
    };
    return ops;
}

bool isSymbolChar(QChar c)
{
    static const QString symbols = QStringLiteral("{}()[];,.=<>!~?:+-*/&|^%@");
    return symbols.contains(c);
}

// End (exclusive) of a block comment body starting at from; sets closed when "*/" was found.
int blockCommentEnd(QStringView line, int from, bool &closed)
{
    const int close = int(line.indexOf(u"*/", from));
    closed = close >= 0;
    return closed ? close + 2 : int(line.size());
}

int numberEnd(QStringView line, int i)
{
    const int n = int(line.size());
    const bool hex =
        i + 1 < n && line.at(i) == u'0' && (line.at(i + 1) == u'x' || line.at(i + 1) == u'X');
    int j = i + 1;
    while (j < n) {
        const QChar c = line.at(j);
        if (isIdentifierPart(c) || c == u'.') {
            ++j;
        } else if ((c == u'+' || c == u'-') && !hex
                   && (line.at(j - 1) == u'e' || line.at(j - 1) == u'E')) {
            ++j;
        } else {
            break;
        }
    }
    return j;
}

int literalEnd(QStringView line, int i)
{
    const QChar quote = line.at(i);
    const int n = int(line.size());
    int j = i + 1;
    while (j < n) {
        const QChar c = line.at(j);
        if (c == u'\\') {
            j += 2;
            continue;
        }
        ++j;
        if (c == quote)
            break;
    }
    return qMin(j, n);
}

int symbolEnd(QStringView line, int i)
{
    const QStringView rest = line.mid(i);
    for (const QString &op : compoundOperators()) {
        if (op.front() == rest.front() && rest.startsWith(op))
            return i + int(op.size());
    }
    return i + 1;
}

} // namespace

const QStringList &JavaTokenizer::keywords()
{
    static const QStringList words = {
        QStringLiteral("abstract"),   QStringLiteral("boolean"),    QStringLiteral("break"),
        QStringLiteral("byte"),       QStringLiteral("case"),       QStringLiteral("catch"),
        QStringLiteral("char"),       QStringLiteral("class"),      QStringLiteral("const"),
        QStringLiteral("continue"),   QStringLiteral("default"),    QStringLiteral("do"),
        QStringLiteral("double"),     QStringLiteral("else"),       QStringLiteral("extends"),
        QStringLiteral("false"),      QStringLiteral("final"),      QStringLiteral("finally"),
        QStringLiteral("float"),      QStringLiteral("for"),        QStringLiteral("goto"),
        QStringLiteral("if"),         QStringLiteral("implements"), QStringLiteral("import"),
        QStringLiteral("instanceof"), QStringLiteral("int"),        QStringLiteral("interface"),
        QStringLiteral("long"),       QStringLiteral("native"),     QStringLiteral("new"),
        QStringLiteral("null"),       QStringLiteral("package"),    QStringLiteral("private"),
        QStringLiteral("protected"),  QStringLiteral("public"),     QStringLiteral("return"),
        QStringLiteral("short"),      QStringLiteral("static"),     QStringLiteral("strictfp"),
        QStringLiteral("super"),      QStringLiteral("switch"),     QStringLiteral("synchronized"),
        QStringLiteral("this"),       QStringLiteral("throw"),      QStringLiteral("throws"),
        QStringLiteral("transient"),  QStringLiteral("true"),       QStringLiteral("try"),
        QStringLiteral("void"),       QStringLiteral("volatile"),   QStringLiteral("while"),
    };
    return words;
}

bool JavaTokenizer::isKeyword(const QString &word)
{
    return isKeyword(QStringView(word));
}

bool JavaTokenizer::isKeyword(QStringView word)
{
    // Every keyword is 2 to 12 lower-case letters: most identifiers fail at once.
    if (word.size() < 2 || word.size() > 12 || word.front() < u'a' || word.front() > u'z')
        return false;
    static const QStringList sorted = [] {
        QStringList words = keywords();
        words.sort();
        return words;
    }();
    const auto it = std::lower_bound(sorted.cbegin(), sorted.cend(), word,
                                     [](const QString &a, QStringView b) { return a < b; });
    return it != sorted.cend() && *it == word;
}

void JavaTokenizer::reset()
{
    m_tokens.clear();
    m_index = 0;
    m_state = Code;
}

void JavaTokenizer::setLine(const QString &line)
{
    m_tokens = tokenizeLine(line, m_state);
    m_index = 0;
}

QList<JavaTokenizer::Token> JavaTokenizer::tokenizeLine(const QString &line, State &state)
{
    QList<Span> spans;
    scanLine(line, state, spans);
    QList<Token> tokens;
    tokens.reserve(spans.size());
    for (const Span &s : spans)
        tokens.append(Token {s.kind, s.start, line.mid(s.start, s.length)});
    return tokens;
}

void JavaTokenizer::scanLine(QStringView line, State &state, QList<Span> &spans)
{
    spans.clear();
    const int n = int(line.size());
    int i = 0;

    auto add = [&](Kind kind, int end) {
        spans.append(Span {kind, i, end - i});
        i = end;
    };

    if (state != Code && n > 0) {
        bool closed = false;
        const int end = blockCommentEnd(line, 0, closed);
        add(state == InDocComment ? DocComment : Comment, end);
        if (closed)
            state = Code;
    }

    while (i < n) {
        const QChar c = line.at(i);
        const QChar c1 = i + 1 < n ? line.at(i + 1) : QChar();

        if (c <= u' ') {
            int j = i + 1;
            while (j < n && line.at(j) <= u' ')
                ++j;
            add(Space, j);
        } else if (c == u'/' && c1 == u'/') {
            add(Comment, n);
        } else if (c == u'/' && c1 == u'*') {
            const bool doc =
                i + 2 < n && line.at(i + 2) == u'*' && !(i + 3 < n && line.at(i + 3) == u'/');
            bool closed = false;
            const int end = blockCommentEnd(line, i + (doc ? 3 : 2), closed);
            add(doc ? DocComment : Comment, end);
            if (!closed)
                state = doc ? InDocComment : InComment;
        } else if (isIdentifierStart(c)) {
            int j = i + 1;
            while (j < n && isIdentifierPart(line.at(j)))
                ++j;
            add(isKeyword(line.mid(i, j - i)) ? Keyword : Identifier, j);
        } else if (isAsciiDigit(c) || (c == u'.' && isAsciiDigit(c1))) {
            add(Number, numberEnd(line, i));
        } else if (c == u'"' || c == u'\'') {
            add(String, literalEnd(line, i));
        } else if (isSymbolChar(c)) {
            add(Symbol, symbolEnd(line, i));
        } else {
            add(Unknown, i + 1);
        }
    }
}
