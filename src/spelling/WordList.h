#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <functional>
#include <vector>

// The spell checker's word list: word records sorted by their words (compared character by
// character, case-sensitive), each with its sound key and whether it came from the user, plus
// an index from a first character to the run of words beginning with it.
//
// The characters of all words live in one pool and the records point into it, so a list of a
// hundred thousand words is a few large blocks rather than a hundred thousand strings. A word
// file's text becomes the pool as it was read: its line breaks simply lie between the words.
//
// Sound keys are made when they are first read: a record added with a pending key gets it from
// the key function then, all pending records at once.
class WordList
{
    struct Record {
        std::uint32_t offset;
        std::uint32_t length;
        std::uint32_t keyOffset;
        std::uint32_t keyLength;
        bool isUser;
        bool keyPending;
    };

public:
    struct Range {
        int first = -1;
        int last = -1;
        bool isEmpty() const { return first < 0; }
        int size() const { return isEmpty() ? 0 : last - first + 1; }
    };

    // Appends the key of a word to a pool.
    using KeyFunction = std::function<void(QStringView word, QString &pool)>;

    // Words read from one or more files, not yet part of the list.
    class Batch
    {
    public:
        // Takes every line of text that is not blank as a word, exactly as it stands. Lines
        // end at CR, LF or CR LF; a blank line holds nothing but characters up to the space.
        void addLines(QString &&text, bool isUser);
        int size() const { return int(m_records.size()); }
        int maxWordLength() const { return m_maxWordLength; }
        QStringView word(int i) const;

    private:
        friend class WordList;
        QString m_chars;
        std::vector<Record> m_records;
        int m_maxWordLength = 0;
    };

    int size() const { return int(m_records.size()); }
    bool isEmpty() const { return m_records.empty(); }
    QStringView word(int i) const
    {
        const Record &r = m_records[size_t(i)];
        return QStringView(m_chars.constData() + r.offset, r.length);
    }
    // The record's key; pending keys are made first.
    QStringView soundKey(int i) const
    {
        if (m_keysPending)
            makePendingKeys();
        const Record &r = m_records[size_t(i)];
        return QStringView(m_keys.constData() + r.keyOffset, r.keyLength);
    }
    bool isUser(int i) const { return m_records[size_t(i)].isUser; }

    // Leftmost position of word, or -1: the binary search over the run of word's first
    // character.
    int findWord(QStringView word) const;
    // Whether word is in the list: findWord(word) >= 0.
    bool contains(QStringView word) const;
    // The run of words whose first character is c.
    Range group(char16_t c) const;

    // How pending keys are made (none by default: they stay empty).
    void setKeyFunction(KeyFunction keyOf) { m_keyOf = std::move(keyOf); }
    // Appends the batch's words, their keys pending when keysPending (else empty), then
    // sorts and re-indexes. Returns the number of records added.
    int appendBatch(Batch &&batch, bool keysPending = false);
    // Drops every key; each record's key is made again by the key function when first read.
    void resetSoundKeys();

    // Inserts word before the first word that sorts after it; returns its position.
    int insertWord(QStringView word, bool isUser, QStringView soundKey);

    void clear();
    // Bytes held by the pools, records and index.
    std::size_t memoryBytes() const;

private:
    void makePendingKeys() const;
    void sortAndIndex();
    void buildIndex();

    QString m_chars;
    // Records and keys are mutable only so that a reader's first look at a key can make it.
    mutable std::vector<Record> m_records;
    mutable QString m_keys;
    mutable bool m_keysPending = false;
    KeyFunction m_keyOf;
    Range m_latinIndex[256];
    QHash<char16_t, Range> m_otherIndex;
};
