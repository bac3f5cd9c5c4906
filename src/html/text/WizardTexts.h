#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

// The texts the comment, table, list, font, object and horizontal-rule wizards insert, built
// from their field values. Lines are separated by a carriage return alone; indent is the
// indentation of the caret line, written before every line but the first.
namespace WizardTexts {

// --- Comment ---------------------------------------------------------------------------

// memoText as the memo holds it; its line count is that of a line list (a final line break
// starts no line).
QString comment(const QString &memoText, const QString &indent);

// --- Table -----------------------------------------------------------------------------

// A table larger than this many cells is refused.
constexpr qint64 MaxTableCells = 1000000;

struct TableFields {
    QString rows = QStringLiteral("3");
    QString columns = QStringLiteral("3");
    QString cellSpacing;
    QString cellPadding;
    QString width = QStringLiteral("75");
    int widthUnit = -1; // 0 "Pixel", 1 "Prosent", -1 none chosen
    QString height;
    int heightUnit = -1;
    bool frame = true;
    int alignment = -1; // 0 "Left", 1 "Right", 2 "Center", -1 none chosen
    QString bgColor;    // six hexadecimal digits without "#"
    QString name;
};

// The attributes of the table tag, each with its leading blank.
QString tableAttributes(const TableFields &fields);
// The table; false with the message to show when the row or column text is no integer (blanks
// before and after it are allowed) or the table would be too large. Zero or negative counts
// give no rows or rows without cells.
bool table(const TableFields &fields, const QString &indent, QString &text, QString *error);
QString tableTooLargeText();
// A colour as the background field takes it: "RRGGBB", upper-case hexadecimal.
QString colourText(const QColor &colour);

// --- Lists -----------------------------------------------------------------------------

// The numbering type of an ordered list by the index type chosen (-1: none).
QString orderedType(int index);
// The example shown for an index type, lines separated by "\n" (empty for none).
QString orderedExample(int index);
QString orderedList(const QStringList &entries, int typeIndex, const QString &start,
                    const QString &indent);
// The bullet type of an unordered list by the type chosen (-1: none).
QString unorderedType(int index);
QString unorderedList(const QStringList &entries, int typeIndex, const QString &indent);
QString selectList(const QStringList &entries, const QString &name, const QString &length,
                   bool multiline, const QString &indent);

// --- Font, object, horizontal rule -----------------------------------------------------

struct FontFields {
    QString selection; // the selected text the font element goes around
    QString size;      // the size combo's text
    QString face;      // the font field, used while the font list is empty
    bool bold = false;
    bool italics = false;
    bool underline = false;
    QStringList fonts; // the font list
};
QString font(const FontFields &fields);

struct ObjectFields {
    QString width, height, mimeType, classId, data, codebase, id;
};
QString object(const ObjectFields &fields, const QString &indent);
// The caret column (1-based) on the empty line of the object text.
int objectCaretColumn(const QString &indent);

struct RuleFields {
    QString alignment, size, width;
    bool noShade = false;
};
QString rule(const RuleFields &fields);

} // namespace WizardTexts
