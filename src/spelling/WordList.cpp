#include "spelling/WordList.h"

#include <QtAlgorithms>

#include <algorithm>
#include <cstring>

namespace {

// Lane (0..3) of the first of four characters loaded as one 64-bit word whose bit is set in
// mask (one bit per 16-bit lane); the characters lie in memory order.
inline int firstLane(std::uint64_t mask)
{
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    return int(qCountTrailingZeroBits(mask) / 16);
#else
    return int(qCountLeadingZeroBits(mask) / 16);
#endif
}

// Code-unit order of two words, as QStringView::compare gives it (negative, 0, positive),
// without a library call per comparison: the load compares every neighbour pair. Four
// characters are compared at a time.
inline int compareUnits(const QChar *a, std::uint32_t la, const QChar *b, std::uint32_t lb)
{
    const std::uint32_t n = std::min(la, lb);
    std::uint32_t i = 0;
    for (; i + 4 <= n; i += 4) {
        std::uint64_t x;
        std::uint64_t y;
        std::memcpy(&x, a + i, sizeof x);
        std::memcpy(&y, b + i, sizeof y);
        if (x != y) {
            const int lane = firstLane(x ^ y);
            return a[i + lane].unicode() < b[i + lane].unicode() ? -1 : 1;
        }
    }
    for (; i < n; ++i) {
        if (a[i] != b[i])
            return a[i].unicode() < b[i].unicode() ? -1 : 1;
    }
    return la == lb ? 0 : (la < lb ? -1 : 1);
}

inline bool isBlankLine(const QChar *p, qsizetype n)
{
    return std::all_of(p, p + n, [](QChar c) { return c.unicode() <= u' '; });
}

inline bool isBreak(QChar c)
{
    return c.unicode() <= u'\r' && (c == u'\n' || c == u'\r');
}

// Position of the first CR or LF at or after from, or end. Four characters are tested at a
// time for one below 14; the first such lane is exact (a borrow only marks lanes after it).
inline qsizetype nextBreak(const QChar *chars, qsizetype from, qsizetype end)
{
    constexpr std::uint64_t ones = 0x0001000100010001ull;
    constexpr std::uint64_t highs = 0x8000800080008000ull;
    qsizetype i = from;
    while (i + 4 <= end) {
        std::uint64_t v;
        std::memcpy(&v, chars + i, sizeof v);
        const std::uint64_t low = (v - 14 * ones) & ~v & highs;
        if (!low) {
            i += 4;
            continue;
        }
        const qsizetype at = i + firstLane(low);
        if (isBreak(chars[at]))
            return at;
        i = at + 1; // a control character inside a word
    }
    while (i < end && !isBreak(chars[i]))
        ++i;
    return i;
}

} // namespace

