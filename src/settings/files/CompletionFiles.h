#pragma once

#include <QString>
#include <QStringList>

// The program's plain list files beside the executable: the code templates
// ("completion/auto.cmp"), the class list ("completion/toc.cmp"), one member file per class
// ("completion/" + class + ".cmp") and the colour preset list ("colors/toc.col").
// Lines are read with any line break and written each ended by CR LF, through a checked
// replace: a failed write leaves the old file whole and gives the system's reason.
namespace CompletionFiles {

QString templateFile();                              // "completion/auto.cmp"
QString classListFile();                             // "completion/toc.cmp"
QString memberFile(const QString &className);        // "completion/" + name + ".cmp", name as typed
QString presetListFile();                            // "colors/toc.col"
QString presetFile(const QString &preset);           // "colors/" + preset + ".ini"
QString languageColourFile(const QString &language); // "colors/lang/" + language + ".ini"

// The lines of a file; empty when it is missing or cannot be read.
QStringList readLines(const QString &fileName);
// Writes lines, each ended by CR LF (an empty list gives an empty file), making the file's
// folder when it is missing.
bool writeLines(const QString &fileName, const QStringList &lines, QString *error = nullptr);
// Makes the folder of fileName when it is missing.
bool makeFolderOf(const QString &fileName, QString *error = nullptr);

// Why a class name cannot be added to the class list; empty when it can. listed: the names
// in the list now.
QString classNameRefusal(const QString &name, const QStringList &listed);
// Whether a class's member file may be touched: a name from a hand-edited list may lead out
// of the folder or name one of the program's own lists.
bool isOwnClassFile(const QString &name);
// Why a preset name cannot be saved; empty when it can.
QString presetNameRefusal(const QString &name);

} // namespace CompletionFiles
