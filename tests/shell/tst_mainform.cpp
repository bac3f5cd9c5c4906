#include "FakeShell.h"
#include "ScintillaOf.h"
#include "ShellFixture.h"
#include "editor/highlighting/Highlighter.h"
#include "platform/DelphiStrings.h"
#include "settings/store/AppSettings.h"
#include "shell/explorer/ExplorerPanel.h"
#include "shell/explorer/ProjectFolderDialog.h"
#include "shell/help/TipWindowFrm.h"
#include "shell/tools/SendToProgramDialog.h"
#include "shell/tools/UserToolsDialog.h"

#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <Qsci/qsciscintilla.h>

// Start-up, new documents and their templates, "Untitled" numbering, the menu and tab states
// that follow the active document, and the features' items reaching them.

namespace {

bool documentItemsEnabled(TMainForm *m, bool enabled)
{
    // A hidden action reports itself disabled; it gets its state back when shown.
    for (const QString &n : Names::documentItems)
        if (m->action(n)->isVisible() && m->action(n)->isEnabled() != enabled)
            return false;
    return true;
}

// A new document's command and what it gives: caption, text (lines joined by "\n"), caret,
// side tab (a page), the explorer's filter item and the highlighter (-1: none).
struct NewDocument {
    const char *command, *caption, *text;
    int line, column;
    Page sideTab;
    int filterItem, highlighter;
};

// Notes, when a message comes up, whether the start-up timer still runs and how many documents
// are open; with wait, it keeps the message loop running a while first, as a real box does.
class WatchingPrompter : public FakePrompter
{
public:
    explicit WatchingPrompter(int wait = 0) : m_wait(wait) {}
    int messageDlg(QWidget *parent, const QString &text, Icon icon, Buttons buttons) override
    {
        QTest::qWait(m_wait);
        timerActive = MainForm->findChild<QTimer *>("OneTimeTimer")->isActive();
        documents = int(MainForm->documentWindows().size());
        return FakePrompter::messageDlg(parent, text, icon, buttons);
    }
    bool timerActive = true;
    int documents = -1;

private:
    int m_wait;
};

} // namespace

Q_DECLARE_METATYPE(NewDocument)

class TestMainForm : public QObject
{
    Q_OBJECT
private slots:
    // Without a settings file (and with a blank command line, which opens nothing).
    void startupWithoutSettings()
    {
        ShellFixture f;
        TMainForm *m = f.start({"qmeditor", "   "});
        QVERIFY(f.documentCount() == 0 && f.prompter.calls.isEmpty());
        QCOMPARE(m->windowTitle(), "Quillmarsh's Editor v3.3");
        QCOMPARE(MainForm, m);
        QVERIFY(!f.child<QTimer>("AutosaveTimer")->isActive());
        QVERIFY(!f.child<QTimer>("OneTimeTimer")->isActive());
        QCOMPARE(m->settings().fileName(), f.path("qmEditor.ini"));
        QVERIFY(f.reopenFiles().isEmpty());
        QVERIFY(m->action("empty1")->isVisible());
        QVERIFY(!m->action("empty1")->isEnabled());
        QVERIFY(documentItemsEnabled(m, false));
        QVERIFY(typeStateIs(m, f.page(Page::General), false));
        QVERIFY(tabShown(f.page(Page::Files)) && tabShown(f.page(Page::OpenFiles)));
        QVERIFY(f.page(Page::QuickFind)->isVisibleTo(f.page(Page::Java)));
        QCOMPARE(m->ImageFolder(), "images");
        QVERIFY(m->ProjectFolder().isEmpty());
        QVERIFY(m->GetActiveEditor() == nullptr);
        // Reading settings creates no file.
        QVERIFY(!QFile::exists(m->settings().fileName()));

        // Every top menu in its order.
        QStringList tops;
        for (QAction *a : m->menuBar()->actions())
            tops << a->objectName();
        QCOMPARE(
            tops,
            QStringList({"File1", "Edit1", "Insert1", "Insert2", "Search1", "Project1", "Modify1",
                         "Debugging1", "ools1", "ools2", "View1", "Windows1", "Help1"}));
    }

