// The console window and its runner: line assembly, a conversation with a real Java
// program, two consoles at once, a program that cannot start.

#include "RunTestKit.h"
#include "java/run/ConsoleRunner.h"
#include "java/run/ConsoleWindow.h"

#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QStringList consoleLines(const TProgRunFrm &console)
{
    QStringList lines = console.RichEdit1->toPlainText().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the empty input line after the last output
    return lines;
}

// Prints, prompts without a line break, reads a line, answers with the bytes it got,
// and ends with output that has no line break.
const char *const Greeter = R"(import java.io.*;
public class Greeter {
    public static void main(String[] args) throws IOException {
        System.out.println("Hello from Java");
        System.out.print("Name: ");
        StringBuilder bytes = new StringBuilder();
        ByteArrayOutputStream line = new ByteArrayOutputStream();
        int b;
        while ((b = System.in.read()) >= 0) {
            bytes.append(' ').append(b);
            if (b == '\n') break;
            if (b != '\r') line.write(b);
        }
        System.out.println("Hi " + line.toString("UTF-8") + "!");
        System.out.println("Bytes:" + bytes);
        System.err.println("on stderr");
        System.out.print("bye");
    }
}
)";

// Answers each line with its working folder's name until it reads "quit".
const char *const Echo = R"(import java.io.*;
public class Echo {
    public static void main(String[] args) throws IOException {
        String me = new File(System.getProperty("user.dir")).getName();
        BufferedReader in = new BufferedReader(new InputStreamReader(System.in));
        System.out.println(me + " ready");
        for (String s; (s = in.readLine()) != null && !s.equals("quit"); )
            System.out.println(me + ": " + s);
    }
}
)";

void typeLine(TProgRunFrm &console, const QString &text)
{
    QTest::keyClicks(console.RichEdit1, text);
    QTest::keyClick(console.RichEdit1, Qt::Key_Return);
}

} // namespace

class TestConsole : public QObject
{
    Q_OBJECT
private slots:
    void lineAssembly_data();
    void lineAssembly();
    void partialLineTakenByTimerAndAtEnd();
    void conversationWithJava();
    void twoConsolesEachTalkToTheirOwnProgram();
    void programThatCannotStart();
};

void TestConsole::lineAssembly_data()
{
    QTest::addColumn<QStringList>("pieces");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("partial");

    QTest::newRow("CR LF") << QStringList {"one\r\n"} << QStringList {"one"} << "";
    QTest::newRow("LF as Java prints")
        << QStringList {"one\ntwo\n"} << QStringList {"one", "two"} << "";
    QTest::newRow("line over two reads")
        << QStringList {"hel", "lo\r", "\nwor"} << QStringList {"hello"} << "wor";
    QTest::newRow("blank lines not shown")
        << QStringList {"a\n\n   \r\nb\n"} << QStringList {"a", "b"} << "";
    QTest::newRow("lines trimmed") << QStringList {"  x \t\r\n"} << QStringList {"x"} << "";
    QTest::newRow("repeated line shown again")
        << QStringList {"same\n", "same\n"} << QStringList {"same", "same"} << "";
    QTest::newRow("prompt waits") << QStringList {"Name: "} << QStringList {} << "Name: ";
}

void TestConsole::lineAssembly()
{
    QFETCH(QStringList, pieces);
    QFETCH(QStringList, lines);
    QFETCH(QString, partial);

    TRunnerThread runner;
    QStringList shown;
    connect(&runner, &TRunnerThread::lineReady, this, [&](const QString &l) { shown << l; });
    for (const QString &piece : pieces)
        runner.feed(piece);
    QCOMPARE(shown, lines);
    QCOMPARE(runner.partialLine(), partial);
}

void TestConsole::partialLineTakenByTimerAndAtEnd()
{
    TRunnerThread runner;
    QStringList events;
    connect(&runner, &TRunnerThread::lineReady, this, [&](const QString &l) { events << l; });
    connect(&runner, &TRunnerThread::finished, this, [&] { events << QStringLiteral("<end>"); });

    runner.feed(QStringLiteral("  \r"));
    QCOMPARE(runner.takePartialLine(), QString()); // blank: left alone
    runner.feed(QStringLiteral(" Name: "));
    QCOMPARE(runner.takePartialLine(), QStringLiteral("  \r Name: "));
    QCOMPARE(runner.partialLine(), QString());

    runner.feed(QStringLiteral("done\nbye"));
    runner.finish();
    runner.finish();
    QCOMPARE(events, (QStringList {"done", "bye", "<end>"}));
    QVERIFY(runner.isFinished());
    QVERIFY(!runner.SendInputLine(QStringLiteral("late")));
}

