#include <QtTest>

#include "java/ProcessRunner.h"

class TestProcessRunner : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mergedOutputInOrder();
    void largeOutputInPiecesIntact();
    void multiByteCharacterNotSplit();
    void standardInputReceived();
    void silentChildAndExitCode();
    void folderAndArgumentsWithBlanks();
    void programThatCannotStart_data();
    void programThatCannotStart();
    void oneRunAtATime();
    void commandLineText_data();
    void commandLineText();

private:
    // A shell script in the tool folder; returns its path.
    QString tool(const QString &name, const QByteArray &body);
    // Runs to the end; returns false on a timeout.
    bool runToEnd(ProcessRunner &runner, const QString &program, const QStringList &args = {},
                  const QString &folder = QString());

    QTemporaryDir m_dir;
    QString m_tools;
};

void TestProcessRunner::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_tools = m_dir.path() + QStringLiteral("/fake java tools");
    QVERIFY(QDir().mkpath(m_tools));
}

QString TestProcessRunner::tool(const QString &name, const QByteArray &body)
{
    const QString path = m_tools + u'/' + name;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    f.write("#!/bin/sh\n" + body + "\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

bool TestProcessRunner::runToEnd(ProcessRunner &runner, const QString &program, const QStringList &args,
                                 const QString &folder)
{
    QSignalSpy finished(&runner, &ProcessRunner::finished);
    QSignalSpy failed(&runner, &ProcessRunner::failedToStart);
    if (!runner.start(program, args, folder))
        return false;
    QElapsedTimer timer;
    timer.start();
    while (finished.count() + failed.count() == 0 && timer.elapsed() < 20000)
        QTest::qWait(10);
    return finished.count() + failed.count() == 1;
}

void TestProcessRunner::mergedOutputInOrder()
{
    const QString t = tool("interleave", "echo out1\necho err1 >&2\necho out2\necho err2 >&2\necho out3");
    ProcessRunner runner;
    QVERIFY(runToEnd(runner, t));
    QCOMPARE(runner.output(), QStringLiteral("out1\nerr1\nout2\nerr2\nout3\n"));
}

void TestProcessRunner::largeOutputInPiecesIntact()
{
    const QString t = tool("big", "awk 'BEGIN { for (i = 0; i < 5000; i++) printf \"%c\", 97 + i % 26 }'");
    QString expected;
    for (int i = 0; i < 5000; ++i)
        expected += QChar(u'a' + i % 26);

    ProcessRunner runner;
    QCOMPARE(runner.readSize(), 50);
    QStringList pieces;
    connect(&runner, &ProcessRunner::outputReceived, this, [&](const QString &p) { pieces << p; });
    QVERIFY(runToEnd(runner, t));
    QCOMPARE(pieces.join(QString()), expected);
    QCOMPARE(runner.output(), expected);
    QVERIFY(pieces.size() >= 100);
    for (const QString &p : pieces)
        QVERIFY2(p.size() <= 50 && !p.isEmpty(), qPrintable(QString::number(p.size())));
}

void TestProcessRunner::multiByteCharacterNotSplit()
{
    const QString t = tool("utf8", "printf '\\303\\246\\303\\270\\303\\245'");   // "æøå"
    ProcessRunner runner;
    runner.setReadSize(1);
    QStringList pieces;
    connect(&runner, &ProcessRunner::outputReceived, this, [&](const QString &p) { pieces << p; });
    QVERIFY(runToEnd(runner, t));
    QCOMPARE(pieces, (QStringList{QStringLiteral("æ"), QStringLiteral("ø"), QStringLiteral("å")}));
}

void TestProcessRunner::standardInputReceived()
{
    const QString t = tool("echoer", "echo ready\nread line\necho \"got:$line\"");
    ProcessRunner runner;
    QSignalSpy finished(&runner, &ProcessRunner::finished);
    connect(&runner, &ProcessRunner::outputReceived, this, [&](const QString &p) {
        if (p.contains(QStringLiteral("ready")))
            QVERIFY(runner.write(QStringLiteral("hello there\r\n")));
    });
    QVERIFY(runner.start(t, {}, QString()));
    QVERIFY(finished.wait(20000));
    QCOMPARE(runner.output(), QStringLiteral("ready\ngot:hello there\r\n"));
    QVERIFY(!runner.write(QStringLiteral("late")));   // nobody listens any more
}

void TestProcessRunner::silentChildAndExitCode()
{
    const QString t = tool("quiet", "exit 3");
    ProcessRunner runner;
    QSignalSpy pieces(&runner, &ProcessRunner::outputReceived);
    QSignalSpy finished(&runner, &ProcessRunner::finished);
    QVERIFY(runToEnd(runner, t));
    QCOMPARE(runner.output(), QString());
    QCOMPARE(pieces.count(), 0);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), 3);
    QCOMPARE(finished.at(0).at(1).toBool(), true);
    QVERIFY(!runner.isRunning());
}

