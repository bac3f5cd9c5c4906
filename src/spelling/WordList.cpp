#include "WordList.h"

#include <algorithm>

void WordList::Batch::add(QStringView word, bool isUser)
{
    m_records.push_back({std::uint32_t(m_chars.size()), std::uint32_t(word.size()), isUser});
    m_chars.append(word);
    m_maxWordLength = std::max(m_maxWordLength, int(word.size()));
}

QStringView WordList::Batch::word(int i) const
{
    const Entry &e = m_records[size_t(i)];
    return QStringView(m_chars).mid(e.offset, e.length);
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
    int low = g.first;
    int high = g.last;
    int found = -1;
    while (low <= high) {
        const int mid = (low + high) / 2;
        const int c = word(mid).compare(w);
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

std::uint32_t WordList::hashOf(QStringView w)
{
    std::uint32_t h = 2166136261u;
    for (const QChar c : w)
        h = (h ^ c.unicode()) * 16777619u;
    return h ^ (h >> 15);
}

bool WordList::contains(QStringView w) const
{
    if (m_slots.empty() || w.isEmpty())
        return false;
    const std::uint32_t mask = std::uint32_t(m_slots.size() - 1);
    const QChar *chars = m_chars.constData();
    const std::uint32_t h = hashOf(w);
    for (std::uint32_t i = h & mask;; i = (i + 1) & mask) {
        const Slot &slot = m_slots[i];
        if (slot.position == kEmptySlot)
            return false;
        if (slot.hash != h)
            continue;
        const Record &r = m_records[slot.position];
        if (r.length == std::uint32_t(w.size()) && std::equal(w.begin(), w.end(), chars + r.offset))
            return true;
    }
}

void WordList::buildHash()
{
    size_t capacity = 16;
    while (capacity < m_records.size() * 2)
        capacity *= 2;
    m_slots.assign(capacity, Slot {kEmptySlot, 0});
    const std::uint32_t mask = std::uint32_t(capacity - 1);
    for (size_t p = 0; p < m_records.size(); ++p) {
        if (p > 0 && word(int(p)) == word(int(p - 1)))
            continue; // equal words sit together; the first stands for them
        const std::uint32_t h = hashOf(word(int(p)));
        std::uint32_t i = h & mask;
        while (m_slots[i].position != kEmptySlot)
            i = (i + 1) & mask;
        m_slots[i] = Slot {std::uint32_t(p), h};
    }
}

int WordList::appendBatch(Batch &&batch)
{
    return appendBatch(std::move(batch), [](QStringView, QString &) {});
}

int WordList::mergeBatch(Batch &&batch)
{
    const int added = batch.size();
    const std::uint32_t shift = std::uint32_t(m_chars.size());
    if (m_chars.isEmpty())
        m_chars = std::move(batch.m_chars);
    else
        m_chars.append(batch.m_chars);
    m_records.reserve(m_records.size() + batch.m_records.size());
    for (const Batch::Entry &e : batch.m_records)
        m_records.push_back({e.offset + shift, e.length, 0, 0, e.isUser});
    batch = Batch();
    return added;
}

int WordList::insertWord(QStringView w, bool isUser, QStringView soundKey)
{
    Record r {std::uint32_t(m_chars.size()), std::uint32_t(w.size()), std::uint32_t(m_keys.size()),
              std::uint32_t(soundKey.size()), isUser};
    m_chars.append(w);
    m_keys.append(soundKey);
    const auto at =
        std::upper_bound(m_records.begin(), m_records.end(), r,
                         [this](const Record &a, const Record &b) { return less(a, b); });
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
    m_records.clear();
    m_records.shrink_to_fit();
    buildIndex();
    m_slots.clear();
    m_slots.shrink_to_fit();
}

std::size_t WordList::memoryBytes() const
{
    return size_t(m_chars.capacity() + m_keys.capacity()) * sizeof(QChar)
        + m_records.capacity() * sizeof(Record) + sizeof(m_latinIndex)
        + size_t(m_otherIndex.capacity()) * (sizeof(char16_t) + sizeof(Range))
        + m_slots.capacity() * sizeof(Slot);
}

bool WordList::less(const Record &a, const Record &b) const
{
    return QStringView(m_chars)
               .mid(a.offset, a.length)
               .compare(QStringView(m_chars).mid(b.offset, b.length))
        < 0;
}

void WordList::sortAndIndex()
{
    const auto cmp = [this](const Record &a, const Record &b) { return less(a, b); };
    // Dictionary files are usually sorted already; then the check is all the work.
    if (!std::is_sorted(m_records.begin(), m_records.end(), cmp))
        std::stable_sort(m_records.begin(), m_records.end(), cmp);
    buildIndex();
}

void WordList::buildIndex()
{
    std::fill(std::begin(m_latinIndex), std::end(m_latinIndex), Range());
    m_otherIndex.clear();
    const int n = size();
    int i = 0;
    while (i < n) {
        const char16_t c = m_chars.at(m_records[size_t(i)].offset).unicode();
        int j = i;
        while (j + 1 < n && m_chars.at(m_records[size_t(j + 1)].offset).unicode() == c)
            ++j;
        if (c < 256)
            m_latinIndex[c] = {i, j};
        else
            m_otherIndex.insert(c, {i, j});
        i = j + 1;
    }
    buildHash();
}