void TestConsole::conversationWithJava()
{
    if (RunTestKit::jdkBinDir().isEmpty())
        QSKIP("no JDK");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString error = RunTestKit::compileJava(dir.path(), QStringLiteral("Greeter"), Greeter);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QWidget owner;
    TProgRunFrm console(&owner, QStringLiteral("Greeter.java"),
                        RunTestKit::jdkBinDir() + QStringLiteral("/java"),
                        {QStringLiteral("Greeter")}, dir.path());
    console.show();
    QCOMPARE(console.windowTitle(), QStringLiteral("Running file from: Greeter.java"));
    QVERIFY(console.Timer1->isActive());
    QCOMPARE(console.Timer1->interval(), 1000);

    // The prompt has no line break: the refresh timer shows it within about a second.
    QTRY_COMPARE_WITH_TIMEOUT(consoleLines(console), (QStringList {"Hello from Java", "Name: "}),
                              ProcessWait);
    QVERIFY(!console.Timer1->isActive());

    typeLine(console, QStringLiteral("Bob"));
    QVERIFY(console.Timer1->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(console.Finished(), ProcessWait);

    QCOMPARE(consoleLines(console),
             (QStringList {"Hello from Java", "Name: ", "Bob", "Hi Bob!", "Bytes: 66 111 98 13 10",
                           "on stderr", "bye", "Done!"}));
    QCOMPARE(console.windowTitle(), QStringLiteral("Finished!"));
}

void TestConsole::twoConsolesEachTalkToTheirOwnProgram()
{
    if (RunTestKit::jdkBinDir().isEmpty())
        QSKIP("no JDK");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString one = dir.filePath(QStringLiteral("one"));
    const QString two = dir.filePath(QStringLiteral("two"));
    QVERIFY(QDir().mkpath(one) && QDir().mkpath(two));
    QString error = RunTestKit::compileJava(one, QStringLiteral("Echo"), Echo);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(QFile::copy(one + QStringLiteral("/Echo.class"), two + QStringLiteral("/Echo.class")));

    const QString java = RunTestKit::jdkBinDir() + QStringLiteral("/java");
    QWidget owner;
    TProgRunFrm older(&owner, QStringLiteral("Echo.java"), java, {QStringLiteral("Echo")}, one);
    TProgRunFrm newer(&owner, QStringLiteral("Echo.java"), java, {QStringLiteral("Echo")}, two);
    QTRY_COMPARE_WITH_TIMEOUT(consoleLines(older), QStringList {"one ready"}, ProcessWait);
    QTRY_COMPARE_WITH_TIMEOUT(consoleLines(newer), QStringList {"two ready"}, ProcessWait);

    typeLine(older, QStringLiteral("to the first"));
    QTRY_COMPARE_WITH_TIMEOUT(consoleLines(older),
                              (QStringList {"one ready", "to the first", "one: to the first"}),
                              ProcessWait);
    typeLine(newer, QStringLiteral("to the second"));
    QTRY_COMPARE_WITH_TIMEOUT(consoleLines(newer),
                              (QStringList {"two ready", "to the second", "two: to the second"}),
                              ProcessWait);

    typeLine(older, QStringLiteral("quit"));
    QTRY_VERIFY_WITH_TIMEOUT(older.Finished(), ProcessWait);
    QVERIFY(!newer.Finished());
    typeLine(newer, QStringLiteral("quit"));
    QTRY_VERIFY_WITH_TIMEOUT(newer.Finished(), ProcessWait);
    QCOMPARE(consoleLines(older).last(), QStringLiteral("Done!"));
    QCOMPARE(consoleLines(newer).last(), QStringLiteral("Done!"));
}

void TestConsole::programThatCannotStart()
{
    QTemporaryDir dir;
    QWidget owner;
    TProgRunFrm console(&owner, QStringLiteral("Gone.java"),
                        dir.filePath(QStringLiteral("no-java")), {QStringLiteral("Gone")},
                        dir.path());
    QTRY_VERIFY_WITH_TIMEOUT(console.Finished(), ProcessWait);
    QCOMPARE(consoleLines(console), QStringList {"Done!"});
    QCOMPARE(console.windowTitle(), QStringLiteral("Finished!"));
}

QTEST_MAIN(TestConsole)
#include "tst_console.moc"
