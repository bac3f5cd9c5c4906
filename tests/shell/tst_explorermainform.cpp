#include "ShellFixture.h"
#include "html/commands/HtmlCommands.h"
#include "html/formfields/FormFieldCheckBox.h"
#include "shell/explorer/ExplorerFileList.h"
#include "shell/explorer/ExplorerPanel.h"
#include "shell/explorer/ProjectFolderDialog.h"
#include "shell/tools/SendToProgramDialog.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The explorer and the wizards in the real main window.
class TestExplorerMainForm : public QObject
{
    Q_OBJECT

private slots:
    void explorerFollowsTheDocumentsAndOpensFiles()
    {
        ShellFixture f;
        TMainForm *main = f.start();
        auto *panel = f.page(Page::Files)->findChild<ExplorerPanel *>();
        QVERIFY(panel);
        QCOMPARE(panel->FilterComboBox1->count(), main->UpdateFilesFilter().size());

        TEditForm *page = main->LoadFile(f.write("page.HTML", "<html>\n"));
        QCOMPARE(panel->filterIndex(), 1);
        QCOMPARE(panel->mask(), QString("*.htm"));
        main->action("NyApplikasjonkode1")->trigger();
        QCOMPARE(panel->filterIndex(), 0);
        QCOMPARE(panel->mask(), QString("*.java"));
        f.mdiArea()->setActiveSubWindow(page->subWindow());
        QCOMPARE(panel->filterIndex(), 1);

        // Double-clicking a file in the list opens it.
        f.write("other.txt", "x\n");
        panel->setDirectory(f.path(""));
        panel->setMask("*.txt");
        panel->FileListBox3->setCurrentRow(0);
        emit panel->FileListBox3->itemDoubleClicked(panel->FileListBox3->item(0));
        QCOMPARE(main->GetActiveEditor()->caption(), QString("other.txt"));

        // "Set as working dir": the open and save dialogs start there.
        panel->Setasworkingdir1->trigger();
        main->action("Load1")->trigger();
        QCOMPARE(f.dialogs.calls.last().request.initialDir, panel->selectedFolder());
        main->GetActiveEditor()->SaveFileAs();
        QCOMPARE(f.dialogs.calls.last().request.initialDir, panel->selectedFolder());
    }

    void projectDialogAndWizardsUseTheMainWindow()
    {
        ShellFixture f;
        TMainForm *main = f.start();
        auto *panel = f.page(Page::Files)->findChild<ExplorerPanel *>();
        panel->Defineprojectcatalog1->trigger();
        auto *project = panel->findChild<TProsjektKatFrm *>();
        QCOMPARE(project->Edit2->text(), QString("images"));
        project->Edit1->setText(f.path("site"));
        project->Button2->click();
        QCOMPARE(main->ProjectFolder(), f.path("site"));

        // The HTML Project menu opens the same dialog, showing the folder just chosen.
        main->action("Defineprojectcatalog1")->trigger();
        const auto dialogs = panel->findChildren<TProsjektKatFrm *>();
        QCOMPARE(dialogs.last()->Edit1->text(), f.path("site"));

        main->action("HTMLdocument1")->trigger();
        main->GetActiveEditor()->editor()->setText(QString());
        main->findChild<HtmlCommands *>()->run("SpeedButton22Click");
        auto *checkbox = main->findChild<TCheckBoxGenFrm *>();
        QVERIFY(checkbox && checkbox->isVisible());
        checkbox->Edit1->setText("ok");
        checkbox->okButton()->click();
        QCOMPARE(main->GetActiveEditor()->editor()->text(),
                 QString(R"(<input type="checkbox" name="ok">)"));

        main->action("Add2")->trigger();
        QVERIFY(main->findChild<TSendToExtPrgFrm *>());
    }
};

QTEST_MAIN(TestExplorerMainForm)
#include "tst_explorermainform.moc"
