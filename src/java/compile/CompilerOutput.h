#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One entry of the compiler-message list: the line number as the compiler wrote it
// (column "Line") and the message (column "Error message", with its leading blank).
struct CompilerMessage {
    QString line;
    QString message;

    friend bool operator==(const CompilerMessage &a, const CompilerMessage &b)
    {
        return a.line == b.line && a.message == b.message;
    }
};

// Reading the compiler's output: the message lines that name the compiled document, and
// the error count.
namespace CompilerOutput {

struct Result {
    QList<CompilerMessage> entries;
    int errorCount = 0;
};

// The output as lines: CR LF, LF or CR end a line; a final line break adds no line.
QStringList splitLines(const QString &output);

// A line of the compiler's verbose output: trimmed, it starts with "[" and ends with "]".
bool isVerboseLine(const QString &line);

// The line "Hello.java:7: error: cannot find symbol" gives line "7" and message
// " error: cannot find symbol": the line is the text between the first and the second
// colon, the message all after the second colon. Without a second colon the line is empty
// and the message is all after the first colon.
CompilerMessage parseMessageLine(const QString &line);

// A count line is, trimmed, a whole number followed by " error" or " errors".
bool parseCountLine(const QString &line, int *count);

// Each line that is not verbose and contains the document's caption (its bare file name)
// becomes an entry; every other line is tested as a count line, the last one found wins.
Result analyse(const QStringList &lines, const QString &documentCaption);

// A compiler that ended in failure has at least one error, even without a count line.
int errorCountAfterExit(int count, int exitCode, bool normalExit);

// The hint of an entry: "Line " + line + ": " + message, or the message alone when the
// entry has no line.
QString hintText(const CompilerMessage &entry);

} // namespace CompilerOutput
