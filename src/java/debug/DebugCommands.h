#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class BreakpointCommands;
class CompileCommands;
class DebugLogEdit;
class DebugVarsPane;
class FeatureHost;
class HostDocument;
class QPlainTextEdit;
class QTimer;
class QToolButton;
class TDebugger;

// Debugging the active Java program with jdb: Start debug (compiling first a modified document
// or one whose main class file is missing or older than it, and going on only when that
// compile counts no errors), Next instruction (the watches dumped, then "cont"), Stop debug
// ("exit"), the "Debugger" log where jdb's lines appear and typed commands are sent with
// Enter, and the "Debug vars" pane of watched values. Bound to the Debugging menu, the Java
// tab's buttons "Start debugging", "Next instruction", "Stop execution" and every document
// pop-up's Debugging submenu.
//
// One run at a time: a run belongs to the document active at Start (its marks, watches and
// main class), and Start does nothing while a run is compiling or going on.
class DebugCommands : public QObject
{
    Q_OBJECT
public:
    DebugCommands(FeatureHost &host, CompileCommands &compile, BreakpointCommands &breakpoints,
                  QObject *parent = nullptr);
    ~DebugCommands() override;

    DebugLogEdit *REDebugLog = nullptr;
    QPlainTextEdit *REDebugVar = nullptr;
    QToolButton *SpeedButton41 = nullptr; // "Start debugging"
    QToolButton *SpeedButton42 = nullptr; // "Next instruction"
    QToolButton *SpeedButton3 = nullptr;  // "Stop execution"

    // The last run's debugger; nullptr before the first run.
    TDebugger *DebuggerThread() const;
    // A run is compiling or jdb is running.
    bool isBusy() const;

    // The variables watched in a document, each "Class.member", dumped at each step of a run
    // of that document. A document's list lives while its window is open.
    QStringList watches(HostDocument *document) const;
    void setWatches(HostDocument *document, const QStringList &watches);

    void SpeedButton41Click(); // Start debug
    void SpeedButton42Click(); // Next instruction
    void SpeedButton3Click();  // Stop debug
    // Enter in the log: the typed command goes to jdb.
    void REDebugLogKeyDown();
    // The log changed: the pane is rebuilt while a debugger exists.
    void REDebugLogChange();

private:
    void startRun(HostDocument *doc);
    void setRunning(bool running);
    void addLog(const QString &line);
    void queueLogLine(const QString &line);
    void flushLog();
    void focusLogIfShown();
    QStringList runWatches() const;
    QList<int> runMarks() const;
    void bindDocument(HostDocument *document);

    FeatureHost *m_host;
    CompileCommands *m_compile;
    BreakpointCommands *m_breakpoints;
    DebugVarsPane *m_pane = nullptr;
    QPointer<TDebugger> m_debugger;
    QTimer *m_flushTimer;
    QStringList m_pendingLines;
    bool m_compiling = false; // Start debug waits for its compile

    // The document of the run, while it is open.
    QPointer<QWidget> m_runWindow;
    HostDocument *m_runDocument = nullptr;
    QString m_mainClass;
    // The watches of the open documents, by document window.
    QHash<const QWidget *, QStringList> m_watches;
};
