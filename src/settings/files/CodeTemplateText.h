#pragma once

#include <QString>
#include <QStringList>

// The code-template file "completion/auto.cmp" while the Options dialog edits it: records of a
// header line "%" + keyword, the keyword's code lines, and a line "#" that ends the record.
// A record without "#" ends at the next header (or at the end of the text). Lines between a
// "#" line and the next header belong to no record here and are left as they are.
class CodeTemplateText
{
public:
    // Where a record stands: header line, first and last code line (last < first when the
    // record holds no code), and the line that ends it ("#" line or next header; -1 at the end
    // of the text). All -1 when the keyword has no record.
    struct Record {
        int header = -1;
        int start = -1;
        int end = -1;
        int terminator = -1;
        bool found() const { return header >= 0; }
    };

    // Why a new keyword was refused.
    enum class NewKeyword { Added, Empty, Taken, BadCharacter };

    CodeTemplateText() = default;
    explicit CodeTemplateText(const QStringList &lines) : m_lines(lines) {}

    const QStringList &lines() const { return m_lines; }
    void setLines(const QStringList &lines) { m_lines = lines; }

    // A header is a line whose first character is "%"; "%" anywhere else is code (a Java
    // format string). The main window's template list takes headers by the same rule.
    static bool isHeader(const QString &line) { return line.startsWith(u'%'); }
    // The keywords of the headers, in file order.
    QStringList keywords() const;
    // The record whose header is "%" + the trimmed keyword (blanks around a header's keyword
    // do not count).
    Record find(const QString &keyword) const;
    // The code lines of keyword's record; empty for a blank keyword or a missing record.
    QStringList code(const QString &keyword) const;
    // Replaces the code of keyword's record with code; false when it has no record.
    bool store(const QString &keyword, const QStringList &code);
    // Appends the empty record of name (trimmed) unless the name is empty, is a keyword
    // already, or holds "%" or "#".
    NewKeyword add(const QString &name);
    // Removes keyword's header, code and its "#" line; false when it has no record.
    bool remove(const QString &keyword);

private:
    QStringList m_lines;
};
