#include "completion/KeyTriggerText.h"

#include <QtTest>

using namespace KeyTriggerText;

// The caret is written as "|" in the texts below; it is taken out before the test.
namespace {

struct Caret {
    QStringList lines;
    int line = 0;
    int column = 0;
};

Caret caretIn(const QString &text)
{
    Caret c;
    c.lines = text.split(u'\n');
    for (int i = 0; i < c.lines.size(); ++i) {
        const qsizetype bar = c.lines.at(i).indexOf(u'|');
        if (bar >= 0) {
            c.lines[i].remove(bar, 1);
            c.line = i + 1;
            c.column = int(bar) + 1;
        }
    }
    return c;
}

} // namespace

class TestKeyTriggerText : public QObject
{
    Q_OBJECT
private slots:
    void javaComment_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("inComment");
        QTest::newRow("code") << "int a = b.|" << false;
        QTest::newRow("line comment") << "x(); // see s.|" << true;
        QTest::newRow("before a line comment") << "s.| // later" << false;
        QTest::newRow("right after //") << "//|" << true;
        QTest::newRow("between the slashes") << "/|/" << false;
        QTest::newRow("block comment open on the line") << "a /* b.|" << true;
        QTest::newRow("block comment closed before") << "/* a */ b.|" << false;
        QTest::newRow("inside a one-line block comment") << "/* a.| */" << true;
        QTest::newRow("doc comment over lines") << "/**\n * see s.|\n */" << true;
        QTest::newRow("after a comment over lines") << "/*\n  a\n*/ s.|" << false;
        QTest::newRow("// in the tail of a block comment") << "/*\n // a */ s.|" << false;
        QTest::newRow("caret right after a block comment's tail") << "/*\n // a */|" << false;
        QTest::newRow("// in a string") << "String u = \"http://x\"; u.|" << false;
        QTest::newRow("earlier line comment ends with its line") << "// a\ns.|" << false;
    }
    void javaComment()
    {
        QFETCH(QString, text);
        QFETCH(bool, inComment);
        const Caret c = caretIn(text);
        QCOMPARE(isCaretXYInComment(c.lines, c.line, c.column), inComment);
    }

    void markupComment_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("html");
        QTest::addColumn<bool>("xml");
        QTest::newRow("plain") << "<p>a|</p>" << false << false;
        QTest::newRow("in a one-line comment") << "<!-- <td| -->" << true << true;
        QTest::newRow("after a comment") << "<!-- x --><td|" << false << false;
        QTest::newRow("comment from an earlier line") << "<!--\n<td|" << true << true;
        QTest::newRow("comment closed on the caret line") << "<!--\n--> <td|" << false << false;
        QTest::newRow("half of the closing") << "<!-- x --|>" << true << true;
        QTest::newRow("comment text in a value") << "<a title=\"<!--\"><td|" << false << false;
    }
    void markupComment()
    {
        QFETCH(QString, text);
        QFETCH(bool, html);
        QFETCH(bool, xml);
        const Caret c = caretIn(text);
        QCOMPARE(isCaretXYInCommentHTMLv(c.lines, c.line, c.column), html);
        QCOMPARE(isCaretXYInCommentXMLv(c.lines, c.line, c.column), xml);
    }

    void finnId_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("start");
        QTest::newRow("word at line start") << "for|"
                                            << "for" << 0;
        QTest::newRow("indented word, blank kept") << "    for|"
                                                   << " for" << 4;
        QTest::newRow("blanks before the caret") << "  if   |"
                                                 << " if" << 2;
        QTest::newRow("joined to other signs") << "x=for|"
                                               << "x=for" << 0;
        QTest::newRow("caret mid-line") << "a while| b"
                                        << " while" << 2;
        QTest::newRow("nothing but blanks") << "   |"
                                            << "" << -1;
        QTest::newRow("caret at column 1") << "|for"
                                           << "" << -1;
    }
    void finnId()
    {
        QFETCH(QString, line);
        QFETCH(QString, word);
        QFETCH(int, start);
        const Caret c = caretIn(line);
        int wordStart = 0;
        QCOMPARE(FinnID(c.lines.first(), c.column, &wordStart), word);
        QCOMPARE(wordStart, start);
        // Past the line end the scan starts at the line end.
        QCOMPARE(FinnID(QStringLiteral("  do"), 20).trimmed(), QStringLiteral("do"));
    }

    void singleTags()
    {
        for (const char *name :
             {"br", "hr", "area", "bgsound", "spacer", "meta", "base", "img", "input", "link",
              "wbr", "frame", "col", "textarea", "basefont", "abbr"})
            QVERIFY2(SingleTag(QLatin1String(name)), name);
        for (const char *name : {"td", "frameset", "colgroup", "p", "BR", "a"})
            QVERIFY2(!SingleTag(QLatin1String(name)), name);
    }

    void endTags_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("xml");
        QTest::newRow("start tag") << "<td|"
                                   << "</td>"
                                   << "</td>";
        QTest::newRow("name case kept") << "<TD|"
                                        << "</TD>"
                                        << "</TD>";
        QTest::newRow("after a quoted value") << "<a href=\"x\"|"
                                              << "</a>"
                                              << "</a>";
        QTest::newRow("bare attribute last") << "<a href|"
                                             << ""
                                             << "</a>";
        QTest::newRow("after a blank") << "<p |"
                                       << "</p>"
                                       << "</p>";
        QTest::newRow("end tag") << "</td|"
                                 << ""
                                 << "";
        QTest::newRow("tag closed already") << "<td>|"
                                            << ""
                                            << "";
        QTest::newRow("nested, inner open") << "<tr><td|</tr>"
                                            << "</td>"
                                            << "</td>";
        QTest::newRow("single tag") << "<br|"
                                    << ""
                                    << "</br>";
        QTest::newRow("textarea counts as single") << "<textarea|"
                                                   << ""
                                                   << "</textarea>";
        QTest::newRow("unknown element") << "<note|"
                                         << ""
                                         << "</note>";
        QTest::newRow("empty element slash") << "<br/|"
                                             << ""
                                             << "";
        QTest::newRow("processing instruction") << "<?xml version=\"1.0\"?|"
                                                << ""
                                                << "";
        QTest::newRow("doctype") << "<!DOCTYPE note|"
                                 << ""
                                 << "";
        QTest::newRow("CDATA") << "<![CDATA[ <a|"
                               << ""
                               << "";
        QTest::newRow("comment") << "<!-- <a|"
                                 << ""
                                 << "";
        QTest::newRow("text only") << "hello|"
                                   << ""
                                   << "";
        QTest::newRow("caret at column 1") << "|<td"
                                           << ""
                                           << "";
        QTest::newRow("caret past the line end") << "<td  |"
                                                 << "</td>"
                                                 << "</td>";
    }
    void endTags()
    {
        QFETCH(QString, line);
        QFETCH(QString, html);
        QFETCH(QString, xml);
        const Caret c = caretIn(line);
        QCOMPARE(endTagHTML(c.lines.first(), c.column), html);
        QCOMPARE(endTagXML(c.lines.first(), c.column), xml);
        // A caret in virtual space beyond the line reaches no token.
        QCOMPARE(endTagHTML(QStringLiteral("<td"), 9), QString());
    }

    void paramsHint_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("completed");
        QTest::addColumn<int>("index");
        QTest::newRow("first parameter") << "s.indexOf(|)"
                                         << "INDEXOF" << 0;
        QTest::newRow("after two commas") << "s.substring(a, b, |"
                                          << "SUBSTRING" << 2;
        QTest::newRow("closed inner call skipped") << "m(f(a, b), |"
                                                   << "M" << 1;
        QTest::newRow("inner call not the one inserted") << "setText(valueOf(1, |"
                                                         << "SETTEXT" << 1;
        QTest::newRow("inner call is the one") << "setText(valueOf(|"
                                               << "VALUEOF" << 0;
        QTest::newRow("name by containment") << "x.set(|"
                                             << "SETTEXT" << 0;
        QTest::newRow("other method") << "foo(|"
                                      << "SETTEXT" << -1;
        QTest::newRow("no call open") << "setText(a); |"
                                      << "SETTEXT" << -1;
        QTest::newRow("nothing inserted yet") << "setText(|"
                                              << "" << -1;
        QTest::newRow("unbalanced ) stops at line start") << "a) + setText|"
                                                          << "SETTEXT" << -1;
        QTest::newRow("blank before (") << "setText (x, |"
                                        << "SETTEXT" << 1;
    }
    void paramsHint()
    {
        QFETCH(QString, line);
        QFETCH(QString, completed);
        QFETCH(int, index);
        const Caret c = caretIn(line);
        QCOMPARE(paramsHintIndex(c.lines.first(), c.column, completed), index);
    }
};

QTEST_APPLESS_MAIN(TestKeyTriggerText)
#include "tst_keytriggertext.moc"
