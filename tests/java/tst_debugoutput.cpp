#include "java/debug/DebugLogEdit.h"
#include "java/debug/DebugLogInput.h"
#include "java/debug/DebugVarsPane.h"
#include "java/debug/DebugVarsScanner.h"
#include "java/debug/JdbOutputReader.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QWidget>
#include <QtTest>

using Event = JdbOutputReader::Event;

namespace {

// jdb 17 on Linux debugging Hello (a breakpoint in a loop adding 3 to the static count, a
// static Point pt), as the editor drives it: every command ends in LF CR, so prompts come
// twice. The program's output shares the pipe ("count is 6" lands on a prompt line).
const char *const session =
    "Initializing jdb ...\n"
    "> Command 'dump' is not valid until the VM is started with the 'run' command\n"
    "> > Command 'dump' is not valid until the VM is started with the 'run' command\n"
    "> > Deferring breakpoint Hello:7.\n"
    "It will be set after the class is loaded.\n"
    "> > run  Hello\n"
    "Set uncaught java.lang.Throwable\n"
    "Set deferred uncaught java.lang.Throwable\n"
    "> > \n"
    "VM Started: Set deferred breakpoint Hello:7\n"
    "\n"
    "Breakpoint hit: \"thread=main\", Hello.main(), line=7 bci=7\n"
    "7                count = count + 3;\n"
    "\n"
    "main[1] main[1]  Hello.count = 0\n"
    "main[1] main[1]  Hello.pt = {\n"
    "    x: 1\n"
    "    y: 2\n"
    "}\n"
    "main[1] > > count is 3\n"
    "\n"
    "Breakpoint hit: \"thread=main\", Hello.main(), line=7 bci=7\n"
    "7                count = count + 3;\n"
    "\n"
    "main[1] main[1]  Hello.count = 3\n"
    "main[1] main[1]  Hello.pt = {\n"
    "    x: 1\n"
    "    y: 2\n"
    "}\n"
    "main[1] > count is 6\n"
    "> \n"
    "Breakpoint hit: \"thread=main\", Hello.main(), line=7 bci=7\n"
    "7                count = count + 3;\n"
    "\n"
    "main[1] Method arguments:\n"
    "args = instance of java.lang.String[0] (id=510)\n"
    "Local variables:\n"
    "i = 2\n"
    "main[1] main[1] > count is 9\n"
    "> \n"
    "The application exited\n";

const QStringList sessionLog {
    "Initializing jdb ...",
    "> Command 'dump' is not valid until the VM is started with the 'run' command",
    ">  Command 'dump' is not valid until the VM is started with the 'run' command",
    ">  Deferring breakpoint Hello:7.",
    "It will be set after the class is loaded.",
    ">  run  Hello",
    "Set uncaught java.lang.Throwable",
    "Set deferred uncaught java.lang.Throwable",
    ">",
    "VM Started: Set deferred breakpoint Hello:7",
    "Breakpoint hit: \"thread=main\", Hello.main(), line=7 bci=7",
    "7                count = count + 3;",
    "main[1] ",
    "main[1] ",
    "Hello.count = 0",
    "main[1] ",
    "main[1] ",
    "Hello.pt = {",
    "x: 1",
    "y: 2",
    "}",
    "main[1] ",
    ">  count is 3",
    "Breakpoint hit: \"thread=main\", Hello.main(), line=7 bci=7",
    "7                count = count + 3;",
    "main[1] ",
    "main[1] ",
    "Hello.count = 3",
    "main[1] ",
    "main[1] ",
    "Hello.pt = {",
    "x: 1",
    "y: 2",
    "}",
    "main[1] ",
    "> count is 6",
    ">",
    "Breakpoint hit: \"thread=main\", Hello.main(), line=7 bci=7",
    "7                count = count + 3;",
    "main[1] ",
    "Method arguments:",
    "args = instance of java.lang.String[0] (id=510)",
    "Local variables:",
    "i = 2",
    "main[1] ",
    "main[1] ",
    "> count is 9",
    ">",
    "The application exited",
};

// Both dumps seen: the object ends at its "}" and the next values follow.
const QStringList sessionPane {"Hello.count = 0", "Hello.pt = {", "x: 1", "y: 2", "}",
                               "Hello.count = 3", "Hello.pt = {", "x: 1", "y: 2", "}"};

QStringList linesOf(const QList<Event> &events)
{
    QStringList lines;
    for (const Event &e : events)
        if (e.kind != Event::Initializing)
            lines << e.text;
    return lines;
}

} // namespace

