// The composition root: the one place where the features meet the main window.
#include "app/Features.h"

#include "analysis/QuickFind.h"
#include "analysis/StatisticsCommand.h"
#include "app/MainWindowHost.h"
#include "app/MainWindowLanguages.h"
#include "app/SpellCheckerForOptions.h"
#include "completion/CodeTemplateExpander.h"
#include "completion/CompletionFeature.h"
#include "host/ActionRegistry.h"
#include "host/HostDocument.h"
#include "html/commands/HtmlCommands.h"
#include "html/commands/ScriptCommands.h"
#include "html/commands/StripHtmlCommand.h"
#include "html/commands/WizardOpeners.h"
#include "java/compile/CompileCommands.h"
#include "java/debug/BreakpointCommands.h"
#include "java/debug/DebugCommands.h"
#include "java/debug/WatchCommands.h"
#include "java/generators/JavaGeneratorCommands.h"
#include "java/generators/JavaSnippetCommands.h"
#include "java/run/RunJavaCommand.h"
#include "platform/Prompter.h"
#include "settings/files/CompletionTemplates.h"
#include "settings/languages/CustomLanguageMenus.h"
#include "settings/options/OptionsColorsPage.h"
#include "settings/options/OptionsFeature.h"
#include "settings/options/OptionsFrmUnit.h"
#include "settings/shortcuts/MenuShortcuts.h"
#include "settings/store/AppSettings.h"
#include "shell/Main.h"
#include "shell/UserLanguages.h"
#include "shell/explorer/ExplorerFeature.h"
#include "shell/explorer/FolderChooser.h"
#include "shell/help/HelpCommands.h"
#include "shell/help/ShellLaunchCommands.h"
#include "shell/printing/ExportCommands.h"
#include "shell/printing/PrintCommands.h"
#include "shell/tools/SendToCommands.h"
#include "spelling/SpellCheckFeature.h"
#include "styling/FlatMenu.h"

#include <QAction>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>

#include <memory>

namespace {

// The first settings write that fails says why, once; the program goes on without saving.
// The Options dialog reports its own while it opens and while its OK runs.
void reportSettingsFailure(Features &f, TMainForm &main, FeatureHost &host)
{
    TMainForm *m = &main;
    Features *features = &f;
    auto said = std::make_shared<bool>(false);
    QObject::connect(
        &host.settings(), &AppSettings::writeFailed, m,
        [m, features, said](const QString &fileName, const QString &reason) {
            if (*said || (features->options && features->options->committing()))
                return;
            *said = true;
            Prompter::instance()->messageDlg(
                m, QStringLiteral("Could not save ") + fileName + QLatin1Char('\n') + reason,
                Prompter::Warning, Prompter::OkButton);
        });
}

// Edit, "Options.." and the code-template list.
void installOptions(Features &f, TMainForm &main, FeatureHost &host)
{
    f.options = new OptionsFeature(
        host, std::make_unique<SpellCheckerForOptions>(f.spelling->checker()), &f);
    f.completionList = f.options->templates();
    OptionsFeature *options = f.options;
    TMainForm *m = &main;
    Features *features = &f;
    OptionsHooks &hooks = options->hooks();
    hooks.chooseFolder = [options](QWidget *parent, const QString &start) {
        TVelgKatalogFrm chooser(start, parent);
        return options->execDialog()(chooser) == QDialog::Accepted ? chooser.folder() : QString();
    };
    hooks.updateColorsInEditor = [m] { m->UpdateColorsInEditor(); };
    hooks.lagNyCompletionListe = [features] { features->LagNyCompletionListe(); };
    hooks.loadShortcuts = [m] { m->LoadShortcuts(); };
}

// The user-defined languages in File, New and the new-document pop-up, "Define new custom
// language.." (the Options dialog on its "New language" tab) and the Options dialog's steps in
// the main window when a language is added or deleted.
void installCustomLanguages(Features &f, TMainForm &main)
{
    TMainForm *m = &main;
    QMenu *popup = main.popupLanguageMenu();
    f.customLanguages =
        new CustomLanguageMenus(main.menu(QStringLiteral("Customlanguages1")), popup, &f);
    CustomLanguageMenus *menus = f.customLanguages;
    UserLanguages *languages = &f.userLanguages();
    QObject::connect(menus, &CustomLanguageMenus::languageChosen, m,
                     [languages](const QString &name) { languages->GeneralDocument(name); });

    Features *features = &f;
    QAction *fromMenu = main.action(QStringLiteral("Definenewcustomlanguage1"));
    QAction *fromPopup =
        popup ? popup->findChild<QAction *>(QStringLiteral("Definenewcustomlanguage2")) : nullptr;
    for (QAction *item : {fromMenu, fromPopup})
        if (item)
            QObject::connect(item, &QAction::triggered, features,
                             &Features::Definenewcustomlanguage1Click);

    OptionsHooks &hooks = f.options->hooks();
    hooks.addLanguageItems = [menus](const QString &name) { menus->addLanguage(name); };
    hooks.removeLanguageItems = [menus](const QString &name) { menus->removeLanguage(name); };
    hooks.updateFilesFilter = [m] {
        m->UpdateFilesFilter();
        emit m->filesFilterChanged();
    };
    hooks.updateEmptyLanguageItems = [menus] { menus->updateEmptyItems(); };
}

} // namespace

