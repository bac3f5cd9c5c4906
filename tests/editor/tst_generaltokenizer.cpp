#include "editor/tokenizers/GeneralTokenizer.h"

#include <QtTest>

namespace {

// The tokens of one line as "kind:text|kind:text", checking that they cover the line without
// gaps.
QString read(GeneralTokenizer &tok, const QString &line)
{
    static const char *const kinds[] = {"sp", "com", "id", "kw", "num", "str", "sym", "pre"};
    QList<GeneralTokenizer::Span> spans;
    tok.scanLine(line, spans);
    QStringList out;
    int pos = 0;
    for (const GeneralTokenizer::Span &s : spans) {
        if (s.start != pos || s.length <= 0)
            return "gap";
        pos += s.length;
        out << QLatin1String(kinds[s.kind]) + u':' + line.mid(s.start, s.length);
    }
    return pos == line.size() ? out.join(u'|') : "line not covered";
}

} // namespace

class TestGeneralTokenizer : public QObject
{
    Q_OBJECT
private slots:
    void tokens_data();
    void tokens();
};

void TestGeneralTokenizer::tokens_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("tokens");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("words and blanks")
        << "one two \t three" << QStringLiteral("id:one|sp: |id:two|sp: \t |id:three");
    QTest::newRow("each symbol alone")
        << "a:=(b);" << QStringLiteral("id:a|sym::|sym:=|sym:(|id:b|sym:)|sym:;");
    QTest::newRow("strings side by side")
        << "\"x y\"\"z\"" << QStringLiteral("str:\"x y\"|str:\"z\"");
    QTest::newRow("unterminated string") << "s \"open" << QStringLiteral("id:s|sp: |str:\"open");
    QTest::newRow("single quote and comment marks are symbols")
        << "it's //" << QStringLiteral("id:it|sym:'|id:s|sp: |sym:/|sym:/");
    QTest::newRow("numbers") << "12ab 3.5" << QStringLiteral("num:12ab|sp: |num:3.5");
    QTest::newRow("not ASCII, positions in characters")
        << QString::fromUtf8("bl\u00e5 \u20ac\U0001F600;x")
        << QString::fromUtf8("id:bl\u00e5|sp: |id:\u20ac\U0001F600|sym:;|id:x");
}

void TestGeneralTokenizer::tokens()
{
    QFETCH(QString, line);
    QFETCH(QString, tokens);
    GeneralTokenizer tok('"');
    QCOMPARE(read(tok, line), tokens);
}

QTEST_MAIN(TestGeneralTokenizer)
#include "tst_generaltokenizer.moc"
