#pragma once

#include "java/debug/JdbOutputReader.h"

#include <QObject>
#include <QString>
#include <QStringList>

class CommandQueue;
class ProcessRunner;
class QTimer;
struct ToolCommand;

// One debugger run: jdb as a child process, its output read one character at a time by a
// JdbOutputReader, and the commands written through one CommandQueue. Nothing blocks: the
// run reports through signals. A new run gets a new object.
//
// jdb and the program it debugs form a process group of their own; "exit" ends both, a jdb
// still running 3 s after "exit" is killed with its program, and so is a jdb still running
// when this object goes (the main window closing).
class TDebugger : public QObject
{
    Q_OBJECT
public:
    explicit TDebugger(QObject *parent = nullptr);
    ~TDebugger() override;

    // Starts jdb. False, doing nothing, when this object has already run.
    bool RunDebugSession(const ToolCommand &command);
    bool isRunning() const;
    // The run has ended ("Debug session, done!" has been reported).
    bool isDone() const { return m_done; }

    // Queues a command for jdb; nothing while jdb is not running.
    void SendCommand(const QString &command);
    // "dump " + each watch, in order.
    void SendWatchDumps(const QStringList &watches);
    // "stop at " + main class + ":" + each line, in order, then "run " + main class.
    void SendBreakpointsAndRun(const QString &mainClass, const QList<int> &lines);
    // Drops the commands not yet written and writes "exit" to a running jdb.
    void exit();

    CommandQueue *commands() const { return m_commands; }
    // Ends jdb and its program when they have not ended 3 s after "exit" was written.
    QTimer *killTimer() const { return m_killTimer; }
    ProcessRunner *runner() const { return m_runner; }

signals:
    // A line for the log: jdb's output line by line (the prompt "main[1] " as a line of
    // its own), the reason jdb could not start, and "Debug session, done!" at the end.
    void lineRead(const QString &line);
    // jdb printed its prompt "main[1]".
    void promptRead();
    // jdb is initialising: the first commands may be sent.
    void initializing();
    // A command was written to jdb.
    void commandWritten(const QString &command);
    // The run has ended (after its last lineRead).
    void sessionEnded();

private:
    void outputReceived(const QString &piece);
    void ended();

    ProcessRunner *m_runner;
    CommandQueue *m_commands;
    QTimer *m_killTimer;
    JdbOutputReader m_reader;
    bool m_started = false;
    bool m_done = false;
};
