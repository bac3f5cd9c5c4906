#include "ShopSample.h"
#include "analysis/javasource/JavaScanner.h"

#include <QtTest>

namespace {

const QStringList &shop = ShopSample::lines;

// A class whose first member is a field without modifiers.
const QStringList swing = {"public class Pane {", "    JButton ok;", "    void f() {", "    }",
                           "    void g() {",      "        t.",      "    }",          "}"};

int lineOf(const QString &text)
{
    for (int i = 0; i < shop.size(); ++i) {
        if (shop.at(i).contains(text))
            return i;
    }
    qFatal("sample has no line with %s", qPrintable(text));
}

} // namespace

class TestJavaScanner : public QObject
{
    Q_OBJECT
private slots:
    void classNames();
    void allMembers_data();
    void allMembers();
    void multilineMembers();
    void scopeEnd_data();
    void scopeEnd();
    void classStart_data();
    void classStart();
    void mainClassName_data();
    void mainClassName();
};

void TestJavaScanner::classNames()
{
    // Not the nested class, not the interface; "extends"/"implements" end the match.
    QCOMPARE(JavaScanner::FinnKlasseNavnene(shop), (QStringList {"Shop", "ShopItem"}));
    QCOMPARE(JavaScanner::FinnKlasseNavnene({"class A{}class B", "{ class C {} }"}),
             (QStringList {"A", "B"}));
    QVERIFY(JavaScanner::FinnKlasseNavnene({}).isEmpty());
    QCOMPARE(JavaScanner::FinnKlasseNavnene(swing), QStringList {"Pane"});
}

void TestJavaScanner::allMembers_data()
{
    QTest::addColumn<QStringList>("text");
    QTest::addColumn<QString>("className");
    QTest::addColumn<bool>("withPrivate");
    QTest::addColumn<QStringList>("members");

    // Constructors and main are left out; the interface after the class lends it nothing;
    // "ShopItem" contains "Shop", so its member is read too.
    const QString shared =
        QStringLiteral("String a|String b|int x|int y|public static final int MAX|"
                       "protected String name|public void run()|");
    QTest::newRow("public view")
        << shop << "Shop" << false
        << (shared + "public int total()|class Inner|double price").split(u'|');
    QTest::newRow("with private")
        << shop << "Shop" << true
        << ("private int count|" + shared
            + "private void helper(int x, int y)|public int total()|class Inner|double price")
               .split(u'|');
    const QStringList app = {"class App {",
                             "  public static void main(String[] a) throws Exception {",
                             "  }",
                             "  App() throws Exception { }",
                             "  int k = 1, m = 2;",
                             "}"};
    QTest::newRow("main with throws is listed cut")
        << app << "App" << false << QStringList {"public static void main(String[] a)", "int k"};
    QTest::newRow("no such class") << app << "Other" << true << QStringList();
    QTest::newRow("main with a blank before its bracket is no member")
        << QStringList {"class App {", "  public static void main (String[] a) {", "  }",
                        "  int k;", "}"}
        << "App" << false << QStringList {"int k"};
}

void TestJavaScanner::allMembers()
{
    QFETCH(QStringList, text);
    QFETCH(QString, className);
    QFETCH(bool, withPrivate);
    QFETCH(QStringList, members);
    QCOMPARE(JavaScanner::FinnAlleDatamedlemmer(text, className, withPrivate), members);
}

void TestJavaScanner::multilineMembers()
{
    QCOMPARE(JavaScanner::ClipAndFindMultilineDatamembers(shop, "Shop"),
             (QStringList {
                 "private int count", "String a, b", "int x, y", "public static final int MAX",
                 "protected String name", "public Shop()", "public Shop(int n) throws IOException",
                 "public void run()",
                 "private void helper(int x, int y) throws IOException, InterruptedException",
                 "public int total()", "public static void main(String[] args)", "double price"}));
    QCOMPARE(JavaScanner::ClipAndFindMultilineDatamembers(shop, "Payable"), QStringList());

    // Braces on lines of their own, a declaration holding " new ".
    const QStringList pad =
        QStringLiteral("public class Pad\n{\n    Button b = new Button(\"x\");\n    void draw()\n"
                       "    {\n        repaint();\n    }\n    Pad(Frame f, new Thing())\n"
                       "    int last;\n}")
            .split(u'\n');
    QCOMPARE(JavaScanner::ClipAndFindMultilineDatamembers(pad, "Pad"),
             (QStringList {"Button b", "void draw()", "int last"}));
    QCOMPARE(JavaScanner::ClipAndFindMultilineDatamembers(swing, "Pane"),
             (QStringList {"JButton ok", "void f()", "void g()"}));
}

