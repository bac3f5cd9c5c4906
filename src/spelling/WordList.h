#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

// The spell checker's word list: word records sorted by their words (compared character by
// character, case-sensitive), each with its sound key and whether it came from the user, plus
// an index from a first character to the run of words beginning with it.
//
// The characters of all words live in one pool and the records point into it, so a list of a
// hundred thousand words is a few large blocks rather than a hundred thousand strings.
class WordList
{
    struct Record {
        std::uint32_t offset;
        std::uint32_t length;
        std::uint32_t keyOffset;
        std::uint32_t keyLength;
        bool isUser;
    };

public:
    struct Range {
        int first = -1;
        int last = -1;
        bool isEmpty() const { return first < 0; }
        int size() const { return isEmpty() ? 0 : last - first + 1; }
    };

    // Words read from one file, not yet part of the list.
    class Batch
    {
    public:
        void add(QStringView word, bool isUser);
        int size() const { return int(m_records.size()); }
        int maxWordLength() const { return m_maxWordLength; }
        QStringView word(int i) const;

    private:
        friend class WordList;
        struct Entry {
            std::uint32_t offset;
            std::uint32_t length;
            bool isUser;
        };
        QString m_chars;
        std::vector<Entry> m_records;
        int m_maxWordLength = 0;
    };

    int size() const { return int(m_records.size()); }
    bool isEmpty() const { return m_records.empty(); }
    QStringView word(int i) const
    {
        const Record &r = m_records[size_t(i)];
        return QStringView(m_chars.constData() + r.offset, r.length);
    }
    QStringView soundKey(int i) const
    {
        const Record &r = m_records[size_t(i)];
        return QStringView(m_keys.constData() + r.keyOffset, r.keyLength);
    }
    bool isUser(int i) const { return m_records[size_t(i)].isUser; }

    // Leftmost position of word, or -1: the binary search over the run of word's first
    // character.
    int findWord(QStringView word) const;
    // Whether word is in the list: the same answer as findWord(word) >= 0, by hash.
    bool contains(QStringView word) const;
    // The run of words whose first character is c.
    Range group(char16_t c) const;

    // Appends the batch's words, gives every new record its key by keyOf (see setSoundKeys),
    // then sorts and re-indexes. Returns the number of records added.
    template <typename KeyOf>
    int appendBatch(Batch &&batch, KeyOf keyOf);
    int appendBatch(Batch &&batch);

    // Inserts word before the first word that sorts after it; returns its position.
    int insertWord(QStringView word, bool isUser, QStringView soundKey);

    // Recomputes every record's key: keyOf(word, QString &pool) appends the key to pool.
    template <typename KeyOf>
    void setSoundKeys(KeyOf keyOf);

    void clear();
    // Bytes held by the pools, records and index.
    std::size_t memoryBytes() const;

private:
    int mergeBatch(Batch &&batch);
    template <typename KeyOf>
    void setKey(Record &r, KeyOf &keyOf);
    void sortAndIndex();
    void buildIndex();
    void buildHash();
    bool less(const Record &a, const Record &b) const;
    static std::uint32_t hashOf(QStringView w);

    QString m_chars;
    QString m_keys;
    std::vector<Record> m_records;
    Range m_latinIndex[256];
    QHash<char16_t, Range> m_otherIndex;
    // Open addressing over record positions (the first of equal words); kEmptySlot is free.
    static constexpr std::uint32_t kEmptySlot = 0xFFFFFFFFu;
    struct Slot {
        std::uint32_t position;
        std::uint32_t hash;
    };
    std::vector<Slot> m_slots;
};

template <typename KeyOf>
void WordList::setKey(Record &r, KeyOf &keyOf)
{
    const qsizetype before = m_keys.size();
    keyOf(QStringView(m_chars).mid(r.offset, r.length), m_keys);
    r.keyOffset = std::uint32_t(before);
    r.keyLength = std::uint32_t(m_keys.size() - before);
}

template <typename KeyOf>
int WordList::appendBatch(Batch &&batch, KeyOf keyOf)
{
    const size_t from = m_records.size();
    const int added = mergeBatch(std::move(batch));
    for (size_t i = from; i < m_records.size(); ++i)
        setKey(m_records[i], keyOf);
    sortAndIndex();
    return added;
}

template <typename KeyOf>
void WordList::setSoundKeys(KeyOf keyOf)
{
    m_keys.clear();
    for (Record &r : m_records)
        setKey(r, keyOf);
}
