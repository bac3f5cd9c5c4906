#include "java/compile/CompilerOutput.h"

#include <QRegularExpression>

namespace CompilerOutput {

QStringList splitLines(const QString &output)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = output.split(lineBreak);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool isVerboseLine(const QString &line)
{
    const QString t = line.trimmed();
    return t.startsWith(u'[') && t.endsWith(u']');
}

CompilerMessage parseMessageLine(const QString &line)
{
    CompilerMessage entry;
    const int first = line.indexOf(u':');
    if (first < 0) {
        entry.message = line;
        return entry;
    }
    const int second = line.indexOf(u':', first + 1);
    if (second < 0) {
        entry.message = line.mid(first + 1);
        return entry;
    }
    entry.line = line.mid(first + 1, second - first - 1);
    entry.message = line.mid(second + 1);
    return entry;
}

bool parseCountLine(const QString &line, int *count)
{
    static const QRegularExpression countLine(QStringLiteral("^([0-9]+) errors?$"));
    const QRegularExpressionMatch m = countLine.match(line.trimmed());
    if (!m.hasMatch())
        return false;
    bool ok = false;
    const int n = m.captured(1).toInt(&ok);
    if (!ok)
        return false;
    *count = n;
    return true;
}

Result analyse(const QStringList &lines, const QString &documentCaption)
{
    Result result;
    for (const QString &line : lines) {
        if (!documentCaption.isEmpty() && !isVerboseLine(line) && line.contains(documentCaption)) {
            result.entries.append(parseMessageLine(line));
            continue;
        }
        int count = 0;
        if (parseCountLine(line, &count))
            result.errorCount = count;
    }
    return result;
}

int errorCountAfterExit(int count, int exitCode, bool normalExit)
{
    if (!normalExit || exitCode != 0)
        return qMax(count, 1);
    return count;
}

QString hintText(const CompilerMessage &entry)
{
    if (entry.line.isEmpty())
        return entry.message;
    return QStringLiteral("Line ") + entry.line + QStringLiteral(": ") + entry.message;
}

} // namespace CompilerOutput
