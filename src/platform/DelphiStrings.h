#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// String helpers with the semantics the program's behaviour relies on.
namespace Delphi {

// 1-based position of needle in haystack, 0 when absent; an empty needle never matches.
int pos(const QString &needle, const QString &haystack);
// Containment with pos() semantics.
inline bool contains(const QString &haystack, const QString &needle)
{
    return pos(needle, haystack) > 0;
}
// Removes every character <= ' ' at both ends (Trim), at the start (TrimLeft) or end (TrimRight).
QString trim(const QString &s);
QString trimLeft(const QString &s);
QString trimRight(const QString &s);
// Optional sign, then decimal digits or "$" + hex digits; surrounding text not allowed; else def.
int strToIntDef(const QString &s, int def);
bool tryStrToInt(const QString &s, int &value);
// The class library's conversion message: "'abc' is not a valid integer value".
QString invalidIntegerText(const QString &s);
// The class library's standard error box: the message, caption the application title, error
// icon, OK.
void showErrorBox(QWidget *parent, const QString &message);
// StrToInt as a command meets it: when s is no integer, the conversion message is shown in the
// standard error box (caption the application title, error icon, OK) and false is returned.
bool strToIntOrComplain(QWidget *parent, const QString &s, int &value);
// StrToFloat with "." as the decimal separator: blanks around, an optional sign, digits with at
// most one point (at least one digit), an optional exponent. "inf", "nan", "1,5" and values
// out of the double range fail.
bool tryStrToFloat(const QString &s, double &value);
// 1-based substring (Copy): index < 1 counts as 1, count past the end is clipped.
QString copy(const QString &s, int index, int count);
// Extension with the dot ("file.java" -> ".java"; no dot -> ""); "/" or "\" ends the search.
QString extractFileExt(const QString &fileName);
// Bare file name after the last "/" or "\".
QString extractFileName(const QString &fileName);
// Folder with its trailing separator ("/a/b.txt" -> "/a/").
QString extractFilePath(const QString &fileName);
QString changeFileExt(const QString &fileName, const QString &ext);

// A text as a line list: CR LF, LF or CR end a line; a final line break adds no line;
// an empty text is 0 lines.
QStringList textToLines(const QString &text);
// The lines joined with sep after every line (a list's Text property).
QString linesToText(const QStringList &lines, const QString &sep = QStringLiteral("\r\n"));

} // namespace Delphi
