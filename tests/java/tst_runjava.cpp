// Running a document: program or applet, console or terminal, the applet page, a missing
// java, with fake JDK tools (shell scripts) where the real ones are not needed.

#include "FakePrompter.h"
#include "FakeShell.h"
#include "RunTestKit.h"
#include "java/run/AppletPageRun.h"
#include "java/run/ConsoleWindow.h"
#include "java/run/RunJava.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const char *const ProgramText =
    "public class Hello {\n    public static void main(String[] a) {}\n}\n";
const char *const AppletText = "public class Hello extends java.applet.Applet {\n}\n";
} // namespace

class TestRunJava : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void programOrApplet_data();
    void programOrApplet();
    void appletPage_data();
    void appletPage();
    void appletPageThatCannotBeWritten();
    void javaMissing_data();
    void javaMissing();
    void consoleOrTerminal_data();
    void consoleOrTerminal();

private:
    QString makeJdk(bool withJava, bool withAppletViewer);

    QTemporaryDir *m_dir = nullptr;
    QString m_docFolder;
    QWidget *m_owner = nullptr;
};

void TestRunJava::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    m_docFolder = m_dir->filePath(QStringLiteral("doc folder"));
    QVERIFY(QDir().mkpath(m_docFolder));
    m_owner = new QWidget;
}

void TestRunJava::cleanup()
{
    delete m_owner;
    delete m_dir;
}

// A fake JDK folder: "java" answers with its folder and arguments, "appletviewer" records
// its folder, arguments and the page it was given.
QString TestRunJava::makeJdk(bool withJava, bool withAppletViewer)
{
    const QString bin = m_dir->filePath(QStringLiteral("jdk/bin"));
    QDir().mkpath(bin);
    if (withJava)
        RunTestKit::writeScript(bin + QStringLiteral("/java"), "echo \"$(pwd) | $*\"\n");
    if (withAppletViewer)
        RunTestKit::writeScript(
            bin + QStringLiteral("/appletviewer"),
            "pwd > \"$0.log\"; echo \"$@\" >> \"$0.log\"; cat \"$1\" > \"$0.page\"\n");
    return bin;
}

void TestRunJava::programOrApplet_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("program");
    QTest::newRow("public static void main") << ProgramText << true;
    QTest::newRow("main at the start of a line")
        << "class A {\nvoid\nmain(String[] a) {}\n}" << false;
    QTest::newRow("void main( without blank") << "class A { void\tmain(String[] a) {} }" << false;
    QTest::newRow("blank before the bracket")
        << "class A { public static void main (String[] a) {} }" << true;
    QTest::newRow("blanks and a tab before the bracket")
        << "class A { public static void main \t (String[] a) {} }" << true;
    QTest::newRow("a longer name") << "class A { void mainly(int x) {} }" << false;
    QTest::newRow("main without bracket") << "class A { int main ; }" << false;
    QTest::newRow("applet class") << AppletText << false;
    QTest::newRow("empty") << "" << false;
}

void TestRunJava::programOrApplet()
{
    QFETCH(QString, text);
    QFETCH(bool, program);
    QCOMPARE(RunJava::FinnesMainFunc(text), program);
}

void TestRunJava::appletPage_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("pageName");
    QTest::newRow("no page yet") << QStringList {} << "tmp.htm";
    QTest::newRow("user's tmp.htm") << QStringList {"tmp.htm"} << "tmp1.htm";
    QTest::newRow("tmp.htm and tmp1.htm") << QStringList {"tmp.htm", "tmp1.htm"} << "tmp2.htm";
}

void TestRunJava::appletPage()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, pageName);
    for (const QString &name : existing)
        QVERIFY(RunTestKit::writeFile(m_docFolder + u'/' + name, "<p>the user's own page</p>\n"));

    FakeShell shell;
    FakePrompter prompter;
    RunJava runJava(m_owner, shell, prompter);
    const QString jdk = makeJdk(false, true);
    const RunJava::Result result =
        runJava.run(m_docFolder + QStringLiteral("/Hello.java"), AppletText, {jdk, {}, true},
                    RunJava::Origin::CompileAndRun);
    QVERIFY(result.applet);
    QVERIFY(!result.console && !result.terminal);
    QPointer<AppletPageRun> run = result.applet;
    QSignalSpy finished(run.data(), &AppletPageRun::finished);
    QVERIFY(finished.wait(ProcessWait));

    const QByteArray expectedPage =
        "<applet code=\"Hello.class\" width=\"500\" height=\"500\"></applet>\r\n";
    QCOMPARE(RunTestKit::readFile(jdk + QStringLiteral("/appletviewer.page")), expectedPage);
    QCOMPARE(
        QString::fromLocal8Bit(RunTestKit::readFile(jdk + QStringLiteral("/appletviewer.log"))),
        m_docFolder + u'\n' + pageName + u'\n');
    QVERIFY(!QFile::exists(m_docFolder + u'/' + pageName));
    for (const QString &name : existing)
        QCOMPARE(RunTestKit::readFile(m_docFolder + u'/' + name),
                 QByteArray("<p>the user's own page</p>\n"));
    QTRY_VERIFY(run.isNull()); // the run cleans up after itself
    QVERIFY(prompter.calls.isEmpty());
}

