#include "ProcessWait.h"
#include "ShellFixture.h"
#include "analysis/javasource/JavaDocumentScanner.h"
#include "app/Features.h"
#include "java/compile/CompileCommands.h"
#include "java/compile/CompileResultWindow.h"
#include "settings/store/AppSettings.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QByteArray helloWithError = "public class Hello {\n"
                                  "    public static void main(String[] args) {\n"
                                  "        int count = 1;\n"
                                  "        System.out.println(cuont);\n"
                                  "    }\n"
                                  "}\n";

QString realJavaFolder()
{
    const QString javac = QStandardPaths::findExecutable("javac");
    return javac.isEmpty() ? QString()
                           : QFileInfo(QFileInfo(javac).canonicalFilePath()).absolutePath();
}

struct CompileFixture : ShellFixture {
    CompileFixture() : ShellFixture("[Tips]\r\ndoShow=0\r\n")
    {
        start();
        commands = features().compile;
        doc = main->LoadFile(write("my src/Hello.java", helloWithError));
    }

    void setJava(const QString &binDir, const QString &options = QString())
    {
        main->settings().setText(Settings::Key::JavaBinDir, binDir);
        main->settings().setText(Settings::Key::DebugGenOptions, options);
        main->settings().setText(Settings::Key::ClassPathDir, "C:\\;.");
    }

    // A fake javac; returns its folder.
    QString fakeJavac(const QByteArray &body)
    {
        const QString javac = write("fake jdk/bin/javac", "#!/bin/sh\n" + body + "\n");
        QFile::setPermissions(javac, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return QFileInfo(javac).absolutePath();
    }

    bool waitForCompile()
    {
        QSignalSpy finished(commands, &CompileCommands::compileFinished);
        return finished.wait(ProcessWait);
    }

    QString log() const { return commands->KompilatorLogTxt->toPlainText(); }

    CompileCommands *commands = nullptr;
    TEditForm *doc = nullptr;
};

} // namespace

class TestMainCompile : public QObject
{
    Q_OBJECT
private slots:
    void nothingRunsWithoutJavaFolderOrSave();
    void compileJumpAndRun();
    void compilerFailures();
    void oneCompileAtATime();
    void logCommands();
};

void TestMainCompile::nothingRunsWithoutJavaFolderOrSave()
{
    CompileFixture f;
    f.main->action("Compile1")->trigger();
    f.main->action("CompileandRun1")->trigger();
    QVERIFY(!f.commands->CompileNoCompilerWnd([](int) {}));
    const QString text =
        "No javabin catalog defined, don't know where to look for javac. Please spesify the "
        "javabin catalog (can be found under Edit->Options->Compiler)!";
    QCOMPARE(f.prompter.texts(),
             (QStringList {
                 text,
                 "No javabin catalog defined, don't know where to look for javac. Please spesify "
                 "the javabin catalog now!",
                 text}));
    QCOMPARE(f.prompter.calls.at(0).caption, QStringLiteral("Information"));
    QVERIFY(f.log().isEmpty());
    QVERIFY(!f.commands->CompilerWindow());

    // An untitled document whose Save as is cancelled compiles nothing.
    f.setJava(realJavaFolder());
    f.main->action("NyApplikasjonkode1")->trigger();
    f.main->SkrivTekstenTilEditor("x");
    f.main->action("Compile1")->trigger();
    QCOMPARE(f.dialogs.calls.size(), 1);
    QVERIFY(!f.commands->isCompiling());
    QCOMPARE(f.prompter.calls.size(), 3);
}

