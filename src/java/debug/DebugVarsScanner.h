#pragma once

#include <QString>
#include <QStringList>

// Builds the "Debug vars" pane from the debugger log, line by line from the first: a log line
// holding a watch W followed by " = " gives the text from the character before W to the end,
// trimmed ("Hello.count = 3"); when that text holds "{" (an object dump) the following log
// lines are taken unchanged up to and including the first one holding "}", and the scan goes
// on after it.
class DebugVarsScanner
{
public:
    // Starts a new scan for these watches.
    void reset(const QStringList &watches);
    const QStringList &watches() const { return m_watches; }

    // Scans the next log line; appends the pane lines it gives to out.
    void scanLine(const QString &line, QStringList &out);

    // The pane lines of a whole log.
    static QStringList scan(const QStringList &logLines, const QStringList &watches);

private:
    QStringList m_watches;
    QStringList m_needles; // each watch + " = "
    bool m_inObject = false;
};
