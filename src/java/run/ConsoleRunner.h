#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class ProcessRunner;

// TRunnerThread (unit ProgRunrUnitRunner):
// Runs one program for a console window: its output (standard output and error joined)
// is assembled into lines, and lines typed in the console go to its standard input.
// Each console window owns its own runner, so input always reaches that window's program.
//
// Line assembly: a line feed ends a line (Java prints LF on Linux; a CR before it is
// trimmed away with the rest of the white space at both ends). Every completed line that
// is not blank is handed out by lineReady(), in the order read. Text after the last line
// break waits in the partial line; the console's refresh timer takes it (a prompt), and
// when the program ends it is handed out before finished(), so it is never lost.
class TRunnerThread : public QObject
{
    Q_OBJECT
public:
    explicit TRunnerThread(QObject *parent = nullptr);
    ~TRunnerThread() override;

    // Starts program with arguments in workDir. A program that cannot be started ends
    // the run at once (finished() without output).
    void start(const QString &program, const QStringList &arguments, const QString &workDir);

    // Sends the trimmed line followed by CR LF to the program in one write. Returns false
    // when the program no longer runs (nothing is written then).
    bool SendInputLine(const QString &line);

    // Output as read from the program; public so the assembly is testable without a process.
    void feed(const QString &piece);
    // The end of the output: hands out the partial line, then emits finished().
    void finish();

    // The refresh timer's step: when the partial line, trimmed, is not empty it is returned
    // untrimmed and emptied; otherwise an empty text is returned and nothing changes.
    QString takePartialLine();
    QString partialLine() const { return m_line; }

    bool isFinished() const { return m_finished; }

    // Ends the program at once (also one waiting for input); finished() follows.
    void stop();

signals:
    void lineReady(const QString &line);
    void finished();

private:
    ProcessRunner *m_process;
    QString m_line; // FLine: output not yet ended by a line break
    bool m_finished = false;
};