    void autoSaveTimer_data()
    {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<int>("interval"); // 0: timer off
        QTest::newRow("five minutes") << QByteArray("AutoSave=1\r\nAutoSaveInterval=5") << 300000;
        QTest::newRow("empty interval") << QByteArray("AutoSave=1\r\nAutoSaveInterval=") << 60000;
        QTest::newRow("no interval") << QByteArray("AutoSave=1") << 60000;
        QTest::newRow("zero") << QByteArray("AutoSave=1\r\nAutoSaveInterval=0") << 0;
        QTest::newRow("negative") << QByteArray("AutoSave=1\r\nAutoSaveInterval=-2") << 0;
        QTest::newRow("huge") << QByteArray("AutoSave=1\r\nAutoSaveInterval=99999999")
                              << 2147483647;
        QTest::newRow("auto-save off") << QByteArray("AutoSave=0\r\nAutoSaveInterval=5") << 0;
        QTest::newRow("auto-save not a number") << QByteArray("AutoSave=yes") << 0;
    }

    void autoSaveTimer()
    {
        QFETCH(QByteArray, keys);
        QFETCH(int, interval);
        ShellFixture f("[ApplicationOptions]\r\n" + keys + "\r\n");
        f.start();
        QTimer *timer = f.child<QTimer>("AutosaveTimer");
        QCOMPARE(timer->isActive() ? timer->interval() : 0, interval);
    }

    void commandLineRelativeNameIsMadeAbsolute()
    {
        ShellFixture f;
        f.write("sub/Hello.java", "class Hello {}\n");
        const QString previous = QDir::currentPath();
        QDir::setCurrent(f.path("sub"));
        TMainForm *m = f.start({"qmeditor", "Hello.java"}, false);
        // The timer fires by itself shortly after creation.
        QTRY_COMPARE(f.documentCount(), 1);
        QDir::setCurrent(previous);
        TEditForm *w = f.active();
        QCOMPARE(w->caption(), "Hello.java");
        QCOMPARE(w->DocumentFileName, QFileInfo(f.path("sub/Hello.java")).absoluteFilePath());
        QVERIFY(w->HasFileName && !w->IsModified);
        QCOMPARE(w->editor()->lines(), QStringList {"class Hello {}"});
        QVERIFY(typeStateIs(m, f.page(Page::Java)));
    }

    void commandLineUnreadableFileLeavesUntitledDocument()
    {
        ShellFixture f;
        WatchingPrompter prompter;
        const QString missing = f.path("missing.txt");
        f.start({"qmeditor", missing}, false);
        QTRY_COMPARE(f.documentCount(), 1);
        QVERIFY(!prompter.timerActive);
        QCOMPARE(prompter.calls.size(), 1);
        QVERIFY(prompter.calls.at(0).text.startsWith("Could not open file " + missing));
        QCOMPARE(prompter.calls.at(0).icon, Prompter::Warning);
        TEditForm *w = f.active();
        QVERIFY(w->DocumentFileName.isEmpty() && !w->HasFileName);
        QCOMPARE(w->editor()->lineCount(), 0);
        // Never bound to the file: neither saving nor auto-saving can create or overwrite it.
        w->SaveFileNow();
        f.fire("AutosaveTimer");
        QVERIFY(!QFile::exists(missing));
        QVERIFY(f.dialogs.calls.isEmpty());
        QVERIFY(!f.iniText().contains("missing.txt")); // no history for a file that was not read
    }

    // The start-up timer runs while the window is made; a message box then (here the tip window's,
    // with no tips file) lets it fire, but the command-line file opens only once the window is
    // complete, so the later steps of the making (no document menus) do not undo it.
    void startupTimerWaitsForTheWindow()
    {
        ShellFixture f;
        f.startUpTips = true;
        WatchingPrompter prompter(250);
        const QString file = f.write("Late.java", "class Late {}\n");
        TMainForm *m = f.start({"qmeditor", file}, false);
        QCOMPARE(prompter.calls.size(), 1);
        QCOMPARE(prompter.documents, 0);
        QTRY_COMPARE(f.documentCount(), 1);
        QVERIFY(documentItemsEnabled(m, true));
        QVERIFY(typeStateIs(m, f.page(Page::Java)));
    }