void TestMainCompile::compileJumpAndRun()
{
    if (realJavaFolder().isEmpty())
        QSKIP("javac not installed");
    CompileFixture f;
    f.setJava(realJavaFolder(), "-g -verbose");
    TMainForm *main = f.main.get();
    TEditForm *doc = f.doc;
    CompileCommands *commands = f.commands;
    QVERIFY(main->menu("ools1")->actions().contains(main->action("Compile1")));
    QMenu *compiling = doc->popupMenu("ools2");
    QVERIFY(compiling->findChild<QAction *>("Compile1")
            && compiling->findChild<QAction *>("CompileandRun1"));
    // The command shows the tabs it fills.
    auto *bottomPane = f.child<QTabWidget>("PageControl4");
    for (Page page :
         {Page::CompilerMessages, Page::Debugger, Page::CompilerOutput, Page::DebugVars})
        bottomPane->setTabVisible(bottomPane->indexOf(f.page(page)), false);
    // The scanner over the document (the run and debug commands ask it for the main class).
    QCOMPARE(JavaDocumentScanner::FindMainClassName(doc->editor()), QStringLiteral("Hello"));
    QCOMPARE(JavaDocumentScanner::FindMainClassName(nullptr), QString());

    QSignalSpy runs(commands, &CompileCommands::runProgramRequested);
    main->action("Compile1")->trigger();
    TCompiler1 *w = commands->CompilerWindow();
    QCOMPARE(w->windowTitle(), QStringLiteral("Compiling file, please wait.."));
    QCOMPARE(w->ProjName->text(), QStringLiteral("Hello.java"));
    QVERIFY(!w->BitBtn1->isEnabled());
    QVERIFY(f.waitForCompile());

    // Verbose lines (brackets, "errors/" in paths) are no entries; the array type in the
    // message does not hide the entry.
    QCOMPARE(commands->KompilerErrors->topLevelItemCount(), 1);
    QTreeWidgetItem *entry = commands->KompilerErrors->topLevelItem(0);
    QCOMPARE(entry->text(0), QStringLiteral("4"));
    QCOMPARE(entry->text(1), QStringLiteral(" error: cannot find symbol"));
    QCOMPARE(w->Label5->text(), QStringLiteral("1"));
    QVERIFY(w->BitBtn1->isEnabled() && w->BitBtn2->isEnabled() && !w->BitBtn3->isEnabled());
    QCOMPARE(w->windowTitle(), QStringLiteral("Compilation complete"));
    QVERIFY(tabShown(f.page(Page::CompilerMessages)) && tabShown(f.page(Page::CompilerOutput)));
    QCOMPARE(bottomPane->currentWidget(), f.page(Page::CompilerOutput));
    QVERIFY(commands->CompilerOutputLines().contains("1 error"));
    QCOMPARE(commands->CompileErrorCount(), 0);
    QVERIFY(f.log().startsWith("Compiling: " + doc->DocumentFileName + "\n"));
    QVERIFY(!f.log().contains("No errors found."));

    // Hint, jump, and the error line painted until it is edited.
    commands->KompilerErrors->setCurrentItem(entry);
    commands->KompilerErrorsClick();
    QCOMPARE(commands->KompilerErrors->toolTip(),
             QStringLiteral("Line 4:  error: cannot find symbol"));
    doc->editor()->setCaret(1, 3);
    commands->KompilerErrorsDblClick();
    QCOMPARE(doc->editor()->caretLine(), 4);
    QCOMPARE(doc->editor()->caretColumn(), 3);
    QCOMPARE(doc->ErrorLine, 4);
    QVERIFY(commands->ErrorLineHighlighted());
    doc->editor()->setCaret(1, 1);
    doc->editor()->insertAtCaret(" ");
    QVERIFY(commands->ErrorLineHighlighted());
    doc->editor()->setSelection(4, 28, 4, 33);
    doc->editor()->insertAtCaret("count");
    QVERIFY(!commands->ErrorLineHighlighted());
    // An entry without a line number (javac's "Note: ...") is listed but goes nowhere.
    for (const char *noLine : {"", "x"}) {
        entry->setText(0, noLine);
        commands->KompilerErrorsDblClick();
        QVERIFY(f.prompter.calls.isEmpty());
        QCOMPARE(doc->editor()->caretLine(), 4);
    }
    // With another document active the jump still goes to the document compiled.
    entry->setText(0, "2");
    main->action("Textfile1")->trigger();
    TEditForm *other = main->GetActiveEditor();
    QVERIFY(other && other != doc);
    commands->KompilerErrorsDblClick();
    QCOMPARE(main->GetActiveEditor(), doc);
    QCOMPARE(doc->ErrorLine, 2);
    QVERIFY(doc->editor()->hasLineColors() && !other->editor()->hasLineColors());
    QVERIFY(ShellFixture::closeWindow(other));

    // Corrected: Compile saves and enables Run; Compile and run asks for the run.
    main->action("Compile1")->trigger();
    QVERIFY(f.waitForCompile());
    w = commands->CompilerWindow();
    QVERIFY(f.read(doc->DocumentFileName).contains("println(count)"));
    QCOMPARE(commands->KompilerErrors->topLevelItemCount(), 0);
    QCOMPARE(w->Label5->text(), QStringLiteral("0"));
    QVERIFY(w->BitBtn1->isEnabled() && !w->BitBtn2->isEnabled() && w->BitBtn3->isEnabled());
    QVERIFY(f.log().contains("\nNo errors found.\nCompilation complete: "));
    w->BitBtn3->click();
    QCOMPARE(runs.count(), 1);
    QCOMPARE(runs.at(0).at(0).toBool(), false); // "Run": never a terminal
    // OK hides the result window, which was made for this compile and is freed.
    QPointer<TCompiler1> gone(w);
    w->BitBtn1->click();
    QVERIFY(w->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!gone);

    compiling->findChild<QAction *>("CompileandRun1")->trigger();
    QVERIFY(f.waitForCompile());
    QCOMPARE(runs.count(), 2);
    QCOMPARE(runs.at(1).at(0).toBool(), true);
    QVERIFY(f.log().contains("\nRunning program.\n"));
}

