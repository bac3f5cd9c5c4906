// The main window's run command: the active document and the settings file drive RunJava,
// and Compile and run ends in a running program.

#include "../shell/ShellFixture.h"
#include "FakeShell.h"
#include "RunTestKit.h"
#include "java/ProgRunrUnit.h"
#include "java/RunJavaCommand.h"

#include <QAction>
#include <QPlainTextEdit>

class TestRunCommand : public QObject
{
    Q_OBJECT
private slots:
    void runsActiveDocumentWithSettings();
    void compileAndRunRunsTheProgram();
};

void TestRunCommand::runsActiveDocumentWithSettings()
{
    QTemporaryDir jdk;
    QVERIFY(RunTestKit::writeScript(jdk.filePath(QStringLiteral("java")), "echo \"$(pwd) | $*\"\n"));
    ShellFixture fx("[CompilerOptions]\r\nJavaBinDir=" + jdk.path().toUtf8()
                    + "\r\n[ApplicationOptions]\r\nJavaAppsInDosWindow=1\r\n");
    FakeShell shell;
    TMainForm *main = fx.start();
    auto *command = main->findChild<RunJavaCommand *>(QStringLiteral("RunJavaCommand"));
    QVERIFY(command);
    QVERIFY(!command->RunJava(RunJava::Origin::RunCommand).console); // no document: nothing

    const QString file = fx.write(QStringLiteral("Hello.java"),
                                  "public class Hello {\n  public static void main(String[] a) {}\n}\n");
    QVERIFY(main->LoadFile(file));
    const RunJava::Result result = command->RunJava(RunJava::Origin::RunCommand);
    QVERIFY(result.console);
    QCOMPARE(command->ProgRunWindow.data(), result.console);
    QCOMPARE(result.console->parent(), main);
    QTRY_VERIFY_WITH_TIMEOUT(result.console->Finished(), 10000);
    QCOMPARE(result.console->RichEdit1->toPlainText(),
             QFileInfo(file).absolutePath() + QStringLiteral(" | Hello\nDone!\n"));

    // From Compile and run, with the setting on, the program goes to a terminal instead.
    QVERIFY(command->RunJava(RunJava::Origin::CompileAndRun).terminal);
    QCOMPARE(shell.calls.size(), 1);
    QCOMPARE(command->ProgRunWindow.data(), result.console);
}

void TestRunCommand::compileAndRunRunsTheProgram()
{
    const QString jdk = RunTestKit::jdkBinDir();
    if (jdk.isEmpty())
        QSKIP("no JDK");
    ShellFixture fx("[CompilerOptions]\r\nJavaBinDir=" + jdk.toUtf8() + "\r\n[Tips]\r\ndoShow=0\r\n");
    TMainForm *main = fx.start();
    QVERIFY(main->LoadFile(fx.write(QStringLiteral("Hi.java"),
                                    "public class Hi {\n  public static void main(String[] a) {\n"
                                    "    System.out.print(\"compiled and run\");\n  }\n}\n")));
    main->action(QStringLiteral("CompileandRun1"))->trigger();

    auto *command = main->findChild<RunJavaCommand *>(QStringLiteral("RunJavaCommand"));
    QTRY_VERIFY_WITH_TIMEOUT(command->ProgRunWindow && command->ProgRunWindow->Finished(), 60000);
    QCOMPARE(command->ProgRunWindow->RichEdit1->toPlainText(), QStringLiteral("compiled and run\nDone!\n"));
    QCOMPARE(command->ProgRunWindow->windowTitle(), QStringLiteral("Finished!"));
}

QTEST_MAIN(TestRunCommand)
#include "tst_runcommand.moc"
