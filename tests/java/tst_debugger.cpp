#include "RunTestKit.h"
#include "ShellFixture.h"
#include "app/Features.h"
#include "java/debug/BreakpointCommands.h"
#include "java/debug/BreakpointMarks.h"
#include "java/debug/CommandQueue.h"
#include "java/debug/DebugCommands.h"
#include "java/debug/DebugLogEdit.h"
#include "java/debug/Debugger.h"
#include "java/process/JavaCommandLine.h"
#include "java/process/ProcessRunner.h"
#include "settings/store/AppSettings.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

namespace {

const QByteArray hello = "public class Hello {\n"                         // 1
                         "    static int count = 0;\n"                    // 2
                         "\n"                                             // 3
                         "    public static void main(String[] args) {\n" // 4
                         "        for (int i = 0; i < 3; i++) {\n"        // 5
                         "            count = count + 3;\n"               // 6
                         "            System.out.println(\"count is \" + count);\n"
                         "        }\n"
                         "        System.out.println(\"done\");\n" // 9
                         "    }\n"
                         "}\n";

// A jdb of our own: records its arguments, its folder and, line by line, its standard input;
// prints jdb's greeting, answers "run", "dump" and "cont" in jdb's way and ends on "exit".
const QByteArray fakeJdb = R"SH(out="$(dirname "$0")"
printf '%s\n' "$@" > "$out/argv"
pwd > "$out/folder"
: > "$out/stdin"
printf 'Initializing jdb ...\n> '
n=0
while IFS= read -r line; do
  printf '%s\n' "$line" >> "$out/stdin"
  case "$line" in
    *"run Hello"*) printf 'VM Started: \nBreakpoint hit: "thread=main", Hello.main(), line=5 bci=3\n\nmain[1] ' ;;
    *dump*) n=$((n+1)); printf ' Hello.count = %s\nmain[1] ' "$n" ;;
    *cont*) printf '> \nBreakpoint hit: "thread=main", Hello.main(), line=9 bci=4\n\nmain[1] ' ;;
    *exit*) exit 0 ;;
  esac
done
)SH";

// A jdb that does not end on "exit" and has started a program of its own (its pid recorded).
const QByteArray stubbornJdb = R"SH(out="$(dirname "$0")"
echo $$ > "$out/jdbpid"
sleep 600 &
echo $! > "$out/child"
printf 'Initializing jdb ...\n'
while IFS= read -r line; do :; done
sleep 600
)SH";

// True while the process runs (a zombie counts as ended).
bool alive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray fields = stat.readAll();
    const qsizetype close = fields.lastIndexOf(')');
    return close > 0 && fields.mid(close + 2, 1) != "Z";
}

struct DebugFixture : ShellFixture {
    TEditForm *doc = nullptr;
    DebugCommands *debug = nullptr;
    BreakpointMarks *marks = nullptr;
    QString tools; // the fake JDK's bin folder

    DebugFixture() : ShellFixture("[Tips]\r\ndoShow=0\r\n")
    {
        start();
        debug = features().debugger;
        doc = main->LoadFile(write("my src/Hello.java", hello));
        write("my src/Hello.class", ""); // compiled: Start debugs at once
        marks = features().breakpoints->marksOf(doc->editor());
        tools = path("fake jdk/bin");
        QDir().mkpath(tools);
        setJava(tools);
    }

    void setJava(const QString &binDir, const QString &options = QString())
    {
        main->settings().setText(Settings::Key::JavaBinDir, binDir);
        main->settings().setText(Settings::Key::DebugGenOptions, options);
        // "ClassPathDir" left out: the debugger reads it as "c:\;.".
    }

    void tool(const QString &name, const QByteArray &body) const
    {
        QVERIFY(RunTestKit::writeScript(tools + u'/' + name, body));
    }
    QString recorded(const QString &name) const
    {
        return QString::fromUtf8(RunTestKit::readFile(tools + u'/' + name));
    }

