#pragma once

#include "platform/FileDialogs.h"

#include <QList>
#include <QString>

// The file-type filter of the open and save dialogs and the explorer's filter box, with the
// language each entry stands for: the entries of the built-in document types (each standing
// for the language its description names before " ("), one entry per user-defined language in
// the order of its table of contents ("Foo (*.foo)", masks from its "FileExt"; an extension
// typed as "foo" or ".foo" counts as "*.foo"; a missing language file gives an entry without
// masks), then the "All files" entry.
namespace LanguageFilter {

struct Entry {
    QString language; // the language an extension listed here belongs to
    FileFilterEntry filter;
    bool allFiles = false;
};

QList<Entry> build(const QList<FileFilterEntry> &builtIn, const FileFilterEntry &allFiles);
QList<FileFilterEntry> filterOf(const QList<Entry> &entries);

// The first (or last) entry one of whose masks is "*" + ext, without regard to case ("All
// files" never counts); -1 when none lists it.
int firstListing(const QList<Entry> &entries, const QString &ext);
int lastListing(const QList<Entry> &entries, const QString &ext);

} // namespace LanguageFilter
