// The main window's run command: the active document and the settings file drive RunJava.

#include "../shell/ShellFixture.h"
#include "FakeShell.h"
#include "RunTestKit.h"
#include "java/ProgRunrUnit.h"
#include "java/RunJavaCommand.h"

#include <QPlainTextEdit>

class TestRunCommand : public QObject
{
    Q_OBJECT
private slots:
    void runsActiveDocumentWithSettings();
};

void TestRunCommand::runsActiveDocumentWithSettings()
{
    QTemporaryDir jdk;
    QVERIFY(RunTestKit::writeScript(jdk.filePath(QStringLiteral("java")), "echo \"$(pwd) | $*\"\n"));
    ShellFixture fx("[CompilerOptions]\r\nJavaBinDir=" + jdk.path().toUtf8()
                    + "\r\n[ApplicationOptions]\r\nJavaAppsInDosWindow=1\r\n");
    FakeShell shell;
    TMainForm *main = fx.start();
    auto *command = new RunJavaCommand(*main); // owned by the main window
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

QTEST_MAIN(TestRunCommand)
#include "tst_runcommand.moc"