    void newDocuments_data()
    {
        QTest::addColumn<NewDocument>("d");
        auto row = [](const char *name, const NewDocument &d) { QTest::newRow(name) << d; };
        const Page java = Page::Java, general = Page::General;
        row("java application",
            {"NyApplikasjonkode1", "Untitled1.java",
             "\nclass Classname {\n  public static void main(String args[]) {\n     \n  }\n}", 4, 6,
             java, 0, Highlighter::Java});
        row("java applet",
            {"NyAppletkode1", "Untitled1.java",
             "\nimport java.awt.*;\nimport javax.swing.*;\n\npublic class Applet1 "
             "extends JApplet {\n  public void init() {\n    Container content = "
             "getContentPane();\n  }\n}",
             7, 42, java, 0, Highlighter::Java});
        row("html",
            {"HTMLdocument1", "Untitled1.htm",
             "<html>\n<head>\n<title>No title</title>\n</head>\n<body>\n\n</body>\n</html>", 6, 1,
             Page::Html, 1, Highlighter::HTML});
        row("php",
            {"PHPdocument1", "Untitled1.php", "function aFunction() {\n\n}", 2, 4, general, 3,
             Highlighter::PHP});
        row("xml",
            {"XMLdocument1", "Untitled1.xml",
             "\n<?xml version=\"1.0\"?>\n<!DOCTYPE root [\n  ]>\n<!-- Comment -->\n<root>\n "
             " <![CDATA[ **CDATA section** ]]>\n\n</root>",
             8, 3, general, 4, Highlighter::XML});
        row("css",
            {"CSSdocument1", "Untitled1.css",
             "body\n{\n  font-family: \"Arial\";\n  font-size: 12pt;\n\n}", 5, 3, general, 5,
             Highlighter::CSS});
        row("text", {"Textfile1", "Untitled1.txt", "", 1, 1, general, 6, -1});
    }

    void newDocuments()
    {
        QFETCH(NewDocument, d);
        const QString caption = d.caption;
        ShellFixture f;
        TMainForm *m = f.start();
        f.trigger(d.command);
        TEditForm *w = f.active();
        QCOMPARE(w->caption(), caption);
        QCOMPARE(w->editor()->lines().join(u'\n'), d.text);
        QVERIFY(w->editor()->caretLine() == d.line && w->editor()->caretColumn() == d.column);
        QVERIFY(!w->IsModified && !w->HasFileName && w->DocumentFileName.isEmpty());
        QVERIFY(w->panelText(1).isEmpty());
        QCOMPARE(w->panelText(2), "Insertion");
        QCOMPARE(f.openFiles(), QStringList {caption});
        QCOMPARE(w->currentHighlighter() ? int(w->currentHighlighter()->kind()) : -1,
                 d.highlighter);

        QVERIFY(documentItemsEnabled(m, true));
        QVERIFY(typeStateIs(m, f.page(d.sideTab)));
        QCOMPARE(m->filterIndex(), d.filterItem);
        const bool java = d.sideTab == Page::Java, html = d.sideTab == Page::Html;
        for (const QString &n : Names::popupJavaGroup + Names::popupHtmlGroup) {
            QAction *item = w->popupAction(n);
            QVERIFY2(item, qPrintable(n));
            QCOMPARE(item->isVisible(), Names::popupJavaGroup.contains(n) ? java : html);
        }
        if (!java && !html)
            QVERIFY(f.child<QToolButton>("GeneralSave1")->isEnabled()
                    && f.child<QToolButton>("GeneralUndo")->isVisibleTo(f.page(Page::General)));
        // The template is one undo step of a document that counts as unchanged.
        QVERIFY(!w->editor()->isModified());
    }

