#include "editor/tokenizers/XmlTokenizer.h"

#include <QtTest>

using Tok = XmlTokenizer;

namespace {

const char *kindName(Tok::Kind kind)
{
    static const char *const names[] = {"sym", "elem",  "attr", "eq",   "val", "text", "ent",
                                        "com", "cdata", "pi",   "decl", "sp",  "oth"};
    return names[kind];
}

// The tokens of every line as "kind:text|kind:text", reading from the start of the text; a
// token that leaves a gap, is empty or names a wrong column spoils the line.
QStringList read(const QStringList &lines, Tok::State *endState = nullptr)
{
    Tok tok;
    QStringList out;
    for (const QString &line : lines) {
        QStringList tokens;
        int pos = 0;
        for (tok.setLine(line); !tok.atEnd(); tok.next()) {
            if (tok.column() != pos + 1 || tok.length() <= 0
                || tok.token().data() != line.constData() + pos) {
                tokens = QStringList {QStringLiteral("bad token at column %1").arg(pos + 1)};
                break;
            }
            pos += tok.length();
            tokens << QLatin1String(kindName(tok.kind())) + u':' + tok.token().toString();
        }
        out << tokens.join(u'|');
    }
    if (endState)
        *endState = tok.state();
    return out;
}

} // namespace

class TestXmlTokenizer : public QObject
{
    Q_OBJECT
private slots:
    void lines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("endState");
        QTest::addColumn<QStringList>("tokens");
        const int content = int(Tok::Content);

        QTest::newRow("declaration and element")
            << QStringList {"<?xml version=\"1.0\"?><note id='7'>Hi &amp; bye</note>"} << content
            << QStringList {"sym:<?|pi:xml version=\"1.0\"|sym:?>|sym:<|elem:note|sp: |attr:id|"
                            "eq:=|val:'7'|sym:>|text:Hi |ent:&amp;|text: bye|sym:</|elem:note|"
                            "sym:>"};
        QTest::newRow("empty element with and without a blank")
            << QStringList {"<br/><br />"} << content
            << QStringList {"sym:<|elem:br|sym:/>|sym:<|elem:br|sp: |sym:/>"};
        QTest::newRow("a stray slash and a lone <")
            << QStringList {"<a / b>1 < 2"} << content
            << QStringList {"sym:<|elem:a|sp: |oth:/|sp: |attr:b|sym:>|text:1 < 2"};
        QTest::newRow("comment over three lines")
            << QStringList {"<a><!-- one <b>", "two", "three --><c>"} << content
            << QStringList {"sym:<|elem:a|sym:>|sym:<!--|com: one <b>", "com:two",
                            "com:three |sym:-->|sym:<|elem:c|sym:>"};
        QTest::newRow("empty comment")
            << QStringList {"<!---->"} << content << QStringList {"sym:<!--|sym:-->"};
        QTest::newRow("comment left open") << QStringList {"<!-- open"} << int(Tok::InComment)
                                           << QStringList {"sym:<!--|com: open"};
        QTest::newRow("doctype with an internal subset over lines")
            << QStringList {"<!DOCTYPE note [", "<!ENTITY w \"x\">", "]><note>"} << content
            << QStringList {"sym:<!|decl:DOCTYPE note [", "decl:<!ENTITY w \"x\">",
                            "decl:]|sym:>|sym:<|elem:note|sym:>"};
        QTest::newRow("CDATA holding markup")
            << QStringList {"<![CDATA[ <a> & ]]><b>"} << content
            << QStringList {"sym:<!|cdata:[CDATA[ <a> & ]]|sym:>|sym:<|elem:b|sym:>"};
        QTest::newRow("value over two lines")
            << QStringList {"<a title=\"one", "two\" b='c'>"} << content
            << QStringList {"sym:<|elem:a|sp: |attr:title|eq:=|val:\"one",
                            "val:two\"|sp: |attr:b|eq:=|val:'c'|sym:>"};
        QTest::newRow("tag open at the line end") << QStringList {"<ns:item-1.x"} << int(Tok::InTag)
                                                  << QStringList {"sym:<|elem:ns:item-1.x"};
    }

    void lines()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, endState);
        QFETCH(QStringList, tokens);
        Tok::State state;
        QCOMPARE(read(lines, &state), tokens);
        QCOMPARE(int(state), endState);
    }

    // A line cut short is read as if it ended there, and a saved state reads on from it.
    void cutLinesAndSavedState()
    {
        const QString line = QStringLiteral("<x a=\"1\"><!-- c --></x>");
        for (int n = 1; n <= line.size(); ++n) {
            Tok tok;
            int pos = 0;
            for (tok.setLine(QStringView(line).left(n)); !tok.atEnd(); tok.next())
                pos += tok.length();
            QCOMPARE(pos, n);
        }
        Tok tok;
        tok.setLine(u"rest -->", Tok::InComment);
        QCOMPARE(tok.kind(), Tok::Comment);
        tok.next();
        QCOMPARE(tok.token(), QStringView(u"-->"));
        tok.next();
        QVERIFY(tok.atEnd());
        QCOMPARE(tok.state(), Tok::Content);
    }
};

QTEST_APPLESS_MAIN(TestXmlTokenizer)
#include "tst_xmltokenizer.moc"
