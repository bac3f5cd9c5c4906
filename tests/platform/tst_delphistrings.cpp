#include "platform/DelphiStrings.h"

#include <QTest>

class TestDelphiStrings : public QObject
{
    Q_OBJECT

private slots:
    void pos_data();
    void pos();
    void trim();
    void strToIntDef_data();
    void strToIntDef();
    void strToFloat_data();
    void strToFloat();
    void copy_data();
    void copy();
    void fileNames_data();
    void fileNames();
    void textToLines_data();
    void textToLines();
};

void TestDelphiStrings::pos_data()
{
    QTest::addColumn<QString>("needle");
    QTest::addColumn<QString>("haystack");
    QTest::addColumn<int>("expected");
    const struct {
        const char *tag, *needle, *haystack;
        int expected;
    } rows[] = {{"first char", "a", "abc", 1},
                {"middle", "bc", "abcbc", 2},
                {"absent", "x", "abc", 0},
                {"case matters", "A", "abc", 0},
                {"empty needle", "", "abc", 0}};
    for (const auto &r : rows)
        QTest::newRow(r.tag) << QString(r.needle) << QString(r.haystack) << r.expected;
}

void TestDelphiStrings::pos()
{
    QFETCH(QString, needle);
    QFETCH(QString, haystack);
    QFETCH(int, expected);
    QCOMPARE(Delphi::pos(needle, haystack), expected);
    QCOMPARE(Delphi::contains(haystack, needle), expected > 0);
}

void TestDelphiStrings::trim()
{
    const QString s = QStringLiteral("\t\x01 a b\r\n\x1f ");
    QCOMPARE(Delphi::trim(s), QStringLiteral("a b"));
    QCOMPARE(Delphi::trimLeft(s), QStringLiteral("a b\r\n\x1f "));
    QCOMPARE(Delphi::trimRight(s), QStringLiteral("\t\x01 a b"));
    // Non-breaking space is above ' ' and stays.
    QCOMPARE(Delphi::trim(QStringLiteral("\u00a0x")), QStringLiteral("\u00a0x"));
}

void TestDelphiStrings::strToIntDef_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("decimal") << "42" << 42;
    QTest::newRow("plus") << "+7" << 7;
    QTest::newRow("minus") << "-12" << -12;
    QTest::newRow("hex") << "$1F" << 31;
    QTest::newRow("negative hex") << "-$10" << -16;
    QTest::newRow("hex top bit") << "$80000005" << int(0x80000005u);
    QTest::newRow("min") << "-2147483648" << int(-2147483647 - 1);
    QTest::newRow("overflow") << "2147483648" << -1;
    QTest::newRow("hex overflow") << "$100000000" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("sign only") << "-" << -1;
    QTest::newRow("dollar only") << "$" << -1;
    QTest::newRow("trailing text") << "12px" << -1;
    QTest::newRow("blank around") << " 12" << -1;
    QTest::newRow("decimal point") << "1.5" << -1;
    QTest::newRow("0x not a prefix") << "0x10" << -1;
}

void TestDelphiStrings::strToIntDef()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(Delphi::strToIntDef(text, -1), expected);
    int value = 99;
    QCOMPARE(Delphi::tryStrToInt(text, value), expected != -1);
}

void TestDelphiStrings::strToFloat_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");
    QTest::newRow("integer") << "12" << true << 12.0;
    QTest::newRow("point") << "1.5" << true << 1.5;
    QTest::newRow("signs") << "-0.25" << true << -0.25;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("trailing point") << "3." << true << 3.0;
    QTest::newRow("exponent") << "+2E-3" << true << 0.002;
    QTest::newRow("blanks around") << " 7 " << true << 7.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("point only") << "." << false << 0.0;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("comma") << "1,5" << false << 0.0;
    QTest::newRow("exponent without digits") << "1e" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("out of range") << "1e400" << false << 0.0;
    QTest::newRow("hex") << "0x10" << false << 0.0;
    QTest::newRow("letter") << "a" << false << 0.0;
}

void TestDelphiStrings::strToFloat()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    double value = 99;
    QCOMPARE(Delphi::tryStrToFloat(text, value), valid);
    QCOMPARE(value, valid ? expected : 99.0);
}

void TestDelphiStrings::copy_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");
    QTest::newRow("start") << 1 << 2 << "ab";
    QTest::newRow("middle") << 2 << 3 << "bcd";
    QTest::newRow("clipped") << 4 << 100 << "de";
    QTest::newRow("past end") << 6 << 1 << "";
    QTest::newRow("negative count") << 1 << -1 << "";
}

void TestDelphiStrings::copy()
{
    QFETCH(int, index);
    QFETCH(int, count);
    QFETCH(QString, expected);
    QCOMPARE(Delphi::copy(QStringLiteral("abcde"), index, count), expected);
}

void TestDelphiStrings::fileNames_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("changed");
    const struct {
        const char *tag, *file, *ext, *name, *path, *changed;
    } rows[] = {{"plain", "/a/b/File.java", ".java", "File.java", "/a/b/", "/a/b/File.class"},
                {"two dots", "x.tar.gz", ".gz", "x.tar.gz", "", "x.tar.class"},
                {"no ext", "/a.b/c", "", "c", "/a.b/", "/a.b/c.class"},
                {"backslash", "C:\\d\\e.htm", ".htm", "e.htm", "C:\\d\\", "C:\\d\\e.class"},
                {"dot file", "/h/.rc", ".rc", ".rc", "/h/", "/h/.class"},
                {"folder only", "/a/", "", "", "/a/", "/a/.class"}};
    for (const auto &r : rows)
        QTest::newRow(r.tag) << QString(r.file) << QString(r.ext) << QString(r.name)
                             << QString(r.path) << QString(r.changed);
}

void TestDelphiStrings::fileNames()
{
    QFETCH(QString, file);
    QFETCH(QString, ext);
    QFETCH(QString, name);
    QFETCH(QString, path);
    QFETCH(QString, changed);
    QCOMPARE(Delphi::extractFileExt(file), ext);
    QCOMPARE(Delphi::extractFileName(file), name);
    QCOMPARE(Delphi::extractFilePath(file), path);
    QCOMPARE(Delphi::changeFileExt(file, QStringLiteral(".class")), changed);
}

void TestDelphiStrings::textToLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("one line, no break") << "a" << QStringList {"a"};
    QTest::newRow("final break adds no line") << "a\r\n" << QStringList {"a"};
    QTest::newRow("only a break") << "\n" << QStringList {""};
    QTest::newRow("mixed breaks") << "a\r\nb\nc\rd" << QStringList {"a", "b", "c", "d"};
    QTest::newRow("LF CR is two breaks") << "a\n\rb" << QStringList {"a", "", "b"};
}

void TestDelphiStrings::textToLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(Delphi::textToLines(text), lines);
}

QTEST_APPLESS_MAIN(TestDelphiStrings)
#include "tst_delphistrings.moc"
