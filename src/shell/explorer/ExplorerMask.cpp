#include "shell/explorer/ExplorerMask.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace ExplorerMask {

namespace {

QStringList sorted(QStringList names)
{
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

} // namespace

Matcher::Matcher(const QString &mask)
{
    const QStringList patterns = mask.split(u';', Qt::SkipEmptyParts);
    auto add = [this](const QString &pattern) {
        m_patterns.append(
            QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                               QRegularExpression::CaseInsensitiveOption));
    };
    m_all = mask.trimmed().isEmpty();
    for (QString pattern : patterns) {
        pattern = pattern.trimmed();
        if (pattern.isEmpty())
            continue;
        if (pattern == QLatin1String("*") || pattern == QLatin1String("*.*"))
            m_all = true;
        add(pattern);
        if (pattern.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive))
            add(pattern + u'l');
    }
}

bool Matcher::matches(const QString &fileName) const
{
    if (m_all)
        return true;
    return std::any_of(m_patterns.cbegin(), m_patterns.cend(),
                       [&](const QRegularExpression &re) { return re.match(fileName).hasMatch(); });
}

bool matches(const QString &mask, const QString &fileName)
{
    return Matcher(mask).matches(fileName);
}

QStringList files(const QString &folder, const QString &mask)
{
    QStringList result;
    const Matcher matcher(mask);
    const QStringList names = QDir(folder).entryList(QDir::Files);
    for (const QString &name : names) {
        if (matcher.matches(name))
            result.append(name);
    }
    return sorted(result);
}

QStringList subfolders(const QString &folder)
{
    return sorted(QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot));
}

} // namespace ExplorerMask
