#pragma once

#include <QString>
#include <QStringList>

// One user-defined language as its file holds it.
struct CustomLanguage {
    QString fileExt;  // "FileInfo" "FileExt", as typed
    QString langName; // "FileInfo" "LangName"
    QStringList keywords;
    QStringList code; // the sample code, one entry per line
    // "CommentTypes": Pascal, C, Asm, Bas, Ansi.
    bool pascalComments = false;
    bool cComments = false;
    bool asmComments = false;
    bool basComments = false;
    bool ansiComments = false;
};

// The language file "customlang/" + name + ".ini" beside the executable. A missing file reads
// as all defaults. The keywords and the code lines are the keys "0" to the count that their
// section holds, in number order; a number the section lacks is skipped. Every write is one
// checked replace of the file; a failure gives the system's reason and leaves the file as it
// was.
class CustomLanguageFile
{
public:
    explicit CustomLanguageFile(const QString &name);

    static QString fileName(const QString &name);
    QString fileName() const { return m_fileName; }
    QString name() const { return m_name; }
    bool exists() const;

    CustomLanguage read(bool withCode = true) const;
    QString fileExt() const;
    QStringList keywords() const;
    QStringList code() const;
    bool commentType(const QString &key) const; // key: "PascalComments", ...

    // The whole file of a new language ("CodeLines" 0).
    bool writeNew(const CustomLanguage &language, QString *error = nullptr);
    // The "Keywords" section made anew: "KeyWordsCount" and the keys "0".. in list order.
    bool writeKeywords(const QStringList &keywords, QString *error = nullptr);
    bool writeCommentType(const QString &key, bool on, QString *error = nullptr);
    bool writeFileExt(const QString &fileExt, QString *error = nullptr);
    bool writeLangName(const QString &name, QString *error = nullptr);
    // The "Code" section made anew: "CodeLines" and one key per line.
    bool writeCode(const QStringList &lines, QString *error = nullptr);

    // The keys of the comment flags in the order of the check boxes: "PascalComments",
    // "CComments", "AsmComments", "BasComments", "AnsiComments".
    static QStringList commentKeys();

    // The file masks of an extension text: split on ";", each trimmed; a mask typed as the
    // field's hint suggests ("foo" or ".foo") counts as "*.foo". Empty parts are dropped.
    static QStringList masksOf(const QString &fileExt);
    // The extension a new document of the language gets: the first mask after its "*"
    // (".foo"); empty when the text has no mask.
    static QString newDocumentExtension(const QString &fileExt);

private:
    QString m_name;
    QString m_fileName;
};