void TestJavaScanner::scopeEnd_data()
{
    QTest::addColumn<QStringList>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");

    QTest::newRow("class body") << shop << lineOf("public class Shop") << lineOf("interface") - 2;
    QTest::newRow("method, braces in string and char ignored")
        << shop << lineOf("void run()") << lineOf("void run()") + 2;
    QTest::newRow("leading close goes below zero")
        << QStringList {"}", "{", "}", "x {", "}"} << 0 << 4;
    QTest::newRow("never closes: last line") << QStringList {"a {", "b {", "}"} << 0 << 2;
    QTest::newRow("start past the end") << QStringList {"{", "}"} << 7 << 1;
    QTest::newRow("empty text") << QStringList() << 0 << -1;
}

void TestJavaScanner::scopeEnd()
{
    QFETCH(QStringList, text);
    QFETCH(int, start);
    QFETCH(int, end);
    QCOMPARE(JavaScanner::FinnScopeSlutt(text, start), end);
}

void TestJavaScanner::classStart_data()
{
    QTest::addColumn<QStringList>("text");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("start");

    QTest::newRow("inside Shop") << shop << lineOf("void run()") << lineOf("public class Shop");
    QTest::newRow("inside Inner") << shop << lineOf("int hidden") << lineOf("class Inner");
    QTest::newRow("last class wins") << shop << int(shop.size()) + 5 << lineOf("class ShopItem");
    QTest::newRow("none before: first line") << shop << 2 << 0;
    QTest::newRow("comment between keyword and name")
        << QStringList {"x", "class /* c */ A {", "}"} << 3 << 0;
    QTest::newRow("first member a field without modifiers") << swing << 6 << 0;
}

void TestJavaScanner::classStart()
{
    QFETCH(QStringList, text);
    QFETCH(int, limit);
    QFETCH(int, start);
    QCOMPARE(JavaScanner::FinnClassStart(text, limit), start);
}

void TestJavaScanner::mainClassName_data()
{
    QTest::addColumn<QStringList>("text");
    QTest::addColumn<QString>("name");

    QTest::newRow("sample") << shop << "Shop";
    QTest::newRow("brace without blank stays")
        << QStringList {"class Shop{", " void main(String[] a){}", "}"} << "Shop{";
    QTest::newRow("last main wins")
        << QStringList {"class A {", "static void main(String[] a) {}", "}",
                        "class B {", "static void main(String[] a) {}", "}"}
        << "B";
    QTest::newRow("no main") << QStringList {"public class A {", "}"} << QString();
    QTest::newRow("empty text") << QStringList() << QString();
    QTest::newRow("no class above main")
        << QStringList {"static void main(String[] a) {}", "class A {}"} << QString();
    QTest::newRow("class and main on one line")
        << QStringList {"class Tiny { public static void main(String[] a) {} }"} << "Tiny";
    QTest::newRow("blanks before the bracket")
        << QStringList {"class Spaced {",
                        "  public static void main  (String[] a) {}",
                        "}",
                        "class After {",
                        "  void mainly(int x) {}",
                        "}"}
        << "Spaced";
}

void TestJavaScanner::mainClassName()
{
    QFETCH(QStringList, text);
    QFETCH(QString, name);
    QCOMPARE(JavaScanner::FindMainClassName(text), name);
}

QTEST_APPLESS_MAIN(TestJavaScanner)
#include "tst_javascanner.moc"
