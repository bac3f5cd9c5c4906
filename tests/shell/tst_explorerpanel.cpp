// The explorer panel on the "Files" page, and the explorer feature following its host.
#include "FakeFeatureHost.h"
#include "FakePrompter.h"
#include "FakeShell.h"
#include "TestFiles.h"
#include "shell/explorer/CreateDirFrm.h"
#include "shell/explorer/ExplorerDriveBox.h"
#include "shell/explorer/ExplorerFeature.h"
#include "shell/explorer/ExplorerFileList.h"
#include "shell/explorer/ExplorerFolderList.h"
#include "shell/explorer/ExplorerMask.h"
#include "shell/explorer/ExplorerPanel.h"
#include "shell/explorer/ProjectFolderDialog.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

namespace {

QStringList texts(const QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result.append(list->item(i)->text().trimmed());
    return result;
}

void doubleClick(QListWidget *list, QListWidgetItem *item)
{
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class TestExplorerPanel : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        const QStringList files {"a.htm",       "b.html", "C.HTM",          "d.java",
                                 "e.pl",        "f.perl", "g.txt",          "noext",
                                 ".hidden.htm", "x.htmx", "sub1/inner.java"};
        QDir().mkpath(m_dir.filePath("sub2"));
        for (const QString &name : files)
            QVERIFY(TestFiles::write(m_dir.filePath(name), QByteArray()));
    }

