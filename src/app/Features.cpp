// The composition root: the one place where the features meet the main window.
#include "app/Features.h"

#include <QAction>
#include <QMenu>

#include <memory>

#include "app/MainWindowHost.h"
#include "host/ActionRegistry.h"
#include "html/FormFieldOpeners.h"
#include "html/HtmlCommands.h"
#include "html/HtmlWizardOpeners.h"
#include "html/StripHtmlCommand.h"
#include "java/CompileCommands.h"
#include "java/RunJavaCommand.h"
#include "javagen/JavaGeneratorCommands.h"
#include "javagen/JavaSnippetCommands.h"
#include "platform/Prompter.h"
#include "settings/AppSettings.h"
#include "shell/EditFrmUnit.h"
#include "shell/ExplorerPanel.h"
#include "shell/Main.h"
#include "shell/SendToExtPrgFrm.h"
#include "spelling/SpellCheckFeature.h"

namespace {

// The explorer on the "Files" tab: it follows the active document's filter and mask, opens
// double-clicked files and chooses the project folder and the working folder.
ExplorerPanel *installExplorer(TMainForm &main, FeatureHost &host)
{
    auto *panel = new ExplorerPanel(host.page(FeatureHost::Page::Files));
    host.addToPage(FeatureHost::Page::Files, panel);
    panel->setProjectAccess([&host] { return host.project(); },
                            [&host](const ProjectSettings &p) { host.setProject(p); });

    // The filter box shows the main window's filter and the item of the active document's type;
    // a new or loaded document also sets the file mask.
    TMainForm *m = &main;
    auto follow = [m, panel](bool withMask) {
        panel->setFilterItems(m->UpdateFilesFilter());
        panel->setFilterIndex(m->filterIndex());
        if (withMask && !m->explorerMask().isEmpty())
            panel->setMask(m->explorerMask());
    };
    follow(false);
    QObject::connect(&host, &FeatureHost::documentCreated, panel, [follow] { follow(true); });
    QObject::connect(&host, &FeatureHost::documentActivated, panel, [follow] { follow(false); });

    QObject::connect(panel, &ExplorerPanel::fileActivated, m, &TMainForm::openFromExplorer);
    QObject::connect(panel, &ExplorerPanel::driveClicked, m, [m] {
        if (TEditForm *w = m->GetActiveEditor())
            w->setFocus();
    });
    QObject::connect(panel, &ExplorerPanel::workingFolderChosen, m,
                     [m](const QString &folder) { m->WorkingFolder = folder; });

    // The project folder is also chosen from the "HTML Project" menu of HTML documents.
    if (QAction *define = host.actions().addItem(QStringLiteral("Project1"),
                                                 QStringLiteral("Defineprojectcatalog1"),
                                                 QStringLiteral("Define project catalog..")))
        QObject::connect(define, &QAction::triggered, panel,
                         &ExplorerPanel::Defineprojectcatalog1Click);
    return panel;
}

// File, "Send to external program", "Add..".
void installSendTo(TMainForm &main, FeatureHost &host)
{
    TMainForm *m = &main;
    if (QAction *add = host.actions().addItem(QStringLiteral("Sendtoexternal1"),
                                              QStringLiteral("Add2"), QStringLiteral("Add..")))
        QObject::connect(add, &QAction::triggered, m, [m] {
            auto *form = new TSendToExtPrgFrm(m);
            form->setAttribute(Qt::WA_DeleteOnClose);
            form->show();
        });
}

// The first settings write that fails says why, once; the program goes on without saving.
void reportSettingsFailure(TMainForm &main, FeatureHost &host)
{
    TMainForm *m = &main;
    auto said = std::make_shared<bool>(false);
    QObject::connect(
        &host.settings(), &AppSettings::writeFailed, m,
        [m, said](const QString &fileName, const QString &reason) {
            if (*said)
                return;
            *said = true;
            Prompter::instance()->messageDlg(
                m, QStringLiteral("Could not save ") + fileName + QLatin1Char('\n') + reason,
                Prompter::Warning, Prompter::OkButton);
        });
}

} // namespace

Features::Features(TMainForm &main) : QObject(&main)
{
    setObjectName(QStringLiteral("Features"));
}

Features *installFeatures(TMainForm &main)
{
    auto *f = new Features(main);
    FeatureHost &host = *(f->host = new MainWindowHost(main));

    // 0. A settings file that cannot be written is reported once.
    reportSettingsFailure(main, host);

    // 1. The HTML commands: the "&Insert", "&Modify" and HTML "Tools" menus, File, New,
    //    "Frameset", the "HTML" tool tab and the HTML group of every document pop-up.
    f->html = new HtmlCommands(host, f);
    f->html->setObjectName(QStringLiteral("HTMLCommands"));

    // 2. The compile commands: the Java "Tools" items, the "Java" tab's compile buttons, the
    //    compiler pages of the bottom pane and every document pop-up's "Compiling" items.
    f->compile = new CompileCommands(host, f);
    f->compile->setObjectName(QStringLiteral("CompileCommands"));

    // 3. The run command, started by Compile and run and by the result window's "Run". Only
    //    Compile and run may go to a terminal ("JavaAppsInDosWindow").
    f->run = new RunJavaCommand(host, f);
    RunJavaCommand *run = f->run;
    QObject::connect(f->compile, &CompileCommands::runProgramRequested, run,
                     [run](bool fromCompileAndRun, const QString &fileName) {
                         run->RunJava(fromCompileAndRun ? RunJava::Origin::CompileAndRun
                                                        : RunJava::Origin::RunCommand,
                                      fileName);
                     });

    // 4. The explorer panel and the project folder.
    f->explorer = installExplorer(main, host);

    // 5. The form-field and image tag wizards behind their HTML items and buttons.
    const WizardHost wizards {&main, [&host](const QString &text) { host.insertText(text); },
                              [&host] { return host.project(); },
                              [&host] { return host.activeEditor(); }};
    FormFieldOpeners::provideTo(*f->html, wizards);

    // 6. "Send to external program".
    installSendTo(main, host);

    // 7. The spell checker "SpellChecker1", its commands and the active document's underline.
    f->spelling = new SpellCheckFeature(host, f);

    // 8. Strip HTML behind Tools, "Strip HTML from document" and the HTML tab's "Button5".
    (new StripHtmlCommand(host, f))->provideTo(*f->html);

    // 9. The Java code generators (class wizard, try/catch, exception class, expression
    //    builder): the Java "Tools" items and their buttons on the "Java" tab.
    f->javaGenerators = new JavaGeneratorCommands(host, f);

    // 10. The Java snippets: the Java "Insert" menu, the "Insert code.." button's pop-up and
    //     every document pop-up's "Insert code" submenu.
    f->javaSnippets = new JavaSnippetCommands(host, f);

    // 11. The comment, table, list, frameset, font, object and horizontal-rule wizards behind
    //     their HTML items and buttons and File, New, "Frameset".
    HtmlWizardOpeners::provideTo(*f->html, wizards, host);

    return f;
}

// --- Start-up steps of the features ------------------------------------------------------

// Filled in by the user-defined languages.
void Features::LoadCustomLanglistFromFile() {}
// Filled in by the completion word lists.
void Features::LagNyCompletionListe() {}
// Filled in by the tip window.
void Features::showTipWindow() {}
// Filled in by the shortcut table.
void Features::LoadShortcuts() {}
// Filled in by the menu styling.
void Features::restartFlatMenu() {}

void Features::setUpSpellChecker()
{
    spelling->setUp();
}

void Features::createHiddenForms()
{
    spelling->createDialog();
}
