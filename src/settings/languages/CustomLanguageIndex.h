#pragma once

#include <QString>
#include <QStringList>

// The table of contents of the user-defined languages, "customlang/toc.ini" beside the
// executable, section "CustomLanguages": "Count" and the names under "1" to Count in the order
// they were added. A missing file means no languages. Every write is one checked replace.
class CustomLanguageIndex
{
public:
    CustomLanguageIndex();

    // The folder of the language files, ending in "/".
    static QString folder();
    static QString fileName();

    int count() const;
    // The values of the keys "1" to Count that the table holds, in number order (blank ones
    // included): a number the table lacks is skipped, the later ones kept, so a Count larger
    // than the table gives only what is there.
    QStringList entries() const;
    // The names that are not blank, in table order.
    QStringList names() const;

    // Appends name after the entries (the table is written anew, Count one more than them).
    bool append(const QString &name, QString *error = nullptr);
    // The first entry equal to oldName gets newName.
    bool rename(const QString &oldName, const QString &newName, QString *error = nullptr);
    // Every entry equal to name goes; the rest stand under "1" to n with "Count" n.
    bool remove(const QString &name, QString *error = nullptr);

    // Why a name (trimmed first) cannot be a language name: empty, one of existing without
    // regard to case, or holding "/", "\", ".." or "|" (a file name elsewhere, or a split of
    // the file filter), the table's own name, or a built-in type's name without regard to case
    // (its colour file is the type's). Empty when it can.
    static QString nameRefusal(const QString &name, const QStringList &existing);
    // Whether the files of a name (from a hand-edited table, say) stay in their folders.
    static bool isOwnName(const QString &name);
    // Whether the colour file of a name is the language's own: the name is its own and none of
    // the built-in types "Java", "HTML", "CSS", "PERL", "PHP", "XML" (without regard to case).
    static bool ownsColourFile(const QString &name);

private:
    bool writeEntries(const QStringList &entries, QString *error);
    QString m_fileName;
};
