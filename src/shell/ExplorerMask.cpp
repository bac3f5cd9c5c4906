#include "ExplorerMask.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace ExplorerMask {

namespace {

bool matchesPattern(const QString &pattern, const QString &fileName)
{
    if (pattern == QLatin1String("*") || pattern == QLatin1String("*.*"))
        return true;
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                QRegularExpression::CaseInsensitiveOption);
    return re.match(fileName).hasMatch();
}

QStringList sorted(QStringList names)
{
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

} // namespace

bool matches(const QString &mask, const QString &fileName)
{
    if (mask.trimmed().isEmpty())
        return true;
    const QStringList patterns = mask.split(u';', Qt::SkipEmptyParts);
    for (QString pattern : patterns) {
        pattern = pattern.trimmed();
        if (pattern.isEmpty())
            continue;
        if (matchesPattern(pattern, fileName))
            return true;
        if (pattern.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive)
            && matchesPattern(pattern + u'l', fileName))
            return true;
    }
    return false;
}

QStringList files(const QString &folder, const QString &mask)
{
    QStringList result;
    const QStringList names = QDir(folder).entryList(QDir::Files);
    for (const QString &name : names) {
        if (matches(mask, name))
            result.append(name);
    }
    return sorted(result);
}

QStringList subfolders(const QString &folder)
{
    return sorted(QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot));
}

} // namespace ExplorerMask
