#include "editor/tokenizers/JavaTokenizer.h"

#include <QtTest>

namespace {

// The tokens of one line as "kind:text|kind:text", checking that they cover the line without
// gaps.
QString read(JavaTokenizer &tok, const QString &line)
{
    static const char *const kinds[] = {"id", "kw", "sym", "sp", "com", "doc", "num", "str", "unk"};
    QStringList out;
    int pos = 0;
    for (tok.setLine(line); !tok.atEnd(); tok.next()) {
        if (tok.tokenStart() != pos)
            return "gap";
        pos += tok.tokenLength();
        out << QLatin1String(kinds[tok.kind()]) + u':' + tok.token();
    }
    return pos == line.size() ? out.join(u'|') : "line not covered";
}

} // namespace

class TestJavaTokenizer : public QObject
{
    Q_OBJECT
private slots:
    void singleLine_data();
    void singleLine();
    void keywords();
    void blockCommentsAcrossLines();
};

void TestJavaTokenizer::singleLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("tokens");

    QTest::newRow("empty line") << QString() << QString();
    QTest::newRow("declaration") << "  int count = 0;"
                                 << QStringLiteral(
                                        "sp:  |kw:int|sp: |id:count|sp: |sym:=|sp: |num:0|sym:;");
    QTest::newRow("each punctuation alone")
        << "f(a[1]){},x={-1}"
        << QStringLiteral("id:f|sym:(|id:a|sym:[|num:1|sym:]|sym:)|sym:{|sym:}|sym:,|id:x|sym:=|"
                          "sym:{|sym:-|num:1|sym:}");
    QTest::newRow("compound operators")
        << "a>>>=b==c&&d++!=e<<=f"
        << QStringLiteral(
               "id:a|sym:>>>=|id:b|sym:==|id:c|sym:&&|id:d|sym:++|sym:!=|id:e|sym:<<=|id:f");
    QTest::newRow("literals hold braces")
        << "s=\"a { \\\" }\"+'{'+'\\''"
        << QStringLiteral("id:s|sym:=|str:\"a { \\\" }\"|sym:+|str:'{'|sym:+|str:'\\''");
    QTest::newRow("unterminated string ends at line end")
        << "\"open {" << QStringLiteral("str:\"open {");
    QTest::newRow("comments")
        << "/* a */ /** b */ /**/ x; // c {"
        << QStringLiteral(
               "com:/* a */|sp: |doc:/** b */|sp: |com:/**/|sp: |id:x|sym:;|sp: |com:// c {");
    QTest::newRow("numbers") << "0x1F 1.5e-3 10L .5f"
                             << QStringLiteral(
                                    "num:0x1F|sp: |num:1.5e-3|sp: |num:10L|sp: |num:.5f");
    QTest::newRow("identifiers, tabs, odd characters")
        << "$x _y9\t#\\" << QStringLiteral("id:$x|sp: |id:_y9|sp:\t|unk:#|unk:\\");
}

void TestJavaTokenizer::singleLine()
{
    QFETCH(QString, line);
    QFETCH(QString, tokens);
    JavaTokenizer tok;
    QCOMPARE(read(tok, line), tokens);
    QCOMPARE(tok.state(), JavaTokenizer::Code);
}

void TestJavaTokenizer::keywords()
{
    for (const char *w :
         {"class", "throws", "private", "void", "int", "const", "goto", "true", "false", "null"})
        QVERIFY2(JavaTokenizer::isKeyword(w), w);
    for (const char *w : {"String", "Class", "main", "enum", "assert", "classes"})
        QVERIFY2(!JavaTokenizer::isKeyword(w), w);
}

void TestJavaTokenizer::blockCommentsAcrossLines()
{
    JavaTokenizer tok;
    QCOMPARE(read(tok, "a; /* start {"), QStringLiteral("id:a|sym:;|sp: |com:/* start {"));
    QCOMPARE(tok.state(), JavaTokenizer::InComment);
    QCOMPARE(read(tok, QString()), QString());
    QCOMPARE(read(tok, " end } */ b"), QStringLiteral("com: end } */|sp: |id:b"));
    QCOMPARE(read(tok, "/** doc"), QStringLiteral("doc:/** doc"));
    QCOMPARE(read(tok, " */class"), QStringLiteral("doc: */|kw:class"));
    QCOMPARE(read(tok, "/*/ x"), QStringLiteral("com:/*/ x")); // "/*/" does not close

    // The state at the line end is carried also when the caller reads only part of a line.
    tok.reset();
    tok.setLine("int a = 1; /* opened");
    tok.setLine("{ } */ x");
    QCOMPARE(tok.kind(), JavaTokenizer::Comment);
    QCOMPARE(tok.token(), QStringLiteral("{ } */"));
}

QTEST_APPLESS_MAIN(TestJavaTokenizer)
#include "tst_javatokenizer.moc"
