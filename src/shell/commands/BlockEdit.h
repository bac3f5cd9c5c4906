#pragma once

#include <QString>

// The Java block commands as text functions: they take the selected text (or one line) and
// return what replaces it. Line breaks (CR LF, LF or CR) inside a block are kept as they are;
// a block's lines are those of a line list (a final line break adds no line).
namespace BlockEdit {

// "/*" + text + "*/".
QString comment(const QString &text);

// The text without its comment markers: read left to right, each "/*", "*/" and "//" is
// dropped whole and every other character kept ("x*y" stays, "http://x" gives "http:x").
QString uncomment(const QString &text);

// Every line of the block with two blanks in front.
QString indentBlock(const QString &text);

// Every line of the block with its first three characters removed; a line of nothing but
// blanks becomes empty. Tabs and other control characters count as blanks. False, and result
// untouched, when a line that is not blank does not start with three blanks.
bool unindentBlock(const QString &text, QString *result);

// The same for one line (no line breaks).
bool unindentLine(const QString &line, QString *result);

} // namespace BlockEdit
