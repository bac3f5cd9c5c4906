#include "java/compile/CompilerOutput.h"
#include "java/process/JavaCommandLine.h"

#include <QtTest>

using Entries = QList<CompilerMessage>;

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
    void failedCompilerHasAnError();
    void javacCommand_data();
    void javacCommand();
};

void TestCompilerOutput::analyse_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<int>("count");

    QTest::newRow("old format") << "Hello.java:5: cannot resolve symbol\r\nsymbol  : method foo "
                                   "()\r\n        foo();\r\n1 error\r\n"
                                << Entries {{"5", " cannot resolve symbol"}} << 1;
    QTest::newRow("jdk 17: line between the first two colons, array type in a message")
        << "Hello.java:3: error: incompatible types: int cannot be converted to int[]\n"
           "    int[] x = 5;\n"
           "Hello.java:4: error: cannot find symbol\n"
           "  location: class Hello\n"
           "2 errors\n"
        << Entries {{"3", " error: incompatible types: int cannot be converted to int[]"},
                    {"4", " error: cannot find symbol"}}
        << 2;
    QTest::newRow("verbose lines are neither entries nor counts")
        << "[parsing started SimpleFileObject[/tmp/Hello.java]]\n"
           "[loading /modules/java.base/errors/3 errors.class]\n"
           "Hello.java:7: error: ';' expected\n"
           "[total 245ms]\n"
           "1 error\n"
        << Entries {{"7", " error: ';' expected"}} << 1;
    QTest::newRow("another file's message") << "Other.java:2: error: class X is public\n1 error\n"
                                            << Entries {} << 1;
    QTest::newRow("count only from a whole count line")
        << "note: 3 errors were hidden\n  12 errors  \nwarning: 1 error in a comment\n"
        << Entries {} << 12;
    QTest::newRow("lines with fewer colons")
        << "Note: Hello.java uses unchecked operations.\nHello.java:\nHello.java\n1 warning\n"
        << Entries {{"", " Hello.java uses unchecked operations."}, {"", ""}, {"", "Hello.java"}}
        << 0;
    QTest::newRow("empty output") << QString() << Entries {} << 0;
}

void TestCompilerOutput::analyse()
{
    QFETCH(QString, output);
    QFETCH(Entries, entries);
    QFETCH(int, count);
    const CompilerOutput::Result r =
        CompilerOutput::analyse(CompilerOutput::splitLines(output), "Hello.java");
    QCOMPARE(r.entries, entries);
    QCOMPARE(r.errorCount, count);
}

void TestCompilerOutput::failedCompilerHasAnError()
{
    QCOMPARE(CompilerOutput::errorCountAfterExit(0, 0, true), 0);
    QCOMPARE(CompilerOutput::errorCountAfterExit(0, 2, true), 1);
    QCOMPARE(CompilerOutput::errorCountAfterExit(4, 1, true), 4);
    QCOMPARE(CompilerOutput::errorCountAfterExit(0, 0, false), 1);
}

void TestCompilerOutput::javacCommand_data()
{
    QTest::addColumn<QString>("binDir");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("classPath");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");

    QTest::newRow("no options, no class path")
        << "/usr/lib/jvm/bin"
        << ""
        << "C:\\;."
        << "/usr/lib/jvm/bin/javac" << QStringList {"Hello.java"};
    QTest::newRow("options bring the class path")
        << "/usr/lib/jvm/bin/"
        << "-g -verbose"
        << "c:\\;."
        << "/usr/lib/jvm/bin/javac"
        << QStringList {"-g", "-verbose", "-classpath", ".", "Hello.java"};
    QTest::newRow("bare -g: dropped, ';' separates")
        << "/jdk/bin"
        << "-g: -nowarn "
        << "lib.jar;."
        << "/jdk/bin/javac" << QStringList {"-nowarn", "-classpath", "lib.jar:.", "Hello.java"};
    QTest::newRow("debug kinds kept, empty class path")
        << "/opt/my jdk\\bin"
        << "-g:lines,vars"
        << ""
        << "/opt/my jdk/bin/javac" << QStringList {"-g:lines,vars", "-classpath", "", "Hello.java"};
}

void TestCompilerOutput::javacCommand()
{
    QFETCH(QString, binDir);
    QFETCH(QString, options);
    QFETCH(QString, classPath);
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    const ToolCommand cmd =
        JavaCommandLine::javac(binDir, options, classPath, "/home/u/my src/Hello.java");
    QCOMPARE(cmd.program, program);
    QCOMPARE(cmd.arguments, args);
    QCOMPARE(cmd.folder, QStringLiteral("/home/u/my src"));
}

QTEST_APPLESS_MAIN(TestCompilerOutput)
#include "tst_compileroutput.moc"