    void breakpointAt(int line)
    {
        doc->editor()->setCaret(line, 1);
        marks->SetBreakpoint();
    }

    QString log() const { return debug->REDebugLog->toPlainText(); }
    QString pane() const { return debug->REDebugVar->toPlainText(); }
    // Start enabled, Next and Stop disabled.
    bool idle() const
    {
        return debug->SpeedButton41->isEnabled() && !debug->SpeedButton42->isEnabled()
            && !debug->SpeedButton3->isEnabled();
    }
    bool running() const
    {
        return !debug->SpeedButton41->isEnabled() && debug->SpeedButton42->isEnabled()
            && debug->SpeedButton3->isEnabled();
    }
    // The commands jdb received, as the fake recorded them.
    QString stdinText() const { return recorded("stdin"); }
};

} // namespace

class TestDebugger : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void commandQueue();
    void jdbCommand_data();
    void jdbCommand();
    void sessionWithFakeJdb();
    void typedCommandsAndTheRunsDocument();
    void startFailures();
    void compilesAModifiedDocumentFirst();
    void compilesWithoutACurrentClass();
    void exitThenKillAndClosingTheWindow();
    void realJdk();
};

void TestDebugger::initTestCase()
{
    // The pages and their texts before any run.
    DebugFixture f;
    QCOMPARE(f.debug->REDebugLog->parentWidget(), f.page(Page::Debugger));
    QCOMPARE(f.debug->REDebugVar->parentWidget(), f.page(Page::DebugVars));
    QCOMPARE(f.pane(), QStringLiteral("Debugger not running, not tracking vars."));
    QVERIFY(f.idle());
    QCOMPARE(f.debug->SpeedButton41->toolTip(), QStringLiteral("Start debugging"));
    QCOMPARE(f.debug->SpeedButton42->toolTip(), QStringLiteral("Next instruction"));
    QCOMPARE(f.debug->SpeedButton3->toolTip(), QStringLiteral("Stop execution"));
    QStringList popup;
    for (QAction *a : f.doc->popupMenu("Debugging1")->actions())
        popup << a->objectName();
    QCOMPARE(popup,
             (QStringList {"Startdebug1", "Stopdebug1", "Nextinstruction1", "Setbreakpoint1",
                           "Deletebreakpoint1", "Variabletracker1"}));
}

// Each command whole (trimmed, long ones too) with LF CR, one at a time, 500 ms apart.
void TestDebugger::commandQueue()
{
    QStringList writes;
    bool writable = true;
    CommandQueue queue([&](const QString &text) {
        writes << text;
        return writable;
    });
    QSignalSpy written(&queue, &CommandQueue::written);
    const QString longOne = "print " + QString(300, u'x');
    queue.send("  dump A.x \t");
    queue.send("");
    queue.send(longOne);
    QCOMPARE(writes, QStringList {"dump A.x\n\r"});
    QVERIFY(queue.timer()->isActive());
    QCOMPARE(queue.timer()->interval(), 500);
    QCOMPARE(queue.pending(), (QStringList {"", longOne}));

    queue.timer()->setInterval(1);
    QTRY_COMPARE(writes.size(), 3);
    QCOMPARE(writes.mid(1), (QStringList {"\n\r", longOne + "\n\r"}));
    QCOMPARE(written.count(), 3);
    QTRY_VERIFY(!queue.timer()->isActive()); // the pause after the last write is over

    // A failed write is reported; commands not yet written can be dropped.
    writable = false;
    queue.timer()->setInterval(60000);
    queue.send("cont");
    queue.send("exit");
    QCOMPARE(written.last(), (QVariantList {"cont", false}));
    queue.clear();
    QVERIFY(queue.pending().isEmpty());
}