void WordList::Batch::addLines(QString &&text, bool isUser)
{
    const qsizetype base = m_chars.size();
    if (m_chars.isEmpty())
        m_chars = std::move(text);
    else
        m_chars.append(text);
    const QChar *chars = m_chars.constData();
    const qsizetype n = m_chars.size();
    // Dictionary words are about nine characters and a line break.
    m_records.reserve(m_records.size() + size_t((n - base) / 8) + 1);

    qsizetype start = base;
    while (start < n) {
        qsizetype end = nextBreak(chars, start, n);
        const qsizetype length = end - start;
        if (length > 0 && (chars[start].unicode() > u' ' || !isBlankLine(chars + start, length))) {
            m_records.push_back({std::uint32_t(start), std::uint32_t(length), 0, 0, isUser, false});
            m_maxWordLength = std::max(m_maxWordLength, int(length));
        }
        if (end + 1 < n && chars[end] == u'\r' && chars[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
}

QStringView WordList::Batch::word(int i) const
{
    const Record &r = m_records[size_t(i)];
    return QStringView(m_chars).mid(r.offset, r.length);
}

WordList::Range WordList::group(char16_t c) const
{
    if (c < 256)
        return m_latinIndex[c];
    return m_otherIndex.value(c);
}

int WordList::findWord(QStringView w) const
{
    if (w.isEmpty())
        return -1;
    const Range g = group(w.front().unicode());
    if (g.isEmpty())
        return -1;
    const QChar *chars = m_chars.constData();
    int low = g.first;
    int high = g.last;
    int found = -1;
    while (low <= high) {
        const int mid = (low + high) / 2;
        const Record &r = m_records[size_t(mid)];
        const int c = compareUnits(chars + r.offset, r.length, w.data(), std::uint32_t(w.size()));
        if (c >= 0) {
            high = mid - 1;
            if (c == 0)
                found = mid;
        } else {
            low = mid + 1;
        }
    }
    return found;
}

bool WordList::contains(QStringView w) const
{
    return findWord(w) >= 0;
}

int WordList::appendBatch(Batch &&batch, bool keysPending)
{
    const int added = batch.size();
    if (keysPending) {
        for (Record &r : batch.m_records)
            r.keyPending = true;
        m_keysPending = m_keysPending || added > 0;
    }
    if (m_records.empty()) {
        // The usual case: the batch's pool and records become the list's as they are.
        m_chars = std::move(batch.m_chars);
        m_records = std::move(batch.m_records);
    } else {
        const std::uint32_t shift = std::uint32_t(m_chars.size());
        m_chars.append(batch.m_chars);
        m_records.reserve(m_records.size() + batch.m_records.size());
        for (Record r : batch.m_records) {
            r.offset += shift;
            m_records.push_back(r);
        }
    }
    batch = Batch();
    sortAndIndex();
    return added;
}

void WordList::resetSoundKeys()
{
    m_keys.clear();
    for (Record &r : m_records) {
        r.keyOffset = r.keyLength = 0;
        r.keyPending = true;
    }
    m_keysPending = !m_records.empty();
}

void WordList::makePendingKeys() const
{
    m_keysPending = false;
    for (Record &r : m_records) {
        if (!r.keyPending)
            continue;
        r.keyPending = false;
        const qsizetype before = m_keys.size();
        if (m_keyOf)
            m_keyOf(word(int(&r - m_records.data())), m_keys);
        r.keyOffset = std::uint32_t(before);
        r.keyLength = std::uint32_t(m_keys.size() - before);
    }
}

int WordList::insertWord(QStringView w, bool isUser, QStringView soundKey)
{
    Record r {std::uint32_t(m_chars.size()),
              std::uint32_t(w.size()),
              std::uint32_t(m_keys.size()),
              std::uint32_t(soundKey.size()),
              isUser,
              false};
    m_chars.append(w);
    m_keys.append(soundKey);
    const QChar *chars = m_chars.constData();
    const auto at = std::upper_bound(
        m_records.begin(), m_records.end(), r, [chars](const Record &a, const Record &b) {
            return compareUnits(chars + a.offset, a.length, chars + b.offset, b.length) < 0;
        });
    const int pos = int(at - m_records.begin());
    m_records.insert(at, r);
    buildIndex();
    return pos;
}

void WordList::clear()
{
    m_chars.clear();
    m_chars.squeeze();
    m_keys.clear();
    m_keys.squeeze();
    m_keysPending = false;
    m_records.clear();
    m_records.shrink_to_fit();
    buildIndex();
}

std::size_t WordList::memoryBytes() const
{
    return size_t(m_chars.capacity() + m_keys.capacity()) * sizeof(QChar)
        + m_records.capacity() * sizeof(Record) + sizeof(m_latinIndex)
        + size_t(m_otherIndex.capacity()) * (sizeof(char16_t) + sizeof(Range));
}

void WordList::sortAndIndex()
{
    const QChar *chars = m_chars.constData();
    const auto less = [chars](const Record &a, const Record &b) {
        return compareUnits(chars + a.offset, a.length, chars + b.offset, b.length) < 0;
    };
    // Dictionary files are usually sorted already; then the check is all the work.
    if (!std::is_sorted(m_records.begin(), m_records.end(), less))
        std::stable_sort(m_records.begin(), m_records.end(), less);
    buildIndex();
}

void WordList::buildIndex()
{
    std::fill(std::begin(m_latinIndex), std::end(m_latinIndex), Range());
    m_otherIndex.clear();
    const QChar *chars = m_chars.constData();
    const int n = size();
    int i = 0;
    while (i < n) {
        const QChar c = chars[m_records[size_t(i)].offset];
        int j = i;
        while (j + 1 < n && chars[m_records[size_t(j + 1)].offset] == c)
            ++j;
        if (c.unicode() < 256)
            m_latinIndex[c.unicode()] = {i, j};
        else
            m_otherIndex.insert(c.unicode(), {i, j});
        i = j + 1;
    }
}
