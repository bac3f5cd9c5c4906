#include <QtTest>

#include "editor/JavaTokenizer.h"

namespace {

QString kindName(JavaTokenizer::Kind k)
{
    switch (k) {
    case JavaTokenizer::Identifier: return QStringLiteral("id");
    case JavaTokenizer::Keyword: return QStringLiteral("kw");
    case JavaTokenizer::Symbol: return QStringLiteral("sym");
    case JavaTokenizer::Space: return QStringLiteral("sp");
    case JavaTokenizer::Comment: return QStringLiteral("com");
    case JavaTokenizer::DocComment: return QStringLiteral("doc");
    case JavaTokenizer::Number: return QStringLiteral("num");
    case JavaTokenizer::String: return QStringLiteral("str");
    case JavaTokenizer::Unknown: return QStringLiteral("unk");
    }
    return QString();
}

// The tokens of one line read with the stepping interface, as "kind:text".
QStringList read(JavaTokenizer &tok, const QString &line)
{
    QStringList out;
    int pos = 0;
    for (tok.setLine(line); !tok.atEnd(); tok.next()) {
        if (tok.tokenStart() != pos)
            return {QStringLiteral("gap at %1").arg(pos)};
        pos += tok.tokenLength();
        out << kindName(tok.kind()) + u':' + tok.token();
    }
    if (pos != line.size())
        out << QStringLiteral("line not covered");
    return out;
}

} // namespace

class TestJavaTokenizer : public QObject
{
    Q_OBJECT
private slots:
    void singleLine_data();
    void singleLine();
    void keywords_data();
    void keywords();
    void blockCommentsAcrossLines();
    void stateCarriedWhenLineReadOnlyInPart();
};

void TestJavaTokenizer::singleLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("tokens");

    QTest::newRow("empty line") << QString() << QStringList();
    QTest::newRow("declaration")
        << "  int count = 0;"
        << QStringList{"sp:  ", "kw:int", "sp: ", "id:count", "sp: ", "sym:=", "sp: ", "num:0", "sym:;"};
    QTest::newRow("each punctuation alone")
        << "f(a[1]){}"
        << QStringList{"id:f", "sym:(", "id:a", "sym:[", "num:1", "sym:]", "sym:)", "sym:{", "sym:}"};
    QTest::newRow("compound operators")
        << "a>>>=b==c&&d++!=e<<=f"
        << QStringList{"id:a", "sym:>>>=", "id:b", "sym:==", "id:c", "sym:&&", "id:d", "sym:++",
                       "sym:!=", "id:e", "sym:<<=", "id:f"};
    QTest::newRow("brace next to operator stays alone")
        << "x={-1}"
        << QStringList{"id:x", "sym:=", "sym:{", "sym:-", "num:1", "sym:}"};
    QTest::newRow("string with braces and escaped quote")
        << "s = \"a { \\\" }\";"
        << QStringList{"id:s", "sp: ", "sym:=", "sp: ", "str:\"a { \\\" }\"", "sym:;"};
    QTest::newRow("char literals")
        << "c='{'+'\\''"
        << QStringList{"id:c", "sym:=", "str:'{'", "sym:+", "str:'\\''"};
    QTest::newRow("unterminated string ends at line end")
        << "\"open {" << QStringList{"str:\"open {"};
    QTest::newRow("line comment")
        << "x; // note { }" << QStringList{"id:x", "sym:;", "sp: ", "com:// note { }"};
    QTest::newRow("closed block and doc comments")
        << "/* a */ /** b */ /**/"
        << QStringList{"com:/* a */", "sp: ", "doc:/** b */", "sp: ", "com:/**/"};
    QTest::newRow("numbers")
        << "0x1F 1.5e-3 10L .5f 2.0"
        << QStringList{"num:0x1F", "sp: ", "num:1.5e-3", "sp: ", "num:10L", "sp: ", "num:.5f", "sp: ", "num:2.0"};
    QTest::newRow("member access")
        << "a.b(c, d)"
        << QStringList{"id:a", "sym:.", "id:b", "sym:(", "id:c", "sym:,", "sp: ", "id:d", "sym:)"};
    QTest::newRow("identifiers with $ _ and digits")
        << "$x _y z9" << QStringList{"id:$x", "sp: ", "id:_y", "sp: ", "id:z9"};
    QTest::newRow("tabs are space, odd characters unknown")
        << "\t#\\" << QStringList{"sp:\t", "unk:#", "unk:\\"};
}

void TestJavaTokenizer::singleLine()
{
    QFETCH(QString, line);
    QFETCH(QStringList, tokens);
    JavaTokenizer tok;
    QCOMPARE(read(tok, line), tokens);
    QCOMPARE(tok.state(), JavaTokenizer::Code);
}

void TestJavaTokenizer::keywords_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("keyword");
    for (const char *w : {"class", "throws", "private", "void", "int", "boolean", "const", "goto",
                          "true", "false", "null", "extends", "interface", "synchronized"})
        QTest::newRow(w) << QString::fromLatin1(w) << true;
    for (const char *w : {"String", "Class", "main", "enum", "assert", "var", "classes"})
        QTest::newRow(w) << QString::fromLatin1(w) << false;
}

void TestJavaTokenizer::keywords()
{
    QFETCH(QString, word);
    QFETCH(bool, keyword);
    JavaTokenizer tok;
    tok.setLine(word);
    QCOMPARE(tok.kind() == JavaTokenizer::Keyword, keyword);
    QCOMPARE(tok.token(), word);
}

void TestJavaTokenizer::blockCommentsAcrossLines()
{
    JavaTokenizer tok;
    QCOMPARE(read(tok, "int a; /* start {"), (QStringList{"kw:int", "sp: ", "id:a", "sym:;", "sp: ", "com:/* start {"}));
    QCOMPARE(tok.state(), JavaTokenizer::InComment);
    QCOMPARE(read(tok, QString()), QStringList());
    QCOMPARE(read(tok, "  still } inside"), QStringList{"com:  still } inside"});
    QCOMPARE(read(tok, " end */ b;"), (QStringList{"com: end */", "sp: ", "id:b", "sym:;"}));
    QCOMPARE(tok.state(), JavaTokenizer::Code);

    QCOMPARE(read(tok, "/** doc"), QStringList{"doc:/** doc"});
    QCOMPARE(tok.state(), JavaTokenizer::InDocComment);
    QCOMPARE(read(tok, " * more */class"), (QStringList{"doc: * more */", "kw:class"}));

    // "/*/" does not close the comment it opens.
    QCOMPARE(read(tok, "/*/ x"), QStringList{"com:/*/ x"});
    QCOMPARE(tok.state(), JavaTokenizer::InComment);
    tok.reset();
    QCOMPARE(read(tok, "x"), QStringList{"id:x"});
}

void TestJavaTokenizer::stateCarriedWhenLineReadOnlyInPart()
{
    JavaTokenizer tok;
    tok.setLine("int a = 1; /* opened");
    QCOMPARE(tok.token(), QStringLiteral("int"));   // the caller stops here
    tok.setLine("{ } */ x");
    QCOMPARE(tok.kind(), JavaTokenizer::Comment);
    QCOMPARE(tok.token(), QStringLiteral("{ } */"));
}

QTEST_APPLESS_MAIN(TestJavaTokenizer)
#include "tst_javatokenizer.moc"