Features::Features(TMainForm &main)
    : QObject(&main), m_main(main), m_languages(std::make_unique<MainWindowLanguages>(main))
{
    setObjectName(QStringLiteral("Features"));
}

Features::~Features() = default;

StartupStepsFactory makeFeatures(Features **made)
{
    return [made](TMainForm &main) {
        auto root = std::make_unique<Features>(main);
        if (made)
            *made = root.get();
        return std::unique_ptr<StartupSteps>(std::move(root));
    };
}

UserLanguages &Features::userLanguages()
{
    return *m_languages;
}

// The order is part of the contract: menu items, tool buttons and pop-up items appear in the
// order their features add them, and a document's key handlers see each key in reverse order
// of installation.
void Features::installFeatures()
{
    TMainForm &main = m_main;
    Features *f = this;
    FeatureHost &host = *(f->host = new MainWindowHost(main));

    // A settings file that cannot be written is reported once.
    reportSettingsFailure(*f, main, host);

    // The HTML commands: the "&Insert", "&Modify" and HTML "Tools" menus, File, New,
    // "Frameset", the "HTML" tool tab and the HTML group of every document pop-up.
    f->html = new HtmlCommands(host, f);
    f->html->setObjectName(QStringLiteral("HTMLCommands"));

    // The compile commands: the Java "Tools" items, the "Java" tab's compile buttons, the
    // compiler pages of the bottom pane and every document pop-up's "Compiling" items.
    f->compile = new CompileCommands(host, f);
    f->compile->setObjectName(QStringLiteral("CompileCommands"));

    // The run command, started by Compile and run and by the result window's "Run". Only
    // Compile and run may go to a terminal ("JavaAppsInDosWindow").
    f->run = new RunJavaCommand(host, f);
    RunJavaCommand *run = f->run;
    QObject::connect(f->compile, &CompileCommands::runProgramRequested, run,
                     [run](bool fromCompileAndRun, const QString &fileName) {
                         run->RunJava(fromCompileAndRun ? RunJava::Origin::CompileAndRun
                                                        : RunJava::Origin::RunCommand,
                                      fileName);
                     });

    // The explorer on the "Files" page, the working folder and the project folder.
    f->explorer = (new ExplorerFeature(host, f))->panel();

    // The form-field and image tag wizards behind their HTML items and buttons.
    const WizardHost wizards {&main, [&host](const QString &text) { host.insertText(text); },
                              [&host] { return host.project(); },
                              [&host] { return host.activeEditor(); }};
    WizardOpeners::provideTo(*f->html, wizards, host);

    // File, "Send to external program".
    new SendToCommands(host, f);

    // The spell checker "SpellChecker1", its commands and the active document's underline.
    f->spelling = new SpellCheckFeature(host, f);

    // Strip HTML behind Tools, "Strip HTML from document" and the HTML tab's "Button5".
    (new StripHtmlCommand(host, f))->provideTo(*f->html);

    // The Java code generators (class wizard, try/catch, exception class, expression
    // builder): the Java "Tools" items and their buttons on the "Java" tab.
    f->javaGenerators = new JavaGeneratorCommands(host, f);

    // The Java snippets: the Java "Insert" menu, the "Insert code.." button's pop-up and
    // every document pop-up's "Insert code" submenu.
    f->javaSnippets = new JavaSnippetCommands(host, f);

    // Printing, print preview and export of the active document, with the print items of
    // every document pop-up.
    f->print = new PrintCommands(host, f);
    f->exports = new ExportCommands(host, f);

    // The Help menu (tips, help, about box) and the Window menu's launches of the file
    // manager, a terminal and the browser.
    f->help = new HelpCommands(host, f);
    f->launches = new ShellLaunchCommands(host, f);

    // The flat menus: "FlatMenu1" on the main window and on every document window (whose
    // pop-up has the gradient). Windows without one take the main window's look.
    f->flatMenu = TFlatMenu::makeMainWindowFlatMenu(&main);
    QObject::connect(&host, &FeatureHost::documentCreated, f, [](HostDocument *document) {
        TFlatMenu::makeDocumentFlatMenu(document->widget());
    });

    // Quick find in the "Quick find:" group of the "Java" tab, and View, "Statistics".
    f->quickFind = new QuickFind(host, f);
    f->statistics = new StatisticsCommand(host, f);

    // The debugger: every document's breakpoints and bookmarks, the jdb run (compiling a
    // modified document first) with its "Debugger" and "Debug vars" pages, and the watch
    // list with the variable tracker. In this order: the Debugging menus list Start, Stop,
    // Next, the breakpoint items, then the tracker.
    f->breakpoints = new BreakpointCommands(host, f);
    f->debugger = new DebugCommands(host, *f->compile, *f->breakpoints, f);
    f->watches = new WatchCommands(host, *f->debugger, f);

    // The "Javascripts:" commands (date, last modified, the clock pop-up's clocks) and the
    // link wizard.
    ScriptCommands::provideTo(*f->html, wizards);

    // Edit, "Options..": the Options dialog over the spell checker, the folder dialog, the
    // main window's colours, templates and shortcuts; and the code-template list the main
    // window keeps.
    installOptions(*f, main, host);

    // Code completion: every document's attribute and member lists, end tags, parameter
    // hint and status panels, and the code templates on Space ("SynAutoComplete1", which
    // keeps a copy of each new code-template list), gated by the View items "Completion
    // Proposal" and "Autocompletion". Its key handlers come after the debugger's, so they see
    // each key first.
    f->completion = new CompletionFeature(host, f);
    TSynAutoComplete *templates = f->completion->SynAutoComplete1;
    CompletionTemplates *list = f->completionList;
    QObject::connect(list, &CompletionTemplates::changed, templates,
                     [templates, list] { templates->setCompletionList(list->CompletionList()); });

    // The user-defined languages: the "Custom language document" submenus, "Define new
    // custom language.." and the language steps of the Options dialog.
    installCustomLanguages(*f, main);

    // The shortcut table: the main menu's keys (applied by the start-up step and by the
    // Options dialog's OK), which every document editor leaves to the menu.
    f->shortcuts = new MenuShortcuts(host, f);
}

// --- Start-up steps of the features ------------------------------------------------------

void Features::Definenewcustomlanguage1Click()
{
    TOptionsFrm *dialog = options->Options2Click();
    dialog->PageControl1->setCurrentIndex(5);
    QTabBar *tabs = dialog->colorsPage->TabSet1;
    tabs->setCurrentIndex(tabs->count() - 2); // "New language"
}

void Features::LoadCustomLanglistFromFile()
{
    customLanguages->LoadCustomLanglistFromFile();
}
void Features::LagNyCompletionListe()
{
    completionList->LagNyCompletionListe();
}
void Features::showTipWindow()
{
    help->showTipAtStartUp();
}
void Features::LoadShortcuts()
{
    shortcuts->LoadShortcuts();
}
// Off and on again, so that menu items made before this step are styled like the rest.
void Features::restartFlatMenu()
{
    flatMenu->setActive(false);
    flatMenu->setActive(true);
}

void Features::setUpSpellChecker()
{
    spelling->setUp();
}

void Features::createHiddenForms()
{
    spelling->createDialog();
    print->createPreviewForm();
}