    void templatesOff()
    {
        ShellFixture f("[ApplicationOptions]\r\nTmpltCodeOnNewDoc=0\r\n");
        TMainForm *m = f.start();
        for (const char *command :
             {"NyApplikasjonkode1", "NyAppletkode1", "HTMLdocument1", "Perldocument1",
              "PHPdocument1", "XMLdocument1", "CSSdocument1", "Textfile1"}) {
            m->action(QLatin1String(command))->trigger();
            TEditForm *w = f.active();
            QCOMPARE(w->editor()->lineCount(), 0);
            // The HTML caret goes to line 6, clamped to the empty text.
            QCOMPARE(w->editor()->caretLine(), 1);
        }
    }

    void perlTemplateIsHighlighterSample()
    {
        ShellFixture f;
        f.start();
        f.trigger("Perldocument1");
        TEditForm *w = f.active();
        QCOMPARE(w->caption(), "Untitled1.pl");
        QCOMPARE(int(w->currentHighlighter()->kind()), int(Highlighter::Perl));
        const QString sample = w->currentHighlighter()->sampleSource();
        QVERIFY(!sample.isEmpty());
        QCOMPARE(w->editor()->lines(), Delphi::textToLines(sample));
    }

    void untitledNumbering()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        auto make = [&f](const char *command) {
            f.trigger(command);
            return f.active()->caption();
        };
        make("NyApplikasjonkode1");
        TEditForm *first = f.active();
        QCOMPARE(make("NyApplikasjonkode1"), "Untitled2.java");
        QVERIFY(ShellFixture::closeWindow(f.active()));
        QCOMPARE(make("NyApplikasjonkode1"), "Untitled2.java");
        // Closing the first of three leaves Untitled2 and Untitled3: the next is not a third
        // "Untitled3.java" but the lowest free number above the count.
        QCOMPARE(make("NyApplikasjonkode1"), "Untitled3.java");
        QVERIFY(ShellFixture::closeWindow(first));
        QCOMPARE(make("NyApplikasjonkode1"), "Untitled4.java");
        QCOMPARE(make("Textfile1"), "Untitled4.txt"); // another type may reuse one
        QStringList captions;
        for (TEditForm *w : m->documentWindows())
            captions << w->caption().toLower();
        captions.removeDuplicates();
        QCOMPARE(captions.size(), f.documentCount());
    }

    void newWindowsCascadeInsideTheArea()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        const QRect area(QPoint(0, 0), f.mdiArea()->viewport()->size());
        QList<QPoint> corners;
        for (int i = 0; i < 12; ++i) {
            f.trigger("Textfile1");
            QMdiSubWindow *sub = m->GetActiveEditor()->subWindow();
            QVERIFY2(area.contains(sub->geometry()),
                     qPrintable(QStringLiteral("window %1 leaves the area").arg(i)));
            corners.append(sub->pos());
        }
        // From the top left corner, each a step down and right of the one before, until the next
        // would not fit; then from the corner again.
        QCOMPARE(corners.first(), QPoint(0, 0));
        QVERIFY(corners.at(1).x() > 0 && corners.at(1).x() == corners.at(1).y());
        const int restart = int(corners.indexOf(QPoint(0, 0), 1));
        QVERIFY(restart > 1);
        for (int i = 1; i < restart; ++i)
            QCOMPARE(corners.at(i), corners.at(1) * i);
    }

    void insertHelpers()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        m->SkrivTekstenTilEditor("nothing happens");

        f.trigger("Textfile1");
        TEditForm *w = f.active();
        m->SkrivTekstenTilEditor("    x\r\tb");
        QVERIFY(w->IsModified);
        QCOMPARE(w->panelText(1), "Modified");
        QCOMPARE(w->editor()->text(), "    x\n\tb"); // a new document uses LF
        // A selection is replaced.
        w->editor()->setSelection(1, 5, 1, 6);
        m->SkrivTekstenTilEditor("yz");
        QCOMPARE(w->editor()->lines().first(), "    yz");
    }

    void statesFollowActiveDocument()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        f.trigger("NyApplikasjonkode1");
        TEditForm *java = f.active();
        f.trigger("HTMLdocument1");
        TEditForm *html = f.active();
        f.trigger("Textfile1");
        TEditForm *text = f.active();

        // Activation swaps menus, tabs and the explorer's filter item.
        const struct {
            TEditForm *window;
            QWidget *tab;
            int filterItem;
        } steps[] = {{java, f.page(Page::Java), 0},
                     {html, f.page(Page::Html), 1},
                     {text, f.page(Page::General), 6},
                     {java, f.page(Page::Java), 0}};
        for (const auto &step : steps) {
            f.mdiArea()->setActiveSubWindow(step.window->subWindow());
            QCOMPARE(f.active(), step.window);
            QCOMPARE(m->documentWindows().first(), step.window);
            QVERIFY(typeStateIs(m, step.tab));
            QCOMPARE(m->filterIndex(), step.filterItem);
        }
    }

    void lastCloseRestoresNoDocumentState()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        f.trigger("NyApplikasjonkode1");
        auto *sideTabs = f.child<QTabWidget>("PageControl3");
        sideTabs->setCurrentWidget(f.page(Page::Java));
        QVERIFY(ShellFixture::closeWindow(f.active()));
        QCOMPARE(f.documentCount(), 0);
        QVERIFY(documentItemsEnabled(m, false));
        QVERIFY(typeStateIs(m, f.page(Page::General), false));
        QCOMPARE(sideTabs->currentWidget(), f.page(Page::Files));
        QVERIFY(f.openFiles().isEmpty());
        QCOMPARE(f.iniText(), QByteArray("[ApplicationOptions]\r\nMaxWinAtStart=0\r\n"));
        // The document counter starts again.
        f.trigger("Textfile1");
        QCOMPARE(f.active()->caption(), "Untitled1.txt");
    }

    void sideTabChangeByHand()
    {
        ShellFixture f;
        f.start();
        auto *sideTabs = f.child<QTabWidget>("PageControl3");
        auto *replaceAgain = f.child<QToolButton>("GeneralReplaceagain1");
        sideTabs->setCurrentWidget(f.page(Page::General));
        QVERIFY(!replaceAgain->isEnabled());
        QVERIFY(f.child<QToolButton>("GeneralUndoPlaceholder")->isVisibleTo(f.page(Page::General)));
        f.trigger("Textfile1");
        replaceAgain->setEnabled(false);
        sideTabs->setCurrentWidget(f.page(Page::Files));
        QVERIFY(replaceAgain->isEnabled());
    }

    // With a Java and an HTML document open, the HTML one active, the Java tabs of the bottom pane
    // are hidden: no key reaches them, and the pane shows the page of the tab that is current.
    void keysReachOnlyShownTabs()
    {
        ShellFixture f;
        f.start();
        f.trigger("NyApplikasjonkode1");
        f.trigger("HTMLdocument1");
        QWidget *openFiles = f.page(Page::OpenFiles);
        auto *pane = f.child<QTabWidget>("PageControl4");
        // What the user sees: the current tab is shown and its page is the only one on screen.
        auto showsCurrentTab = [pane] {
            for (int i = 0; i < pane->count(); ++i)
                if (pane->widget(i)->isVisible() != (i == pane->currentIndex()))
                    return false;
            return pane->isTabVisible(pane->currentIndex());
        };
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            bool onBar;
        } keys[] = {{Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, false},
                    {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, false},
                    {Qt::Key_Tab, Qt::ControlModifier, false},
                    {Qt::Key_Right, Qt::NoModifier, true},
                    {Qt::Key_Left, Qt::NoModifier, true}};
        QWidget *list = f.openFilesList();
        for (const auto &k : keys) {
            QWidget *target = k.onBar ? static_cast<QWidget *>(pane->tabBar()) : list;
            target->setFocus();
            QCOMPARE(QApplication::focusWidget(), target);
            QTest::keyClick(target, k.key, k.modifiers);
            QCOMPARE(pane->currentWidget(), openFiles);
            QVERIFY(showsCurrentTab());
        }
        // A Java document active again: its tabs are reached.
        f.trigger("NyApplikasjonkode1");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pane->tabText(pane->currentIndex()), "Compiler messages");
        QVERIFY(showsCurrentTab());
    }

    void windowToggles()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        QAction *tools = m->action("Tools1");
        QAction *pane = m->action("Messagepane1");
        QVERIFY(tools->isChecked() && pane->isChecked());
        tools->trigger();
        QWidget *sidePanel = f.child("Panel2");
        QWidget *bottomPane = f.child("PageControl4");
        QVERIFY(!tools->isChecked() && !sidePanel->isVisible());
        tools->trigger();
        QVERIFY(tools->isChecked() && sidePanel->isVisible());
        pane->trigger();
        QVERIFY(!pane->isChecked() && !bottomPane->isVisible());
        // A new Java document brings the bottom pane back.
        f.trigger("NyApplikasjonkode1");
        QVERIFY(pane->isChecked() && bottomPane->isVisible());
    }

    // Settings read at start-up: an unreadable colour or size falls back to the default; the
    // quick find follows its setting when the window is activated again.
    void settingsAtStartUp()
    {
        ShellFixture f(
            "[EditorOptions]\r\nBGColor=notacolour\r\nGTRColor=$0000FF\r\nFontSize=abc\r\n"
            "[ApplicationOptions]\r\nJavaQuickFind=0\r\n");
        TMainForm *m = f.start();
        f.trigger("Textfile1");
        QsciScintilla *sci = scintillaOf(*f.active()->editor());
        QCOMPARE(sci->paper(), QColor(Qt::white));
        QCOMPARE(sci->font().pointSize(), 10);
        QWidget *quickFind = f.page(Page::QuickFind);
        QVERIFY(!quickFind->isVisibleTo(f.page(Page::Java)));
        m->settings().setBool(Settings::Key::JavaQuickFind, true);
        f.reactivate();
        QVERIFY(quickFind->isVisibleTo(f.page(Page::Java)));
    }

    // Each feature on the host answers its own item of the main window's menus.
    void featureItemsReachTheirFeatures()
    {
        ShellFixture f;
        FakeShell shell;
        TMainForm *m = f.start();
        auto *explorer = f.page(Page::Files)->findChild<ExplorerPanel *>();
        m->LoadFile(f.write("page.HTML", "<html>\n"));
        QCOMPARE(explorer->filterIndex(), 1); // the explorer follows the documents

        // Explorer: "Set as working dir" is where the open dialog starts; the Project menu's item
        // opens the project dialog, whose OK gives the window its project folder.
        explorer->Setasworkingdir1->trigger();
        f.trigger("Load1");
        QCOMPARE(f.dialogs.calls.last().request.initialDir, explorer->selectedFolder());
        f.trigger("Defineprojectcatalog1");
        auto *project = explorer->findChild<TProsjektKatFrm *>();
        project->Edit1->setText(f.path("site"));
        project->Button2->click();
        QCOMPARE(m->ProjectFolder(), f.path("site"));
        f.trigger("Defineprojectcatalog1"); // shows the project folder it has
        QCOMPARE(explorer->findChildren<TProsjektKatFrm *>().last()->Edit1->text(), f.path("site"));

        f.dialogs.calls.clear();
        f.trigger("PrinterSetup1"); // printing
        f.trigger("HTML3");         // export, cancelled
        QCOMPARE(f.dialogs.calls.size(), 2);
        QCOMPARE(f.dialogs.calls.at(0).kind, FakeFileDialogs::PageSetup);
        QCOMPARE(f.dialogs.calls.at(1).request.fileName, "page.html");
        // Launches, from the HTML tab's button: the page is saved, then shown.
        f.child<QToolButton>("Viewpageinbrowser2")->click();
        QCOMPARE(shell.calls.size(), 1);
        QCOMPARE(shell.calls.first().target, f.path("page.HTML"));
        f.trigger("ipoftheday1"); // help (no tips file: a message)
        QVERIFY(m->findChild<TTipWindowFrm *>());
        // Send to: its two items close the submenu, each opening its own window.
        QCOMPARE(m->menu("Sendtoexternal1")->actions().last()->objectName(),
                 "Edituserdefinedtools1");
        f.trigger("Add2");
        f.trigger("Edituserdefinedtools1");
        QVERIFY(m->findChild<TSendToExtPrgFrm *>());
        QCOMPARE(m->findChildren<TUserToolFrm *>().size(), 2);
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
