#include "shell/MainMenuLayout.h"

#include "shell/Main.h"

#include <cstring>

namespace MainMenuLayout {

// The tables name the main window's handlers, so they are members of its friend.
struct Tables {
    static constexpr Item end {nullptr, nullptr, nullptr, nullptr, 0};
    static constexpr Item none[] = {end};

    static constexpr Item customLanguages[] = {
        {"empty4", "(empty)", nullptr, nullptr, Disabled},
        {"N40", "-", nullptr, nullptr, 0},
        {"Definenewcustomlanguage1", "Define new custom language..", nullptr, nullptr, 0},
        end,
    };

    static constexpr Item newDocument[] = {
        {"NyApplikasjonkode1", "Java application document", &TMainForm::Source1Click, nullptr, 0},
        {"NyAppletkode1", "Java applet document", &TMainForm::Applet1Click, nullptr, 0},
        {"HTMLdocument1", "HTML document", &TMainForm::HTMLdocument1Click, nullptr, 0},
        {"Perldocument1", "Perl document", &TMainForm::Perldocument1Click, nullptr, 0},
        {"PHPdocument1", "PHP document", &TMainForm::PHPdocument1Click, nullptr, 0},
        {"XMLdocument1", "XML document", &TMainForm::XMLdocument1Click, nullptr, 0},
        {"CSSdocument1", "CSS document", &TMainForm::CSSdocument1Click, nullptr, 0},
        {"Textfile1", "Text file", &TMainForm::Textfile1Click, nullptr, 0},
        {"Customlanguages1", "Custom language document", nullptr, customLanguages, 0},
        end,
    };

    static constexpr Item reopen[] = {
        {"empty1", "(empty)", nullptr, nullptr, Disabled},
        {"ClearList1", "Clear List", &TMainForm::ClearList1Click, nullptr, 0},
        end,
    };

    static constexpr Item exportTo[] = {
        {"RTFfiltekst1", "RTF", nullptr, nullptr, 0},
        {"HTML3", "HTML", nullptr, nullptr, 0},
        end,
    };

    static constexpr Item file[] = {
        {"New1", "New", nullptr, newDocument, 0},
        {"Load1", "&Load..", &TMainForm::Load1Click, nullptr, 0},
        {"Reopen1", "Reopen", nullptr, reopen, 0},
        {"N6", "-", nullptr, nullptr, 0},
        {"Save1", "S&ave", &TMainForm::Save1Click, nullptr, 0},
        {"SaveAs1", "Sa&ve as..", &TMainForm::SaveAs1Click, nullptr, 0},
        {"Saveall1", "Save all", &TMainForm::Saveall1Click, nullptr, 0},
        {"N7", "-", nullptr, nullptr, 0},
        {"Close1", "Close", &TMainForm::Close1Click, nullptr, 0},
        {"Closeall2", "Close all", &TMainForm::Closeall2Click, nullptr, 0},
        {"N8", "-", nullptr, nullptr, 0},
        {"Print1", "P&rint..", nullptr, nullptr, 0},
        {"PrinterSetup1", "&Print Setup..", nullptr, nullptr, 0},
        {"ForhndVisning1", "Print Preview", nullptr, nullptr, 0},
        {"Exporter1", "Export to", nullptr, exportTo, 0},
        {"Sendtoexternal1", "Send to external program", nullptr, none, 0},
        {"N9", "-", nullptr, nullptr, 0},
        {"Exit1", "Quit", &TMainForm::Exit1Click, nullptr, 0},
        end,
    };

    static constexpr Item edit[] = {
        {"Undo1", "Undo", &TMainForm::SpeedButton79Click, nullptr, 0},
        {"Redo1", "Redo", &TMainForm::SpeedButton93Click, nullptr, 0},
        {"N10", "-", nullptr, nullptr, 0},
        {"Cut1", "Cut", &TMainForm::Cut1Click, nullptr, 0},
        {"Copy1", "Copy", &TMainForm::Copy1Click, nullptr, 0},
        {"Past1", "Paste", &TMainForm::Past1Click, nullptr, 0},
        {"SelectAll1", "Select All", &TMainForm::SelectAll1Click, nullptr, 0},
        {"N22", "-", nullptr, nullptr, 0},
        {"Comment1", "Comment", &TMainForm::SpeedButton10Click, nullptr, 0},
        {"Uncomment1", "Uncomment", &TMainForm::SpeedButton11Click, nullptr, 0},
        {"N4", "-", nullptr, nullptr, 0},
        {"Indent1", "Indent", &TMainForm::SpeedButton12Click, nullptr, 0},
        {"Unindent1", "Unindent", &TMainForm::SpeedButton13Click, nullptr, 0},
        {"N11", "-", nullptr, nullptr, 0},
        {"Options2", "Options", nullptr, nullptr, 0},
        end,
    };

    static constexpr Item search[] = {
        {"Find1", "Find..", &TMainForm::Find1Click, nullptr, 0},
        {"FindNext1", "Find Next", &TMainForm::FindNext1Click, nullptr, 0},
        {"Replace1", "Replace..", &TMainForm::Replace1Click, nullptr, 0},
        {"Replaceagain1", "Replace again", &TMainForm::SpeedButton15Click, nullptr, 0},
        {"N12", "-", nullptr, nullptr, 0},
        {"Gotoline1", "Goto line number..", &TMainForm::Gotoline1Click, nullptr, 0},
        {"N17", "-", nullptr, nullptr, 0},
        {"Nextbookmark1", "Next breakpoint", nullptr, nullptr, 0},
        {"Previousbookmark1", "Previous breakpoint", nullptr, nullptr, 0},
        end,
    };

