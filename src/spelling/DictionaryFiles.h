#pragma once

#include "spelling/WordList.h"

#include <QString>
#include <QStringList>

// The dictionary files of the spell checker in a folder: the main dictionaries named
// "<language>.<d>-<d>-<d>.dic" and the user lists "<language>.user.dic". Names are matched
// without regard to case, as the file system the dictionaries come from does, but the file
// is always opened under its real name.
namespace DictionaryFiles {

// folder with "\\" taken as "/" and a trailing "/" (an empty folder stays empty).
QString withSlash(QString folder);

// Whether name fits the wildcard mask ("*" any run, "?" one character), ignoring case.
bool matchesMask(const QString &name, const QString &mask);

// Whether name is a main dictionary name of language: the language itself, letter for letter
// without regard to case (a "*" or "?" in it is only that character), then ".?-?-?.dic".
bool isDictionaryOf(const QString &name, const QString &language);

// Real names of the main dictionaries of language in folder, in name order.
QStringList dictionariesOf(const QString &folder, const QString &language);

// Real names of the entries of folder that fit mask (files and folders alike), in name order.
// Empty when the folder does not exist.
QStringList entriesMatching(const QString &folder, const QString &mask);

// The main dictionary of language in folder: among dictionariesOf(folder, language) the
// names that do not hold ".user.", the last in lower-case order.
// Returns that name in lower case, and its real name in realName; empty when there is none.
QString findDictionaryFile(const QString &folder, const QString &language,
                           QString *realName = nullptr);

// The real path of the file named name (any case) in folder; empty when there is none.
QString findFileNoCase(const QString &folder, const QString &name);

// Whether a line counts as blank (nothing but characters up to the space).
bool isBlank(QStringView line);

// Reads a dictionary file, one word a line, into batch; blank lines are skipped and every
// other line is kept exactly as read. Text is UTF-8, or Latin-1 when it is not valid UTF-8.
// Returns false, with a reason in error, when the file cannot be opened or read.
bool readWordFile(const QString &path, bool isUser, WordList::Batch &batch, QString *error);

} // namespace DictionaryFiles
