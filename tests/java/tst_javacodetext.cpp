#include "ProcessWait.h"
#include "java/generators/JavaCodeText.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using JavaCodeText::ClassMember;

namespace {

QString javac()
{
    return QStandardPaths::findExecutable(QStringLiteral("javac"));
}

// Compiles the files (name, text with CR line breaks) together; the compiler's output when it
// fails.
QString compile(const QList<std::pair<QString, QString>> &files)
{
    QTemporaryDir dir;
    QStringList names;
    for (const auto &[name, text] : files) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly))
            return QStringLiteral("cannot write ") + name;
        f.write(QString(text).replace(u'\r', u'\n').toUtf8());
        names << f.fileName();
    }
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(javac(), names);
    if (!p.waitForFinished(ProcessWait))
        return QStringLiteral("javac did not finish");
    return p.exitCode() == 0 ? QString() : QString::fromLocal8Bit(p.readAll());
}

const QString point =
    "class Point {\r  private int x;\r  private int y;\r\r  public Point(int startX,int startY) "
    "{\r   x = startX;\r   y = startY;\r  }\r\r  public int findX() {\r    return x;\r  }\r\r  "
    "public void setX(int newX) {\r    x = newX;\r  }\r\r  public int findY() {\r    return "
    "y;\r  }\r\r  public String toString() {\r    return \"Point - \"+\" x: \"+x+\" y: "
    "\"+y;\r  }\r}";

} // namespace

class TestJavaCodeText : public QObject
{
    Q_OBJECT
private slots:
    void classWizard_data();
    void classWizard();
    void tryCatch_data();
    void tryCatch();
    void exceptionClass();
    void expression_data();
    void expression();
    void memberPiece_data();
    void memberPiece();
    void offeredLists();
    void realCompilerTakesTheTexts();
};

void TestJavaCodeText::classWizard_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<ClassMember>>("members");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Point") << "Point"
                           << QList<ClassMember> {{"x", "int", true}, {"y", "int", false}} << point;
    QTest::newRow("no rows") << "C" << QList<ClassMember> {}
                             << "class C {\r\r  public C() {\r  }\r\r  public String toString() "
                                "{\r    return \"C - \";\r  }\r}";
    // The fourth parameter opens a new line; the type is trimmed, the name is not checked.
    QTest::newRow("four rows")
        << "Box"
        << QList<ClassMember> {{"a", "int", false},
                               {"b", " String ", false},
                               {"c", "char", false},
                               {"d", "double", true}}
        << "class Box {\r  private int a;\r  private String b;\r  private char c;\r  private "
           "double d;\r\r  public Box(int startA,String startB,char startC,\r    double "
           "startD) {\r   a = startA;\r   b = startB;\r   c = startC;\r   d = startD;\r  "
           "}\r\r  public int findA() {\r    return a;\r  }\r\r  public String findB() {\r    "
           "return b;\r  }\r\r  public char findC() {\r    return c;\r  }\r\r  public double "
           "findD() {\r    return d;\r  }\r\r  public void setD(double newD) {\r    d = "
           "newD;\r  }\r\r  public String toString() {\r    return \"Box - \"+\" a: \"+a+\" b: "
           "\"+b+\" c: \"+c+\" d: \"+d;\r  }\r}";
    QTest::newRow("empty name") << "" << QList<ClassMember> {{"", "int", false}}
                                << "class  {\r  private int ;\r\r  public (int start) {\r    = "
                                   "start;\r  }\r\r  public int find() {\r    return ;\r  "
                                   "}\r\r  public String toString() {\r    return \" - \"+\" "
                                   ": \"+;\r  }\r}";
}

void TestJavaCodeText::classWizard()
{
    QFETCH(QString, name);
    QFETCH(QList<ClassMember>, members);
    QFETCH(QString, expected);
    QCOMPARE(JavaCodeText::classText(name, members), expected);
}

void TestJavaCodeText::tryCatch_data()
{
    QTest::addColumn<QStringList>("code");
    QTest::addColumn<QStringList>("exceptions");
    QTest::addColumn<QString>("ws");
    QTest::addColumn<QString>("expected");

    // Lines after the first are not indented inside try.
    QTest::newRow("two rows") << QStringList {"a();", "b();"}
                              << QStringList {"IOException", "Exception"} << "  "
                              << "try {\r    a();\r\nb();\r\n  }\r  catch (IOException ex1) {\r  "
                                 "}\r  catch (Exception ex2) {\r  }";
    QTest::newRow("empty memo") << QStringList {} << QStringList {"IOException"} << ""
                                << "try {\r  }\rcatch (IOException ex1) {\r}";
    QTest::newRow("no rows") << QStringList {"x++;"} << QStringList {} << " "
                             << "try {\r   x++;\r\n }\r";
}