void TestProcessRunner::folderAndArgumentsWithBlanks()
{
    const QString t = tool("args", "pwd\nfor a in \"$@\"; do echo \"[$a]\"; done");
    ProcessRunner runner;
    QVERIFY(runToEnd(runner, t, {"-classpath", "my lib:.", "Hello World.java"}, m_tools));
    QCOMPARE(runner.output(), QDir(m_tools).canonicalPath()
                                  + QStringLiteral("\n[-classpath]\n[my lib:.]\n[Hello World.java]\n"));
}

void TestProcessRunner::programThatCannotStart_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << m_tools + "/javac" << QString() << "does not exist";
    QTest::newRow("not executable") << QString() << QString() << "not executable";
    QTest::newRow("missing folder") << QString() << m_tools + "/gone" << "folder";
}

void TestProcessRunner::programThatCannotStart()
{
    QFETCH(QString, program);
    QFETCH(QString, folder);
    QFETCH(QString, reason);
    if (program.isEmpty()) {
        program = tool("plain", "echo hi");
        if (folder.isEmpty())
            QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner);
    }

    ProcessRunner runner;
    QSignalSpy failed(&runner, &ProcessRunner::failedToStart);
    QSignalSpy finished(&runner, &ProcessRunner::finished);
    QVERIFY(runToEnd(runner, program, {}, folder));
    QCOMPARE(failed.count(), 1);
    QCOMPARE(finished.count(), 0);
    const QString message = failed.at(0).at(0).toString();
    QVERIFY2(message.contains(program) && message.contains(reason), qPrintable(message));
    QVERIFY(!runner.isRunning());
}

void TestProcessRunner::oneRunAtATime()
{
    const QString t = tool("slow", "read x\necho \"$x\"");
    ProcessRunner runner;
    QSignalSpy finished(&runner, &ProcessRunner::finished);
    QVERIFY(runner.start(t, {}, QString()));
    QVERIFY(runner.isRunning());
    QVERIFY(!runner.start(t, {}, QString()));
    runner.closeInput();
    QVERIFY(finished.wait(20000));
    QVERIFY(runToEnd(runner, tool("again", "echo again")));
    QCOMPARE(runner.output(), QStringLiteral("again\n"));
}

void TestProcessRunner::commandLineText_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("text");

    QTest::newRow("plain") << "/usr/bin/javac" << QStringList{"-g", "Hello.java"} << "/usr/bin/javac -g Hello.java";
    QTest::newRow("blanks and empty")
        << "/opt/my jdk/bin/javac" << QStringList{"-classpath", "", "A B.java"}
        << "\"/opt/my jdk/bin/javac\" -classpath \"\" \"A B.java\"";
    QTest::newRow("quote") << "x" << QStringList{"say \"hi\""} << "x \"say \\\"hi\\\"\"";
}

void TestProcessRunner::commandLineText()
{
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    QFETCH(QString, text);
    QCOMPARE(ProcessRunner::commandLineText(program, args), text);
}

QTEST_MAIN(TestProcessRunner)
#include "tst_processrunner.moc"