void TestDebugger::jdbCommand_data()
{
    QTest::addColumn<QString>("binDir");
    QTest::addColumn<QString>("classPath");
    QTest::addColumn<QString>("mainClass");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("the old default class path")
        << "C:\\jdk\\bin"
        << "c:\\;."
        << "Hello"
        << "C:/jdk/bin/jdb" << QStringList {"-classpath", ".", "Hello"};
    QTest::newRow("entries, blanks")
        << "/opt/my jdk/bin/"
        << "lib/a b.jar;."
        << "Hello"
        << "/opt/my jdk/bin/jdb" << QStringList {"-classpath", "lib/a b.jar:.", "Hello"};
    QTest::newRow("no class path, no main class") << "/jdk/bin"
                                                  << ""
                                                  << ""
                                                  << "/jdk/bin/jdb" << QStringList {};
}

void TestDebugger::jdbCommand()
{
    QFETCH(QString, binDir);
    QFETCH(QString, classPath);
    QFETCH(QString, mainClass);
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    const ToolCommand cmd =
        JavaCommandLine::jdb(binDir, classPath, "/home/u/my src/Hello.java", mainClass);
    QCOMPARE(cmd.program, program);
    QCOMPARE(cmd.arguments, args);
    QCOMPARE(cmd.folder, QStringLiteral("/home/u/my src"));
}

void TestDebugger::sessionWithFakeJdb()
{
    DebugFixture f;
    f.tool("jdb", fakeJdb);
    // A breakpoint on 5, then bookmark 1 on 9: every mark is sent, in the order placed.
    f.breakpointAt(5);
    f.doc->editor()->setCaret(9, 1);
    f.marks->toggleBookmark(1);
    f.debug->setWatches(f.doc, {"Hello.count"});

    QStringList pendingAtInit;
    bool pausedAtInit = false;
    f.debug->SpeedButton41->click();
    TDebugger *debugger = f.debug->DebuggerThread();
    QVERIFY(debugger);
    QVERIFY(f.running());
    QCOMPARE(f.child<QTabWidget>("PageControl4")->currentWidget(), f.page(Page::Debugger));
    QCOMPARE(f.pane(),
             QStringLiteral("Debugger not running, not tracking vars.\n"
                            "[Debugger started, but no variabel information found yet]"));
    QTimer *pause = debugger->commands()->timer();
    QCOMPARE(pause->interval(), 500);
    QVERIFY(pause->isSingleShot());
    connect(debugger, &TDebugger::initializing, this, [&] {
        pendingAtInit = debugger->commands()->pending();
        pausedAtInit = pause->isActive();
        pause->setInterval(20);
    });

    // Another Start, from any binding, while it runs: nothing.
    f.main->action("Startdebug1")->trigger();
    f.doc->popupMenu("Debugging1")->actions().at(0)->trigger();
    QCOMPARE(f.debug->DebuggerThread(), debugger);

    const QString started = "dump Hello.count\n\rstop at Hello:5\n\rstop at Hello:9\n\rrun Hello\n";
    QTRY_COMPARE_WITH_TIMEOUT(f.stdinText(), started, ProcessWait);
    // The first written at once; the rest wait, each 500 ms after the one before.
    QCOMPARE(pendingAtInit, (QStringList {"stop at Hello:5", "stop at Hello:9", "run Hello"}));
    QVERIFY(pausedAtInit);
    QCOMPARE(f.recorded("argv"), QStringLiteral("-classpath\n.\nHello\n"));
    QCOMPARE(f.recorded("folder").trimmed(), QDir(f.path("my src")).canonicalPath());

    QTRY_VERIFY_WITH_TIMEOUT(f.log().contains("line=5 bci=3\nmain[1] \n"), ProcessWait);
    QVERIFY(f.log().startsWith("Initializing jdb ...\n"));
    QCOMPARE(f.pane(), QStringLiteral("Hello.count = 1")); // answered before run by our fake

    // Next instruction: the watches dumped, then "cont", in that order.
    f.debug->SpeedButton42->click();
    QTRY_COMPARE_WITH_TIMEOUT(f.stdinText(), started + "\rdump Hello.count\n\rcont\n", ProcessWait);
    QTRY_VERIFY_WITH_TIMEOUT(f.log().contains("line=9 bci=4"), ProcessWait);
    QCOMPARE(f.pane(), QStringLiteral("Hello.count = 1\nHello.count = 2"));
    f.main->action("Nextinstruction1")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(
        f.pane(), QStringLiteral("Hello.count = 1\nHello.count = 2\nHello.count = 3"), ProcessWait);
    QTRY_COMPARE_WITH_TIMEOUT(f.stdinText().count("cont"), 2, ProcessWait);

    // Stop: "exit", the run ends, the buttons go idle.
    f.debug->SpeedButton3->click();
    QVERIFY(f.idle());
    QTRY_VERIFY_WITH_TIMEOUT(debugger->isDone(), ProcessWait);
    QVERIFY(f.stdinText().endsWith("\rcont\n\rexit\n"));
    QVERIFY(f.log().endsWith("Debug session, done!\n"));
    QVERIFY(!debugger->killTimer()->isActive());
    QCOMPARE(f.pane(),
             QStringLiteral("Hello.count = 1\nHello.count = 2\nHello.count = 3\n"
                            "[Debugger has exited, no longer tracking vars]"));

    // "exit" goes to a running jdb only; a second run starts afresh.
    QSignalSpy written(debugger, &TDebugger::commandWritten);
    f.main->action("Stopdebug1")->trigger();
    QCOMPARE(written.count(), 0);
    f.main->action("Startdebug1")->trigger();
    QVERIFY(f.debug->DebuggerThread() != debugger);
    QVERIFY(!f.log().contains("Hello.count = 1"));
    QTRY_VERIFY_WITH_TIMEOUT(f.log().contains("main[1] "), ProcessWait);
    f.debug->SpeedButton3Click();
    QTRY_VERIFY_WITH_TIMEOUT(f.debug->DebuggerThread()->isDone(), ProcessWait);
}

