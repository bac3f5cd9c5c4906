// The Help menu and the Window menu's launches of other programs, with a recording shell.
#include "FakeHelpViewer.h"
#include "FakeShell.h"
#include "ShellFixture.h"
#include "shell/help/AboutFrm.h"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

class TestLaunches : public QObject
{
    Q_OBJECT

private slots:
    void menus()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        auto items = [m](const char *menu) {
            QStringList out;
            for (QAction *a : m->menu(QLatin1String(menu))->actions())
                if (!a->isSeparator())
                    out << a->objectName() + "=" + a->text();
            return out;
        };
        QCOMPARE(items("Help1"),
                 (QStringList {"ipoftheday1=Tip of the day", "Content1=Contents", "Index1=Index",
                               "Homepage1=Homepage", "About1=About.."}));
        const QStringList window = items("Windows1");
        QCOMPARE(window.mid(window.size() - 3),
                 (QStringList {"WindowsExplorer1=Windows Explorer", "Showdospromt1=Show dos promt",
                               "Viewpageinbrowser1=View page in browser"}));
        QCOMPARE(m->menu(QStringLiteral("Sendtoexternal1"))->actions().last()->objectName(),
                 QStringLiteral("Edituserdefinedtools1"));
    }

    void launchesRecordTheirCall()
    {
        ShellFixture f;
        FakeShell shell;
        FakeHelpViewer help;
        TMainForm *m = f.start();
        m->action(QStringLiteral("WindowsExplorer1"))->trigger();
        m->action(QStringLiteral("Showdospromt1"))->trigger();
        m->action(QStringLiteral("Homepage1"))->trigger();
        m->action(QStringLiteral("Content1"))->trigger();
        m->action(QStringLiteral("Index1"))->trigger();
        QCOMPARE(shell.calls.size(), 3);
        QCOMPARE(shell.calls.at(0).kind, FakeShell::Explore);
        QCOMPARE(shell.calls.at(0).target, QDir::homePath());
        QCOMPARE(shell.calls.at(1).kind, FakeShell::Terminal);
        QCOMPARE(shell.calls.at(1).target, QDir::currentPath());
        QVERIFY(shell.calls.at(1).command.isEmpty());
        QCOMPARE(shell.calls.at(2).kind, FakeShell::OpenUrl);
        QVERIFY(shell.calls.at(2).target.startsWith(QStringLiteral("https://www.example.org/")));
        QCOMPARE(help.pages, (QStringList {"contents", "index"}));
        QCOMPARE(HelpViewer::helpFile(), f.path(QStringLiteral("qmEditor.HLP")));
        QVERIFY(f.prompter.calls.isEmpty());
    }

    void missingProgramsAreNamed()
    {
        ShellFixture f;
        FakeShell shell;
        shell.result = false;
        TMainForm *m = f.start();
        m->action(QStringLiteral("WindowsExplorer1"))->trigger();
        m->action(QStringLiteral("Showdospromt1"))->trigger();
        QCOMPARE(f.prompter.calls.size(), 2);
        QVERIFY(f.prompter.calls.at(0).text.contains(QStringLiteral("xdg-open")));
        QVERIFY(f.prompter.calls.at(1).text.startsWith(
            QStringLiteral("No terminal could be started (")));
    }

    // The browser gets the page only after it was saved, from the menu and the HTML tab.
    void viewPageInBrowserSavesFirst()
    {
        ShellFixture f;
        FakeShell shell;
        TMainForm *m = f.start();
        QAction *view = m->action(QStringLiteral("Viewpageinbrowser1"));

        m->action("HTMLdocument1")->trigger(); // untitled and unchanged: nothing
        view->trigger();
        QVERIFY(shell.calls.isEmpty());
        QVERIFY(f.dialogs.calls.isEmpty());

        m->SkrivTekstenTilEditor(QStringLiteral("<p>")); // changed: Save as, cancelled
        view->trigger();
        QVERIFY(shell.calls.isEmpty());
        QCOMPARE(f.dialogs.calls.size(), 1);
        QCOMPARE(f.dialogs.calls.first().kind, FakeFileDialogs::Save);

        const QString page = f.path(QStringLiteral("page.html"));
        f.dialogs.answerFiles({page});
        view->trigger();
        QCOMPARE(shell.calls.size(), 1);
        QCOMPARE(shell.calls.first().kind, FakeShell::OpenUrl);
        QCOMPARE(shell.calls.first().target, page);
        QVERIFY(QFileInfo::exists(page));

        // The HTML tab's button runs the same command.
        auto *button = m->findChild<QToolButton *>(QStringLiteral("Viewpageinbrowser2"));
        QVERIFY(button);
        QVERIFY(button->isEnabled());
        button->click();
        QCOMPARE(shell.calls.size(), 2);
        QCOMPARE(shell.calls.last().target, page);
    }

    void aboutBox()
    {
        ShellFixture f;
        FakeShell shell;
        TMainForm *m = f.start();
        m->action(QStringLiteral("About1"))->trigger();
        auto *about = m->findChild<TAbout *>();
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Quillmarsh's Editor"));
        QVERIFY(about->ProgramInfo->text().contains(QStringLiteral("Version 3.3")));
        QVERIFY(about->ProgramInfo->text().contains(QStringLiteral("Quillmarsh")));
        QCOMPARE(about->WebLabel->cursor().shape(), Qt::PointingHandCursor);
        about->WebLabelClick();
        QCOMPARE(shell.calls.size(), 1);
        QVERIFY(about->WebLabel->text().contains(shell.calls.first().target));
        QPointer<TAbout> guard(about);
        about->OKButton->click();
        QTRY_VERIFY(!guard);
    }
};

QTEST_MAIN(TestLaunches)
#include "tst_launches.moc"