class TestDebugOutput : public QObject
{
    Q_OBJECT
private slots:
    void readerRules_data();
    void readerRules();
    void readerLongLine();
    void logAndPaneAtEverySplitPoint();
    void paneScan_data();
    void paneScan();
    void paneFollowsTheLog();
    void typedCommand_data();
    void typedCommand();
    void logLinesAndTyping();
};

void TestDebugOutput::readerRules_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("lines"); // "!init" marks the init event
    QTest::addColumn<QString>("pending");

    QTest::newRow("prompt at once") << "main[1]" << QStringList {"main[1] "} << "";
    QTest::newRow("prompt after text")
        << "Step completed: main[1]" << QStringList {"main[1] "} << "";
    QTest::newRow("prompt with > is text") << "> main[1] x\n" << QStringList {"> main[1] x"} << "";
    QTest::newRow("other thread's prompt waits")
        << "Thread-0[1] " << QStringList {} << "Thread-0[1] ";
    QTest::newRow("CR, LF and blank lines") << "a\r\n\n  \nb\r" << QStringList {"a", "b"} << "";
    QTest::newRow("double prompt alone") << "> > \n" << QStringList {">"} << "";
    QTest::newRow("double prompt inside") << "x > > y > > z\n" << QStringList {">  y > > z"} << "";
    QTest::newRow("init without blank") << "Initializing jdb...\n"
                                        << QStringList {"Initializing jdb...", "!init"} << "";
    QTest::newRow("init not yet ended")
        << "Initializing jdb ..." << QStringList {} << "Initializing jdb ...";
    QTest::newRow("program output splits a line")
        << "Breakpoint hit: count is 6\n"
        << QStringList {"Breakpoint hit: count is 6"} << "";
    QTest::newRow("text then prompt")
        << "abc\nmain[1] main[1] tail" << QStringList {"abc", "main[1] ", "main[1] "} << " tail";
    QTest::newRow("brackets before the prompt")
        << "[1, 2] [main[1]x]main[1]" << QStringList {"main[1] ", "main[1] "} << "";
    QTest::newRow("> after a prompt, prompts after a >")
        << "main[1]>main[1] main[1]" << QStringList {"main[1] "} << ">main[1] main[1]";
    QTest::newRow("> forgotten at the line end")
        << "a > b\nmain[1]" << QStringList {"a > b", "main[1] "} << "";
}

// One line of output of a megabyte (a big array printed) is read in linear time.
void TestDebugOutput::readerLongLine()
{
    const QString line =
        QStringLiteral("[1, 2]").repeated((1 << 20) / 6) + QStringLiteral("main[1]");
    JdbOutputReader reader;
    QList<Event> events;
    QElapsedTimer timer;
    timer.start();
    reader.feed(line, events);
    QCOMPARE_LT(timer.elapsed(), 1000);
    QVERIFY(events == QList<Event>({{Event::Prompt, "main[1] "}}));
}

void TestDebugOutput::readerRules()
{
    QFETCH(QString, input);
    QFETCH(QStringList, lines);
    QFETCH(QString, pending);
    JdbOutputReader reader;
    QList<Event> events;
    reader.feed(input, events);
    QStringList got;
    for (const Event &e : events)
        got << (e.kind == Event::Initializing ? QStringLiteral("!init") : e.text);
    QCOMPARE(got, lines);
    QCOMPARE(reader.FLine(), pending);
}

