#pragma once

#include <QChar>
#include <QString>

// The accent map of the suggestion search. Dictionaries and documents are Unicode here, but
// the map is the one of the Central European code page (Windows-1250): each of its bytes
// 128..255 stands for one character, and a handful of accented letters map to their plain
// letter. Characters outside that code page map to themselves.
namespace AccentMap {

// The Unicode character of a Windows-1250 byte (0x80..0xFF); 0 for the five unused bytes.
char16_t cp1250ToUnicode(unsigned char byte);

// The unaccented form of one character (itself when the map leaves it alone).
char16_t stripAccent(char16_t c);

// s with every mapped character replaced by its unaccented form.
QString stripAccents(const QString &s);

} // namespace AccentMap
