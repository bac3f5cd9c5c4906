#include "spelling/WordNavigation.h"

#include "spelling/SpellCheck.h"

namespace WordNavigation {

namespace {

// 1-based column of the first word character at or after from; 0 when none.
int firstWordChar(QStringView line, int from, const TSpellCheck &checker)
{
    for (int x = qMax(1, from); x <= line.size(); ++x) {
        if (checker.isWordChar(line[x - 1]))
            return x;
    }
    return 0;
}

// 1-based start column of the last word that starts before column `before`; 0 when none.
int lastWordStart(QStringView line, int before, const TSpellCheck &checker)
{
    int x = qMin(int(line.size()), before - 1);
    while (x >= 1 && !checker.isWordChar(line[x - 1]))
        --x;
    if (x < 1)
        return 0;
    while (x > 1 && checker.isWordChar(line[x - 2]))
        --x;
    return x;
}

} // namespace

Span wordAt(QStringView line, int column, const TSpellCheck &checker)
{
    const int len = int(line.size());
    if (column < 1 || column > len + 1)
        return {};
    int start = column;
    while (start > 1 && checker.isWordChar(line[start - 2]))
        --start;
    int end = column; // one past the word
    while (end <= len && checker.isWordChar(line[end - 1]))
        ++end;
    if (end == start)
        return {};
    return {start, end - start};
}

Lines linesOf(const QStringList &list)
{
    return {[list] { return int(list.size()); },
            [list](int i) { return i >= 1 && i <= list.size() ? list.at(i - 1) : QString(); }};
}

Position nextWordPos(const Lines &lines, int line, int column, const TSpellCheck &checker)
{
    const int count = lines.count();
    if (line < 1 || line > count)
        return {line, 0};
    const QString text = lines.line(line);
    int x = qMax(1, column);
    while (x <= text.size() && checker.isWordChar(text[x - 1]))
        ++x;
    const int next = firstWordChar(text, x, checker);
    if (next > 0)
        return {line, next};
    for (int l = line + 1; l <= count; ++l) {
        const int first = firstWordChar(lines.line(l), 1, checker);
        if (first > 0)
            return {l, first};
    }
    if (line == count) {
        const int end = int(text.size()) + 1;
        return {line, column < end ? end : column};
    }
    return {line, 0};
}

Position prevWordPos(const Lines &lines, int line, int column, const TSpellCheck &checker)
{
    const int count = lines.count();
    if (line < 1 || line > count)
        return {line, 0};
    const QString text = lines.line(line);
    // Back to the start of the word under the caret, then to the word before it.
    int x = qMin(qMax(1, column), int(text.size()) + 1);
    while (x > 1 && checker.isWordChar(text[x - 2]))
        --x;
    const int prev = lastWordStart(text, x, checker);
    if (prev > 0)
        return {line, prev};
    for (int l = line - 1; l >= 1; --l) {
        const QString t = lines.line(l);
        const int start = lastWordStart(t, int(t.size()) + 1, checker);
        if (start > 0)
            return {l, start};
    }
    return {line, 0};
}

} // namespace WordNavigation
