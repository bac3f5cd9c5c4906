#include "spelling/Soundex.h"

#include <algorithm>

namespace Soundex {

namespace {

// Codes of 'A'..'Z': 0 for vowels and Y (they separate), -1 for H and W (they do not).
const signed char kCodes[26] = {
    0, 1, 2, 3, 0, 1, 2, -1, 0, 2, 2, 4, 5, 5, 0, 1, 2, 6, 2, 3, 0, 1, -1, 2, 0, 2,
};

inline int letterIndex(char16_t c)
{
    if (c >= u'a' && c <= u'z')
        return c - u'a';
    if (c >= u'A' && c <= u'Z')
        return c - u'A';
    return -1;
}

} // namespace

int encode(QStringView text, int length, char16_t *out)
{
    length = std::clamp(length, MinLength, MaxLength);
    int n = 0;
    int last = 0; // code of the letter before, 0 after a vowel
    for (const QChar ch : text) {
        const int i = letterIndex(ch.unicode());
        if (i < 0)
            continue;
        const int code = kCodes[i];
        if (n == 0) {
            out[n++] = char16_t(u'A' + i);
            last = code;
            if (n == length)
                return n;
            continue;
        }
        if (code < 0)
            continue; // H, W: the code before them still counts
        if (code == 0) {
            last = 0;
            continue;
        }
        if (code != last) {
            out[n++] = char16_t(u'0' + code);
            if (n == length)
                return n;
        }
        last = code;
    }
    if (n == 0)
        return 0;
    while (n < length)
        out[n++] = u'0';
    return n;
}

QString code(QStringView text, int length)
{
    char16_t buf[MaxLength];
    const int n = encode(text, length, buf);
    return QString(reinterpret_cast<const QChar *>(buf), n);
}

} // namespace Soundex
