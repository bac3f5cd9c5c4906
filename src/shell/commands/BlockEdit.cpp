#include "shell/commands/BlockEdit.h"

namespace {

bool isBlank(QChar c)
{
    return c.unicode() <= ' ';
}

bool isBlankLine(QStringView line)
{
    for (QChar c : line)
        if (!isBlank(c))
            return false;
    return true;
}

// Length of the line break at text[i] (0 when there is none).
int breakLength(const QString &text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c == QLatin1Char('\n'))
        return 1;
    if (c != QLatin1Char('\r'))
        return 0;
    return i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n') ? 2 : 1;
}

// Calls f(line) for each line of text and appends its result and the line's own break to out.
// f returns false to give up.
template <typename F>
bool mapLines(const QString &text, QString &out, F f)
{
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        int brk = 0;
        while (end < n && (brk = breakLength(text, end)) == 0)
            ++end;
        if (!f(QStringView(text).mid(start, end - start), out))
            return false;
        out += QStringView(text).mid(end, brk);
        start = end + brk;
    }
    return true;
}

bool unindentInto(QStringView line, QString &out)
{
    if (isBlankLine(line))
        return true; // a blank line becomes empty
    if (line.size() < 3 || !isBlank(line.at(0)) || !isBlank(line.at(1)) || !isBlank(line.at(2)))
        return false;
    out += line.mid(3);
    return true;
}

} // namespace

namespace BlockEdit {

QString comment(const QString &text)
{
    return QStringLiteral("/*") + text + QStringLiteral("*/");
}

QString uncomment(const QString &text)
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (i + 1 < n) {
            const QChar next = text.at(i + 1);
            const bool marker = (c == QLatin1Char('/') && next == QLatin1Char('*'))
                || (c == QLatin1Char('*') && next == QLatin1Char('/'))
                || (c == QLatin1Char('/') && next == QLatin1Char('/'));
            if (marker) {
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString indentBlock(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8 + 2);
    mapLines(text, out, [](QStringView line, QString &into) {
        into += QLatin1String("  ");
        into += line;
        return true;
    });
    return out;
}

bool unindentBlock(const QString &text, QString *result)
{
    QString out;
    out.reserve(text.size());
    if (!mapLines(text, out, unindentInto))
        return false;
    *result = out;
    return true;
}

bool unindentLine(const QString &line, QString *result)
{
    QString out;
    if (!unindentInto(line, out))
        return false;
    *result = out;
    return true;
}

} // namespace BlockEdit
