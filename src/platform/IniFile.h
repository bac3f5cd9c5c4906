#pragma once

#include <QString>
#include <QStringList>

// A profile file in the style of the Windows profile functions:
// - section and key names are compared without regard to case;
// - values are trimmed, and one pair of enclosing double quotes is stripped;
// - the first of duplicate sections/keys wins;
// - every write goes straight to disk (SafeWrite: checked, then one atomic replace),
//   keeping unknown lines; a failed write leaves the file as it was;
// - the file is created on the first write; CRLF is written, CRLF or LF read;
// - booleans are written "1"/"0" and read as integer != 0.
// Reads see the file as it is on disk, so a write by one IniFile object is
// visible to another object on the same file. A write changes only what it names: under the
// lock of the file's folder (FileLock) it reads the file again, applies its change and replaces
// the file, so writers in other objects and other processes keep each other's keys. No write
// leaves any file but its target behind.
class IniFile
{
public:
    explicit IniFile(const QString &fileName);

    QString fileName() const { return m_fileName; }

    QString readString(const QString &section, const QString &key, const QString &def) const;
    int readInteger(const QString &section, const QString &key, int def) const;
    bool readBool(const QString &section, const QString &key, bool def) const;

    // Return false when the file could not be written.
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeBool(const QString &section, const QString &key, bool value);
    bool eraseSection(const QString &section);
    bool deleteKey(const QString &section, const QString &key);
    bool sectionExists(const QString &section) const;
    bool valueExists(const QString &section, const QString &key) const;
    QStringList readSections() const;
    QStringList readSection(const QString &section) const; // key names in file order
    // The values of the keys named first to first + count - 1 (in plain decimal: "04" is no
    // number) that the section holds, in number order; a missing number is skipped, and the
    // later ones are kept. Of duplicate keys the first wins. The cost follows the section's
    // size, not count.
    QStringList readNumbered(const QString &section, int first, int count) const;

    // A batch: writes between beginUpdate() and commit() change only this object's copy of
    // the file, which its own reads see; commit() applies them, in their order, to the file as
    // it then is on disk and puts the result there in one replace; only then do other readers
    // see them. discardUpdate() drops them. Not nested.
    void beginUpdate();
    bool commit();
    void discardUpdate();
    bool isUpdating() const { return m_updating; }

    // Why the last write to disk failed (the system's reason); empty after a good one.
    QString lastError() const { return m_lastError; }

private:
    // One change of the file.
    struct Edit {
        enum Kind { Write, EraseSection, DeleteKey } kind;
        QString section;
        QString key;
        QString value;
    };
    QStringList loadLines() const;
    bool saveLines(const QStringList &lines);
    // Every write ends here: into the batch, or to disk.
    bool store(const Edit &edit);
    // Applies one change to lines; false when it changes nothing (a write always counts).
    static bool applyEdit(const Edit &edit, QStringList &lines);

    QString m_fileName;
    bool m_updating = false;
    QStringList m_base;    // the file as the batch began
    QStringList m_pending; // the batch's copy
    QList<Edit> m_edits;   // the batch's changes, in order
    QString m_lastError;
};
