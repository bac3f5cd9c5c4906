#include "java/generators/JavaSnippets.h"

namespace JavaSnippets {

namespace {
constexpr Column Stay = Column::Stay;
constexpr Column Indent = Column::FromIndent;
constexpr Column Left = Column::Left;
} // namespace

// clang-format off
const Snippet snippets[] = {
    {"Systemoutprintln1Click", "Systemoutprintln2", "Systemoutprintln1", "Systemoutprintln1",
     "System.out.println", "System.out.println",
     "System.out.println(\"\");", 0, Left, 3, false},
    {"class1Click", "class1", nullptr, nullptr,
     "class", "class",
     "class  {\r\r<WS>}", 2, Indent, 7, false},
    {"functionthatimplandexds1Click", "functionthatimplandexds1", "functionthatimplandexds2",
     "classthatimplandext1",
     "class that impl. and extends", "class that impl. and extends",
     "class  implements  extends  {\r\r<WS>}", 2, Indent, 7, false},
    {"functionthatimplements1Click", "functionthatimplements1", "functionthatimplements2", "class1",
     "class that implements", "class that implements",
     "class  implements  {\r\r<WS>}", 2, Indent, 7, false},
    {"functionthatextends1Click", "functionthatextends1", "functionthatextends2",
     "classthatextends1",
     "class that extends", "class that extends",
     "class  extends  {\r\r<WS>}", 2, Indent, 7, false},
    {"publicfunksjonsnavn1Click", "publicfunksjonsnavn1", "publicfunksjonsnavn2", "publicfunction1",
     "public ... function", "public function",
     "public void () {\r\r<WS>}", 2, Indent, 13, false},
    {"MainFunksjon2Click", "Mainfunction1", "MainFunksjon2", "Mainfunction1",
     "Main function", "Main function",
     "public static void main(String args[]) {\r\r<WS>}", 1, Indent, 5, false},
    {"switch1Click", "switch1", "switch2", "switch1",
     "switch", "switch",
     "switch() {\r<WS>   case :\r<WS>}", 2, Indent, 8, false},
    {"Panel3Click", "Panel3", "Panel4", "Panel1",
     "Panel", "Panel",
     "class  extends JPanel {\r\r<WS>}", 2, Indent, 7, false},
    {"Knapp2Click", "Knapp2", "Knapp3", "Button1",
     "Button", "Button",
     "private JButton ;", 0, Left, 1, false},
    {"Checkboks1Click", "Checkboks1", "Checkboks2", "Checkbox1",
     "Checkbox", "Checkbox",
     "private JCheckBox ;", 0, Left, 1, false},
    {"Radioknapp2Click", "Radioknapp2", "Radioknapp3", "Radiobutton1",
     "Radio button", "Radio button",
     "private JRadioButton ;", 0, Left, 1, false},
    {"Tekstfelt2Click", "Tekstfelt2", "Tekstfelt3", "extfield1",
     "Textfield", "Textfield",
     "private JTextField ;", 0, Left, 1, false},
    {"Label1Click", "Label1", "Label4", "Label1",
     "Label", "Label",
     "private JLabel ;", 0, Left, 1, false},
    {"Listeboks2Click", "Listeboks2", "Listeboks3", "Listbox1",
     "Listbox", "Listbox",
     "private JList ;", 0, Left, 1, false},
    // There is no class JFont: the field is a java.awt.Font.
    {"Font1Click", "Font1", "Font5", "Font3",
     "Font", "Font",
     "private Font ;", 0, Left, 1, false},
    {"ifelse1Click", "ifelse1", "ifelse2", nullptr,
     "if..else", "if..else",
     "if () {} else {}", 0, Stay, 0, true},
    {"dowhile1Click", "dowhile1", "dowhile2", nullptr,
     "do..while", "do..while",
     "do { } while () {}", 0, Stay, 0, true},
    {"forlkke1Click", "forlkke1", "forlkke2", nullptr,
     "for loop", "for loop",
     "for (int teller = 0;teller<10;teller++) {}", 0, Stay, 0, true},
    {"trycatch1Click", "trycatch1", "trycatch2", nullptr,
     "try..catch", "try..catch",
     "try {} catch {}", 0, Stay, 0, true},
    {"Case1Click", "Case1", "Case2", nullptr,
     "case", "case",
     "case: ", 0, Stay, 0, true},
    {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, Stay, 0, false},
};
// clang-format on

const Snippet *find(const QString &handler)
{
    for (const Snippet *s = snippets; s->handler; ++s)
        if (handler == QLatin1String(s->handler))
            return s;
    return nullptr;
}

QString textOf(const Snippet &snippet, const QString &ws)
{
    return QString::fromUtf8(snippet.text).replace(QLatin1String("<WS>"), ws);
}

Caret caretAfter(const Snippet &snippet, int endLine, int endColumn, int indentLength)
{
    Caret c {endLine - snippet.linesUp, endColumn};
    switch (snippet.column) {
    case Column::Stay: break;
    case Column::FromIndent: c.column = indentLength + snippet.value; break;
    case Column::Left: c.column = endColumn - snippet.value; break;
    }
    return c;
}

} // namespace JavaSnippets
