#pragma once

#include "java/debug/DebugVarsScanner.h"

#include <QObject>
#include <QStringList>

class QPlainTextEdit;

// The "Debug vars" pane ("REDebugVar", read-only) built from the debugger log: after every
// change of the log it shows what a DebugVarsScanner finds in the log's complete lines (all but
// the last, where the user types). The log only grows at its end, so a rebuild reads the lines
// added since the last one; a change further up, or other watches, make it read the whole log.
class DebugVarsPane : public QObject
{
    Q_OBJECT
public:
    DebugVarsPane(QPlainTextEdit *log, QWidget *parent);

    QPlainTextEdit *REDebugVar = nullptr;

    // Rebuilds the pane from the log for these watches.
    void rebuild(const QStringList &watches);
    // Adds a line of its own to the pane (gone at the next rebuild).
    void addLine(const QString &line);

private:
    QPlainTextEdit *m_log;
    DebugVarsScanner m_scanner;
    QStringList m_lines;      // the pane lines found so far
    int m_scannedBlocks = 0;  // log lines read
    int m_scannedEnd = 0;     // where the first unread log line starts
    bool m_restart = true;    // the log changed above m_scannedEnd
    bool m_showsOther = true; // the pane holds other text than m_lines
};