void TestJavaCodeText::tryCatch()
{
    QFETCH(QStringList, code);
    QFETCH(QStringList, exceptions);
    QFETCH(QString, ws);
    QFETCH(QString, expected);
    QCOMPARE(JavaCodeText::tryCatchText(code, exceptions, ws), expected);
}

void TestJavaCodeText::exceptionClass()
{
    QCOMPARE(JavaCodeText::exceptionClassText("MyEx", "IOException", "  "),
             QString("public class MyEx extends IOException {\r    public MyEx(String error) "
                     "{\r      super(error);\r    }\r  }"));
    QCOMPARE(JavaCodeText::exceptionClassText("E", "", ""),
             QString("public class E extends  {\r  public E(String error) {\r    "
                     "super(error);\r  }\r}"));
}

void TestJavaCodeText::expression_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << QStringList {} << "";
    QTest::newRow("one") << QStringList {"x = 1; \t "} << "x = 1;";
    QTest::newRow("three") << QStringList {"if (a) {  ", "  b();", "}"}
                           << "if (a) {\r    b();\r  }";
    QTest::newRow("blank middle") << QStringList {"a", "   ", "b"} << "a\r  \r  b";
}

void TestJavaCodeText::expression()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, expected);
    QCOMPARE(JavaCodeText::expressionText(lines, "  "), expected);
}

void TestJavaCodeText::memberPiece_data()
{
    QTest::addColumn<QString>("declaration");
    QTest::addColumn<QString>("piece");
    QTest::newRow("method") << "public void start()"
                            << "start() ";
    QTest::newRow("parameters") << "int add(int a, int b)"
                                << "add( ";
    QTest::newRow("field") << "int count"
                           << "count ";
    QTest::newRow("no blank") << "run()"
                              << "run() ";
    QTest::newRow("array") << "public String[] names"
                           << "names ";
    QTest::newRow("generic parameters") << "void put(Map<String, Integer> m)"
                                        << "put( ";
}

void TestJavaCodeText::memberPiece()
{
    QFETCH(QString, declaration);
    QFETCH(QString, piece);
    QCOMPARE(JavaCodeText::memberPiece(declaration), piece);
}

void TestJavaCodeText::offeredLists()
{
    const QStringList exceptions = JavaCodeText::catchExceptions();
    QCOMPARE(exceptions.size(), 22);
    QVERIFY(exceptions.contains("RuntimeException"));
    QVERIFY(!exceptions.contains("RunTimeException"));
    for (int i = 1; i < exceptions.size(); ++i)
        QVERIFY2(exceptions.at(i - 1).compare(exceptions.at(i), Qt::CaseInsensitive) < 0,
                 qPrintable(exceptions.at(i)));
    QCOMPARE(exceptions.indexOf("RuntimeException") + 1, exceptions.indexOf("SecurityException"));
    QCOMPARE(exceptions.indexOf("EmptyStackException") + 1, exceptions.indexOf("EOFException"));
}

void TestJavaCodeText::realCompilerTakesTheTexts()
{
    if (javac().isEmpty())
        QSKIP("javac not installed");
    // The wizard's class, used by a main class.
    QCOMPARE(compile({{"Point.java", point},
                      {"Main.java",
                       "class Main {\r  public static void main(String[] a) {\r    Point p = "
                       "new Point(1, 2);\r    p.setX(p.findY());\r    "
                       "System.out.println(p);\r  }\r}"}}),
             QString());
    // The exception class in a file with its import.
    QCOMPARE(compile({{"MyEx.java",
                       "import java.io.IOException;\r"
                           + JavaCodeText::exceptionClassText("MyEx", "IOException", "")}}),
             QString());
    // A try/catch of the corrected list entry around a statement that may throw it.
    const QString block = JavaCodeText::tryCatchText({"Integer.parseInt(\"1\");"},
                                                     {"RuntimeException", "Exception"}, "    ");
    QCOMPARE(compile({{"T.java", "class T {\r  void f() {\r    " + block + "\r  }\r}"}}),
             QString());
}

QTEST_GUILESS_MAIN(TestJavaCodeText)
#include "tst_javacodetext.moc"
