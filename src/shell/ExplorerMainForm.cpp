#include "ExplorerMainForm.h"

#include "html/FormFieldOpeners.h"
#include "html/HtmlCommands.h"
#include "shell/EditFrmUnit.h"
#include "shell/ExplorerPanel.h"
#include "shell/Main.h"
#include "shell/SendToExtPrgFrm.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QVBoxLayout>

namespace ExplorerMainForm {

ExplorerPanel *Install(TMainForm *main)
{
    auto *panel = new ExplorerPanel(main->TabSheet5);
    QLayout *files = main->TabSheet5->layout();
    if (!files)
        files = new QVBoxLayout(main->TabSheet5);
    files->setContentsMargins(0, 0, 0, 0);
    files->addWidget(panel);

    const ProjectGetter project = [main] { return ProjectSettings{main->ProjectFolder(), main->ImageFolder()}; };
    panel->setProjectAccess(project, [main](const ProjectSettings &p) {
        main->setProjectFolder(p.projectFolder);
        main->setImageFolder(p.imageFolder);
    });

    // The filter box shows the main window's filter and the item of the active document's type;
    // a new or loaded document also sets the file mask.
    auto follow = [main, panel](bool withMask) {
        panel->setFilterItems(main->UpdateFilesFilter());
        panel->setFilterIndex(main->filterIndex());
        if (withMask && !main->explorerMask().isEmpty())
            panel->setMask(main->explorerMask());
    };
    follow(false);
    QObject::connect(main, &TMainForm::documentCreated, panel, [follow] { follow(true); });
    QObject::connect(main, &TMainForm::documentActivated, panel, [follow] { follow(false); });

    QObject::connect(panel, &ExplorerPanel::fileActivated, main, &TMainForm::openFromExplorer);
    QObject::connect(panel, &ExplorerPanel::driveClicked, main, [main] {
        if (TEditForm *w = main->GetActiveEditor())
            w->setFocus();
    });
    QObject::connect(panel, &ExplorerPanel::workingFolderChosen, main,
                     [main](const QString &folder) { main->WorkingFolder = folder; });

    if (auto *html = main->findChild<HtmlCommands *>()) {
        const WizardHost host{main, [main](const QString &text) { main->SkrivTekstenTilEditor(text); }, project};
        FormFieldOpeners::provideTo(*html, host);
    }

    // The project folder is also chosen from the "HTML Project" menu of HTML documents.
    if (QMenu *htmlProject = main->menu(QStringLiteral("Project1"))) {
        QAction *define = main->addItem(htmlProject, QStringLiteral("Defineprojectcatalog1"),
                                        QStringLiteral("Define project catalog.."));
        QObject::connect(define, &QAction::triggered, panel, &ExplorerPanel::Defineprojectcatalog1Click);
    }

    if (QMenu *sendTo = main->menu(QStringLiteral("Sendtoexternal1"))) {
        QAction *add = main->addItem(sendTo, QStringLiteral("Add2"), QStringLiteral("Add.."));
        QObject::connect(add, &QAction::triggered, main, [main] { (new TSendToExtPrgFrm(main))->show(); });
    }
    return panel;
}

} // namespace ExplorerMainForm