void TestMainCompile::compilerFailures()
{
    CompileFixture f;
    QSignalSpy runs(f.commands, &CompileCommands::runProgramRequested);

    // A compiler that cannot be started: a message naming it and the reason; no run.
    f.setJava(f.path("no jdk/bin"));
    f.main->action("Compile1")->trigger();
    QVERIFY(f.waitForCompile());
    QVERIFY(!f.commands->CompilerWindow()->BitBtn3->isEnabled());
    QVERIFY(!f.log().contains("No errors found."));
    const QString message = f.prompter.texts().value(0);
    QVERIFY2(message.contains(f.path("no jdk/bin/javac")) && message.contains("does not exist"),
             qPrintable(message));
    int count = -1;
    QVERIFY(f.commands->CompileNoCompilerWnd([&](int n) { count = n; }));
    QVERIFY(f.waitForCompile());
    QCOMPARE(count, 1);

    // A compiler that fails without a count line has failed. No bare "-g:" is passed.
    f.setJava(f.fakeJavac("for a in \"$@\"; do echo \"arg:$a\"; done\n"
                          "echo '[parsing started ...errors/...]'\necho 'error: broken'\nexit 2"),
              "-g: -verbose");
    f.main->action("CompileandRun1")->trigger();
    QVERIFY(f.waitForCompile());
    QCOMPARE(runs.count(), 0);
    QVERIFY(f.log().contains("arg:-verbose\narg:-classpath\narg:.\narg:Hello.java\n"));
    QVERIFY(!f.log().contains("arg:-g:"));
    QVERIFY(f.log().endsWith("Errors found, can't run program now!"));
}

void TestMainCompile::oneCompileAtATime()
{
    CompileFixture f;
    f.setJava(f.fakeJavac("sleep 1\necho done"));
    QSignalSpy finished(f.commands, &CompileCommands::compileFinished);
    f.main->action("Compile1")->trigger();
    TCompiler1 *first = f.commands->CompilerWindow();
    f.main->action("Compile1")->trigger();
    f.main->action("CompileandRun1")->trigger();
    QVERIFY(!f.commands->CompileNoCompilerWnd([](int) {}));
    QCOMPARE(f.commands->CompilerWindow(), first);
    QVERIFY(finished.wait(ProcessWait));
    QTest::qWait(200);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(f.log().count("Compiling: "), 1);
}

void TestMainCompile::logCommands()
{
    CompileFixture f;
    f.commands->KompilatorLogTxt->setPlainText("first line\nsecond line");
    f.dialogs.answerFiles({f.path("log.txt")});
    f.commands->Lagretilfil1->trigger();
    QCOMPARE(f.read(f.path("log.txt")), QByteArray("first line\nsecond line\n"));
    QVERIFY(!f.dialogs.calls.at(0).request.filter.isEmpty());

    f.commands->Kopiertilskrivebord1->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("first line\nsecond line"));
    QVERIFY(!f.commands->KompilatorLogTxt->textCursor().hasSelection());
    f.commands->Restartlog1->trigger();
    QVERIFY(f.log().isEmpty());
}

QTEST_MAIN(TestMainCompile)
#include "tst_maincompile.moc"
