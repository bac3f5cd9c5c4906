#pragma once

// A started main window in its own temporary program folder, with scripted message boxes and
// file dialogs. Members are destroyed in reverse order: the window goes before the fakes.
#include "FakeFileDialogs.h"
#include "FakePrompter.h"
#include "TempProgramFolder.h"
#include "app/Features.h"
#include "editor/EditorAdapter.h"
#include "host/FeatureHost.h"
#include "shell/EditFrmUnit.h"
#include "shell/Main.h"
#include "shell/help/HelpCommands.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QShowEvent>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

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
    "Common1", "Spesiellebokstaver1", "Skjema1", "N6", "Plasser1", "Font2", "N5"};
} // namespace Names

using Page = FeatureHost::Page;

// Whether page's tab is shown in the tab widget holding it (false when none holds it).
inline bool tabShown(const QWidget *page)
{
    for (QWidget *w = page->parentWidget(); w; w = w->parentWidget())
        if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            const int index = tabs->indexOf(page);
            if (index >= 0)
                return tabs->isTabVisible(index);
        }
    return false;
}

// Runs what the window's timer of that component name does when it fires.
inline void fireTimer(TMainForm *m, const char *timer)
{
    QTimer *t = m->findChild<QTimer *>(QLatin1String(timer));
    QVERIFY2(t && QMetaObject::invokeMethod(t, "timeout", Qt::DirectConnection), timer);
}

// The screen a document type gives: its side tab alone (nullptr: none of the three), the Java
// or HTML menus, the Java edit items and the Java bottom-pane tabs. Without documents the Java
// edit items keep whatever the last document left (their commands are disabled).
inline bool typeStateIs(TMainForm *m, QWidget *sideTab, bool documentOpen = true)
{
    const bool java = sideTab == m->page(Page::Java);
    const bool html = sideTab == m->page(Page::Html);
    for (Page page : {Page::Java, Page::Html, Page::General})
        if (sideTab && tabShown(m->page(page)) != (m->page(page) == sideTab))
            return false;
    const QStringList javaItems =
        Names::javaMenus + (documentOpen ? Names::javaEditItems : QStringList());
    for (const QString &n : javaItems)
        if (m->action(n)->isVisible() != java)
            return false;
    for (const QString &n : Names::htmlMenus)
        if (m->action(n)->isVisible() != html)
            return false;
    for (Page page :
         {Page::CompilerMessages, Page::Debugger, Page::CompilerOutput, Page::DebugVars})
        if (tabShown(m->page(page)) != java)
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
        // It runs once. On a busy machine it may have fired on its own while the window showed
        // (its run then done, or queued until the window was complete).
        if (runTimer && main->findChild<QTimer *>(QStringLiteral("OneTimeTimer"))->isActive())
            fireTimer(main.get(), "OneTimeTimer");
        else if (runTimer)
            QCoreApplication::sendPostedEvents(main.get());
        return main.get();
    }

    // A new window in place of the old one (its documents go without prompts), which reads the
    // settings file afresh.
    TMainForm *restart(const QStringList &arguments = {})
    {
        main.reset();
        return start(arguments);
    }

    TEditForm *active() const { return main->GetActiveEditor(); }
    Features &features() const { return *root; }
    int documentCount() const { return int(main->documentWindows().size()); }

    // Runs a command as the user's click does: a main-menu item by its registered name, else
    // the window's other item of that component name (e.g. of the "Open Files" pop-up).
    void trigger(const QString &name) const
    {
        QAction *a = main->action(name);
        if (!a)
            a = main->findChild<QAction *>(name);
        QVERIFY2(a, qPrintable(name));
        a->trigger();
    }
    // Runs what the window's timer of that component name does when it fires.
    void fire(const char *timer) const { fireTimer(main.get(), timer); }
    // What the window does when the user comes back to it (shown or activated again).
    void reactivate() const
    {
        QShowEvent show;
        QCoreApplication::sendEvent(main.get(), &show);
    }

    QWidget *page(Page which) const { return root->host->page(which); }
    // The window's widget of that component name.
    template <class T = QWidget>
    T *child(const char *name) const
    {
        return main->findChild<T *>(QLatin1String(name));
    }
    QMdiArea *mdiArea() const { return main->findChild<QMdiArea *>(QStringLiteral("MdiArea")); }
    // The "Open Files" list and its captions, top first.
    QTreeWidget *openFilesList() const
    {
        return page(Page::OpenFiles)->findChild<QTreeWidget *>(QStringLiteral("ListView1"));
    }
    QStringList openFiles() const
    {
        QStringList captions;
        QTreeWidget *list = openFilesList();
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            captions.append(list->topLevelItem(i)->text(0));
        return captions;
    }
    // The files of the Reopen history, top first.
    QStringList reopenFiles() const
    {
        QStringList files;
        for (QAction *a : main->menu(QStringLiteral("Reopen1"))->actions())
            if (!a->data().toString().isEmpty())
                files.append(a->data().toString());
        return files;
    }

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
