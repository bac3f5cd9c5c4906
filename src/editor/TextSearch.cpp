#include "editor/TextSearch.h"

namespace {

inline unsigned char lower(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

} // namespace

namespace TextSearch {

bool isAscii(const QByteArray &bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

Hit scan(const char *text, long from, long to, const QByteArray &needle, bool caseSensitive)
{
    const auto *t = reinterpret_cast<const unsigned char *>(text);
    const auto *n = reinterpret_cast<const unsigned char *>(needle.constData());
    const long length = needle.size();
    const long lastStart = to - length;
    const unsigned char first = caseSensitive ? n[0] : lower(n[0]);
    for (long i = from; i < to; ++i) {
        const unsigned char c = t[i];
        if (c >= 0x80)
            return {Hit::NonAscii, i};
        if (i > lastStart || (caseSensitive ? c : lower(c)) != first)
            continue;
        long k = 1;
        if (caseSensitive)
            while (k < length && t[i + k] == n[k])
                ++k;
        else
            while (k < length && lower(t[i + k]) == lower(n[k]))
                ++k;
        if (k == length)
            return {Hit::Candidate, i};
    }
    return {};
}

long asciiFrom(const char *text, long from, long to)
{
    const auto *t = reinterpret_cast<const unsigned char *>(text);
    long i = from;
    while (i < to && t[i] >= 0x80)
        ++i;
    return i;
}

} // namespace TextSearch
