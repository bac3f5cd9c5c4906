#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

// Search for a text in UTF-8 bytes. Matches start on character boundaries. Without regard to
// case, characters compare by their Unicode case folding, one character for one whatever their
// lengths in bytes: "É" finds "é", "Σ" finds "σ" and "ς", "k" finds "K" and the Kelvin sign.
namespace TextSearch {

// A text to search for, prepared once for many searches.
class Pattern
{
public:
    Pattern(const QString &text, bool caseSensitive);

    bool isEmpty() const { return m_bytes.isEmpty(); }
    const QByteArray &bytes() const { return m_bytes; }
    bool caseSensitive() const { return m_caseSensitive; }
    // True when every byte is below 0x80.
    bool isAscii() const { return m_ascii; }
    // The text's characters, case folded.
    const QList<char32_t> &folded() const { return m_folded; }
    // False when no match can start with the byte b.
    bool mayStartWith(unsigned char b) const { return m_starts[b]; }

private:
    QByteArray m_bytes;
    QList<char32_t> m_folded;
    std::array<bool, 256> m_starts {};
    bool m_caseSensitive;
    bool m_ascii;
};

struct Match {
    long start = -1; // -1: none
    long end = -1;
};

// In text[0, to): the match that starts first at or after from.
Match findForward(const char *text, long from, long to, const Pattern &pattern);
// In text[0, to): the match that starts last at or after from and before startBefore.
Match findBackward(const char *text, long from, long startBefore, long to, const Pattern &pattern);

} // namespace TextSearch