void TestDebugger::typedCommandsAndTheRunsDocument()
{
    DebugFixture f;
    f.tool("jdb", fakeJdb);
    f.debug->setWatches(f.doc, {"Hello.count"});
    f.debug->SpeedButton41->click();
    TDebugger *debugger = f.debug->DebuggerThread();
    debugger->commands()->timer()->setInterval(20);
    QTRY_VERIFY_WITH_TIMEOUT(f.stdinText().contains("run Hello"), ProcessWait);
    // The prompt after "run" (the one after "dump" comes first).
    QTRY_VERIFY_WITH_TIMEOUT(f.log().endsWith("line=5 bci=3\nmain[1] \n"), ProcessWait);

    // The user types after the prompt, or on the empty line below it; Enter sends what was typed.
    DebugLogEdit *log = f.debug->REDebugLog;
    log->setFocus();
    log->moveCursor(QTextCursor::End);
    QTest::keyClick(log, Qt::Key_Up);
    QTest::keyClick(log, Qt::Key_End);
    QTest::keyClicks(log, "locals", Qt::NoModifier, 30);
    QTest::keyClick(log, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(f.stdinText().endsWith("\rlocals\n"), ProcessWait);
    QVERIFY(f.log().endsWith("main[1] locals\n"));
    QTest::keyClick(log, Qt::Key_Down);
    QTest::keyClicks(log, "where", Qt::NoModifier, 30);
    QTest::keyClick(log, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(f.stdinText().endsWith("\rlocals\n\rwhere\n"), ProcessWait);
    // A line ending a sentence after a prompt asks for a new prompt and sends nothing.
    log->insertPlainText("> Deferring breakpoint Hello:7.");
    QTest::keyClick(log, Qt::Key_Return);
    QVERIFY(log->toPlainText().endsWith("> Deferring breakpoint Hello:7.\nmain[1] \n"));

    // Another document comes to the front: the run still belongs to Hello.
    TEditForm *other = f.main->LoadFile(f.write("Other.java", "public class Other {}\n"));
    f.debug->setWatches(other, {"Other.x"});
    QCOMPARE(f.active(), other);
    f.debug->SpeedButton42->click();
    QTRY_VERIFY_WITH_TIMEOUT(f.stdinText().endsWith("\rdump Hello.count\n\rcont\n"), ProcessWait);
    QTRY_VERIFY_WITH_TIMEOUT(f.pane().endsWith("Hello.count = 2"), ProcessWait);

    // Hello closes: no watches any more, so Next only continues.
    QVERIFY(ShellFixture::closeWindow(f.doc));
    QTRY_VERIFY_WITH_TIMEOUT(!f.main->documentWindows().contains(f.doc), ProcessWait);
    f.debug->SpeedButton42->click();
    QTRY_VERIFY2_WITH_TIMEOUT(f.stdinText().endsWith("\rcont\n\rcont\n"), qPrintable(f.stdinText()),
                              ProcessWait);
    f.debug->SpeedButton3->click();
    QTRY_VERIFY_WITH_TIMEOUT(debugger->isDone(), ProcessWait);
}

void TestDebugger::startFailures()
{
    DebugFixture f; // no jdb in the Java folder
    f.debug->SpeedButton41->click();
    QTRY_VERIFY_WITH_TIMEOUT(f.debug->DebuggerThread()->isDone(), ProcessWait);
    QCOMPARE(f.log(),
             QStringLiteral("Could not start %1/jdb: the file does not exist\n"
                            "Debug session, done!\n")
                 .arg(f.tools));
    QVERIFY(f.idle());
    QVERIFY(f.pane().endsWith("[Debugger has exited, no longer tracking vars]"));
}

void TestDebugger::compilesAModifiedDocumentFirst()
{
    DebugFixture f;
    f.tool("jdb", fakeJdb);
    f.doc->SkrivUtTekst(" ");
    QVERIFY(f.doc->IsModified);

    // Errors: nothing starts.
    f.tool("javac", "echo 'Hello.java:4: error: cannot find symbol'\necho '1 error'\nexit 1");
    f.debug->SpeedButton41->click();
    QVERIFY(f.idle());
    QCOMPARE(f.log(), QStringLiteral("Compiling..\n"));
    f.debug->SpeedButton41->click(); // one run at a time, its compile included
    QTRY_VERIFY_WITH_TIMEOUT(f.log().contains("Can't continue"), ProcessWait);
    QCOMPARE(f.log(),
             QStringLiteral("Compiling..\nCan't continue debugger because of compiler errors..\n"));
    QCOMPARE(f.prompter.calls.size(), 1);
    QCOMPARE(f.prompter.calls.first().caption, QStringLiteral("Information"));
    QCOMPARE(f.prompter.calls.first().icon, Prompter::Information);
    QCOMPARE(f.prompter.calls.first().text,
             QStringLiteral("There were 1 errors in the compiled document. These errors have to "
                            "be corrected before the debugger can be run again. See the compiler "
                            "messages and compiler output tabs for more info about the errors "
                            "found."));
    QVERIFY(f.idle());
    QVERIFY(!f.debug->DebuggerThread());
    QVERIFY(!QFile::exists(f.tools + "/argv"));

    // A compiler that cannot start counts as an error. (The failed compile saved the
    // document: edited again, so that Start compiles it.)
    QFile::remove(f.tools + "/javac");
    f.prompter.calls.clear();
    f.doc->SkrivUtTekst(" ");
    f.debug->SpeedButton41->click();
    QTRY_COMPARE_WITH_TIMEOUT(f.prompter.calls.size(), 2, ProcessWait);
    QVERIFY(f.prompter.calls.at(1).text.startsWith("There were 1 errors"));
    QVERIFY(!f.debug->DebuggerThread());

    // No Java folder: the compile says so, and nothing starts.
    f.setJava(QString());
    f.prompter.calls.clear();
    f.doc->SkrivUtTekst(" ");
    f.debug->SpeedButton41->click();
    QCOMPARE(f.prompter.calls.size(), 1);
    QVERIFY(f.prompter.calls.first().text.startsWith("No javabin catalog defined"));
    QVERIFY(f.idle() && !f.debug->isBusy());

    // A clean compile goes on to jdb; the document was saved first.
    f.setJava(f.tools);
    f.tool("javac", "exit 0");
    f.doc->SkrivUtTekst(" ");
    f.debug->SpeedButton41->click();
    QTRY_VERIFY_WITH_TIMEOUT(f.debug->DebuggerThread(), ProcessWait);
    QVERIFY(!f.doc->IsModified);
    QVERIFY(f.log().startsWith("Compiling..\n"));
    QTRY_VERIFY_WITH_TIMEOUT(f.recorded("argv").endsWith("Hello\n"), ProcessWait);
    f.debug->SpeedButton3->click();
    QTRY_VERIFY_WITH_TIMEOUT(f.debug->DebuggerThread()->isDone(), ProcessWait);

    // A modified document whose save is cancelled: nothing starts.
    f.main->action("NyApplikasjonkode1")->trigger();
    TEditForm *untitled = f.active();
    untitled->SkrivUtTekst("public class X {}\n");
    QCOMPARE(f.active(), untitled);
    TDebugger *last = f.debug->DebuggerThread();
    f.debug->SpeedButton41->click();
    QVERIFY(f.idle() && !f.debug->isBusy());
    QCOMPARE(f.debug->DebuggerThread(), last);
}

// A document without a current class file (never compiled, or changed since) is compiled
// first; after a failed compile no Start debugs the class left from before.
void TestDebugger::compilesWithoutACurrentClass()
{
    DebugFixture f;
    f.tool("jdb", fakeJdb);
    const QString jdk = RunTestKit::jdkBinDir();
    f.tool("javac", jdk.isEmpty() ? ": > Hello.class" : "exec '" + jdk.toUtf8() + "/javac' \"$@\"");
    const QString classFile = f.path("my src/Hello.class");
    QVERIFY(QFile::remove(classFile));

    f.main->action("Startdebug1")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(f.log().startsWith("Compiling..\nInitializing jdb ...\n"),
                             ProcessWait);
    QVERIFY(QFile::exists(classFile));
    QCOMPARE(f.recorded("argv"), QStringLiteral("-classpath\n.\nHello\n"));
    f.main->action("Stopdebug1")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(f.debug->DebuggerThread()->isDone(), ProcessWait);

    QVERIFY(QFile::remove(f.tools + "/argv"));
    if (jdk.isEmpty())
        f.tool("javac", "echo 'Hello.java:1: error: class, interface, or enum expected'\nexit 1");
    f.doc->SkrivUtTekst("x"); // no longer Java
    for (int start = 1; start <= 2; ++start) {
        f.main->action("Startdebug1")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(f.prompter.calls.size(), start, ProcessWait);
        QVERIFY(f.prompter.calls.last().text.startsWith("There were "));
        QVERIFY(f.idle() && !f.debug->isBusy());
    }
    QVERIFY(!QFile::exists(f.tools + "/argv"));
}

void TestDebugger::exitThenKillAndClosingTheWindow()
{
    qint64 jdbPid = 0;
    qint64 childPid = 0;
    {
        DebugFixture f;
        f.tool("jdb", stubbornJdb);
        f.debug->SpeedButton41->click();
        TDebugger *debugger = f.debug->DebuggerThread();
        QTRY_VERIFY_WITH_TIMEOUT(f.log().contains("Initializing jdb ..."), ProcessWait);
        QTRY_VERIFY_WITH_TIMEOUT(!f.recorded("child").isEmpty(), ProcessWait);
        childPid = f.recorded("child").trimmed().toLongLong();
        jdbPid = f.recorded("jdbpid").trimmed().toLongLong();
        QVERIFY(alive(childPid) && alive(jdbPid));

        QCOMPARE(debugger->killTimer()->interval(), 3000);
        // Started by "exit", it is seen running however late the test looks; then it fires.
        debugger->killTimer()->setInterval(ProcessWait);
        debugger->commands()->timer()->setInterval(0);
        f.debug->SpeedButton3->click();
        QTRY_VERIFY_WITH_TIMEOUT(debugger->killTimer()->isActive(), ProcessWait); // "exit" written
        QVERIFY(debugger->isRunning());
        debugger->killTimer()->setInterval(0);
        debugger->killTimer()->start();
        QTRY_VERIFY_WITH_TIMEOUT(debugger->isDone(), ProcessWait);
        QTRY_VERIFY_WITH_TIMEOUT(!alive(childPid), ProcessWait);
        QVERIFY(!alive(jdbPid));
        QVERIFY(f.log().endsWith("Debug session, done!\n"));

        // Closing the main window ends a run still going, with its program.
        QFile::remove(f.tools + "/child");
        f.debug->SpeedButton41->click();
        QTRY_VERIFY_WITH_TIMEOUT(!f.recorded("child").isEmpty(), ProcessWait);
        childPid = f.recorded("child").trimmed().toLongLong();
        jdbPid = f.recorded("jdbpid").trimmed().toLongLong();
        QVERIFY(f.debug->DebuggerThread()->isRunning());
        f.main->close();
        f.main.reset();
    }
    QTRY_VERIFY_WITH_TIMEOUT(!alive(childPid), ProcessWait);
    QVERIFY(!alive(jdbPid));
}

void TestDebugger::realJdk()
{
    const QString bin = RunTestKit::jdkBinDir();
    if (bin.isEmpty() || !QFileInfo(bin + "/jdb").isExecutable())
        QSKIP("no JDK with jdb");
    DebugFixture f;
    f.setJava(bin, "-g");
    f.breakpointAt(6);
    f.debug->setWatches(f.doc, {"Hello.count"});
    f.doc->SkrivUtTekst("\n"); // modified: Start compiles it, with -g
    f.debug->SpeedButton41->click();
    // Each stop shows the place, on a line of its own. jdb writes "Breakpoint hit: " apart
    // from it, and the prompt its other thread writes for the empty command of a command's CR
    // may come between the two, taking "Breakpoint hit: " off the log with it.
    auto stops = [&f] { return f.log().count("Hello.main(), line="); };
    auto seen = [&f] { return (f.log() + "\n--- variables:\n" + f.pane()).toLocal8Bit(); };
    const int wait = ProcessWait;
    QTRY_VERIFY2_WITH_TIMEOUT(stops() == 1, seen().constData(), wait);
    QTRY_VERIFY2_WITH_TIMEOUT(f.log().endsWith("main[1] \n"), seen().constData(), wait);

    f.debug->SpeedButton42->click();
    QTRY_VERIFY2_WITH_TIMEOUT(f.pane().contains("Hello.count = 0"), seen().constData(), wait);
    QTRY_VERIFY2_WITH_TIMEOUT(stops() == 2, seen().constData(), wait);
    f.debug->SpeedButton42->click();
    QTRY_VERIFY2_WITH_TIMEOUT(f.pane().contains("Hello.count = 3"), seen().constData(), wait);
    QTRY_VERIFY2_WITH_TIMEOUT(stops() == 3, seen().constData(), wait);
    f.debug->SpeedButton42->click();
    QTRY_VERIFY2_WITH_TIMEOUT(f.log().contains("Debug session, done!"), seen().constData(), wait);
    QVERIFY2(f.log().contains("The application exited"), seen().constData());
    QCOMPARE(stops(), 3);
    QVERIFY(f.idle());
    QVERIFY(f.pane().startsWith("Hello.count = 0\nHello.count = 3\nHello.count = 6"));
}

QTEST_MAIN(TestDebugger)
#include "tst_debugger.moc"