// The debugger's path for jdb's output: the reader, the log taking each burst's lines at
// once, the pane rebuilt after each burst. A burst may end anywhere.
void TestDebugOutput::logAndPaneAtEverySplitPoint()
{
    const QString text = QString::fromLatin1(session);
    const QStringList watches {"Hello.count", "Hello.pt"};
    QWidget host;
    DebugLogEdit log(&host);
    DebugVarsPane pane(&log, &host);
    const QString expectedLog = sessionLog.join(u'\n') + u'\n';
    const QString expectedPane = sessionPane.join(u'\n');
    for (int split = 0; split <= text.size(); ++split) {
        log.clear();
        JdbOutputReader reader;
        for (const QString &burst : {text.left(split), text.mid(split)}) {
            QList<Event> events;
            reader.feed(burst, events);
            log.addLines(linesOf(events));
            pane.rebuild(watches);
        }
        QCOMPARE(log.toPlainText(), expectedLog);
        QCOMPARE(pane.REDebugVar->toPlainText(), expectedPane);
    }
}

void TestDebugOutput::paneScan_data()
{
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QStringList>("watches");
    QTest::addColumn<QStringList>("pane");

    const QStringList count {"Hello.count"};
    QTest::newRow("primitive") << QStringList {"Hello.count = 3"} << count
                               << QStringList {"Hello.count = 3"};
    QTest::newRow("from the character before the watch")
        << QStringList {"main[1]  Hello.count = 3", "xyHello.count = 4"} << count
        << QStringList {"Hello.count = 3", "yHello.count = 4"};
    QTest::newRow("no blank-equals-blank, no match")
        << QStringList {"dump Hello.count", "Hello.count=3", "Hello.counter = 1"} << count
        << QStringList {};
    QTest::newRow("every watch of a line, in watch order")
        << QStringList {"A.y = 1 A.x = 2"} << QStringList {"A.x", "A.y"}
        << QStringList {"A.x = 2", "A.y = 1 A.x = 2"};
    QTest::newRow("object lines unchanged up to its brace, then on")
        << QStringList {"Hello.pt = {", "    x: 1", "}", "other", "Hello.count = 5"}
        << QStringList {"Hello.pt", "Hello.count"}
        << QStringList {"Hello.pt = {", "    x: 1", "}", "Hello.count = 5"};
    QTest::newRow("no watches") << QStringList {"Hello.count = 3"} << QStringList {}
                                << QStringList {};
}

void TestDebugOutput::paneScan()
{
    QFETCH(QStringList, log);
    QFETCH(QStringList, watches);
    QFETCH(QStringList, pane);
    QCOMPARE(DebugVarsScanner::scan(log, watches), pane);
}

// A rebuild reads what was added; a change above it, a cleared log or other watches make it
// read the whole log again; a line of the pane's own lasts until the next rebuild.
void TestDebugOutput::paneFollowsTheLog()
{
    QWidget host;
    DebugLogEdit log(&host);
    DebugVarsPane pane(&log, &host);
    QCOMPARE(pane.REDebugVar->toPlainText(),
             QStringLiteral("Debugger not running, not tracking vars."));
    QVERIFY(pane.REDebugVar->isReadOnly());

    pane.addLine("[started]");
    QCOMPARE(pane.REDebugVar->toPlainText(),
             QStringLiteral("Debugger not running, not tracking vars.\n[started]"));
    log.addLines({"A.x = 1"});
    pane.rebuild({"A.x"});
    QCOMPARE(pane.REDebugVar->toPlainText(), QStringLiteral("A.x = 1"));
    log.addLines({"A.x = 2", "A.y = 7"});
    pane.rebuild({"A.x"});
    QCOMPARE(pane.REDebugVar->toPlainText(), QStringLiteral("A.x = 1\nA.x = 2"));
    pane.rebuild({"A.x", "A.y"});
    QCOMPARE(pane.REDebugVar->toPlainText(), QStringLiteral("A.x = 1\nA.x = 2\nA.y = 7"));

    // The user edits the first line of the log.
    QTextCursor cursor(log.document());
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText("0");
    pane.rebuild({"A.x", "A.y"});
    QCOMPARE(pane.REDebugVar->toPlainText(), QStringLiteral("A.x = 10\nA.x = 2\nA.y = 7"));

    // Typing on the last line is no log line yet.
    log.moveCursor(QTextCursor::End);
    log.insertPlainText("A.x = 9");
    pane.rebuild({"A.x", "A.y"});
    QCOMPARE(pane.REDebugVar->toPlainText(), QStringLiteral("A.x = 10\nA.x = 2\nA.y = 7"));

    log.clear();
    pane.rebuild({"A.x"});
    QCOMPARE(pane.REDebugVar->toPlainText(), QString());
    log.addLines({"A.x = 3"});
    pane.rebuild({"A.x"});
    QCOMPARE(pane.REDebugVar->toPlainText(), QStringLiteral("A.x = 3"));
}

