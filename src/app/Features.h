#pragma once

#include <QObject>

class BreakpointCommands;
class CompileCommands;
class CompletionFeature;
class CompletionTemplates;
class CustomLanguageMenus;
class DebugCommands;
class ExplorerPanel;
class ExportCommands;
class FeatureHost;
class HelpCommands;
class HtmlCommands;
class JavaGeneratorCommands;
class JavaSnippetCommands;
class OptionsFeature;
class PrintCommands;
class QuickFind;
class RunJavaCommand;
class ShellLaunchCommands;
class SpellCheckFeature;
class TFlatMenu;
class StatisticsCommand;
class TMainForm;
class WatchCommands;

// The features of the main window, as the composition root installed them, and the start-up
// steps that belong to them (the main window calls these in its own order).
class Features : public QObject
{
    Q_OBJECT
public:
    explicit Features(TMainForm &main);

    FeatureHost *host = nullptr;
    HtmlCommands *html = nullptr;
    CompileCommands *compile = nullptr;
    RunJavaCommand *run = nullptr;
    ExplorerPanel *explorer = nullptr;
    SpellCheckFeature *spelling = nullptr;
    JavaGeneratorCommands *javaGenerators = nullptr;
    JavaSnippetCommands *javaSnippets = nullptr;
    PrintCommands *print = nullptr;
    ExportCommands *exports = nullptr;
    HelpCommands *help = nullptr;
    ShellLaunchCommands *launches = nullptr;
    TFlatMenu *flatMenu = nullptr; // the main window's "FlatMenu1"
    QuickFind *quickFind = nullptr;
    StatisticsCommand *statistics = nullptr;
    OptionsFeature *options = nullptr;             // Edit, "Options.."
    CompletionTemplates *completionList = nullptr; // the code-template list "CompletionList"
    BreakpointCommands *breakpoints = nullptr;
    DebugCommands *debugger = nullptr;
    WatchCommands *watches = nullptr;
    CompletionFeature *completion = nullptr;
    CustomLanguageMenus *customLanguages = nullptr; // the "Custom language document" items

    // File, New, "Custom language document", "Define new custom language.." (and the same item
    // of the new-document pop-up): the Options dialog, opened or brought forward, on its colours
    // page with the "New language" tab chosen.
    void Definenewcustomlanguage1Click();

    // Start-up steps of the main window's creation, in the order it calls them.
    void LoadCustomLanglistFromFile(); // user-defined languages in the New menus
    void LagNyCompletionListe();       // the code-template list
    void showTipWindow();              // the tip of the day
    void LoadShortcuts();              // the shortcut table
    void restartFlatMenu();            // the menu styling
    // Step of the one-shot start-up timer.
    void setUpSpellChecker();
    // The program block's hidden forms.
    void createHiddenForms();
};

// Installs every feature into the main window; called once, by the main window's
// constructor, after its menus and panels stand and before its start-up steps run.
Features *installFeatures(TMainForm &main);
