#include "html/commands/HtmlMenuLayout.h"

#include <cstring>

namespace HtmlMenuLayout {

namespace {

constexpr Item end {nullptr, nullptr, nullptr, nullptr};

constexpr Item fractions[] = {
    {"Onequarterfraction1", "One-quarter fraction", "Onequarterfraction1Click", nullptr},
    {"Onehalffraction1", "One-half fraction", "Onehalffraction1Click", nullptr},
    {"hreequartersfraction1", "Three-quarters fraction", "hreequartersfraction1Click", nullptr},
    end,
};

constexpr Item superscripts[] = {
    {"Superscript11", "Superscript 1", "Superscript11Click", nullptr},
    {"Superscript21", "Superscript 2", "Superscript21Click", nullptr},
    {"Superscript31", "Superscript 3", "Superscript31Click", nullptr},
    end,
};

constexpr Item specialCharacters[] = {
    {"Nonbrakingspace1", "Non braking space", "Nonbrakingspaca1Click", nullptr},
    {"Centsign1", "Vertical bar", "Centsign1Click", nullptr},
    {"Copyrightsign1", "Copyright sign (c)", "Copyrightsign1Click", nullptr},
    {"Circularregistrationsign1", "Registration mark (r)", "Circularregistrationsign1Click",
     nullptr},
    {"Paragraphsymbol1", "Paragraph symbol", "Paragraphsymbol1Click", nullptr},
    {"Degreesign1", "Degree sign", "Degreesign1Click", nullptr},
    {"Sectionsymbol1", "Section symbol", "Sectionsymbol1Click", nullptr},
    {"Rightquiotationmark1", "Right brackets", "Rightquiotationmark1Click", nullptr},
    {"Leftquotationmark1", "Left brackets", "Leftquotationmark1Click", nullptr},
    {"Perthousand1", "Per thousand", "Perthousand1Click", nullptr},
    {"rademarksymbol1", "Trademark symbol (TM)", "rademarksymbol1Click", nullptr},
    {"ilde1", "Tilde", "ilde1Click", nullptr},
    {"Fraction1", "Fraction", nullptr, fractions},
    {"Superscript1", "Superscript", nullptr, superscripts},
    end,
};

constexpr Item formFields[] = {
    {"PasswordField1", "Password Field", "PasswordField1Click", nullptr},
    {"Hiddenfield1", "Hidden Field", "Hiddenfield1Click", nullptr},
    {"Resetbutton1", "Button", "Resetbutton1Click", nullptr},
    {"Button1", "Send Button", "Button1Click", nullptr},
    {"ResetButton2", "Reset Button", "ResetButton2Click", nullptr},
    {"extfield2", "Textfield", "extfield2Click", nullptr},
    {"Selectfield1", "Popup menu", "Selectfield1Click", nullptr},
    {"Checkbox3", "Checkbox", "Checkbox3Click", nullptr},
    {"RadioButton2", "Radio Button", "RadioButton2Click", nullptr},
    {"FileField1", "File Field", "FileField1Click", nullptr},
    {"ImageButton1", "Image Button", "ImageButton1Click", nullptr},
    {"Textarea1", "Text Area", "Textarea1Click", nullptr},
    {"FormBodyformform1", "Form Body (<form></form>)", "Formbodyformform1Click", nullptr},
    end,
};

// The HTMLElement pop-up lists the special characters in an order of its own.
constexpr Item htmlElementSpecialCharacters[] = {
    {nullptr, "Non braking space", "Nonbrakingspaca1Click", nullptr},
    {nullptr, "Vertical bar", "Centsign1Click", nullptr},
    {nullptr, "Copyright sign (c)", "Copyrightsign1Click", nullptr},
    {nullptr, "Registration mark (r)", "Circularregistrationsign1Click", nullptr},
    {nullptr, "Degree sign", "Degreesign1Click", nullptr},
    {nullptr, "Left brackets", "Leftquotationmark1Click", nullptr},
    {nullptr, "Right brackets", "Rightquiotationmark1Click", nullptr},
    {nullptr, "Paragraph symbol", "Paragraphsymbol1Click", nullptr},
    {nullptr, "Section symbol", "Sectionsymbol1Click", nullptr},
    {nullptr, "Per thousand", "Perthousand1Click", nullptr},
    {nullptr, "Trademark symbol (TM)", "rademarksymbol1Click", nullptr},
    {nullptr, "Tilde", "ilde1Click", nullptr},
    {"Fraction2", "Fraction", nullptr, fractions},
    {"Superscript2", "Superscript", nullptr, superscripts},
    end,
};

constexpr Item alignment[] = {
    {"Centered1", "Centered", "Centered1Click", nullptr},
    {"LeftAligned1", "Left Aligned", "LeftAligned1Click", nullptr},
    {"RightAligned1", "Right Aligned", "RightAligned1Click", nullptr},
    end,
};

constexpr Item style[] = {
    {"Italic1", "Italic", "Italic1Click", nullptr},
    {"Bold1", "Bold", "Bold1Click", nullptr},
    {"ItalicsAndBold1", "Italics And Bold", "ItalicsAndBold1Click", nullptr},
    end,
};

constexpr Item documentFractions[] = {
    {"Onequarterfraction2", "One-quarter fraction", "Onequarterfraction1Click", nullptr},
    {"Onehalffraction2", "One-half fraction", "Onehalffraction1Click", nullptr},
    {"hreequartersfraction2", "Three-quarters fraction", "hreequartersfraction1Click", nullptr},
    end,
};

constexpr Item documentSuperscripts[] = {
    {"Superscript12", "Superscript 1", "Superscript11Click", nullptr},
    {"Superscript22", "Superscript 2", "Superscript21Click", nullptr},
    {"Superscript32", "Superscript 3", "Superscript31Click", nullptr},
    end,
};

const char *const documentHandlers[] = {"SpeedButton21Click", "SpeedButton33Click"};

} // namespace

const Item insertMenu[] = {
    {"Specialcharacters2", "Special Characters", nullptr, specialCharacters},
    {"Form1", "Form", nullptr, formFields},
    {"N30", "-", nullptr, nullptr},
    {"able1", "Table", "Table1Click", nullptr},
    {"Frameset2", "Frameset", "Frameset11Click", nullptr},
    {"Linebreakbr1", "Linebreak (<br>)", "Breakbr1Click", nullptr},
    {"Image1", "Image", "Bilde1Click", nullptr},
    {"Link1", "Link", "Lenke1Click", nullptr},
    {"Font3", "Font", "Font2Click", nullptr},
    {"OrderedList1", "Ordered List", "OrdnetListe1Click", nullptr},
    {"UnorderedList1", "Unordered List", "Uordnetliste1Click", nullptr},
    {"HorisontalRuler1", "Horisontal Ruler", "Horisonallinjal1Click", nullptr},
    {"Comment2", "Comment", "Kommentar1Click", nullptr},
    end,
};

const Item modifyMenu[] = {
    {"HTMLElemtAlignment1", "HTML Elemt Alignment", nullptr, alignment},
    {"HTMLStyle1", "HTML Style", nullptr, style},
    end,
};

const Item toolsMenu[] = {
    {"StripHTMLcode1", "Strip HTML from document", "Button5Click", nullptr},
    {"N31", "-", nullptr, nullptr},
    {"Comment3", "Comment..", "SpeedButton34Click", nullptr},
    {"Frames1", "Frames..", "SpeedButton43Click", nullptr},
    {"Image2", "Image..", "SpeedButton30Click", nullptr},
    {"able2", "Table..", "SpeedButton35Click", nullptr},
    {"Link2", "Link..", "SpeedButton33Click", nullptr},
    {"Button3", "Button..", "SpeedButton21Click", nullptr},
    {"Rollover1", "Rollover..", "SpeedButton55Click", nullptr},
    {"extarea2", "Textarea..", "SpeedButton26Click", nullptr},
    {"Fontwizard1", "Font wizard..", "SpeedButton48Click", nullptr},
    {"Popupmenu8", "Popupmenu..", "SpeedButton28Click", nullptr},
    {"OrderedLists1", "Ordered Lists..", "SpeedButton53Click", nullptr},
    {"Unorderedlist2", "Unordered list..", "SpeedButton52Click", nullptr},
    {"Horisontalruler2", "Horisontal ruler..", "SpeedButton54Click", nullptr},
    {"Objectwizard1", "Object wizard..", "SpeedButton51Click", nullptr},
    end,
};

const Item htmlElementMenu[] = {
    {nullptr, "Table", "Table1Click", nullptr},
    {nullptr, "Frameset", "Frameset11Click", nullptr},
    {nullptr, "Linebreak (<br>)", "Breakbr1Click", nullptr},
    {nullptr, "Image", "Bilde1Click", nullptr},
    {nullptr, "Link", "Lenke1Click", nullptr},
    {nullptr, "Font", "Font2Click", nullptr},
    {nullptr, "Ordered List", "OrdnetListe1Click", nullptr},
    {nullptr, "Unordered List", "Uordnetliste1Click", nullptr},
    {nullptr, "Horisontal Ruler", "Horisonallinjal1Click", nullptr},
    {nullptr, "Comment", "Kommentar1Click", nullptr},
    {"N32", "-", nullptr, nullptr},
    {"SpecialCaracters1", "Special Caracters", nullptr, htmlElementSpecialCharacters},
    {"Form2", "Form", nullptr, formFields},
    end,
};

const Item clockMenu[] = {
    {"Statuslineclock1", "Statusline clock", "Statuslineclock1Click", nullptr},
    {"extfieldclock1", "Textfield clock", "extfieldclock1Click", nullptr},
    end,
};

const Item documentCommon[] = {
    {"Bilde2", "Image", "Bilde1Click", nullptr},
    {"Lenke2", "Link", "Lenke1Click", nullptr},
    {"Kommentar2", "Comment", "Kommentar1Click", nullptr},
    {"Tabell1", "Table", "Table1Click", nullptr},
    {"Frameset3", "Frameset", "Frameset11Click", nullptr},
    {"Font4", "Font", "Font2Click", nullptr},
    {"OrdnetListe2", "Ordered List", "OrdnetListe1Click", nullptr},
    {"Uordnetliste2", "Unordered list", "Uordnetliste1Click", nullptr},
    {"Breakbr2", "Break (<br>)", "Breakbr1Click", nullptr},
    {"Horisonallinjal2", "Horisontal ruler (<hr>)", "Horisonallinjal1Click", nullptr},
    end,
};

const Item documentSpecialCharacters[] = {
    {"Nonbrakingspace2", "Non braking space", "Nonbrakingspaca1Click", nullptr},
    {"Centsign2", "Vertical bar", "Centsign1Click", nullptr},
    {"Degreesign2", "Degree sign", "Degreesign1Click", nullptr},
    {"Copyrightsign2", "Copyright mark (c)", "Copyrightsign1Click", nullptr},
    {"Circularregistrationsign2", "Registered mark (r)", "Circularregistrationsign1Click", nullptr},
    {"Leftquotationmark2", "Left quotation mark", "Leftquotationmark1Click", nullptr},
    {"Rightquiotationmark2", "Right quotation mark", "Rightquiotationmark1Click", nullptr},
    {"Paragraphsymbol2", "Paragraph symbol", "Paragraphsymbol1Click", nullptr},
    {"Sectionsymbol2", "Section symbol", "Sectionsymbol1Click", nullptr},
    {"Perthousand2", "Per thousand", "Perthousand1Click", nullptr},
    {"rademarksymbol2", "Trademark symbol (TM)", "rademarksymbol1Click", nullptr},
    {"ilde2", "Tilde", "ilde1Click", nullptr},
    {"Fraction3", "Fraction", nullptr, documentFractions},
    {"Superscript3", "Superscript", nullptr, documentSuperscripts},
    end,
};

const Item documentForm[] = {
    {"PasswordField2", "Password field", "PasswordField1Click", nullptr},
    {"Hiddenfield2", "Hidden field", "Hiddenfield1Click", nullptr},
    {"OrdinaryButton1", "Ordinary Button", "Resetbutton1Click", nullptr},
    {"SendButton1", "Send Button", "Button1Click", nullptr},
    {"ResetButton3", "Reset Button", "ResetButton2Click", nullptr},
    {"extfield3", "Text field", "extfield2Click", nullptr},
    {"Optionsfield1", "Options field", "Selectfield1Click", nullptr},
    {"Checkbox4", "Checkbox", "Checkbox3Click", nullptr},
    {"RadioButton3", "Radio button", "RadioButton2Click", nullptr},
    {"Textarea3", "Text area", "Textarea1Click", nullptr},
    {"ImageButton2", "Image button", "ImageButton1Click", nullptr},
    {"Filefield2", "File field", "SpeedButton25Click", nullptr},
    {"Formbodyformform2", "Form body (<form></form>)", "Formbodyformform1Click", nullptr},
    end,
};

const Item documentAlignment[] = {
    {"Centered2", "Centered", "Centered1Click", nullptr},
    {"Left1", "Left", "LeftAligned1Click", nullptr},
    {"Right1", "Right", "RightAligned1Click", nullptr},
    end,
};

const Item documentFont[] = {
    {"Italics1", "Italics", "Italic1Click", nullptr},
    {"Bold2", "Bold", "Bold1Click", nullptr},
    {"Italicsandbold1", "Italics and bold", "ItalicsAndBold1Click", nullptr},
    end,
};

namespace {

constexpr ToolButton noButton {nullptr, nullptr, nullptr, nullptr, nullptr};

constexpr ToolButton formButtons[] = {
    {"SpeedButton21", "Button", "SpeedButton21Click", nullptr, "button"},
    {"SpeedButton22", "Checkbox", "SpeedButton22Click", nullptr, "checkbox"},
    {"SpeedButton23", "Radio button", "SpeedButton23Click", nullptr, "radio"},
    {"SpeedButton24", "Textfield", "SpeedButton24Click", nullptr, "textfield"},
    {"SpeedButton25", "File field", "SpeedButton25Click", nullptr, "filefield"},
    {"SpeedButton26", "Text Area", "SpeedButton26Click", nullptr, "textarea"},
    {"SpeedButton27", "Password field", "SpeedButton27Click", nullptr, "password"},
    {"SpeedButton28", "Popup menu", "SpeedButton28Click", nullptr, "select"},
    {"SpeedButton29", "Image button", "SpeedButton29Click", nullptr, "imagebutton"},
    {"SpeedButton102", "Hidden field", "SpeedButton102Click", nullptr, "hidden"},
    noButton,
};

constexpr ToolButton commonButtons[] = {
    {"SpeedButton30", "Image", "SpeedButton30Click", nullptr, "image"},
    {"SpeedButton33", "Link", "SpeedButton33Click", nullptr, "link"},
    {"SpeedButton34", "Comment", "SpeedButton34Click", nullptr, "comment"},
    {"SpeedButton35", "Table", "SpeedButton35Click", nullptr, "table"},
    {"SpeedButton43", "Frameset", "SpeedButton43Click", nullptr, "frameset"},
    {"SpeedButton48", "Font", "SpeedButton48Click", nullptr, "font"},
    {"SpeedButton51", "Object - Used for ActiveX, Applet etc.", "SpeedButton51Click", nullptr,
     "object"},
    {"SpeedButton52", "Unordered List", "SpeedButton52Click", nullptr, "ulist"},
    {"SpeedButton53", "Ordered List", "SpeedButton53Click", nullptr, "olist"},
    {"SpeedButton54", "Horisontal Ruler", "SpeedButton54Click", nullptr, "ruler"},
    {"SpeedButton55", "Rollover", "SpeedButton55Click", nullptr, "rollover"},
    {"Viewpageinbrowser2", "View page in browser (Ctrl+G)", nullptr, "Viewpageinbrowser1",
     "browser"},
    noButton,
};

constexpr ToolButton scriptButtons[] = {
    {"SpeedButton56", "Todays date", "SpeedButton56Click", nullptr, "date"},
    {"SpeedButton57", "Browser information", "SpeedButton57Click", nullptr, "browserinfo"},
    {"SpeedButton58", "Document last modified", "SpeedButton58Click", nullptr, "modified"},
    {"SpeedButton59", "Clock", "SpeedButton59Click", nullptr, "clock"},
    {"SpeedButton61", "Random images", "SpeedButton61Click", nullptr, "random"},
    {"SpeedButton65", "Popup menu with link forwarder", "SpeedButton65Click", nullptr, "linkmenu"},
    noButton,
};

constexpr ToolButton otherButtons[] = {
    {"SpeedButton71", "Paste Code..", "SpeedButton71Click", nullptr, "pastecode"},
    {"Button5", "Strip html from current document (renames the file to .txt)", "Button5Click",
     nullptr, "strip"},
    {"HTMLSave1", "Save document", nullptr, "Save1", "save"},
    {"HTMLPrint1", "Print", nullptr, "Print1", "print"},
    {"HTMLCut1", "Cut", nullptr, "Cut1", "cut"},
    {"HTMLCopy1", "Copy", nullptr, "Copy1", "copy"},
    {"HTMLPast1", "Paste", nullptr, "Past1", "paste"},
    {"HTMLFind1", "Find..", nullptr, "Find1", "find"},
    {"HTMLReplace1", "Replace", nullptr, "Replace1", "replace"},
    noButton,
};

} // namespace

const ToolGroup toolGroups[] = {
    {"HTMLFormGroup", "Form:", formButtons},
    {"HTMLCommonGroup", "Common:", commonButtons},
    {"HTMLScriptGroup", "Javascripts:", scriptButtons},
    {"HTMLOtherGroup", "Other:", otherButtons},
    {nullptr, nullptr, nullptr},
};

const char *const pasteCodeHandler = "SpeedButton71Click";
const char *const clockHandler = "SpeedButton59Click";

const Item newFramesetItem {"Frameset1", "Frameset", "Frameset1Click", nullptr};

bool needsDocument(const char *handler)
{
    for (const char *h : documentHandlers) {
        if (std::strcmp(h, handler) == 0)
            return true;
    }
    return false;
}

} // namespace HtmlMenuLayout
