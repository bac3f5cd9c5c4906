#include "html/text/WizardTexts.h"

#include "platform/DelphiStrings.h"

namespace WizardTexts {

namespace {

const QChar CR = u'\r';

QString quoted(const QString &attribute, const QString &value)
{
    return QLatin1Char(' ') + attribute + QStringLiteral("=\"") + value + QLatin1Char('"');
}

// ` name="value"` when value is not empty.
QString optional(const QString &attribute, const QString &value)
{
    return value.isEmpty() ? QString() : quoted(attribute, value);
}

// The first line, then one line per entry, then the last line; later lines begin with indent.
QString block(const QString &first, const QStringList &entries, const QString &before,
              const QString &after, const QString &last, const QString &indent)
{
    QString text = first;
    for (const QString &entry : entries)
        text += CR + indent + before + entry + after;
    return text + CR + indent + last;
}

// A row or column count: an integer with blanks (and nothing else) allowed around it.
bool countOf(const QString &field, int &value)
{
    qsizetype from = 0;
    qsizetype to = field.size();
    while (from < to && field.at(from) == u' ')
        ++from;
    while (to > from && field.at(to - 1) == u' ')
        --to;
    return Delphi::tryStrToInt(field.mid(from, to - from), value);
}

} // namespace

QString comment(const QString &memoText, const QString &indent)
{
    const QStringList lines = Delphi::textToLines(memoText);
    if (lines.size() <= 1)
        return QStringLiteral("<!-- ") + memoText + QStringLiteral(" -->");
    return block(QStringLiteral("<!-- "), lines, QStringLiteral("  "), QString(),
                 QStringLiteral("-->"), indent);
}

QString tableAttributes(const TableFields &f)
{
    QString a;
    if (!f.width.isEmpty())
        a += quoted(QStringLiteral("width"), f.width + (f.widthUnit == 0 ? "" : "%"));
    if (!f.height.isEmpty())
        a += quoted(QStringLiteral("height"), f.height + (f.heightUnit == 1 ? "%" : ""));
    a += optional(QStringLiteral("cellspacing"), f.cellSpacing);
    a += optional(QStringLiteral("cellpadding"), f.cellPadding);
    static const char *const alignments[] = {"Left", "Right", "Center"};
    if (f.alignment >= 0 && f.alignment < 3)
        a += quoted(QStringLiteral("align"), QLatin1String(alignments[f.alignment]));
    if (!f.bgColor.isEmpty())
        a += quoted(QStringLiteral("bgcolor"), QLatin1Char('#') + f.bgColor);
    a += optional(QStringLiteral("name"), f.name);
    a += quoted(QStringLiteral("border"), QLatin1String(f.frame ? "1" : "0"));
    return a;
}

QString tableTooLargeText()
{
    return QStringLiteral("The table is too large (more than %1 cells).").arg(MaxTableCells);
}

bool table(const TableFields &f, const QString &indent, QString &text, QString *error)
{
    int rows = 0;
    int columns = 0;
    for (const auto &[field, value] : {std::pair {&f.rows, &rows}, {&f.columns, &columns}}) {
        if (!countOf(*field, *value)) {
            if (error)
                *error = Delphi::invalidIntegerText(*field);
            return false;
        }
    }
    // Counted in 64 bits; a row without cells weighs as much as a cell, so that a huge row
    // count with no columns is refused as well.
    const qint64 rowCount = qMax(rows, 0);
    const qint64 cellCount = qMax(columns, 0);
    if (rowCount * qMax<qint64>(cellCount, 1) > MaxTableCells) {
        if (error)
            *error = tableTooLargeText();
        return false;
    }

    const QString cell = indent + QStringLiteral("     <td>&nbsp;</td>") + CR;
    const QString row = indent + QStringLiteral("  <tr>") + CR + cell.repeated(cellCount) + indent
        + QStringLiteral("  </tr>") + CR;
    const QString head = QStringLiteral("<table") + tableAttributes(f) + QLatin1Char('>') + CR;
    const QString tail = indent + QStringLiteral("</table>");
    text.clear();
    text.reserve(head.size() + row.size() * rowCount + tail.size());
    text += head;
    for (qint64 r = 0; r < rowCount; ++r)
        text += row;
    text += tail;
    return true;
}

QString colourText(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return QStringLiteral("%1%2%3")
        .arg(rgb.red(), 2, 16, QLatin1Char('0'))
        .arg(rgb.green(), 2, 16, QLatin1Char('0'))
        .arg(rgb.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString orderedType(int index)
{
    static const char *const types[] = {"A", "a", "I", "i", "1"};
    return QLatin1String(index >= 0 && index < 5 ? types[index] : "1");
}

QString orderedExample(int index)
{
    static const char *const numbers[][3] = {
        {"A", "B", "C"}, {"a", "b", "c"}, {"I", "II", "III"}, {"i", "ii", "iii"}, {"1", "2", "3"}};
    if (index < 0 || index >= 5)
        return QString();
    const char *const *n = numbers[index];
    return QStringLiteral("%1.  HTML 1.0\n%2.  HTML 2.0\n%3.  HTML 4.0")
        .arg(QLatin1String(n[0]), QLatin1String(n[1]), QLatin1String(n[2]));
}

QString orderedList(const QStringList &entries, int typeIndex, const QString &start,
                    const QString &indent)
{
    const QString first = start.isEmpty()
        ? QStringLiteral("<ol type=\"%1\">").arg(orderedType(typeIndex))
        : QStringLiteral("<ol start=\"%1\" type=\"%2\">").arg(start, orderedType(typeIndex));
    return block(first, entries, QStringLiteral("  <li>"), QStringLiteral("</li>"),
                 QStringLiteral("</ol>"), indent);
}

QString unorderedType(int index)
{
    return QLatin1String(index == 0 ? "disc" : index == 1 ? "circle" : "square");
}

QString unorderedList(const QStringList &entries, int typeIndex, const QString &indent)
{
    return block(QStringLiteral("<ul type=\"%1\">").arg(unorderedType(typeIndex)), entries,
                 QStringLiteral("  <li>"), QStringLiteral("</li>"), QStringLiteral("</ul>"),
                 indent);
}

QString selectList(const QStringList &entries, const QString &name, const QString &length,
                   bool multiline, const QString &indent)
{
    QString attributes = optional(QStringLiteral("name"), name);
    if (multiline) {
        attributes += optional(QStringLiteral("size"), length);
        attributes += QStringLiteral(" multiselect");
    }
    return block(QStringLiteral("<select") + attributes + QLatin1Char('>'), entries,
                 QStringLiteral("  <option>"), QString(), QStringLiteral("</select>"), indent);
}

QString font(const FontFields &f)
{
    QString open;
    QString close;
    for (const auto &[on, tag] : {std::pair {f.bold, "b"}, {f.italics, "i"}, {f.underline, "u"}}) {
        if (!on)
            continue;
        open += QStringLiteral("<%1>").arg(QLatin1String(tag));
        close += QStringLiteral("</%1>").arg(QLatin1String(tag));
    }
    const QString size = optional(QStringLiteral("Size"), f.size);
    const QString attributes = f.fonts.isEmpty()
        ? size + optional(QStringLiteral("Face"), f.face)
        : quoted(QStringLiteral("Face"), f.fonts.join(QLatin1Char(','))) + size;
    return open + QStringLiteral("<font") + attributes + QLatin1Char('>') + f.selection
        + QStringLiteral("</font>") + close;
}

QString object(const ObjectFields &f, const QString &indent)
{
    const QString attributes = optional(QStringLiteral("Width"), f.width)
        + optional(QStringLiteral("Height"), f.height)
        + optional(QStringLiteral("ClassID"), f.classId) + optional(QStringLiteral("Data"), f.data)
        + optional(QStringLiteral("Codebase"), f.codebase)
        + optional(QStringLiteral("MIMEtype"), f.mimeType) + optional(QStringLiteral("ID"), f.id);
    return QStringLiteral("<object") + attributes + QLatin1Char('>') + CR + CR + indent
        + QStringLiteral("</object>");
}

int objectCaretColumn(const QString &indent)
{
    return int(indent.size()) + 5;
}

QString rule(const RuleFields &f)
{
    return QStringLiteral("<hr") + optional(QStringLiteral("alignment"), f.alignment)
        + optional(QStringLiteral("Size"), f.size) + optional(QStringLiteral("length"), f.width)
        + (f.noShade ? QStringLiteral(" noshade") : QString()) + QLatin1Char('>');
}

} // namespace WizardTexts
