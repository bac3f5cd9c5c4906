#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

// One child process of the Java tool chain (compiler, program, debugger, applet viewer).
// Its standard output and standard error arrive merged in one channel, in the order the
// child wrote them; its standard input is writable while it runs. The output is handed
// over as it arrives, in pieces of at most readSize() bytes each, decoded as UTF-8 (a
// character split between two pieces comes whole with the second).
//
// Event-driven: start() returns at once; outputReceived() follows for every piece, then
// exactly one of finished() or failedToStart() ends the run. One runner serves one run at
// a time and may be started again once the run has ended.
class ProcessRunner : public QObject
{
    Q_OBJECT
public:
    explicit ProcessRunner(QObject *parent = nullptr);
    ~ProcessRunner() override;

    // Bytes per piece: the compiler reads 50, a program 1500, the debugger 1.
    void setReadSize(int bytes);
    int readSize() const { return m_readSize; }

    // Starts program with the arguments in the folder (empty: the current folder).
    // Returns false, doing nothing, while a run is going on.
    bool start(const QString &program, const QStringList &arguments, const QString &folder);

    bool isRunning() const { return m_running; }

    // Everything received in this run so far (kept only while keepOutput is on, the default;
    // a console program's endless output is not held twice).
    QString output() const { return m_output; }
    void setKeepOutput(bool keep) { m_keepOutput = keep; }
    QString program() const { return m_program; }
    QStringList arguments() const { return m_arguments; }
    // The command line as text for the log (see commandLineText()).
    QString commandLine() const { return commandLineText(m_program, m_arguments); }

    // Writes to the child's standard input (UTF-8); false when no child runs.
    bool write(const QString &text);
    void closeInput();

    // Ends the child at once; finished() follows.
    void kill();

    // The child leads a process group of its own, and kill() (and the runner's end) ends the
    // whole group: programs the child started go with it (the debugger's program). Takes
    // effect from the next start().
    void setOwnProcessGroup(bool own) { m_ownGroup = own; }

    // Program and arguments joined by blanks; a part that is empty or holds a blank, a tab
    // or a double quote is put in double quotes (inner quotes written as \").
    static QString commandLineText(const QString &program, const QStringList &arguments);

signals:
    void outputReceived(const QString &piece);
    // The child ended; normalExit is false when it crashed or was killed.
    void finished(int exitCode, bool normalExit);
    // The child could not be started; message names the program and the reason.
    void failedToStart(const QString &message);

private:
    bool m_keepOutput = true;
    bool m_ownGroup = false;
    void killChild();
    void readAvailable();
    void onFinished(int exitCode, QProcess::ExitStatus status);
    void onError(QProcess::ProcessError error);

    QProcess *m_process;
    QStringDecoder m_decoder;
    int m_readSize = 50;
    bool m_running = false;
    QString m_program;
    QStringList m_arguments;
    QString m_output;
};
