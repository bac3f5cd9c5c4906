#include <QtTest>

#include "java/CompilerOutput.h"
#include "java/JavaCommandLine.h"

using Entries = QList<CompilerMessage>;
Q_DECLARE_METATYPE(CompilerMessage)

namespace QTest {
template <>
char *toString(const CompilerMessage &m)
{
    return qstrdup(qPrintable(QStringLiteral("{%1|%2}").arg(m.line, m.message)));
}
} // namespace QTest

class TestCompilerOutput : public QObject
{
    Q_OBJECT
private slots:
    void analyse_data();
    void analyse();
    void messageLine_data();
    void messageLine();
    void countAfterExit_data();
    void countAfterExit();
    void hintText();
    void javacCommand_data();
    void javacCommand();
    void classPath_data();
    void classPath();
};

void TestCompilerOutput::analyse_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<int>("count");

    QTest::newRow("old format")
        << "Hello.java:5: cannot resolve symbol\r\nsymbol  : method foo ()\r\n        foo();\r\n        ^\r\n1 error\r\n"
        << Entries{{"5", " cannot resolve symbol"}} << 1;
    QTest::newRow("jdk 17, two errors, array type in a message")
        << "Hello.java:3: error: incompatible types: int cannot be converted to int[]\n"
           "    int[] x = 5;\n"
           "              ^\n"
           "Hello.java:4: error: cannot find symbol\n"
           "    foo();\n"
           "    ^\n"
           "  symbol:   method foo()\n"
           "  location: class Hello\n"
           "2 errors\n"
        << Entries{{"3", " error: incompatible types: int cannot be converted to int[]"},
                   {"4", " error: cannot find symbol"}}
        << 2;
    QTest::newRow("verbose lines are neither entries nor counts")
        << "[parsing started SimpleFileObject[/tmp/Hello.java]]\n"
           "[loading /modules/java.base/errors/3 errors.class]\n"
           "[checking Hello]\n"
           "Hello.java:7: error: ';' expected\n"
           "[total 245ms]\n"
           "1 error\n"
        << Entries{{"7", " error: ';' expected"}} << 1;
    QTest::newRow("another file's message")
        << "Other.java:2: error: class X is public\n1 error\n" << Entries{} << 1;
    QTest::newRow("count lines only as a whole")
        << "note: 3 errors were hidden\n  12 errors  \nwarning: 1 error in a comment\n" << Entries{} << 12;
    QTest::newRow("last count wins") << "2 errors\n1 error\n" << Entries{} << 1;
    QTest::newRow("warnings only") << "Note: Hello.java uses unchecked operations.\n1 warning\n"
                                   << Entries{{"", " Hello.java uses unchecked operations."}} << 0;
    QTest::newRow("empty output") << QString() << Entries{} << 0;
}

void TestCompilerOutput::analyse()
{
    QFETCH(QString, output);
    QFETCH(Entries, entries);
    QFETCH(int, count);
    const CompilerOutput::Result r = CompilerOutput::analyse(CompilerOutput::splitLines(output), "Hello.java");
    QCOMPARE(r.entries, entries);
    QCOMPARE(r.errorCount, count);
}

void TestCompilerOutput::messageLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("message");

    QTest::newRow("two colons") << "Hello.java:12: missing return" << "12" << " missing return";
    QTest::newRow("more colons") << "Hello.java:7: error: cannot find symbol: x" << "7"
                                 << " error: cannot find symbol: x";
    QTest::newRow("one colon") << "Hello.java: bad" << "" << " bad";
    QTest::newRow("only colon last") << "Hello.java:" << "" << "";
    QTest::newRow("no colon") << "Hello.java" << "" << "Hello.java";
}

void TestCompilerOutput::messageLine()
{
    QFETCH(QString, line);
    QFETCH(QString, number);
    QFETCH(QString, message);
    const CompilerMessage m = CompilerOutput::parseMessageLine(line);
    QCOMPARE(m.line, number);
    QCOMPARE(m.message, message);
}

void TestCompilerOutput::countAfterExit_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("normalExit");
    QTest::addColumn<int>("result");

    QTest::newRow("success") << 0 << 0 << true << 0;
    QTest::newRow("failure without count line") << 0 << 2 << true << 1;
    QTest::newRow("failure with count") << 4 << 1 << true << 4;
    QTest::newRow("crash") << 0 << 0 << false << 1;
}

void TestCompilerOutput::countAfterExit()
{
    QFETCH(int, count);
    QFETCH(int, exitCode);
    QFETCH(bool, normalExit);
    QFETCH(int, result);
    QCOMPARE(CompilerOutput::errorCountAfterExit(count, exitCode, normalExit), result);
}

void TestCompilerOutput::hintText()
{
    QCOMPARE(CompilerOutput::hintText({"5", " cannot resolve symbol"}), QStringLiteral("Line 5:  cannot resolve symbol"));
    QCOMPARE(CompilerOutput::hintText({"", " bad"}), QStringLiteral(" bad"));
}

void TestCompilerOutput::javacCommand_data()
{
    QTest::addColumn<QString>("binDir");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("classPath");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");

    QTest::newRow("no options, no class path")
        << "/usr/lib/jvm/bin" << "" << "C:\\;." << "/usr/lib/jvm/bin/javac" << QStringList{"Hello.java"};
    QTest::newRow("options bring the class path")
        << "/usr/lib/jvm/bin/" << "-g -verbose" << "C:\\;." << "/usr/lib/jvm/bin/javac"
        << QStringList{"-g", "-verbose", "-classpath", ".", "Hello.java"};
    QTest::newRow("bare -g: dropped")
        << "/jdk/bin" << "-g: -nowarn " << "lib.jar;." << "/jdk/bin/javac"
        << QStringList{"-nowarn", "-classpath", "lib.jar:.", "Hello.java"};
    QTest::newRow("composed debug kinds kept")
        << "/jdk/bin" << "-g:lines,source,vars" << "" << "/jdk/bin/javac"
        << QStringList{"-g:lines,source,vars", "-classpath", "", "Hello.java"};
    QTest::newRow("folder with blanks")
        << "/opt/my jdk\\bin" << "" << "" << "/opt/my jdk/bin/javac" << QStringList{"Hello.java"};
}

void TestCompilerOutput::javacCommand()
{
    QFETCH(QString, binDir);
    QFETCH(QString, options);
    QFETCH(QString, classPath);
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    const ToolCommand cmd = JavaCommandLine::javac(binDir, options, classPath, "/home/u/my src/Hello.java");
    QCOMPARE(cmd.program, program);
    QCOMPARE(cmd.arguments, args);
    QCOMPARE(cmd.folder, QStringLiteral("/home/u/my src"));
}

void TestCompilerOutput::classPath_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("path");

    QTest::newRow("old default") << "C:\\;." << ".";
    QTest::newRow("old default, debugger spelling") << "c:\\;." << ".";
    QTest::newRow("semicolons") << "/lib/a.jar;/lib/b.jar;." << "/lib/a.jar:/lib/b.jar:.";
    QTest::newRow("colons kept") << " /lib/a.jar:. " << "/lib/a.jar:.";
}

void TestCompilerOutput::classPath()
{
    QFETCH(QString, setting);
    QFETCH(QString, path);
    QCOMPARE(JavaCommandLine::classPath(setting), path);
}

QTEST_APPLESS_MAIN(TestCompilerOutput)
#include "tst_compileroutput.moc"
