#include "editor/tokenizers/JavaTokenizer.h"

#include <QtTest>

namespace {

// The tokens of one line as "kind:text", checking that they cover the line without gaps.
QStringList read(JavaTokenizer &tok, const QString &line)
{
    static const char *const kinds[] = {"id", "kw", "sym", "sp", "com", "doc", "num", "str", "unk"};
    QStringList out;
    int pos = 0;
    for (tok.setLine(line); !tok.atEnd(); tok.next()) {
        if (tok.tokenStart() != pos)
            return {"gap"};
        pos += tok.tokenLength();
        out << QLatin1String(kinds[tok.kind()]) + u':' + tok.token();
    }
    return pos == line.size() ? out : QStringList {"line not covered"};
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
    QTest::addColumn<QStringList>("tokens");

    QTest::newRow("empty line") << QString() << QStringList();
    QTest::newRow("declaration") << "  int count = 0;"
                                 << QStringList {"sp:  ", "kw:int", "sp: ",  "id:count", "sp: ",
                                                 "sym:=", "sp: ",   "num:0", "sym:;"};
    QTest::newRow("each punctuation alone")
        << "f(a[1]){},x={-1}"
        << QStringList {"id:f",  "sym:(", "id:a", "sym:[", "num:1", "sym:]", "sym:)", "sym:{",
                        "sym:}", "sym:,", "id:x", "sym:=", "sym:{", "sym:-", "num:1", "sym:}"};
    QTest::newRow("compound operators")
        << "a>>>=b==c&&d++!=e<<=f"
        << QStringList {"id:a", "sym:>>>=", "id:b",   "sym:==", "id:c",    "sym:&&",
                        "id:d", "sym:++",   "sym:!=", "id:e",   "sym:<<=", "id:f"};
    QTest::newRow("literals hold braces")
        << "s=\"a { \\\" }\"+'{'+'\\''"
        << QStringList {"id:s",    "sym:=", "str:\"a { \\\" }\"", "sym:+",
                        "str:'{'", "sym:+", "str:'\\''"};
    QTest::newRow("unterminated string ends at line end")
        << "\"open {" << QStringList {"str:\"open {"};
    QTest::newRow("comments") << "/* a */ /** b */ /**/ x; // c {"
                              << QStringList {
                                     "com:/* a */", "sp: ", "doc:/** b */", "sp: ", "com:/**/",
                                     "sp: ",        "id:x", "sym:;",        "sp: ", "com:// c {"};
    QTest::newRow("numbers") << "0x1F 1.5e-3 10L .5f"
                             << QStringList {"num:0x1F", "sp: ", "num:1.5e-3", "sp: ",
                                             "num:10L",  "sp: ", "num:.5f"};
    QTest::newRow("identifiers, tabs, odd characters")
        << "$x _y9\t#\\" << QStringList {"id:$x", "sp: ", "id:_y9", "sp:\t", "unk:#", "unk:\\"};
}

void TestJavaTokenizer::singleLine()
{
    QFETCH(QString, line);
    QFETCH(QStringList, tokens);
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
    QCOMPARE(read(tok, "a; /* start {"), (QStringList {"id:a", "sym:;", "sp: ", "com:/* start {"}));
    QCOMPARE(tok.state(), JavaTokenizer::InComment);
    QCOMPARE(read(tok, QString()), QStringList());
    QCOMPARE(read(tok, " end } */ b"), (QStringList {"com: end } */", "sp: ", "id:b"}));
    QCOMPARE(read(tok, "/** doc"), QStringList {"doc:/** doc"});
    QCOMPARE(read(tok, " */class"), (QStringList {"doc: */", "kw:class"}));
    QCOMPARE(read(tok, "/*/ x"), QStringList {"com:/*/ x"}); // "/*/" does not close

    // The state at the line end is carried also when the caller reads only part of a line.
    tok.reset();
    tok.setLine("int a = 1; /* opened");
    tok.setLine("{ } */ x");
    QCOMPARE(tok.kind(), JavaTokenizer::Comment);
    QCOMPARE(tok.token(), QStringLiteral("{ } */"));
}

QTEST_APPLESS_MAIN(TestJavaTokenizer)
#include "tst_javatokenizer.moc"
