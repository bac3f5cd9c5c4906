// The main window's run command: Compile and run ends in a running program; the settings
// file's values reach the run.

#include "FakeShell.h"
#include "RunTestKit.h"
#include "ShellFixture.h"
#include "app/Features.h"
#include "java/run/ConsoleWindow.h"
#include "java/run/RunJavaCommand.h"
#include "platform/IniFile.h"
#include "settings/store/AppSettings.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPointer>

class TestRunCommand : public QObject
{
    Q_OBJECT
private slots:
    void compileAndRun();
    void closingTheConsoleEndsItsProgram();
};

void TestRunCommand::compileAndRun()
{
    const QString jdk = RunTestKit::jdkBinDir();
    if (jdk.isEmpty())
        QSKIP("no JDK");
    ShellFixture fx("[CompilerOptions]\r\nJavaBinDir=" + jdk.toUtf8()
                    + "\r\n[Tips]\r\ndoShow=0\r\n");
    FakeShell shell;
    TMainForm *main = fx.start();
    auto *command = fx.features().run;
    QVERIFY(command);
    QVERIFY(!command->RunJava(RunJava::Origin::RunCommand).console); // no document: nothing

    const QString file = fx.write(QStringLiteral("Hi.java"),
                                  "public class Hi {\n  public static void main(String[] a) {\n"
                                  "    System.out.print(\"compiled and run\");\n  }\n}\n");
    QVERIFY(main->LoadFile(file));
    main->action(QStringLiteral("CompileandRun1"))->trigger();
    // Another window becomes active while javac runs: the compiled program still runs.
    main->action("Textfile1")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(command->ProgRunWindow && command->ProgRunWindow->Finished(),
                             ProcessWait);
    QCOMPARE(command->ProgRunWindow->parent(), main);
    QCOMPARE(command->ProgRunWindow->RichEdit1->toPlainText(),
             QStringLiteral("compiled and run\nDone!\n"));

    // With "JavaAppsInDosWindow" on, Compile and run opens a terminal in the document's folder.
    main->settings().setBool(Settings::Key::JavaAppsInDosWindow, true);
    main->settings().setText(Settings::Key::ClassPathDir, QStringLiteral("C:\\;."));
    QVERIFY(command->RunJava(RunJava::Origin::CompileAndRun, file).terminal);
    QCOMPARE(shell.calls.size(), 1);
    QCOMPARE(shell.calls.first().target, QFileInfo(file).absolutePath());
    QCOMPARE(shell.calls.first().command,
             (QStringList {jdk + QStringLiteral("/java"), "-classpath", ".", "Hi"}));
}

// A console closed while its program waits for input takes the program with it; none runs on
// unseen until the editor quits.
void TestRunCommand::closingTheConsoleEndsItsProgram()
{
    const QString jdk = RunTestKit::jdkBinDir();
    if (jdk.isEmpty())
        QSKIP("no JDK");
    ShellFixture fx("[CompilerOptions]\r\nJavaBinDir=" + jdk.toUtf8()
                    + "\r\n[Tips]\r\ndoShow=0\r\n");
    TMainForm *main = fx.start();
    auto *command = fx.features().run;
    const QString file = fx.write(
        QStringLiteral("Waiter.java"),
        "public class Waiter {\n  public static void main (String[] a) throws Exception {\n"
        "    System.out.println(\"waiting \" + ProcessHandle.current().pid());\n"
        "    System.in.read();\n  }\n}\n");
    QVERIFY(main->LoadFile(file));
    main->action(QStringLiteral("CompileandRun1"))->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(command->ProgRunWindow
                                 && command->ProgRunWindow->RichEdit1->toPlainText().contains(
                                     QStringLiteral("waiting ")),
                             60000);
    QPointer<TProgRunFrm> console = command->ProgRunWindow.data();
    const QString text = console->RichEdit1->toPlainText();
    const QString pid = text.mid(text.indexOf(QStringLiteral("waiting ")) + 8).section(u'\n', 0, 0);
    const QString proc = QStringLiteral("/proc/") + pid;
    QVERIFY2(QFileInfo::exists(proc), qPrintable(text));
    QVERIFY(console->close());
    QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(proc), ProcessWait);
    QTRY_VERIFY(!console);
}

QTEST_MAIN(TestRunCommand)
#include "tst_runcommand.moc"
