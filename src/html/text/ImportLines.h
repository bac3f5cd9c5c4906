#pragma once

#include <QString>
#include <QStringList>

// The lines an "Import.." button of the list wizards takes from a file: a rich-text file
// (one that begins with "{\rtf") gives its plain text by paragraph (RtfReader); any other file
// is text, read as UTF-8 when valid, else Latin-1, with any line ending. Lines that are
// blank once blanks and control characters are trimmed from both ends are left out; the
// others are kept as they stand, untrimmed.
namespace ImportLines {

// The lines of fileName worth an entry, in file order; false with the system's reason when
// the file cannot be read (lines is then left as it was).
bool read(const QString &fileName, QStringList &lines, QString *error = nullptr);

// Of lines, those worth an entry.
QStringList entryLines(const QStringList &lines);

// The message for a file that could not be read.
QString cannotOpenText(const QString &fileName, const QString &reason);

} // namespace ImportLines
