#include "html/commands/HtmlInsertCommands.h"

#include "editor/EditorAdapter.h"
#include "html/text/PageInsertion.h"

#include <QStringList>

#include <algorithm>
#include <iterator>

namespace HtmlInsert {

namespace {

using K = CaretStep::Kind;

constexpr CaretStep none {};
constexpr CaretStep left(int k)
{
    return {K::Left, k};
}
constexpr CaretStep up(int k)
{
    return {K::Up, k};
}
constexpr CaretStep column(int c)
{
    return {K::Column, c};
}
constexpr CaretStep indentColumn(int c)
{
    return {K::IndentColumn, c};
}

constexpr Command entity(const char *handler, const char *text)
{
    return {handler, text, "", Wrap::None, false, none, none};
}

constexpr Command field(const char *handler, const char *text)
{
    return {handler, text, "", Wrap::None, false, left(2), none};
}

constexpr Command table[] = {
    // Markup
    {"Table1Click", "<table>\r  <tr>\r    <td></td>\r  </tr>\r</table>", "", Wrap::None, true,
     indentColumn(9), up(2)},
    {"Frameset11Click", "<frameset>\r  <frame src=\"\">\r</frameset>", "", Wrap::None, true, up(1),
     indentColumn(15)},
    {"Breakbr1Click", "<br>", "", Wrap::None, false, none, none},
    {"Bilde1Click", "<img src=\"\">", "", Wrap::None, false, left(2), none},
    {"Lenke1Click", "<a href=\"\"></a>", "", Wrap::None, false, left(6), none},
    {"Font2Click", "<font name=\"\">", "</font>", Wrap::Selection, false, left(9), none},
    {"OrdnetListe1Click", "<ol>\r  <li></li>\r</ol>", "", Wrap::None, true, up(1), indentColumn(7)},
    {"Uordnetliste1Click", "<ul>\r  <li></li>\r</ul>", "", Wrap::None, true, up(1),
     indentColumn(7)},
    {"Horisonallinjal1Click", "<hr>", "", Wrap::None, false, none, none},
    {"Kommentar1Click", "<!--  -->", "", Wrap::None, false, left(4), none},

    // Form fields
    field("PasswordField1Click", "<input type=\"password\" name=\"\">"),
    field("Hiddenfield1Click", "<input type=\"hidden\" name=\"\">"),
    field("Resetbutton1Click", "<input type=\"button\" value=\"\">"),
    field("Button1Click", "<input type=\"submit\" value=\"Submit\" name=\"\">"),
    field("ResetButton2Click", "<input type=\"reset\" value=\"Reset\" name=\"\">"),
    field("extfield2Click", "<input type=\"text\" name=\"\">"),
    {"Selectfield1Click", "<select>\r  <option>\r</select>", "", Wrap::None, false, up(1),
     column(11)},
    field("Checkbox3Click", "<input type=\"checkbox\" name=\"\">"),
    field("RadioButton2Click", "<input type=\"radio\" name=\"\">"),
    field("FileField1Click", "<input type=\"file\" name=\"\">"),
    field("ImageButton1Click", "<input type=\"image\" src=\"\">"),
    {"Textarea1Click", "<textarea rows=\"10\" cols=\"30\"></textarea>", "", Wrap::None, false, none,
     none},
    {"Formbodyformform1Click", "<form method=\"POST\">\r\r</form>", "", Wrap::None, true,
     indentColumn(4), up(1)},

    // Character entities
    entity("Nonbrakingspaca1Click", "&nbsp;"),
    entity("Centsign1Click", "&brvbar;"),
    entity("Copyrightsign1Click", "&copy;"),
    entity("Circularregistrationsign1Click", "&reg;"),
    entity("Degreesign1Click", "&deg;"),
    entity("Leftquotationmark1Click", "&laquo;"),
    entity("Rightquiotationmark1Click", "&raquo;"),
    entity("Paragraphsymbol1Click", "&para;"),
    entity("Sectionsymbol1Click", "&sect;"),
    entity("Perthousand1Click", "&#137;"),
    entity("rademarksymbol1Click", "&trade;"),
    entity("ilde1Click", "&#152;"),
    entity("Onequarterfraction1Click", "&frac14;"),
    entity("Onehalffraction1Click", "&frac12;"),
    entity("hreequartersfraction1Click", "&frac34;"),
    entity("Superscript11Click", "&sup1;"),
    entity("Superscript21Click", "&sup2;"),
    entity("Superscript31Click", "&sup3;"),

    // Wrapping the selection
    {"Centered1Click", "Center", "", Wrap::Alignment, false, none, none},
    {"LeftAligned1Click", "Left", "", Wrap::Alignment, false, none, none},
    {"RightAligned1Click", "Right", "", Wrap::Alignment, false, none, none},
    {"Italic1Click", "<i>", "</i>", Wrap::StartEnd, false, none, none},
    {"Bold1Click", "<b>", "</b>", Wrap::StartEnd, false, none, none},
    {"ItalicsAndBold1Click", "<b><i>", "</i></b>", Wrap::StartEnd, false, none, none},
};

void step(const CaretStep &s, const QString &indent, int &line, int &col)
{
    switch (s.kind) {
    case K::None: break;
    case K::Left: col = std::max(1, col - s.amount); break;
    case K::Up: line = std::max(1, line - s.amount); break;
    case K::Column: col = s.amount; break;
    case K::IndentColumn: col = int(indent.length()) + s.amount; break;
    }
}

} // namespace

const Command *commands(int &count)
{
    count = int(std::size(table));
    return table;
}

const Command *find(const QString &handler)
{
    const auto it = std::find_if(std::begin(table), std::end(table), [&](const Command &c) {
        return handler == QLatin1String(c.handler);
    });
    return it == std::end(table) ? nullptr : it;
}

QString text(const Command &command, const QString &indent, const QString &selected)
{
    const QString body = QString::fromLatin1(command.text);
    switch (command.wrap) {
    case Wrap::Alignment: return PageInsertion::alignmentBlock(body, selected);
    case Wrap::Selection:
    case Wrap::StartEnd: return body + selected + QString::fromLatin1(command.closing);
    case Wrap::None: break;
    }
    if (!command.indentLines)
        return body;
    QStringList lines = body.split(QLatin1Char('\r'));
    for (int i = 1; i < lines.size(); ++i)
        lines[i].prepend(indent);
    return lines.join(QLatin1Char('\r'));
}

void apply(EditorAdapter &editor, const Command &command, const QString &indent)
{
    switch (command.wrap) {
    case Wrap::Alignment:
        PageInsertion::AlignmentTekst(&editor, QString::fromLatin1(command.text));
        return;
    case Wrap::StartEnd:
        PageInsertion::StartEndTagTekst(&editor, QString::fromLatin1(command.text),
                                        QString::fromLatin1(command.closing));
        return;
    case Wrap::Selection:
    case Wrap::None: break;
    }
    editor.beginUndoAction();
    const QString selected = command.wrap == Wrap::Selection ? editor.selectedText() : QString();
    editor.insertAtCaret(text(command, indent, selected));
    int line = editor.caretLine();
    int col = editor.caretColumn();
    step(command.first, indent, line, col);
    step(command.second, indent, line, col);
    if (command.first.kind != K::None)
        editor.setCaret(line, col);
    editor.endUndoAction();
}

bool run(EditorAdapter *editor, const QString &handler)
{
    const Command *command = find(handler);
    if (!editor || !command)
        return false;
    apply(*editor, *command, editor->caretLineIndent());
    return true;
}

} // namespace HtmlInsert