void TestRunJava::appletPageThatCannotBeWritten()
{
    FakeShell shell;
    FakePrompter prompter;
    RunJava runJava(m_owner, shell, prompter);
    const QString jdk = makeJdk(false, true);
    const RunJava::Result result =
        runJava.run(m_dir->filePath(QStringLiteral("gone/Hello.java")), AppletText,
                    {jdk, {}, false}, RunJava::Origin::RunCommand);
    QVERIFY(!result.applet);
    QCOMPARE(prompter.calls.size(), 1);
    QCOMPARE(prompter.calls.first().icon, Prompter::Error);
    QVERIFY(prompter.calls.first().text.startsWith(
        QStringLiteral("Could not write the applet page in ")));
    QTest::qWait(200);
    QVERIFY(!QFile::exists(jdk + QStringLiteral("/appletviewer.log")));
}

void TestRunJava::javaMissing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("emptySetting");
    QTest::addColumn<QString>("message");
    const QString noCatalog = QStringLiteral(
        "No javabin catalog defined, don't know where to look for java. Please specify the javabin "
        "catalog (can be found under Edit->Options->Compiler)!");
    const QString noJava = QStringLiteral(
        "There is no java program in the javabin catalog %1. Please check the javabin catalog (can "
        "be found under Edit->Options->Compiler)!");
    QTest::newRow("program, no catalog") << ProgramText << true << noCatalog;
    QTest::newRow("applet, folder without java") << AppletText << false << noJava;
}

void TestRunJava::javaMissing()
{
    QFETCH(QString, text);
    QFETCH(bool, emptySetting);
    QFETCH(QString, message);
    FakeShell shell;
    FakePrompter prompter;
    RunJava runJava(m_owner, shell, prompter);
    const QString bin = emptySetting ? QString() : makeJdk(false, false);
    const RunJava::Result result = runJava.run(m_docFolder + QStringLiteral("/Hello.java"), text,
                                               {bin, {}, true}, RunJava::Origin::CompileAndRun);
    QVERIFY(!result.console && !result.applet && !result.terminal);
    QVERIFY(shell.calls.isEmpty());
    QCOMPARE(prompter.calls.size(), 1);
    QCOMPARE(prompter.calls.first().caption, QStringLiteral("Information"));
    QCOMPARE(prompter.calls.first().text, message.contains(u'%') ? message.arg(bin) : message);
    QVERIFY(!QFile::exists(m_docFolder + QStringLiteral("/tmp.htm")));
}

void TestRunJava::consoleOrTerminal_data()
{
    QTest::addColumn<bool>("compileAndRun");
    QTest::addColumn<bool>("dosWindow");
    QTest::addColumn<bool>("terminal");
    QTest::newRow("Run, setting off") << false << false << false;
    QTest::newRow("Run, setting on") << false << true << false;
    QTest::newRow("Compile and run, setting off") << true << false << false;
    QTest::newRow("Compile and run, setting on") << true << true << true;
}

void TestRunJava::consoleOrTerminal()
{
    QFETCH(bool, compileAndRun);
    QFETCH(bool, dosWindow);
    QFETCH(bool, terminal);
    FakeShell shell;
    FakePrompter prompter;
    RunJava runJava(m_owner, shell, prompter);
    const QString jdk = makeJdk(true, false);
    const RunJava::Result result =
        runJava.run(m_docFolder + QStringLiteral("/Hello.java"), ProgramText,
                    {jdk, QStringLiteral("lib/a.jar;."), dosWindow},
                    compileAndRun ? RunJava::Origin::CompileAndRun : RunJava::Origin::RunCommand);
    QVERIFY(prompter.calls.isEmpty());
    QVERIFY(!result.applet);
    if (terminal) {
        QVERIFY(result.terminal && !result.console);
        QCOMPARE(shell.calls.size(), 1);
        QCOMPARE(shell.calls.first().kind, FakeShell::Terminal);
        QCOMPARE(shell.calls.first().target, m_docFolder);
        QCOMPARE(
            shell.calls.first().command,
            (QStringList {jdk + QStringLiteral("/java"), "-classpath", "lib/a.jar:.", "Hello"}));
        return;
    }
    QVERIFY(shell.calls.isEmpty());
    QVERIFY(result.console && !result.terminal);
    QCOMPARE(result.console->parent(), m_owner);
    QVERIFY(result.console->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(result.console->Finished(), ProcessWait);
    QCOMPARE(result.console->RichEdit1->toPlainText(),
             m_docFolder + QStringLiteral(" | Hello\nDone!\n"));
}

QTEST_MAIN(TestRunJava)
#include "tst_runjava.moc"
