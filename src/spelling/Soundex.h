#pragma once

#include <QString>
#include <QStringView>

// The published (American) Soundex code: the first letter in upper case, then the digit
// codes of the following consonants (B F P V 1, C G J K Q S X Z 2, D T 3, L 4, M N 5, R 6);
// vowels (and Y) separate equal codes, H and W do not; letters with the code of the letter
// before them are coded once. The code is padded with "0" or cut to the given length.
// Only the letters A..Z (either case) are coded; every other character is skipped.
namespace Soundex {

constexpr int MinLength = 1;
constexpr int MaxLength = 16;

// Writes the code of text into out (room for length characters) and returns its length:
// 0 when text holds no letter A..Z, else length (clamped to MinLength..MaxLength).
int encode(QStringView text, int length, char16_t *out);

QString code(QStringView text, int length);

} // namespace Soundex
