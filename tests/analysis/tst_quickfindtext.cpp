#include "ShopSample.h"
#include "analysis/QuickFindText.h"

#include <QtTest>

class TestQuickFindText : public QObject
{
    Q_OBJECT
private slots:
    void displayTexts_data();
    void displayTexts();
    void memberLine_data();
    void memberLine();
};

void TestQuickFindText::displayTexts_data()
{
    QTest::addColumn<QString>("declaration");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("method drops its modifiers")
        << "public void paint(Graphics g)" << QStringList {"void paint(Graphics g)"};
    QTest::newRow("field of three words")
        << "private int count" << QStringList {"private int count"};
    QTest::newRow("field keeps its last three words")
        << "public static final int MAX" << QStringList {"final int MAX"};
    QTest::newRow("throws clause dropped")
        << "public int add(int x, int y) throws Exception" << QStringList {"int add(int x, int y)"};
    QTest::newRow("no parameters") << "public void run()" << QStringList {"void run()"};
    QTest::newRow("trimmed first") << "  \tint total() " << QStringList {"int total()"};
    QTest::newRow("blanks inside the parentheses kept")
        << "void f( int x )" << QStringList {"void f( int x )"};
    QTest::newRow("comma list") << "String a, b" << QStringList {"String a, b"};
    QTest::newRow("two-word field") << "double price" << QStringList {"double price"};
    QTest::newRow("constructor") << "public Shop(int n) throws IOException"
                                 << QStringList {"public Shop(int n)"};
    // Cut off at the line end: the text built so far, which the line still contains.
    QTest::newRow("no closing parenthesis")
        << "public void paint(Graphics g," << QStringList {"void paint(Graphics"};
    QTest::newRow("opening parenthesis alone") << "(" << QStringList {" ("};
    QTest::newRow("each ) completes an entry") << "f(a) g(b)" << QStringList {" f(a)", " g(b)"};
    QTest::newRow("empty") << "   " << QStringList();
}

void TestQuickFindText::displayTexts()
{
    QFETCH(QString, declaration);
    QFETCH(QStringList, entries);
    QCOMPARE(QuickFindText::displayTexts(declaration), entries);
}

void TestQuickFindText::memberLine_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("member");

    const QStringList &shop = ShopSample::lines;
    const auto at = [&shop](const char *line) { return int(shop.indexOf(QLatin1String(line))); };
    QTest::newRow("method") << shop << "Shop" << at("    public void run() {") << "void run()";
    QTest::newRow("field") << shop << "Shop" << at("    public static final int MAX = 10;")
                           << "final int MAX";
    QTest::newRow("the class line itself")
        << shop << "Shop" << at("public class Shop extends Frame implements Runnable {") << "Shop";
    QTest::newRow("member of the later class")
        << shop << "ShopItem" << at("    double price;") << "double price";
    QTest::newRow("spaced otherwise") << shop << "Shop" << -1 << "void  run()";
    QTest::newRow("case counts") << shop << "shop" << -1 << "void run()";
    QTest::newRow("empty member") << shop << "Shop" << -1 << QString();
    QTest::newRow("empty class name") << shop << QString() << -1 << "void run()";
    QTest::newRow("member above its class")
        << QStringList {"int a;", "class A {", "}"} << "A" << -1 << "int a";
    QTest::newRow("a comment line marks the class")
        << QStringList {"int a;", "// class Shop", "int a;"} << "Shop" << 2 << "int a";
}

void TestQuickFindText::memberLine()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, className);
    QFETCH(int, line);
    QFETCH(QString, member);
    QCOMPARE(QuickFindText::memberLine(lines, className, member), line);
}

QTEST_APPLESS_MAIN(TestQuickFindText)
#include "tst_quickfindtext.moc"
