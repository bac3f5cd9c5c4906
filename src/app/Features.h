#pragma once

#include "shell/StartupSteps.h"

#include <QObject>

#include <memory>

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
class MainWindowLanguages;
class MenuShortcuts;
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

// The composition root of a main window: the features it installs into the window, the start-up
// steps that belong to them (the window calls these in its own order) and the user-defined
// languages of the window.
class Features : public QObject, public StartupSteps
{
    Q_OBJECT
public:
    explicit Features(TMainForm &main);
    ~Features() override;

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
    MenuShortcuts *shortcuts = nullptr; // the shortcut table on the main menu
    CompletionFeature *completion = nullptr;
    CustomLanguageMenus *customLanguages = nullptr; // the "Custom language document" items

    // File, New, "Custom language document", "Define new custom language.." (and the same item
    // of the new-document pop-up): the Options dialog, opened or brought forward, on its colours
    // page with the "New language" tab chosen.
    void Definenewcustomlanguage1Click();

    // Start-up steps of the main window, in the order it calls them.
    void installFeatures() override;
    void LoadCustomLanglistFromFile() override;
    void LagNyCompletionListe() override;
    void showTipWindow() override;
    void LoadShortcuts() override;
    void restartFlatMenu() override;
    void setUpSpellChecker() override;
    void createHiddenForms() override;

    UserLanguages &userLanguages() override;

private:
    TMainForm &m_main;
    std::unique_ptr<MainWindowLanguages> m_languages;
};

// The factory a main window is made with: TMainForm window(arguments, makeFeatures()). With
// made, it also tells where the root it made is (tests and benchmarks reach the features so).
StartupStepsFactory makeFeatures(Features **made = nullptr);
