#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class EditorAdapter;
class FeatureHost;
class HostDocument;
class ProcessRunner;
class QAction;
class QMenu;
class QPlainTextEdit;
class QTreeWidget;
class TCompiler1;
struct ToolCommand;

// The compile commands of the main window: Compile (with a result window), Compile and
// run, and the silent compile before debugging; the "Compiler output" log with its pop-up
// commands and the "Compiler messages" list with the jump to an error line.
//
// A compile runs javac as a child process without blocking the window; one compile runs at
// a time, and a command that would start a second one while it runs does nothing.
// The log and the list are created in the host's "Compiler output" and "Compiler messages"
// pages. The commands are bound to the Java "Tools" menu (Compile1, CompileandRun1), to tool
// buttons on the "Java" tab and to the "Compiling" submenu of every document pop-up.
class CompileCommands : public QObject
{
    Q_OBJECT
public:
    explicit CompileCommands(FeatureHost &host, QObject *parent = nullptr);
    ~CompileCommands() override;

    QPlainTextEdit *KompilatorLogTxt = nullptr; // "Compiler output" log
    QTreeWidget *KompilerErrors = nullptr;      // "Compiler messages": "Line", "Error message"
    QMenu *LogPopupMenu = nullptr;              // pop-up of the log
    QAction *Restartlog1 = nullptr;             // "Empty log window"
    QAction *Lagretilfil1 = nullptr;            // "Store log to file.."
    QAction *Kopiertilskrivebord1 = nullptr;    // "Copy log to clipboard"

    // The last compile-result window (earlier ones stay open); nullptr before the first.
    TCompiler1 *CompilerWindow() const;

    bool isCompiling() const;

    // The state of the last compile: the compiler's output lines, the error count kept after
    // it, and whether an error line is painted (until that line is edited).
    QStringList CompilerOutputLines() const { return m_outputLines; }
    int CompileErrorCount() const { return m_errorCount; }
    bool ErrorLineHighlighted() const { return m_errorLineHighlighted; }

    // Compile (Tools, "Compile current file").
    void Compile1Click();
    // Compile and run (Tools, "Compile and Run current files").
    void SpeedButton36Click();
    // The silent compile before debugging. done receives the error count when the compile
    // has ended (never, when nothing was started). False when nothing was started: saving
    // cancelled, no Java folder set, or a compile already running.
    bool CompileNoCompilerWnd(const std::function<void(int errorCount)> &done);

    // Fills the list from lines (the compiler output) for the document captioned caption;
    // returns the error count.
    int AnalyseOutput(const QStringList &lines, const QString &caption);

    // The list's click (hint) and double-click (jump to the error line).
    void KompilerErrorsClick();
    void KompilerErrorsDblClick();
    // Puts the caret on the selected entry's line of doc and paints that line as the error line.
    void SelectErrorLine(HostDocument *doc);

    // Log pop-up commands.
    void Restartlog1Click();
    void Lagretilfil1Click();
    void Kopiertilskrivebord1Click();

    // The text of the log line "Compilation complete: " + date and time.
    static QString completionStamp();

signals:
    // Compile and run found no errors (fromCompileAndRun true), or the result window's "Run"
    // was pressed (false): the program of the document compiled (fileName) is to be run,
    // even when another window became active while the compiler ran.
    // The run command connects here.
    void runProgramRequested(bool fromCompileAndRun, const QString &fileName);
    // A compile has ended (also when the compiler could not be started: count 1).
    void compileFinished(int errorCount);

private:
    // The open document of the file last compiled (whose messages the list holds); nullptr
    // when it was closed.
    HostDocument *compiledDocument() const;
    enum class Mode { WithWindow, AndRun, Silent };

    void bindCommands();
    void bindDocument(HostDocument *document);
    bool startCompile(Mode mode, HostDocument *doc, const QString &noJavaFolderText);
    void compilerFinished(int exitCode, bool normalExit);
    void compilerFailedToStart(const QString &message);
    void finishWithWindow(int count);
    void finishAndRun(int count);
    void finishSilent(int count);
    void log(const QString &line);
    void paintErrorLine(EditorAdapter *editor, int line);
    void editorChanged(); // textChanged of an editor with a painted error line
    void clearPaintedLines();
    QWidget *window() const;

    FeatureHost *m_host;
    ProcessRunner *m_runner;
    QStringList m_outputLines;
    int m_errorCount = 0;
    bool m_errorLineHighlighted = false;
    QPointer<TCompiler1> m_compilerWindow;
    Mode m_mode = Mode::WithWindow;
    QString m_caption;  // caption of the document being compiled
    QString m_fileName; // and its file
    std::function<void(int)> m_silentDone;

    struct PaintedLine {
        QPointer<EditorAdapter> editor;
        int line;
    };
    QList<PaintedLine> m_painted;
};
