#include <QtTest>

#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "FakeFileDialogs.h"
#include "FakePrompter.h"
#include "FixedClock.h"
#include "editor/EditorAdapter.h"
#include "java/CompileCommands.h"
#include "java/CompileHost.h"
#include "java/Compiler.h"
#include "platform/IniFile.h"

namespace {

class FakeDocument : public CompileDocument
{
public:
    QString fileName() const override { return file; }
    QString caption() const override { return QFileInfo(file).fileName(); }
    bool save() override
    {
        ++saves;
        return saveResult;
    }
    EditorAdapter *editor() const override { return const_cast<EditorAdapter *>(&edit); }
    int errorLine() const override { return line; }
    void setErrorLine(int l) override { line = l; }
    void bringToFront() override { ++fronts; }

    EditorAdapter edit;
    QString file;
    bool saveResult = true;
    int saves = 0;
    int fronts = 0;
    int line = -1;
};

class FakeHost : public CompileHost
{
public:
    explicit FakeHost(const QString &iniFile) : ini(iniFile) {}

    QWidget *window() const override { return const_cast<QWidget *>(&mainWindow); }
    IniFile *settings() const override { return const_cast<IniFile *>(&ini); }
    CompileDocument *activeDocument() override { return doc; }
    QWidget *messagesPage() const override { return const_cast<QWidget *>(&messages); }
    QWidget *outputPage() const override { return const_cast<QWidget *>(&output); }
    void showBottomTab(QWidget *page, bool current) override
    {
        shown.insert(page);
        if (current)
            currentTab = page;
    }
    bool errorLineHighlighted() const override { return highlighted; }
    void setErrorLineHighlighted(bool on) override { highlighted = on; }
    void setCompilerOutputLines(const QStringList &l) override { outputLines = l; }
    void setCompileErrorCount(int count) override { errorCount = count; }
    QList<FileFilterEntry> saveDialogFilter() override { return {{"Text (*.txt)", {"*.txt"}}}; }

    QWidget mainWindow;
    QWidget messages;
    QWidget output;
    IniFile ini;
    CompileDocument *doc = nullptr;
    QSet<QWidget *> shown;
    QWidget *currentTab = nullptr;
    bool highlighted = false;
    QStringList outputLines;
    int errorCount = -1;
};

const QByteArray helloWithError =
    "public class Hello {\n"
    "    public static void main(String[] args) {\n"
    "        int count = 1;\n"
    "        System.out.println(cuont);\n"
    "    }\n"
    "}\n";

const QByteArray helloCorrect =
    "public class Hello {\n"
    "    public static void main(String[] args) {\n"
    "        System.out.println(\"Hello\");\n"
    "    }\n"
    "}\n";

} // namespace

class TestCompileCommands : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void refusedWithoutJavaFolder();
    void nothingWhenSavingCancelled();
    void compileWithOneError();
    void compileCorrectFile();
    void compileAndRun();
    void compilerThatCannotStart();
    void failingCompilerWithoutCountLine();
    void oneCompileAtATime();
    void logCommands();

private:
    void writeSource(const QByteArray &text);
    void setJavaFolder(const QString &dir, const QString &options = QString());
    QString realJavaFolder() const;
    // A fake javac in its own folder; returns the folder.
    QString fakeJavac(const QByteArray &body);
    bool waitForCompile(CompileCommands &commands);
    QString log(const CompileCommands &commands) const { return commands.KompilatorLogTxt->toPlainText(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeHost> m_host;
    std::unique_ptr<FakeDocument> m_doc;
    std::unique_ptr<FakePrompter> m_prompter;
    std::unique_ptr<FixedClock> m_clock;
};

void TestCompileCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(m_dir->path() + "/my src"));
    m_host = std::make_unique<FakeHost>(m_dir->path() + "/qmEditor.ini");
    m_doc = std::make_unique<FakeDocument>();
    m_doc->file = m_dir->path() + "/my src/Hello.java";
    m_host->doc = m_doc.get();
    m_prompter = std::make_unique<FakePrompter>();
    m_clock = std::make_unique<FixedClock>();
}

void TestCompileCommands::cleanup()
{
    m_clock.reset();
    m_prompter.reset();
    m_host.reset();
    m_doc.reset();
    m_dir.reset();
}

