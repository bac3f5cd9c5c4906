// The plain text of a page, and the command that puts it in place of a document's page.
#include "FakeFeatureHost.h"
#include "FakePrompter.h"
#include "editor/EditorAdapter.h"
#include "editor/highlighting/Highlighter.h"
#include "html/commands/StripHtmlCommand.h"
#include "html/text/StripHtml.h"

#include <QtTest>

namespace {

const QByteArray page = "<html>\n"
                        "<title>Fish</title>\n"
                        "<p>Fish &amp; chips<br>\n"
                        "<a href=\"menu.htm\">Menu</a>\n"
                        "</html>\n";
const QStringList pageLines {"<html>", "<title>Fish</title>", "<p>Fish &amp; chips<br>",
                             "<a href=\"menu.htm\">Menu</a>", "</html>"};
const QStringList strippedLines {"Title: Fish", "Fish  chips", "(Menu) menu.htm"};

} // namespace

class TestStripHtml : public QObject
{
    Q_OBJECT
private slots:
    void strip_data();
    void strip();
    void textName_data();
    void textName();
    void command();
    void commandNeverOverwrites();
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

// After the user's Yes the page becomes its text under the ".txt" name, without its
// highlighting and unsaved; the page's file stays as it was.
void TestStripHtml::command()
{
    FakeFeatureHost host;
    FakePrompter prompter;
    StripHtmlCommand command(host);
    Highlighter html(Highlighter::HTML);
    host.folder.writeFile("index.htm", page);
    host.openFile(host.folder.filePath("index.htm"));
    FakeDocument *document = host.active();
    document->editor()->setHighlighter(&html);

    prompter.answers = {Prompter::No};
    command.Button5Click();
    QCOMPARE(prompter.calls.size(), 1);
    const FakePrompter::Call call = prompter.calls.takeFirst();
    QCOMPARE(call.caption, QStringLiteral("Information"));
    QCOMPARE(call.text,
             QStringLiteral("Are you sure that you want to strip the html code from this document? "
                            "Doing this will cause the html code to be removed from the current "
                            "active editor document. Do you want to presede with this operation "
                            "now?"));
    QCOMPARE(call.icon, Prompter::Information);
    QCOMPARE(call.buttons, Prompter::YesButton | Prompter::NoButton);
    QCOMPARE(document->editor()->lines(), pageLines);
    QCOMPARE(document->caption(), QStringLiteral("index.htm"));
    QVERIFY(document->editor()->highlighter() && !document->isModified());

    prompter.answers = {Prompter::Yes};
    command.Button5Click();
    QCOMPARE(document->editor()->lines(), strippedLines);
    QCOMPARE(document->caption(), QStringLiteral("index.txt"));
    QCOMPARE(document->fileName(), host.folder.filePath("index.txt"));
    QVERIFY(!document->editor()->highlighter() && document->isModified());
    QVERIFY(!QFile::exists(host.folder.filePath("index.txt")));
    QVERIFY(document->save());
    QCOMPARE(host.folder.readFile("index.txt"), "Title: Fish\nFish  chips\n(Menu) menu.htm");
    QCOMPARE(host.folder.readFile("index.htm"), page);
    document->editor()->undo(); // one step
    QCOMPARE(document->editor()->lines(), pageLines);
}

// A ".txt" file beside the page keeps the document from its name; a document of that caption
// stops the command. A page without a file, even an empty one, is renamed.
void TestStripHtml::commandNeverOverwrites()
{
    FakeFeatureHost host;
    FakePrompter prompter;
    prompter.defaultAnswer = Prompter::Yes;
    StripHtmlCommand command(host);
    FakeDocument *other = host.open("INDEX.TXT");
    host.folder.writeFile("index.htm", page);
    host.openFile(host.folder.filePath("index.htm"));
    command.Button5Click();
    QCOMPARE(prompter.calls.size(), 1);
    QCOMPARE(prompter.calls[0].caption, QStringLiteral("Information"));
    QCOMPARE(prompter.calls[0].text,
             QStringLiteral("A document named index.txt is already open. Close it before "
                            "stripping this document."));
    QCOMPARE(prompter.calls[0].icon, Prompter::Information);
    QCOMPARE(prompter.calls[0].buttons, Prompter::Buttons(Prompter::OkButton));
    QCOMPARE(host.active()->caption(), QStringLiteral("index.htm"));
    QCOMPARE(host.active()->editor()->lines(), pageLines);

    host.close(other);
    host.folder.writeFile("index.txt", "keep me\n");
    command.Button5Click();
    QCOMPARE(host.active()->caption(), QStringLiteral("index.txt"));
    QCOMPARE(host.active()->fileName(), QString());
    QCOMPARE(host.active()->editor()->lines(), strippedLines);
    QCOMPARE(host.folder.readFile("index.txt"), "keep me\n");

    host.open("Untitled1.htm", page);
    command.Button5Click();
    QCOMPARE(host.active()->caption(), QStringLiteral("Untitled1.txt"));
    QCOMPARE(host.active()->editor()->lines(), strippedLines);
    host.open("Untitled2.htm");
    command.Button5Click();
    QCOMPARE(host.active()->caption(), QStringLiteral("Untitled2.txt"));
    QCOMPARE(host.active()->editor()->lineCount(), 0);
    QVERIFY(host.active()->isModified() && host.active()->fileName().isEmpty());
}

QTEST_MAIN(TestStripHtml)
#include "tst_striphtml.moc"
