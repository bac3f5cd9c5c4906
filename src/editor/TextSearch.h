#pragma once

#include <QByteArray>

// A fast scan for an ASCII search text in UTF-8 bytes, which the editor's search confirms:
// in text that is all ASCII, a match under the editor's case folding is a match of ASCII
// letters without regard to case, so the scan finds the first candidate quickly and stops at
// the first byte outside ASCII, around which the editor searches itself.
namespace TextSearch {

// True when every byte is below 0x80.
bool isAscii(const QByteArray &bytes);

struct Hit {
    enum Kind { None, Candidate, NonAscii };
    Kind kind = None;
    long pos = -1;
};

// Scans text[from, to) from the left for needle (ASCII, not empty) and reports what comes
// first: a candidate (needle at pos, ASCII letters compared without regard to case unless
// caseSensitive) or a byte of 0x80 or above (at pos). None: neither before to.
Hit scan(const char *text, long from, long to, const QByteArray &needle, bool caseSensitive);

// The first place at or after from (before to) holding an ASCII byte; to when there is none.
long asciiFrom(const char *text, long from, long to);

} // namespace TextSearch