void TestCompileCommands::writeSource(const QByteArray &text)
{
    QFile f(m_doc->file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
    f.close();
    m_doc->edit.setText(QString::fromUtf8(text));
}

void TestCompileCommands::setJavaFolder(const QString &dir, const QString &options)
{
    m_host->ini.writeString("CompilerOptions", "JavaBinDir", dir);
    m_host->ini.writeString("CompilerOptions", "DebugGenOptions", options);
    m_host->ini.writeString("CompilerOptions", "ClassPathDir", "C:\\;.");
}

QString TestCompileCommands::realJavaFolder() const
{
    const QString javac = QStandardPaths::findExecutable("javac");
    return javac.isEmpty() ? QString() : QFileInfo(QFileInfo(javac).canonicalFilePath()).absolutePath();
}

QString TestCompileCommands::fakeJavac(const QByteArray &body)
{
    const QString folder = m_dir->path() + "/fake jdk/bin";
    QDir().mkpath(folder);
    QFile f(folder + "/javac");
    f.open(QIODevice::WriteOnly);
    f.write("#!/bin/sh\n" + body + "\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return folder;
}

bool TestCompileCommands::waitForCompile(CompileCommands &commands)
{
    QSignalSpy finished(&commands, &CompileCommands::compileFinished);
    return finished.wait(60000);
}

void TestCompileCommands::refusedWithoutJavaFolder()
{
    CompileCommands commands(m_host.get());
    commands.Compile1Click();
    commands.SpeedButton36Click();
    bool called = false;
    QVERIFY(!commands.CompileNoCompilerWnd([&](int) { called = true; }));

    QCOMPARE(m_prompter->calls.size(), 3);
    const QString text = "No javabin catalog defined, don't know where to look for javac. Please spesify the "
                         "javabin catalog (can be found under Edit->Options->Compiler)!";
    QCOMPARE(m_prompter->calls.at(0).caption, QStringLiteral("Information"));
    QCOMPARE(m_prompter->calls.at(0).icon, Prompter::Information);
    QCOMPARE(m_prompter->calls.at(0).text, text);
    QCOMPARE(m_prompter->calls.at(1).text,
             QStringLiteral("No javabin catalog defined, don't know where to look for javac. Please spesify "
                            "the javabin catalog now!"));
    QCOMPARE(m_prompter->calls.at(2).text, text);
    QCOMPARE(m_doc->saves, 3);
    QVERIFY(log(commands).isEmpty());
    QVERIFY(!commands.CompilerWindow());
    QVERIFY(!called);
}

void TestCompileCommands::nothingWhenSavingCancelled()
{
    m_doc->saveResult = false;
    CompileCommands commands(m_host.get());
    commands.Compile1Click();
    commands.SpeedButton36Click();
    QVERIFY(!commands.CompileNoCompilerWnd(nullptr));
    QVERIFY(m_prompter->calls.isEmpty());
    QVERIFY(!commands.isCompiling());
    QVERIFY(log(commands).isEmpty());
}

void TestCompileCommands::compileWithOneError()
{
    const QString jdk = realJavaFolder();
    if (jdk.isEmpty())
        QSKIP("javac not installed");
    setJavaFolder(jdk, "-g -verbose");
    writeSource(helloWithError);

    CompileCommands commands(m_host.get());
    QSignalSpy runs(&commands, &CompileCommands::runProgramRequested);
    commands.Compile1Click();
    TCompiler1 *w = commands.CompilerWindow();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Compiling file, please wait.."));
    QCOMPARE(w->ProjName->text(), QStringLiteral("Hello.java"));
    QVERIFY(!w->BitBtn1->isEnabled());
    QVERIFY(waitForCompile(commands));

    // The verbose lines hold brackets and "errors/"; only the message line is an entry.
    QCOMPARE(commands.KompilerErrors->topLevelItemCount(), 1);
    QTreeWidgetItem *entry = commands.KompilerErrors->topLevelItem(0);
    QCOMPARE(entry->text(0), QStringLiteral("4"));
    QCOMPARE(entry->text(1), QStringLiteral(" error: cannot find symbol"));
    QCOMPARE(w->Label5->text(), QStringLiteral("1"));
    QVERIFY(w->BitBtn1->isEnabled());
    QVERIFY(w->BitBtn2->isEnabled());
    QVERIFY(!w->BitBtn3->isEnabled());
    QCOMPARE(w->windowTitle(), QStringLiteral("Compilation complete"));
    QVERIFY(w->CompilerOutput.contains("1 error"));
    QCOMPARE(m_host->currentTab, m_host->outputPage());
    QVERIFY(m_host->shown.contains(m_host->messagesPage()));
    QVERIFY(m_host->outputLines.contains("1 error"));
    QCOMPARE(m_host->errorCount, 0);
    QVERIFY(log(commands).startsWith("Compiling: " + m_doc->file + "\n"));
    QVERIFY(!log(commands).contains("No errors found."));
    QVERIFY(log(commands).contains("Compilation complete: "));
    QCOMPARE(runs.count(), 0);

    // Hint and jump.
    commands.KompilerErrors->setCurrentItem(entry);
    commands.KompilerErrorsClick();
    QCOMPARE(commands.KompilerErrors->toolTip(), QStringLiteral("Line 4:  error: cannot find symbol"));
    m_doc->edit.setCaret(1, 3);
    commands.KompilerErrorsDblClick();
    QCOMPARE(m_doc->edit.caretLine(), 4);
    QCOMPARE(m_doc->edit.caretColumn(), 3);
    QCOMPARE(m_doc->line, 4);
    QCOMPARE(m_doc->fronts, 1);
    QVERIFY(m_host->highlighted);

    // Editing another line keeps the highlight; editing the error line ends it.
    m_doc->edit.setCaret(1, 1);
    m_doc->edit.insertAtCaret("x");
    QVERIFY(m_host->highlighted);
    m_doc->edit.setCaret(4, 1);
    m_doc->edit.insertAtCaret("x");
    QVERIFY(!m_host->highlighted);
    QVERIFY(m_prompter->calls.isEmpty());

    // A line number past the end goes to the line before it; a caption that is no number
    // stops with the conversion message.
    entry->setText(0, "99");
    commands.KompilerErrorsDblClick();
    QCOMPARE(m_doc->edit.caretLine(), 98 > m_doc->edit.lineCount() ? m_doc->edit.lineCount() : 98);
    entry->setText(0, "");
    commands.KompilerErrorsDblClick();
    QCOMPARE(m_prompter->texts(), QStringList{"'' is not a valid integer value"});
}

void TestCompileCommands::compileCorrectFile()
{
    const QString jdk = realJavaFolder();
    if (jdk.isEmpty())
        QSKIP("javac not installed");
    setJavaFolder(jdk);
    writeSource(helloCorrect);

    CompileCommands commands(m_host.get());
    QSignalSpy runs(&commands, &CompileCommands::runProgramRequested);
    commands.Compile1Click();
    QVERIFY(waitForCompile(commands));
    TCompiler1 *w = commands.CompilerWindow();
    QCOMPARE(commands.KompilerErrors->topLevelItemCount(), 0);
    QCOMPARE(w->Label5->text(), QStringLiteral("0"));
    QVERIFY(w->BitBtn1->isEnabled());
    QVERIFY(!w->BitBtn2->isEnabled());
    QVERIFY(w->BitBtn3->isEnabled());
    QVERIFY(QFile::exists(m_dir->path() + "/my src/Hello.class"));
    QVERIFY(log(commands).contains("\nNo errors found.\nCompilation complete: "));
    QVERIFY(log(commands).endsWith("\n"));   // the closing empty line

    w->BitBtn3->click();
    QCOMPARE(runs.count(), 1);
    w->BitBtn1->click();
    QVERIFY(w->isHidden());
}

void TestCompileCommands::compileAndRun()
{
    const QString jdk = realJavaFolder();
    if (jdk.isEmpty())
        QSKIP("javac not installed");
    setJavaFolder(jdk);
    CompileCommands commands(m_host.get());
    QSignalSpy runs(&commands, &CompileCommands::runProgramRequested);

    writeSource(helloCorrect);
    commands.SpeedButton36Click();
    QVERIFY(!commands.CompilerWindow());
    QVERIFY(waitForCompile(commands));
    QCOMPARE(runs.count(), 1);
    QVERIFY(log(commands).contains("No errors found.\nCompilation complete: "));
    QVERIFY(log(commands).contains("Running program.\n"));

    writeSource(helloWithError);
    commands.SpeedButton36Click();
    QVERIFY(waitForCompile(commands));
    QCOMPARE(runs.count(), 1);
    QVERIFY(log(commands).endsWith("Errors found, can't run program now!"));
    QCOMPARE(commands.KompilerErrors->topLevelItemCount(), 1);

    // The silent compile keeps its count for the debugger.
    int count = -1;
    QVERIFY(commands.CompileNoCompilerWnd([&](int n) { count = n; }));
    QVERIFY(waitForCompile(commands));
    QCOMPARE(count, 1);
    QCOMPARE(m_host->errorCount, 1);
}

void TestCompileCommands::compilerThatCannotStart()
{
    setJavaFolder(m_dir->path() + "/no jdk/bin");
    writeSource(helloCorrect);
    CompileCommands commands(m_host.get());
    QSignalSpy runs(&commands, &CompileCommands::runProgramRequested);

    commands.Compile1Click();
    QVERIFY(waitForCompile(commands));
    TCompiler1 *w = commands.CompilerWindow();
    QVERIFY(!w->BitBtn3->isEnabled());
    QVERIFY(w->BitBtn1->isEnabled());
    QVERIFY(!log(commands).contains("No errors found."));
    QCOMPARE(m_prompter->calls.size(), 1);
    const QString message = m_prompter->calls.at(0).text;
    QVERIFY2(message.contains(m_dir->path() + "/no jdk/bin/javac") && message.contains("does not exist"),
             qPrintable(message));
    QVERIFY(log(commands).contains(message));

    commands.SpeedButton36Click();
    QVERIFY(waitForCompile(commands));
    QCOMPARE(runs.count(), 0);

    int count = -1;
    QVERIFY(commands.CompileNoCompilerWnd([&](int n) { count = n; }));
    QVERIFY(waitForCompile(commands));
    QCOMPARE(count, 1);
}

void TestCompileCommands::failingCompilerWithoutCountLine()
{
    // Also checks the arguments: no bare "-g:", the class path as ".".
    setJavaFolder(fakeJavac("for a in \"$@\"; do echo \"arg:$a\"; done\n"
                            "echo '[parsing started ...errors/...]'\necho 'error: something broke'\nexit 2"),
                  "-g: -verbose");
    writeSource(helloCorrect);
    CompileCommands commands(m_host.get());
    QSignalSpy runs(&commands, &CompileCommands::runProgramRequested);
    commands.SpeedButton36Click();
    QVERIFY(waitForCompile(commands));
    QCOMPARE(runs.count(), 0);
    QVERIFY(log(commands).contains("arg:-verbose\narg:-classpath\narg:.\narg:Hello.java\n"));
    QVERIFY(!log(commands).contains("arg:-g:"));
    QVERIFY(log(commands).endsWith("Errors found, can't run program now!"));

    commands.Compile1Click();
    QVERIFY(waitForCompile(commands));
    QCOMPARE(commands.CompilerWindow()->Label5->text(), QStringLiteral("1"));
    QVERIFY(!commands.CompilerWindow()->BitBtn3->isEnabled());
}

void TestCompileCommands::oneCompileAtATime()
{
    setJavaFolder(fakeJavac("sleep 1\necho done"));
    writeSource(helloCorrect);
    CompileCommands commands(m_host.get());
    QSignalSpy finished(&commands, &CompileCommands::compileFinished);
    commands.Compile1Click();
    TCompiler1 *first = commands.CompilerWindow();
    QVERIFY(commands.isCompiling());
    commands.Compile1Click();
    commands.SpeedButton36Click();
    QVERIFY(!commands.CompileNoCompilerWnd([](int) {}));
    QCOMPARE(commands.CompilerWindow(), first);
    QVERIFY(finished.wait(30000));
    QTest::qWait(200);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(log(commands).count("Compiling: "), 1);
    QCOMPARE(m_doc->saves, 1);
}

void TestCompileCommands::logCommands()
{
    CompileCommands commands(m_host.get());
    commands.KompilatorLogTxt->appendPlainText("first line");
    commands.KompilatorLogTxt->appendPlainText("second line");

    FakeFileDialogs dialogs;
    const QString target = m_dir->path() + "/log.txt";
    dialogs.answerFiles({target});
    commands.Lagretilfil1->trigger();
    QFile saved(target);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("first line\nsecond line\n"));
    QCOMPARE(dialogs.calls.size(), 1);
    QCOMPARE(dialogs.calls.at(0).request.filter.size(), 1);
    commands.Lagretilfil1->trigger();   // cancelled: nothing written
    QCOMPARE(dialogs.calls.size(), 2);

    commands.Kopiertilskrivebord1->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("first line\nsecond line"));
    QVERIFY(!commands.KompilatorLogTxt->textCursor().hasSelection());

    commands.Restartlog1->trigger();
    QVERIFY(commands.KompilatorLogTxt->toPlainText().isEmpty());
}

QTEST_MAIN(TestCompileCommands)
#include "tst_compilecommands.moc"
