#include "FakeHelpViewer.h"
#include "FakePrompter.h"
#include "shell/explorer/CreateDirFrm.h"
#include "shell/explorer/ExplorerFolderList.h"
#include "shell/explorer/FolderChooser.h"
#include "shell/explorer/ProjectFolderDialog.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TestFolderDialogs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() { QVERIFY(QDir(m_dir.path()).mkdir("exists")); }

    void createSubfolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("path");
        QTest::newRow("new") << "fresh" << int(CreateDirResult::Created) << "fresh";
        QTest::newRow("trimmed before the test")
            << " exists\t" << int(CreateDirResult::Exists) << "exists";
        QTest::newRow("slash") << "a/b" << int(CreateDirResult::InvalidName) << "a/b";
        QTest::newRow("dot dot") << ".." << int(CreateDirResult::InvalidName) << "..";
        QTest::newRow("dot dot inside") << "x..y" << int(CreateDirResult::InvalidName) << "x..y";
        QTest::newRow("blank") << "   " << int(CreateDirResult::InvalidName) << "";
    }

    void createSubfolder()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(QString, path);
        const QStringList before =
            QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const CreateDirResult result = ::createSubfolder(m_dir.path(), name);
        QCOMPARE(int(result.kind), kind);
        QCOMPARE(result.path, m_dir.path() + "/" + path);
        const QStringList after =
            QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QCOMPARE(after.size(), before.size() + (kind == CreateDirResult::Created ? 1 : 0));
        QVERIFY(QFileInfo(m_dir.filePath("exists")).isDir());
    }

    void createDialogMessages_data()
    {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::newRow("exists") << ""
                                << "exists"
                                << "Information"
                                << "The directory could not be created because it already exists?"
                                << int(Prompter::Information);
        QTest::newRow("cannot create") << "/no/such"
                                       << "x"
                                       << "Error"
                                       << "Cannot create /no/such/x" << int(Prompter::Error);
        QTest::newRow("refused") << ""
                                 << "../up"
                                 << "Error"
                                 << "Cannot create " << int(Prompter::Error);
    }

    void createDialogMessages()
    {
        QFETCH(QString, parent);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(int, icon);
        FakePrompter prompter;
        QPointer<TCreateDirFrm> dialog =
            new TCreateDirFrm(parent.isEmpty() ? m_dir.path() : parent);
        QSignalSpy created(dialog.data(), &TCreateDirFrm::folderCreated);
        dialog->show();
        dialog->Edit1->setText(name);
        dialog->Button1->click();
        QCOMPARE(prompter.calls.size(), 1);
        QCOMPARE(prompter.calls[0].caption, caption);
        QVERIFY2(prompter.calls[0].text.startsWith(text), qPrintable(prompter.calls[0].text));
        QCOMPARE(int(prompter.calls[0].icon), icon);
        QCOMPARE(created.count(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
        QVERIFY(!QFileInfo::exists(m_dir.path() + "/../up"));
    }

    void projectDialogCancelAndHelp()
    {
        FakeHelpViewer help;
        ProjectSettings project;
        QCOMPARE(project.imageFolder, QString("images"));

        auto apply = [&project](const ProjectSettings &p) { project = p; };
        auto *dialog = new TProsjektKatFrm(project, apply);
        QCOMPARE(dialog->windowTitle(), QString("Project catalog:"));
        QCOMPARE(dialog->Edit1->text(), QString());
        QCOMPARE(dialog->Edit2->text(), QString("images"));
        dialog->Edit1->setText("/p");
        dialog->Edit2->setText("img");
        dialog->Button4->click();
        dialog->Button3->click(); // Cancel keeps what was there
        QCOMPARE(project.projectFolder, QString());
        QCOMPARE(project.imageFolder, QString("images"));
        QCOMPARE(help.pages, QStringList {"HID_PROJECT"});
    }

    // Find.. asks the folder chooser; OK there puts the chosen folder in the root field,
    // Cancel leaves it.
    void findChoosesAFolder()
    {
        ProjectSettings project {m_dir.path(), "images"};
        std::unique_ptr<TProsjektKatFrm> dialog(new TProsjektKatFrm(project, {}));
        dialog->setAttribute(Qt::WA_DeleteOnClose, false);
        const QString target = m_dir.filePath("exists");
        for (bool accept : {false, true}) {
            QTimer::singleShot(0, this, [&] {
                auto *chooser = qobject_cast<TVelgKatalogFrm *>(QApplication::activeModalWidget());
                QVERIFY(chooser);
                QCOMPARE(chooser->windowTitle(), QString("Select directory"));
                QCOMPARE(chooser->DirectoryListBox1->directory(), m_dir.path());
                QVERIFY(chooser->DirectoryListBox1->selectFolder(target));
                (accept ? chooser->Button1 : chooser->Button2)->click();
            });
            dialog->Button1->click();
            QCOMPARE(dialog->Edit1->text(), accept ? target : m_dir.path());
        }
        QCOMPARE(project.projectFolder, m_dir.path());
    }

    // The image folder must lie inside the project: a full path or a name holding ".." is
    // refused with a message and the dialog stays open.
    void imageFolderStaysInTheProject()
    {
        FakePrompter prompter;
        ProjectSettings project;
        QPointer<TProsjektKatFrm> dialog =
            new TProsjektKatFrm(project, [&project](const ProjectSettings &p) { project = p; });
        dialog->show();
        dialog->Edit1->setText("/site");
        for (const QString name : {"..", "pics/../../x", " /tmp/pics", "pics"}) {
            prompter.calls.clear();
            dialog->Edit2->setText(name);
            dialog->Button2->click();
            if (name == "pics")
                break;
            QCOMPARE(prompter.calls.size(), 1);
            QCOMPARE(prompter.calls[0].caption, QString("Information"));
            QCOMPARE(prompter.calls[0].icon, Prompter::Information);
            QCOMPARE(prompter.calls[0].text,
                     QString("Cannot use \"%1\" as the image subcatalog: it must lie inside the "
                             "project catalog, so its name may not be a full path or hold \"..\".")
                         .arg(name.trimmed()));
            QVERIFY(dialog->isVisible());
            QCOMPARE(project.projectFolder, QString());
        }
        QVERIFY(prompter.calls.isEmpty());
        QCOMPARE(project.projectFolder, QString("/site"));
        QCOMPARE(project.imageFolder, QString("pics"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog);
    }
};

QTEST_MAIN(TestFolderDialogs)
#include "tst_folderdialogs.moc"
