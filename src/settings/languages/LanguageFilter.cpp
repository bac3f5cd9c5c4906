#include "settings/languages/LanguageFilter.h"

#include "settings/languages/CustomLanguageFile.h"
#include "settings/languages/CustomLanguageIndex.h"

namespace LanguageFilter {

namespace {

bool lists(const Entry &entry, const QString &ext)
{
    if (entry.allFiles || ext.isEmpty())
        return false;
    const QString wanted = QLatin1Char('*') + ext;
    for (const QString &mask : entry.filter.masks)
        if (mask.compare(wanted, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

QList<Entry> build(const QList<FileFilterEntry> &builtIn, const FileFilterEntry &allFiles)
{
    QList<Entry> entries;
    for (const FileFilterEntry &type : builtIn) {
        const QString &d = type.description;
        entries.append({d.left(d.indexOf(QStringLiteral(" ("))), type, false});
    }
    for (const QString &name : CustomLanguageIndex().entries()) {
        const QStringList masks = CustomLanguageFile::masksOf(CustomLanguageFile(name).fileExt());
        const QString description =
            name + QStringLiteral(" (") + masks.join(u';') + QLatin1Char(')');
        entries.append({name, {description, masks}, false});
    }
    entries.append({QString(), allFiles, true});
    return entries;
}

QList<FileFilterEntry> filterOf(const QList<Entry> &entries)
{
    QList<FileFilterEntry> filter;
    for (const Entry &e : entries)
        filter.append(e.filter);
    return filter;
}

int firstListing(const QList<Entry> &entries, const QString &ext)
{
    for (int i = 0; i < entries.size(); ++i)
        if (lists(entries.at(i), ext))
            return i;
    return -1;
}

int lastListing(const QList<Entry> &entries, const QString &ext)
{
    for (int i = int(entries.size()) - 1; i >= 0; --i)
        if (lists(entries.at(i), ext))
            return i;
    return -1;
}

} // namespace LanguageFilter
