#include <QtTest>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "../shell/ShellFixture.h"
#include "java/CompileCommands.h"
#include "java/Compiler.h"
#include "java/MainFormCompileHost.h"

// The compile commands in the main window, with the real javac.
class TestMainCompile : public QObject
{
    Q_OBJECT
private slots:
    void compileJumpAndRun();
};

void TestMainCompile::compileJumpAndRun()
{
    const QString javac = QStandardPaths::findExecutable("javac");
    if (javac.isEmpty())
        QSKIP("javac not installed");
    const QString jdk = QFileInfo(QFileInfo(javac).canonicalFilePath()).absolutePath();

    ShellFixture f("[Tips]\r\ndoShow=0\r\n[CompilerOptions]\r\nJavaBinDir=" + jdk.toUtf8() + "\r\n");
    TMainForm *main = f.start();
    CompileCommands *commands = MainFormCompileHost::commandsOf(main);
    QVERIFY(commands);
    QCOMPARE(commands->KompilerErrors->parentWidget(), main->TabSheet6);
    QCOMPARE(commands->KompilatorLogTxt->parentWidget(), main->TabSheet8);
    QVERIFY(main->menu("ools1")->actions().contains(main->action("Compile1")));
    QVERIFY(main->menu("ools1")->actions().contains(main->action("CompileandRun1")));

    const QString file = f.write("my src/Hello.java",
                                 "public class Hello {\n"
                                 "    public static void main(String[] args) {\n"
                                 "        int count = 1;\n"
                                 "        System.out.println(cuont);\n"
                                 "    }\n"
                                 "}\n");
    TEditForm *doc = main->LoadFile(file);
    QVERIFY(doc);
    QMenu *compiling = doc->popupMenu("ools2");
    QVERIFY(compiling && compiling->findChild<QAction *>("Compile1")
            && compiling->findChild<QAction *>("CompileandRun1"));
    main->EnableDisableTabs(false);   // the command shows the tabs it fills

    QSignalSpy finished(commands, &CompileCommands::compileFinished);
    QSignalSpy runs(commands, &CompileCommands::runProgramRequested);
    main->action("Compile1")->trigger();
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.at(0).at(0).toInt(), 1);
    QVERIFY(main->isTabShown(main->TabSheet6));
    QVERIFY(main->isTabShown(main->TabSheet8));
    QCOMPARE(main->PageControl4->currentWidget(), main->TabSheet8);
    QVERIFY(main->CompilerOutputLines.contains("1 error"));
    QCOMPARE(main->CompileErrorCount, 0);
    QCOMPARE(commands->CompilerWindow()->parentWidget(), main);
    QCOMPARE(commands->KompilerErrors->topLevelItemCount(), 1);

    // The jump paints the line until it is edited.
    commands->KompilerErrors->setCurrentItem(commands->KompilerErrors->topLevelItem(0));
    commands->KompilerErrorsDblClick();
    QCOMPARE(doc->ErrorLine, 4);
    QCOMPARE(doc->editor()->caretLine(), 4);
    QVERIFY(main->ErrorLineHighlighted);
    doc->editor()->setCaret(4, 28);
    doc->editor()->insertAtCaret("o");
    QVERIFY(!main->ErrorLineHighlighted);

    // Corrected text: Compile and run saves, finds no errors and asks for the run.
    doc->editor()->setSelection(4, 28, 4, 34);
    doc->editor()->insertAtCaret("count");
    QCOMPARE(doc->editor()->line(4), QStringLiteral("        System.out.println(count);"));
    compiling->findChild<QAction *>("CompileandRun1")->trigger();
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.at(1).at(0).toInt(), 0);
    QCOMPARE(runs.count(), 1);
    QVERIFY(f.read(file).contains("println(count)"));
    QCOMPARE(commands->KompilerErrors->topLevelItemCount(), 0);
    QVERIFY(commands->KompilatorLogTxt->toPlainText().contains("Running program."));
    QVERIFY(f.prompter.calls.isEmpty());
}

QTEST_MAIN(TestMainCompile)
#include "tst_maincompile.moc"
