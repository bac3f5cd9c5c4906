#pragma once

// A started main window in its own temporary program folder, with scripted message boxes and
// file dialogs. Members are destroyed in reverse order: the window goes before the fakes.
#include "FakeFileDialogs.h"
#include "FakePrompter.h"
#include "TempProgramFolder.h"
#include "app/Features.h"
#include "editor/EditorAdapter.h"
#include "shell/EditFrmUnit.h"
#include "shell/Main.h"
#include "shell/help/HelpCommands.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <memory>

// The main window's item groups by component name, as the menu states name them.
namespace Names {
// Enabled while documents are open.
inline const QStringList documentItems {
    "Windows1",  "View1",      "Search1",       "Undo1",          "Redo1",          "Past1",
    "Cut1",      "SelectAll1", "Copy1",         "Comment1",       "Uncomment1",     "Indent1",
    "Unindent1", "Print1",     "PrinterSetup1", "ForhndVisning1", "Save1",          "SaveAs1",
    "Exporter1", "Saveall1",   "Close1",        "Closeall2",      "Sendtoexternal1"};
inline const QStringList javaMenus {"Insert1", "Debugging1", "ools1"};
inline const QStringList htmlMenus {"Insert2", "Project1", "Modify1", "ools2"};
inline const QStringList javaEditItems {
    "N22",       "N4",  "Comment1",      "Uncomment1",       "Indent1",
    "Unindent1", "N17", "Nextbookmark1", "Previousbookmark1"};
// The document pop-up's groups.
inline const QStringList popupJavaGroup {"Addtodebuggerwatch1",
                                         "N14",
                                         "ools2",
                                         "Debugging1",
                                         "Insert2",
                                         "N4",
                                         "Setbookmark1",
                                         "Clearbookmark1",
                                         "Nextbreakpoint1",
                                         "Previousbreakboint1",
                                         "N2"};
inline const QStringList popupHtmlGroup {
    "Common1", "Spesiellebokstaver1", "Skjema1", "Plasser1", "Font2", "N5"};
} // namespace Names

// The screen a document type gives: its side tab alone (nullptr: none of the three), the Java
// or HTML menus, the Java edit items and the Java bottom-pane tabs. Without documents the Java
// edit items keep whatever the last document left (their commands are disabled).
inline bool typeStateIs(TMainForm *m, QWidget *sideTab, bool documentOpen = true)
{
    const bool java = sideTab == m->JavaSheet;
    const bool html = sideTab == m->HTMLSheet;
    for (QWidget *page : {m->JavaSheet, m->HTMLSheet, m->GeneralSheet})
        if (sideTab && m->isTabShown(page) != (page == sideTab))
            return false;
    const QStringList javaItems =
        Names::javaMenus + (documentOpen ? Names::javaEditItems : QStringList());
    for (const QString &n : javaItems)
        if (m->action(n)->isVisible() != java)
            return false;
    for (const QString &n : Names::htmlMenus)
        if (m->action(n)->isVisible() != html)
            return false;
    for (QWidget *page : {m->TabSheet6, m->TabSheet7, m->TabSheet8, m->DebugVars})
        if (m->isTabShown(page) != java)
            return false;
    return true;
}

struct ShellFixture {
    TempProgramFolder folder;
    FakePrompter prompter;
    FakeFileDialogs dialogs;
    std::unique_ptr<TMainForm> main;
    Features *root = nullptr; // the composition root the window was made with
    // Whether start-up may open the tip window (off: tests see only what they ask for).
    bool startUpTips = false;

    explicit ShellFixture(const QByteArray &ini = QByteArray())
    {
        if (!ini.isNull())
            folder.writeFile(QStringLiteral("qmEditor.ini"), ini);
    }

    ~ShellFixture()
    {
        if (main)
            main->hide();
        HelpCommands::setStartUpTipsAllowed(true);
    }

    // Creates and shows the main window; the start-up timer runs when runTimer is true.
    TMainForm *start(const QStringList &arguments = {}, bool runTimer = true)
    {
        HelpCommands::setStartUpTipsAllowed(startUpTips);
        main = std::make_unique<TMainForm>(arguments, makeFeatures(&root));
        main->resize(1000, 700);
        main->show();
        if (!QTest::qWaitForWindowExposed(main.get()))
            qWarning("main window not exposed");
        if (runTimer)
            main->OneTimeTimerTimer();
        return main.get();
    }

    TEditForm *active() const { return main->GetActiveEditor(); }
    Features &features() const { return *root; }

    QString path(const QString &name) const { return folder.filePath(name); }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        folder.writeFile(name, bytes);
        return folder.filePath(name);
    }

    QByteArray read(const QString &fullPath) const
    {
        QFile f(fullPath);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QByteArray iniText() const { return folder.readFile(QStringLiteral("qmEditor.ini")); }

    // Closes a document window as the user would; true when it went.
    static bool closeWindow(TEditForm *w) { return w->subWindow()->close(); }
};
