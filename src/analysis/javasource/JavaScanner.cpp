#include "analysis/javasource/JavaScanner.h"

#include "editor/tokenizers/JavaTokenizer.h"

namespace JavaScanner {

namespace {

using Kind = JavaTokenizer::Kind;

bool opensBrace(QStringView token)
{
    return token.contains(u'{');
}

bool closesBrace(QStringView token)
{
    return token.contains(u'}') && !token.contains(u'{');
}

// Brace depth step of a symbol token: +1, -1 or 0.
int braceStep(QStringView token)
{
    if (opensBrace(token))
        return 1;
    return closesBrace(token) ? -1 : 0;
}

bool isPrimitiveType(const QString &word)
{
    static const QStringList types = {
        QStringLiteral("boolean"), QStringLiteral("byte"),   QStringLiteral("char"),
        QStringLiteral("short"),   QStringLiteral("int"),    QStringLiteral("long"),
        QStringLiteral("float"),   QStringLiteral("double"),
    };
    return types.contains(word);
}

bool containsAny(const QString &token, const char *chars)
{
    for (const char *c = chars; *c; ++c) {
        if (token.contains(QLatin1Char(*c)))
            return true;
    }
    return false;
}

// The member scanner of FinnAlleDatamedlemmer: one object per call.
class MemberScan
{
public:
    MemberScan(const QString &className, bool includePrivate)
        : m_class(className), m_includePrivate(includePrivate)
    {}

    QStringList run(const QStringList &lines)
    {
        JavaTokenizer tok;
        for (const QString &line : lines) {
            for (tok.setLine(line); !tok.atEnd(); tok.next())
                take(tok.kind(), tok.token());
        }
        return m_result;
    }

private:
    bool inBody() const { return m_inTarget && m_depth == 1; }
    bool privateHidden(const QString &text) const
    {
        return !m_includePrivate && text.contains(QStringLiteral("private"));
    }

    void addStatement()
    {
        const QString t = m_statement.trimmed();
        if (!t.isEmpty() && !privateHidden(t) && !containsMainCall(t, u" ")
            && !t.contains(u' ' + m_class + u'('))
            m_result.append(t);
        m_statement.clear();
    }

    void take(Kind kind, const QString &token)
    {
        switch (kind) {
        case JavaTokenizer::Symbol: symbol(token); break;
        case JavaTokenizer::Keyword: keyword(token); break;
        case JavaTokenizer::Identifier: identifier(token); break;
        case JavaTokenizer::Space:
            if (inBody() && !m_skipping)
                m_statement += u' ';
            break;
        default: break; // comments, numbers and literals never enter a statement
        }
    }

    void symbol(const QString &token)
    {
        if (inBody()) {
            if (token.contains(u'('))
                m_inParens = true;
            else if (token.contains(u')'))
                m_inParens = false;

            // A comma in an initialiser or a throws clause does not make a declaration list.
            if (token.contains(u',') && m_listType.isEmpty() && !m_inParens && !m_skipping) {
                m_result.append((m_prevIdentifier + u' ' + m_lastIdentifier).trimmed());
                m_statement.clear();
                m_listType = m_prevIdentifier;
            }
            if (containsAny(token, "=);"))
                m_listType.clear();

            if (containsAny(token, "=;{")) {
                if (token.contains(u'='))
                    m_skipping = true;
                if (token.contains(u'{'))
                    m_skipping = false;
                if (m_skipping && token.contains(u';')) {
                    m_skipping = false;
                    m_statement.clear();
                }
                addStatement();
            } else if (!m_skipping) {
                m_statement += token;
            }
        }
        m_depth += braceStep(token);
        // The end of the class body: what follows belongs to another type.
        if (m_depth == 0 && closesBrace(token)) {
            m_inTarget = false;
            m_statement.clear();
        }
    }

