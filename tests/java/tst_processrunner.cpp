#include "ProcessWait.h"
#include "java/process/ProcessRunner.h"

#include <QtTest>

// The runner against small fake tools (shell scripts in a folder with a blank in its name).
class TestProcessRunner : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mergedOutputInOrder();
    void largeOutputInPiecesIntact();
    void multiByteCharacterNotSplit();
    void standardInputReceived();
    void exitCodeAndOneRunAtATime();
    void folderAndArgumentsWithBlanks();
    void programThatCannotStart_data();
    void programThatCannotStart();

private:
    QString tool(const QString &name, const QByteArray &body);
    // Starts and waits for the end of the run; false on a timeout.
    bool run(ProcessRunner &runner, const QString &program, const QStringList &args = {},
             const QString &folder = QString());

    QTemporaryDir m_dir;
    QString m_tools;
};

void TestProcessRunner::initTestCase()
{
    m_tools = m_dir.path() + "/fake java tools";
    QVERIFY(QDir().mkpath(m_tools));
}

QString TestProcessRunner::tool(const QString &name, const QByteArray &body)
{
    QFile f(m_tools + u'/' + name);
    f.open(QIODevice::WriteOnly);
    f.write("#!/bin/sh\n" + body + "\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return f.fileName();
}

bool TestProcessRunner::run(ProcessRunner &runner, const QString &program, const QStringList &args,
                            const QString &folder)
{
    QSignalSpy finished(&runner, &ProcessRunner::finished);
    QSignalSpy failed(&runner, &ProcessRunner::failedToStart);
    if (!runner.start(program, args, folder))
        return false;
    QDeadlineTimer deadline(ProcessWait);
    while (finished.count() + failed.count() == 0 && !deadline.hasExpired())
        QTest::qWait(10);
    return finished.count() + failed.count() == 1;
}

void TestProcessRunner::mergedOutputInOrder()
{
    ProcessRunner runner;
    QVERIFY(
        run(runner,
            tool("interleave", "echo out1\necho err1 >&2\necho out2\necho err2 >&2\necho out3")));
    QCOMPARE(runner.output(), QStringLiteral("out1\nerr1\nout2\nerr2\nout3\n"));
}

void TestProcessRunner::largeOutputInPiecesIntact()
{
    QString expected;
    for (int i = 0; i < 5000; ++i)
        expected += QChar(u'a' + i % 26);
    ProcessRunner runner;
    QCOMPARE(runner.readSize(), 50);
    QStringList pieces;
    connect(&runner, &ProcessRunner::outputReceived, this, [&](const QString &p) { pieces << p; });
    QVERIFY(
        run(runner,
            tool("big", "awk 'BEGIN { for (i = 0; i < 5000; i++) printf \"%c\", 97 + i % 26 }'")));
    QCOMPARE(pieces.join(QString()), expected);
    QCOMPARE(runner.output(), expected);
    QVERIFY(pieces.size() >= 100);
    for (const QString &p : pieces)
        QVERIFY(p.size() <= 50 && !p.isEmpty());
}

void TestProcessRunner::multiByteCharacterNotSplit()
{
    ProcessRunner runner;
    runner.setReadSize(1);
    QStringList pieces;
    connect(&runner, &ProcessRunner::outputReceived, this, [&](const QString &p) { pieces << p; });
    QVERIFY(run(runner, tool("utf8", "printf '\\303\\246\\303\\270'"))); // "æø"
    QCOMPARE(pieces, (QStringList {QStringLiteral("æ"), QStringLiteral("ø")}));
}

void TestProcessRunner::standardInputReceived()
{
    ProcessRunner runner;
    connect(&runner, &ProcessRunner::outputReceived, this, [&](const QString &p) {
        if (p.contains("ready"))
            runner.write("hello there\r\n");
    });
    QVERIFY(run(runner, tool("echoer", "echo ready\nread line\necho \"got:$line\"")));
    QCOMPARE(runner.output(), QStringLiteral("ready\ngot:hello there\r\n"));
}

void TestProcessRunner::exitCodeAndOneRunAtATime()
{
    ProcessRunner runner;
    QSignalSpy finished(&runner, &ProcessRunner::finished);
    QVERIFY(runner.start(tool("waiting", "read x\nexit 3"), {}, QString()));
    QVERIFY(runner.isRunning());
    QVERIFY(!runner.start(tool("other", "echo other"), {}, QString()));
    runner.closeInput();
    QVERIFY(finished.wait(ProcessWait));
    QCOMPARE(finished.at(0), (QVariantList {3, true}));
    QCOMPARE(runner.output(), QString());
    QVERIFY(run(runner, m_tools + "/other")); // free again
    QCOMPARE(runner.output(), QStringLiteral("other\n"));
}

void TestProcessRunner::folderAndArgumentsWithBlanks()
{
    ProcessRunner runner;
    QVERIFY(run(runner, tool("args", "pwd\nfor a in \"$@\"; do echo \"[$a]\"; done"),
                {"-classpath", "my lib:.", "Hello World.java"}, m_tools));
    QCOMPARE(runner.output(),
             QDir(m_tools).canonicalPath() + "\n[-classpath]\n[my lib:.]\n[Hello World.java]\n");
    QCOMPARE(runner.commandLine(),
             '"' + m_tools + "/args\" -classpath \"my lib:.\" \"Hello World.java\"");
}

void TestProcessRunner::programThatCannotStart_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << m_tools + "/javac" << QString() << "does not exist";
    QTest::newRow("not executable") << QString() << QString() << "not executable";
    QTest::newRow("missing folder") << QString() << m_tools + "/gone"
                                    << "folder";
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
    QVERIFY(run(runner, program, {}, folder));
    QCOMPARE(finished.count(), 0);
    const QString message = failed.value(0).value(0).toString();
    QVERIFY2(message.contains(program) && message.contains(reason), qPrintable(message));
    QVERIFY(!runner.isRunning());
}

QTEST_MAIN(TestProcessRunner)
#include "tst_processrunner.moc"