void TestDebugOutput::typedCommand_data()
{
    QTest::addColumn<QString>("lastLine");
    QTest::addColumn<bool>("newPrompt");
    QTest::addColumn<QString>("command");

    QTest::newRow("typed alone") << "locals" << false << "locals";
    QTest::newRow("after the prompt") << "main[1] locals" << false << "locals";
    QTest::newRow("after a thread's prompt") << "Thread-0[1] where " << false << "where";
    QTest::newRow("empty line: the line end alone") << "" << false << "";
    QTest::newRow("a bare prompt is sent whole") << "main[1] " << false << "main[1]";
    QTest::newRow("dotted text without a prompt")
        << "print Hello.count" << false << "print Hello.count";
    QTest::newRow("prompt and sentence end: a new prompt")
        << "> Deferring breakpoint Hello:7." << true << "";
    QTest::newRow("after three dots") << "> Initializing jdb ...where" << false << "where";
    QTest::newRow("two dots: from the third character") << ">..cont" << false << ".cont";
    QTest::newRow("after the first dot") << "> Hello.count" << false << "count";
}

void TestDebugOutput::typedCommand()
{
    QFETCH(QString, lastLine);
    QFETCH(bool, newPrompt);
    QFETCH(QString, command);
    const DebugLogInput::Typed typed = DebugLogInput::typedCommand(lastLine);
    QCOMPARE(typed.action == DebugLogInput::Typed::NewPrompt, newPrompt);
    QCOMPARE(typed.command, command);
}

void TestDebugOutput::logLinesAndTyping()
{
    DebugLogEdit log;
    log.show();
    QVERIFY(QTest::qWaitForWindowExposed(&log));
    QCOMPARE(log.objectName(), QStringLiteral("REDebugLog"));
    QSignalSpy enter(&log, &DebugLogEdit::returnPressed);

    log.addLines({"Initializing jdb ...", "main[1] "});
    QCOMPARE(log.toPlainText(), QStringLiteral("Initializing jdb ...\nmain[1] \n"));
    QCOMPARE(log.lastLine(), QString());

    log.setFocus();
    QTest::keyClicks(&log, "lo");
    QTest::keyClick(&log, Qt::Key_Tab);
    QTest::keyClicks(&log, "cals");
    QTest::keyClick(&log, Qt::Key_Return);
    QTest::keyClick(&log, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(enter.count(), 2);
    QCOMPARE(log.lastLine(), QStringLiteral("lo\tcals")); // no line break typed

    // The next lines start on a line of their own.
    log.addLines({"i = 2"});
    QCOMPARE(log.toPlainText(),
             QStringLiteral("Initializing jdb ...\nmain[1] \nlo\tcals\ni = 2\n"));
    QCOMPARE(log.textCursor().position(), log.toPlainText().size());
}

QTEST_MAIN(TestDebugOutput)
#include "tst_debugoutput.moc"
