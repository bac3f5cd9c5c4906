#include "html/text/StripHtml.h"

#include <QtTest>

class TestStripHtml : public QObject
{
    Q_OBJECT
private slots:
    void strip_data();
    void strip();
    void textName_data();
    void textName();
};

void TestStripHtml::strip_data()
{
    QTest::addColumn<QStringList>("page");
    QTest::addColumn<QStringList>("text");

    QTest::newRow("empty page") << QStringList() << QStringList();
    QTest::newRow("title") << QStringList {"<title>My page</title>"}
                           << QStringList {"Title: My page"};
    QTest::newRow("title mark goes before earlier text")
        << QStringList {"Before<TITLE>Page</TITLE>"} << QStringList {"Title: BeforePage"};
    QTest::newRow("link with and without href")
        << QStringList {"<a href=\"index.htm\">Home</a>", "<a name=\"top\">Home</a>"}
        << QStringList {"(Home) index.htm", "(Home) "};
    QTest::newRow("links on successive lines keep their own targets")
        << QStringList {"<A HREF='a.htm'>A</A>", "<a href=\"b.htm\">B</a>"}
        << QStringList {"(A) a.htm", "(B) b.htm"};
    QTest::newRow("unquoted href loses its first and last characters")
        << QStringList {"<a href=index.htm>Home</a>", "<a href=x>One</a>", "<a href=>None</a>",
                        "<a href=xy>Two</a>"}
        << QStringList {"(Home) ndex.ht", "(One) ", "(None) ", "(Two) "};
    QTest::newRow("link text over several text tokens")
        << QStringList {"<a href=\"t.htm\">Fish &amp; chips</a>"}
        << QStringList {"(Fish ) ( chips) t.htm"};
    QTest::newRow("unordered list")
        << QStringList {"<ul>", "<li>one", "<li>two</li>", "</ul>", "<li>three"}
        << QStringList {"-one", "-two", "three"};
    QTest::newRow("ordered lists share one counter")
        << QStringList {"<ol>", "<li>one", "<li>two", "</ol>", "<OL><LI>three</OL>"}
        << QStringList {"1.one", "2.two", "3.three"};
    QTest::newRow("marks go before the text gathered on the line")
        << QStringList {"<ol><ul>x<li>y</ul></ol>"} << QStringList {"1.-xy"};
    QTest::newRow("style text disappears, links in it do not")
        << QStringList {"<style>p { color: red }", "</style>after",
                        "<style><a href=\"s.htm\">in</a></style>"}
        << QStringList {"after", "(in) s.htm"};
    QTest::newRow("script text is kept")
        << QStringList {"<script>var a = 1;</script>"} << QStringList {"var a = 1;"};
    QTest::newRow("entities and comments are dropped")
        << QStringList {"A&amp;B", "a<!-- one", "two -->b", "<!DOCTYPE html>c"}
        << QStringList {"AB", "a", "b", "c"};
    QTest::newRow("line breaks") << QStringList {"one<br><BR>two<br/>", "<br>"}
                                 << QStringList {"one", "", "two", ""};
    QTest::newRow("lines of tags or blanks give no line")
        << QStringList {"<table><tr>", "   ", "\t<td> </td>", "<foo>x</foo>"} << QStringList {"x"};
    QTest::newRow("a tag over two lines")
        << QStringList {"<a", " href=\"two.htm\">Two</a> end"} << QStringList {"(Two) two.htm end"};
    // An href counts only in the "a" start tag, and each "a" starts without a target.
    QTest::newRow("href of another element")
        << QStringList {"<link href=\"s.css\">", "<a name=\"top\">Top</a>"}
        << QStringList {"(Top) "};
    QTest::newRow("href after the a tag ended")
        << QStringList {"<a href=\"1.htm\">One</a>", "<a>x", "<img href=\"no.gif\">", "</a>",
                        "<base href=\"b/\"><a name=n>y</a>"}
        << QStringList {"(One) 1.htm", "(x) ", "(y) "};
    QTest::newRow("example page") << QStringList {
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">",
        "<html>",
        "<head>",
        "<title>My page</title>",
        "<link rel=\"stylesheet\" href=\"style.css\">",
        "<style type=\"text/css\">",
        "  h1 { color: navy }",
        "</style>",
        "</head>",
        "<body bgcolor=\"#FFFFFF\">",
        "<h1>Welcome</h1>",
        "<p>Fish &amp; chips<br>",
        "served daily.</p>",
        "<ul>",
        "  <li>Cod",
        "  <li><a href=\"menu.htm\">Menu</a>",
        "</ul>",
        "<!-- last changed",
        "     in May -->",
        "</body>",
        "</html>"} << QStringList {"Title: My page", "Welcome", "Fish  chips",
                                   "served daily.",  "-  Cod",  "-  (Menu) menu.htm"};
}

void TestStripHtml::strip()
{
    QFETCH(QStringList, page);
    QFETCH(QStringList, text);
    QCOMPARE(StripHtml::strip(page), text);
}

void TestStripHtml::textName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("extension replaced") << "/web/index.htm"
                                        << "/web/index.txt";
    QTest::newRow("last extension only") << "a.b.html"
                                         << "a.b.txt";
    QTest::newRow("added when missing") << "/web.site/README"
                                        << "/web.site/README.txt";
    QTest::newRow("already text") << "Untitled3.txt"
                                  << "Untitled3.txt";
}

void TestStripHtml::textName()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(StripHtml::textName(name), expected);
}

QTEST_APPLESS_MAIN(TestStripHtml)
#include "tst_striphtml.moc"