    static constexpr unsigned toggle = Checkable | OwnCheck;

    static constexpr Item view[] = {
        {"Linenumbers1", "Line Numbers", &TMainForm::Linenumbers1Click, nullptr, toggle},
        {"Specialcharacters1", "Special characters", &TMainForm::Specialcharacters1Click, nullptr,
         toggle},
        {"CompletionProposal1", "Completion Proposal", &TMainForm::CompletionProposal1Click,
         nullptr, toggle},
        {"Autocompletion1", "Autocompletion", &TMainForm::Autocompletion1Click, nullptr, toggle},
        end,
    };

    static constexpr Item window[] = {
        {"Tools1", "Show File and Tools tab", &TMainForm::Tools1Click, nullptr, Checked | OwnCheck},
        {"Messagepane1", "Show Open Files (and java compile - debug) tabs",
         &TMainForm::Messagepane1Click, nullptr, Checked | OwnCheck},
        {"N13", "-", nullptr, nullptr, 0},
        {"TileHorizontally1", "Devide Horisontally", &TMainForm::TileHorizontally1Click, nullptr,
         0},
        {"TileVertically1", "Devide Vertically", &TMainForm::TileVertically1Click, nullptr, 0},
        {"MinimizeAll1", "Minimize All", &TMainForm::MinimizeAll1Click, nullptr, 0},
        {"Nexteditorwindow1", "Next editor window", &TMainForm::Nexteditorwindow1Click, nullptr, 0},
        {"Previouseditorwindow1", "Previous editor window", &TMainForm::Previouseditorwindow1Click,
         nullptr, 0},
        {"N15", "-", nullptr, nullptr, 0},
        {"CloseAll1", "Close all", &TMainForm::CloseAll1Click, nullptr, 0},
        // Launches of other programs; the HTML tab's "View page in browser" button finds its
        // action here when it is made.
        {"WindowLaunchSeparator", "-", nullptr, nullptr, 0},
        {"WindowsExplorer1", "Windows Explorer", nullptr, nullptr, 0},
        {"Showdospromt1", "Show dos promt", nullptr, nullptr, 0},
        {"Viewpageinbrowser1", "View page in browser", nullptr, nullptr, 0},
        end,
    };

    static constexpr Item help[] = {
        {"ipoftheday1", "Tip of the day", nullptr, nullptr, 0},
        {"Content1", "Contents", nullptr, nullptr, 0},
        {"Index1", "Index", nullptr, nullptr, 0},
        {"Homepage1", "Homepage", nullptr, nullptr, 0},
        {"About1", "About..", nullptr, nullptr, 0},
        end,
    };

    static constexpr Item popupCustomLanguages[] = {
        {"empty5", "(empty)", nullptr, nullptr, Disabled},
        {nullptr, "-", nullptr, nullptr, 0},
        {"Definenewcustomlanguage2", "Define new custom language..", nullptr, nullptr, 0},
        end,
    };

    static constexpr Item menuBar[] = {
        {"File1", "&File", nullptr, file, 0},       {"Edit1", "&Edit", nullptr, edit, 0},
        {"Insert1", "Insert", nullptr, none, 0},    {"Insert2", "&Insert", nullptr, none, 0},
        {"Search1", "&Search", nullptr, search, 0}, {"Project1", "HTML Project", nullptr, none, 0},
        {"Modify1", "&Modify", nullptr, none, 0},   {"Debugging1", "Debugging", nullptr, none, 0},
        {"ools1", "Tools", nullptr, none, 0},       {"ools2", "Tools", nullptr, none, 0},
        {"View1", "&View", nullptr, view, 0},       {"Windows1", "&Window", nullptr, window, 0},
        {"Help1", "&Help", nullptr, help, 0},       end,
    };

    static constexpr Item newDocumentPopup[] = {
        {"Javaapplication1", "Java application", &TMainForm::Source1Click, nullptr, 0},
        {"Javaapplet1", "Java applet", &TMainForm::Applet1Click, nullptr, 0},
        {"htmldocument2", "html document", &TMainForm::HTMLdocument1Click, nullptr, 0},
        {"Perldocument2", "Perl document", &TMainForm::Perldocument1Click, nullptr, 0},
        {"phpdocument2", "php document", &TMainForm::PHPdocument1Click, nullptr, 0},
        {"xmldocument2", "xml document", &TMainForm::XMLdocument1Click, nullptr, 0},
        {"cssdocument2", "css document", &TMainForm::CSSdocument1Click, nullptr, 0},
        {"txtfile1", "txt file", &TMainForm::Textfile1Click, nullptr, 0},
        {"Customlanguages2", "Custom language document", nullptr, popupCustomLanguages, 0},
        end,
    };
};

bool isSeparator(const Item &item)
{
    return item.caption && std::strcmp(item.caption, "-") == 0;
}

const Item *menuBar()
{
    return Tables::menuBar;
}

const Item *newDocumentPopup()
{
    return Tables::newDocumentPopup;
}

} // namespace MainMenuLayout
