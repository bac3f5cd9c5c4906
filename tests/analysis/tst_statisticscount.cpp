#include "ShopSample.h"
#include "analysis/StatisticsCommand.h"
#include "analysis/StatisticsCount.h"

#include <QtTest>

using namespace StatisticsCount;

namespace {

// words, letters, lines
QList<int> editorOf(const EditorCounts &c)
{
    return {c.words, c.letters, c.lines};
}

// editor counts, then classes, identifiers, keywords, numbers, strings, comments
QList<int> javaOf(const QStringList &lines)
{
    const JavaCounts c = java(lines);
    return editorOf(c.editor)
        + QList<int> {c.classes, c.identifiers, c.keywords, c.numbers, c.strings, c.comments};
}

// editor counts, then tags, parameters, ampersands, undefined tags, comments
QList<int> htmlOf(const QStringList &lines)
{
    const HtmlCounts c = html(lines);
    return editorOf(c.editor)
        + QList<int> {c.tags, c.parameters, c.ampersands, c.undefined, c.comments};
}

} // namespace

class TestStatisticsCount : public QObject
{
    Q_OBJECT
private slots:
    void javaCounts_data();
    void javaCounts();
    void htmlCounts_data();
    void htmlCounts();
    void generalCounts_data();
    void generalCounts();
    void dialogByCaption_data();
    void dialogByCaption();
};

void TestStatisticsCount::javaCounts_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<int>>("counts");

    // "=" and ";" are words; the letters count the blanks.
    QTest::newRow("one line") << QStringList {"int x = 5; // c"}
                              << QList<int> {6, 15, 1, 0, 1, 1, 1, 0, 1};
    QTest::newRow("block comment over three lines counts once")
        << QStringList {"/* one", "   two", "   three */"}
        << QList<int> {3, 23, 3, 0, 0, 0, 0, 0, 1};
    QTest::newRow("documentation comment not at all")
        << QStringList {"/** doc", " */", "/** one line */"}
        << QList<int> {3, 25, 3, 0, 0, 0, 0, 0, 0};
    QTest::newRow("strings and characters")
        << QStringList {"s = \"a\" + 'b';"} << QList<int> {6, 14, 1, 0, 1, 0, 0, 2, 0};
    QTest::newRow("classes from the scanner")
        << QStringList {"class A { class Inner {} }", "interface I {}", "class B {}"}
        << QList<int> {16, 50, 3, 2, 4, 4, 0, 0, 0};
    QTest::newRow("empty document") << QStringList() << QList<int>(9, 0);
    QTest::newRow("one empty line") << QStringList {""} << QList<int> {0, 0, 1, 0, 0, 0, 0, 0, 0};
}

void TestStatisticsCount::javaCounts()
{
    QFETCH(QStringList, lines);
    QFETCH(QList<int>, counts);
    QCOMPARE(javaOf(lines), counts);
}

void TestStatisticsCount::htmlCounts_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<int>>("counts");

    const QString p = QStringLiteral("<p class=\"a\">x &amp; y</p>");
    // The end tag is no tag, and "/p" is a known name: no undefined tag either.
    QTest::newRow("paragraph") << QStringList {p} << QList<int> {12, 26, 1, 1, 1, 1, 0, 0};
    QTest::newRow("unknown tag and comment")
        << QStringList {p, "<foo>", "<!-- c -->"} << QList<int> {16, 41, 3, 1, 1, 1, 1, 1};
    QTest::newRow("comment over lines counts once")
        << QStringList {"<!-- a", "b -->"} << QList<int> {2, 11, 2, 0, 0, 0, 0, 1};
    QTest::newRow("unknown end tag is undefined")
        << QStringList {"<foo></foo>"} << QList<int> {6, 11, 1, 0, 0, 0, 2, 0};
    QTest::newRow("empty document") << QStringList() << QList<int>(8, 0);
}

void TestStatisticsCount::htmlCounts()
{
    QFETCH(QStringList, lines);
    QFETCH(QList<int>, counts);
    QCOMPARE(htmlOf(lines), counts);
}

void TestStatisticsCount::generalCounts_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<int>>("counts");

    QTest::newRow("words and blanks") << QStringList {"one two  three"} << QList<int> {3, 14, 1};
    // Each symbol is a word; a double-quoted string is one, single quotes are symbols.
    QTest::newRow("symbols and strings")
        << QStringList {"a:=\"x y\"\"z\";", "it's // no comment"} << QList<int> {13, 30, 2};
    QTest::newRow("not ASCII") << QStringList {QString::fromUtf8("bl\u00e5 \u20ac \U0001F600!")}
                               << QList<int> {4, 9, 1};
    QTest::newRow("empty document") << QStringList() << QList<int> {0, 0, 0};
}

void TestStatisticsCount::generalCounts()
{
    QFETCH(QStringList, lines);
    QFETCH(QList<int>, counts);
    QCOMPARE(editorOf(general(lines)), counts);
}

void TestStatisticsCount::dialogByCaption_data()
{
    using D = StatisticsCommand::Dialog;
    QTest::addColumn<QString>("caption");
    QTest::addColumn<D>("dialog");

    QTest::newRow("java") << "x.java" << D::Java;
    QTest::newRow("upper-case java") << "X.JAVA" << D::Java;
    QTest::newRow("html") << "page.html" << D::Html;
    QTest::newRow("htm") << "page.htm" << D::Html;
    QTest::newRow("text") << "notes.txt" << D::General;
    QTest::newRow("user language") << "prog.pas" << D::General;
    QTest::newRow("java only in the name") << "java.txt" << D::General;
    QTest::newRow("no extension") << "README" << D::General;
}

void TestStatisticsCount::dialogByCaption()
{
    QFETCH(QString, caption);
    QFETCH(StatisticsCommand::Dialog, dialog);
    QCOMPARE(StatisticsCommand::dialogFor(caption), dialog);
}

QTEST_MAIN(TestStatisticsCount)
#include "tst_statisticscount.moc"
