#include "editor/TextSearch.h"

#include <QChar>

#include <cstring>

namespace {

using Bytes = const unsigned char *;

inline unsigned char lower(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

inline bool isContinuation(unsigned char c)
{
    return c >= 0x80 && c < 0xC0;
}

// A byte that starts no valid character stands for itself, as a value no character has.
constexpr char32_t NotACharacter = 0x110000;

// The character at t[pos] (before to) and its length in bytes.
inline char32_t decode(Bytes t, long pos, long to, int *length)
{
    const unsigned char c = t[pos];
    *length = 1;
    if (c < 0x80)
        return c;
    const int more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (more == 0 || c >= 0xF8 || pos + more >= to)
        return NotACharacter + c;
    char32_t value = c & (0x3F >> more);
    for (int k = 1; k <= more; ++k) {
        if (!isContinuation(t[pos + k]))
            return NotACharacter + c;
        value = (value << 6) | (t[pos + k] & 0x3F);
    }
    *length = more + 1;
    return value;
}

inline char32_t fold(char32_t c)
{
    if (c < 0x80)
        return lower(static_cast<unsigned char>(c));
    return c < NotACharacter ? QChar::toCaseFolded(c) : c;
}

// The end of a match of pattern at t[pos] (a character's start) within [pos, to); -1: none.
long matchAt(Bytes t, long pos, long to, const TextSearch::Pattern &pattern)
{
    if (pattern.caseSensitive()) {
        const long n = pattern.bytes().size();
        return pos + n <= to && std::memcmp(t + pos, pattern.bytes().constData(), n) == 0 ? pos + n
                                                                                          : -1;
    }
    for (char32_t wanted : pattern.folded()) {
        if (pos >= to)
            return -1;
        int length;
        if (fold(decode(t, pos, to, &length)) != wanted)
            return -1;
        pos += length;
    }
    return pos;
}

// The first match that starts in [from, startBefore) and ends by to.
TextSearch::Match scanForward(Bytes t, long from, long startBefore, long to,
                              const TextSearch::Pattern &pattern)
{
    for (long i = from; i < startBefore; ++i) {
        if (!pattern.mayStartWith(t[i]))
            continue;
        const long end = matchAt(t, i, to, pattern);
        if (end >= 0)
            return {i, end};
    }
    return {};
}

// The first place in [from, to) where the ASCII pattern's bytes stand (ASCII letters compared
// without regard to case unless the pattern asks for it), or the first byte of 0x80 or above,
// whichever comes first; kind tells which.
struct Hit {
    enum Kind { None, Candidate, NonAscii };
    Kind kind = None;
    long pos = -1;
};

Hit scanAscii(Bytes t, long from, long to, const TextSearch::Pattern &pattern)
{
    const bool caseSensitive = pattern.caseSensitive();
    const auto *n = reinterpret_cast<Bytes>(pattern.bytes().constData());
    const long length = pattern.bytes().size();
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

} // namespace

namespace TextSearch {

Pattern::Pattern(const QString &text, bool caseSensitive)
    : m_bytes(text.toUtf8()), m_caseSensitive(caseSensitive), m_ascii(true)
{
    for (char c : m_bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            m_ascii = false;
    if (m_bytes.isEmpty())
        return;
    if (caseSensitive) {
        m_starts[static_cast<unsigned char>(m_bytes.at(0))] = true;
        return;
    }
    for (char32_t c : text.toUcs4())
        m_folded.append(fold(c));
    // ASCII folds only to ASCII; characters outside it may fold to ASCII letters (the Kelvin
    // sign to "k"), so every byte that starts such a character may start a match.
    for (int b = 0; b < 0x80; ++b)
        m_starts[b] = fold(char32_t(b)) == m_folded.constFirst();
    for (int b = 0xC0; b < 0x100; ++b)
        m_starts[b] = true;
}

// An ASCII pattern is looked for byte by byte through ASCII text, the common case; characters
// outside ASCII are compared one by one only around the places that hold them.
Match findForward(const char *text, long from, long to, const Pattern &pattern)
{
    const auto *t = reinterpret_cast<Bytes>(text);
    if (pattern.isEmpty() || from >= to)
        return {};
    if (!pattern.isAscii())
        return scanForward(t, from, to, to, pattern);
    const long n = pattern.bytes().size();
    long at = from;
    while (at < to) {
        const Hit hit = scanAscii(t, at, to, pattern);
        if (hit.kind == Hit::None)
            return {};
        if (hit.kind == Hit::Candidate)
            return {hit.pos, hit.pos + n};
        long asciiAgain = hit.pos;
        while (asciiAgain < to && t[asciiAgain] >= 0x80)
            ++asciiAgain;
        // Bytes are equal only in ASCII; case folding may take characters outside it for
        // ASCII letters, in a match that starts at most n - 1 ASCII bytes before them.
        if (!pattern.caseSensitive()) {
            const Match m = scanForward(t, qMax(at, hit.pos - n + 1), asciiAgain, to, pattern);
            if (m.start >= 0)
                return m;
        }
        at = asciiAgain;
    }
    return {};
}

Match findBackward(const char *text, long from, long startBefore, long to, const Pattern &pattern)
{
    const auto *t = reinterpret_cast<Bytes>(text);
    for (long i = qMin(startBefore, to) - 1; i >= from; --i) {
        if (!pattern.mayStartWith(t[i]))
            continue;
        const long end = matchAt(t, i, to, pattern);
        if (end >= 0)
            return {i, end};
    }
    return {};
}

} // namespace TextSearch