    void keyword(const QString &token)
    {
        m_lastKeyword = token;
        // A primitive type names the type of a comma list as a class name does.
        if (isPrimitiveType(token))
            shiftWord(token);
        if (m_inTarget && token.contains(QStringLiteral("throws"))) {
            // A throws clause ends the declaration; the clause itself is skipped.
            m_skipping = true;
            const QString t = m_statement.trimmed();
            if (m_depth == 1 && !privateHidden(t) && !t.isEmpty() && !t.contains(m_class + u'('))
                m_result.append(t);
            m_statement.clear();
        }
        if (inBody() && !m_skipping)
            m_statement += token;
    }

    void identifier(const QString &token)
    {
        if (inBody() && !m_skipping)
            m_statement += token;
        if (m_depth == 0 && m_lastKeyword.contains(QStringLiteral("class")))
            m_inTarget = token.contains(m_class);
        if (m_inTarget && !m_inParens && !m_skipping && !m_listType.trimmed().isEmpty()) {
            m_result.append((m_listType + u' ' + token).trimmed());
            m_statement.clear();
        }
        shiftWord(token);
    }

    void shiftWord(const QString &word)
    {
        m_prevIdentifier = m_lastIdentifier;
        m_lastIdentifier = word;
    }

    const QString m_class;
    const bool m_includePrivate;
    QStringList m_result;
    int m_depth = 0;
    bool m_inTarget = false;
    bool m_inParens = false;
    bool m_skipping = false; // inside an initialiser or a throws clause
    QString m_statement;
    QString m_lastKeyword;
    QString m_lastIdentifier;
    QString m_prevIdentifier;
    QString m_listType; // type of a comma-separated declaration
};

} // namespace

QStringList FinnKlasseNavnene(const QStringList &lines)
{
    // Read in place: the statistics run this over whole documents.
    QStringList result;
    QList<JavaTokenizer::Span> spans;
    JavaTokenizer::State state = JavaTokenizer::Code;
    int depth = 0;
    QStringView lastKeyword;
    for (const QString &line : lines) {
        JavaTokenizer::scanLine(line, state, spans);
        for (const JavaTokenizer::Span &span : spans) {
            const QStringView token = QStringView(line).mid(span.start, span.length);
            switch (span.kind) {
            case JavaTokenizer::Symbol: depth += braceStep(token); break;
            case JavaTokenizer::Keyword: lastKeyword = token; break;
            case JavaTokenizer::Identifier:
                if (depth == 0 && lastKeyword.contains(u"class"))
                    result.append(token.toString());
                break;
            default: break;
            }
        }
    }
    return result;
}

QStringList FinnAlleDatamedlemmer(const QStringList &lines, const QString &className,
                                  bool includePrivate)
{
    return MemberScan(className, includePrivate).run(lines);
}

QStringList ClipAndFindMultilineDatamembers(const QStringList &lines, const QString &className)
{
    QStringList result;
    JavaTokenizer tok;
    int depth = 0;
    bool inTarget = false;
    QString lastKeyword;
    for (const QString &line : lines) {
        QString statement;
        QString lastToken;
        bool stopped = false;
        bool stoppedAtBrace = false;
        for (tok.setLine(line); !tok.atEnd() && !stopped; tok.next()) {
            const QString token = tok.token();
            lastToken = token;
            const bool inBody = inTarget && depth == 1;
            switch (tok.kind()) {
            case JavaTokenizer::Symbol:
                if (inBody && containsAny(token, "=;{")) {
                    // The rest of the line is not read, and this token is not counted.
                    stopped = true;
                    stoppedAtBrace = opensBrace(token);
                    break;
                }
                if (inBody)
                    statement += token;
                depth += braceStep(token);
                if (depth == 0 && closesBrace(token))
                    inTarget = false;
                break;
            case JavaTokenizer::Keyword:
                lastKeyword = token;
                if (inBody)
                    statement += token;
                break;
            case JavaTokenizer::Identifier:
                if (inBody)
                    statement += token;
                if (depth == 0 && lastKeyword.contains(QStringLiteral("class")))
                    inTarget = token.contains(className);
                break;
            case JavaTokenizer::Space:
                if (inBody)
                    statement += token;
                break;
            default: break;
            }
        }
        if (depth == 1) {
            const QString t = statement.trimmed();
            if (!t.isEmpty()) {
                if (t.contains(u'(')) {
                    if (!t.contains(QStringLiteral(" new ")))
                        result.append(t);
                } else if (containsAny(lastToken, ";=") && !t.contains(u')')) {
                    result.append(t);
                }
            }
            // The brace the line stopped at was not counted by the loop.
            if (stoppedAtBrace)
                ++depth;
        }
    }
    return result;
}

int FinnScopeSlutt(const QStringList &lines, int startLine)
{
    JavaTokenizer::State state = JavaTokenizer::Code;
    QList<JavaTokenizer::Span> spans;
    int depth = 0;
    for (int i = qMax(0, startLine); i < lines.size(); ++i) {
        const QStringView line(lines.at(i));
        JavaTokenizer::scanLine(line, state, spans);
        for (const JavaTokenizer::Span &span : std::as_const(spans)) {
            if (span.kind != JavaTokenizer::Symbol)
                continue;
            const int step = braceStep(line.mid(span.start, span.length));
            depth += step;
            if (step < 0 && depth == 0)
                return i;
        }
    }
    return int(lines.size()) - 1;
}

int FinnClassStart(const QStringList &lines, int limitLine)
{
    JavaTokenizer::State state = JavaTokenizer::Code;
    QList<JavaTokenizer::Span> spans;
    int result = 0;
    bool afterClass = false;
    const int limit = qMin(limitLine, int(lines.size()));
    for (int i = 0; i < limit; ++i) {
        const QStringView line(lines.at(i));
        JavaTokenizer::scanLine(line, state, spans);
        for (const JavaTokenizer::Span &span : std::as_const(spans)) {
            switch (span.kind) {
            case JavaTokenizer::Comment:
            case JavaTokenizer::DocComment:
            case JavaTokenizer::Symbol: afterClass = false; break;
            case JavaTokenizer::Keyword:
                afterClass = line.mid(span.start, span.length).contains(u"class");
                break;
            case JavaTokenizer::Identifier:
                // The class's name; what follows it is the class's text.
                if (afterClass)
                    result = i;
                afterClass = false;
                break;
            default: break;
            }
        }
    }
    return result;
}

bool containsMainCall(QStringView text, QStringView before)
{
    static const QString main = QStringLiteral("main");
    const QString needle = before.toString() + main;
    for (qsizetype at = text.indexOf(needle); at >= 0; at = text.indexOf(needle, at + 1)) {
        qsizetype k = at + needle.size();
        while (k < text.size() && (text.at(k) == u' ' || text.at(k) == u'\t'))
            ++k;
        if (k < text.size() && text.at(k) == u'(')
            return true;
    }
    return false;
}

QString FindMainClassName(const QStringList &lines)
{
    const QStringList copy = lines; // the caller's list may change while we read
    int mainLine = -1;
    for (int i = copy.size() - 1; i >= 0; --i) {
        if (containsMainCall(copy.at(i), u"void ")) {
            mainLine = i;
            break;
        }
    }
    if (mainLine < 0)
        return QString();

    static const QString keyword = QStringLiteral("class");
    for (int i = mainLine; i >= 0; --i) {
        const QString &line = copy.at(i);
        const int at = line.indexOf(keyword);
        if (at < 0)
            continue;
        // The name starts one character after "class" and runs to the next blank.
        const int from = at + keyword.size() + 1;
        int to = from;
        while (to < line.size() && line.at(to) != u' ' && line.at(to) != u'\t')
            ++to;
        return line.mid(from, to - from).trimmed();
    }
    return QString();
}

} // namespace JavaScanner