    void mask_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("htm takes html") << "*.htm" << QStringList {"a.htm", "b.html", "C.HTM"};
        QTest::newRow("html alone") << "*.html" << QStringList {"b.html"};
        QTest::newRow("two patterns") << "*.pl;*.perl" << QStringList {"e.pl", "f.perl"};
        QTest::newRow("all") << "*.*" << QStringList {"a.htm",  "b.html", "C.HTM", "d.java", "e.pl",
                                                      "f.perl", "g.txt",  "noext", "x.htmx"};
        QTest::newRow("none") << "*.css" << QStringList {};
    }

    void mask()
    {
        QFETCH(QString, mask);
        QFETCH(QStringList, files);
        QCOMPARE(ExplorerMask::files(m_dir.path(), mask), files);
    }

    void foldersAndRoots()
    {
        ExplorerPanel panel;
        panel.resize(300, 600);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        panel.setDirectory(m_dir.path());
        QCOMPARE(panel.directory(), m_dir.path());
        const QStringList entries = texts(panel.DirectoryListBox3);
        QCOMPARE(entries.first(), QString("/"));
        QCOMPARE(entries.mid(entries.size() - 3),
                 QStringList({QFileInfo(m_dir.path()).fileName(), "sub1", "sub2"}));
        QCOMPARE(panel.selectedFolder(), panel.directory());

        QCOMPARE(panel.DriveComboBox3->roots().mid(0, 2), QStringList({"/", QDir::homePath()}));
        QCOMPARE(panel.DriveComboBox3->drive(), QString("/"));

        // Double-clicking a subfolder opens it; the file list follows.
        panel.setMask("*.*");
        auto *list = panel.DirectoryListBox3;
        QListWidgetItem *sub1 = list->findItems("sub1", Qt::MatchEndsWith).value(0);
        QVERIFY(sub1);
        doubleClick(list, sub1);
        QCOMPARE(panel.directory(), m_dir.filePath("sub1"));
        QCOMPARE(texts(panel.FileListBox3), QStringList {"inner.java"});

        // Every entry has its picture: open folders down to the current one, a closed one
        // below it, files.
        const QIcon open = list->item(0)->icon();
        QVERIFY(!open.pixmap(16, 16).isNull());
        QCOMPARE(list->item(list->count() - 1)->icon().cacheKey(), open.cacheKey());
        QVERIFY(!panel.FileListBox3->item(0)->icon().pixmap(16, 16).isNull());
        panel.setDirectory(m_dir.path());
        const QIcon closed = list->item(list->count() - 1)->icon();
        QVERIFY(!closed.pixmap(16, 16).isNull());
        QVERIFY(closed.cacheKey() != open.cacheKey());
    }

    void filterBoxSetsTheMask()
    {
        ExplorerPanel panel;
        panel.setDirectory(m_dir.path());
        panel.setFilterItems({{"Java (*.java)", {"*.java"}},
                              {"HTML (*.htm;*.html)", {"*.htm"}},
                              {"Perl (*.pl;*.perl)", {"*.pl", "*.perl"}}});
        QCOMPARE(panel.FilterComboBox1->itemText(1), QString("HTML (*.htm;*.html)"));
        panel.setFilterIndex(1);
        QCOMPARE(panel.mask(), QString("*.htm"));
        QCOMPARE(texts(panel.FileListBox3), QStringList({"a.htm", "b.html", "C.HTM"}));
        emit panel.FilterComboBox1->activated(2);
        QCOMPARE(panel.mask(), QString("*.pl;*.perl"));
    }

    void doubleClickOpensTheSelectedFile()
    {
        ExplorerPanel panel;
        panel.resize(300, 600);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        panel.setDirectory(m_dir.path());
        panel.setMask("*.htm");
        QSignalSpy opened(&panel, &ExplorerPanel::fileActivated);
        auto *files = panel.FileListBox3;
        QCOMPARE(panel.selectedFile(), QString());
        QTest::mouseDClick(files->viewport(), Qt::LeftButton, {},
                           QPoint(5, files->viewport()->height() - 3));
        QCOMPARE(opened.count(), 0);

        QListWidgetItem *html = files->findItems("b.html", Qt::MatchExactly).value(0);
        doubleClick(files, html);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.at(0).at(0).toString(), m_dir.filePath("b.html"));
    }

    void folderPopUp()
    {
        FakeShell shell;
        ExplorerPanel panel;
        panel.setDirectory(m_dir.path());
        QVERIFY(panel.DirectoryListBox3->selectFolder(m_dir.filePath("sub2")));
        QStringList captions;
        for (QAction *a : panel.PopupMenu5->actions())
            captions << a->text();
        QCOMPARE(captions,
                 QStringList({"Create new directory", "Set as working dir", "Explore from here",
                              "Open in dos promt from here", "Define project catalog.."}));

        QSignalSpy working(&panel, &ExplorerPanel::workingFolderChosen);
        panel.Setasworkingdir1->trigger();
        panel.Explorefromhere1->trigger();
        panel.Opendirindospromtfromhere1->trigger();
        QCOMPARE(working.count(), 1);
        QCOMPARE(working.at(0).at(0).toString(), m_dir.filePath("sub2"));
        QCOMPARE(shell.calls.size(), 2);
        QCOMPARE(shell.calls[0].kind, FakeShell::Explore);
        QCOMPARE(shell.calls[0].target, m_dir.filePath("sub2"));
        QCOMPARE(shell.calls[1].kind, FakeShell::Terminal);
        QCOMPARE(shell.calls[1].target, m_dir.filePath("sub2"));
        QVERIFY(shell.calls[1].command.isEmpty());
    }

    // The pop-up's dialog makes the folder under the current one and the list shows it.
    void createdFolderAppearsInTheList()
    {
        FakePrompter prompter;
        ExplorerPanel panel;
        panel.setDirectory(m_dir.path());
        panel.Createcatalog1->trigger();
        auto *dialog = panel.findChild<TCreateDirFrm *>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->Label3->text(), "\"" + panel.directory() + "\"");
        dialog->Edit1->setText("  made  ");
        dialog->Button1->click();
        QVERIFY(QFileInfo(m_dir.filePath("made")).isDir());
        QVERIFY(texts(panel.DirectoryListBox3).contains("made"));
        QVERIFY(prompter.calls.isEmpty());
    }

    // The filter box shows the host's filter at the item of the active document's type; a new
    // document also sets the mask. A double-clicked file opens on the host, "Set as working
    // dir" sets its folder.
    void featureFollowsTheHost()
    {
        FakeFeatureHost host;
        host.filterIndex = 1;
        ExplorerFeature feature(host);
        ExplorerPanel *panel = feature.panel();
        QCOMPARE(panel->FilterComboBox1->count(), 8);
        QCOMPARE(panel->filterIndex(), 1);
        panel->setDirectory(m_dir.path());
        // A new document: its type's item, and the mask it asks for (the main window sends
        // documentCreated once the new document is active).
        host.filterIndex = 2;
        host.mask = "*.perl";
        FakeDocument *perl = host.open("f.perl");
        emit host.documentCreated(perl);
        QCOMPARE(panel->filterIndex(), 2);
        QCOMPARE(panel->mask(), "*.perl");
        // Activated again: the item of its type, with the item's masks.
        host.filterIndex = 0;
        host.activate(perl);
        QCOMPARE(panel->filterIndex(), 0);
        QCOMPARE(texts(panel->FileListBox3), QStringList {"d.java"});
        host.filterIndex = 5;
        emit host.fileFilterChanged();
        QCOMPARE(panel->filterIndex(), 5);

        panel->setMask("*.java");
        panel->FileListBox3->setCurrentRow(0);
        emit panel->FileListBox3->itemDoubleClicked(panel->FileListBox3->item(0));
        QCOMPARE(host.openedFiles, QStringList {m_dir.filePath("d.java")});
        panel->Setasworkingdir1->trigger();
        QCOMPARE(host.workingFolder(), panel->selectedFolder());
    }
};

QTEST_MAIN(TestExplorerPanel)
#include "tst_explorerpanel.moc"
