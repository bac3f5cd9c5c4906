#include "ScintillaOf.h"
#include "ShellFixture.h"
#include "editor/highlighting/Highlighter.h"
#include "host/FeatureHost.h"
#include "platform/DelphiStrings.h"
#include "platform/IniFile.h"
#include "settings/store/AppSettings.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <Qsci/qsciscintilla.h>

// Start-up, new documents and their templates, "Untitled" numbering, and the menu and tab
// states that follow the active document.
class TestMainForm : public QObject
{
    Q_OBJECT
private slots:
    void startupWithoutSettings();
    void autoSaveTimer_data();
    void autoSaveTimer();
    void quickFindFollowsSetting();
    void commandLineBlankOpensNothing();
    void commandLineRelativeNameIsMadeAbsolute();
    void commandLineUnreadableFileLeavesUntitledDocument();
    void startupTimerWaitsForTheWindow();
    void newDocuments_data();
    void newDocuments();
    void templatesOff();
    void perlTemplateIsHighlighterSample();
    void untitledNumbering();
    void newWindowsCascadeInsideTheArea();
    void insertHelpers();
    void statesFollowActiveDocument();
    void lastCloseRestoresNoDocumentState();
    void sideTabChangeByHand();
    void keysReachOnlyShownTabs();
    void windowToggles();
    void invalidColourFallsBackToDefault();
};

namespace {

bool documentItemsEnabled(TMainForm *m, bool enabled)
{
    // A hidden action reports itself disabled; it gets its state back when shown.
    for (const QString &n : Names::documentItems)
        if (m->action(n)->isVisible() && m->action(n)->isEnabled() != enabled)
            return false;
    return true;
}

} // namespace

void TestMainForm::startupWithoutSettings()
{
    ShellFixture f;
    TMainForm *m = f.start();
    QCOMPARE(m->windowTitle(), QStringLiteral("Quillmarsh's Editor v3.3"));
    QCOMPARE(MainForm, m);
    QVERIFY(!f.child<QTimer>("AutosaveTimer")->isActive());
    QVERIFY(!f.child<QTimer>("OneTimeTimer")->isActive());
    QCOMPARE(m->settings().fileName(), f.path(QStringLiteral("qmEditor.ini")));
    QVERIFY(f.reopenFiles().isEmpty());
    QVERIFY(m->action(QStringLiteral("empty1"))->isVisible());
    QVERIFY(!m->action(QStringLiteral("empty1"))->isEnabled());
    QVERIFY(documentItemsEnabled(m, false));
    QVERIFY(typeStateIs(m, f.page(Page::General), false));
    QVERIFY(tabShown(f.page(Page::Files)) && tabShown(f.page(Page::OpenFiles)));
    QVERIFY(f.page(Page::QuickFind)->isVisibleTo(f.page(Page::Java)));
    QCOMPARE(m->ImageFolder(), QStringLiteral("images"));
    QVERIFY(m->ProjectFolder().isEmpty());
    QVERIFY(m->GetActiveEditor() == nullptr);
    // Reading settings creates no file.
    QVERIFY(!QFile::exists(m->settings().fileName()));

    // Every top menu in its order.
    QStringList tops;
    for (QAction *a : m->menuBar()->actions())
        tops << a->objectName();
    QCOMPARE(tops,
             QStringList({"File1", "Edit1", "Insert1", "Insert2", "Search1", "Project1", "Modify1",
                          "Debugging1", "ools1", "ools2", "View1", "Windows1", "Help1"}));
}

void TestMainForm::autoSaveTimer_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("interval"); // 0: timer off
    QTest::newRow("five minutes") << QByteArray(
        "[ApplicationOptions]\r\nAutoSave=1\r\nAutoSaveInterval=5\r\n")
                                  << 300000;
    QTest::newRow("empty interval")
        << QByteArray("[ApplicationOptions]\r\nAutoSave=1\r\nAutoSaveInterval=\r\n") << 60000;
    QTest::newRow("no interval") << QByteArray("[ApplicationOptions]\r\nAutoSave=1\r\n") << 60000;
    QTest::newRow("zero") << QByteArray(
        "[ApplicationOptions]\r\nAutoSave=1\r\nAutoSaveInterval=0\r\n")
                          << 0;
    QTest::newRow("negative") << QByteArray(
        "[ApplicationOptions]\r\nAutoSave=1\r\nAutoSaveInterval=-2\r\n")
                              << 0;
    QTest::newRow("huge") << QByteArray(
        "[ApplicationOptions]\r\nAutoSave=1\r\nAutoSaveInterval=99999999\r\n")
                          << 2147483647;
    QTest::newRow("auto-save off")
        << QByteArray("[ApplicationOptions]\r\nAutoSave=0\r\nAutoSaveInterval=5\r\n") << 0;
    QTest::newRow("auto-save not a number")
        << QByteArray("[ApplicationOptions]\r\nAutoSave=yes\r\n") << 0;
}

void TestMainForm::autoSaveTimer()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, interval);
    ShellFixture f(ini);
    f.start();
    QTimer *timer = f.child<QTimer>("AutosaveTimer");
    QCOMPARE(timer->isActive(), interval != 0);
    if (interval)
        QCOMPARE(timer->interval(), interval);
}

void TestMainForm::quickFindFollowsSetting()
{
    ShellFixture f("[ApplicationOptions]\r\nJavaQuickFind=0\r\n");
    TMainForm *m = f.start();
    QWidget *quickFind = f.page(Page::QuickFind);
    QVERIFY(!quickFind->isVisibleTo(f.page(Page::Java)));
    m->settings().setBool(Settings::Key::JavaQuickFind, true);
    f.reactivate();
    QVERIFY(quickFind->isVisibleTo(f.page(Page::Java)));
}

void TestMainForm::commandLineBlankOpensNothing()
{
    ShellFixture f;
    f.start({QStringLiteral("qmeditor"), QStringLiteral("   ")});
    QCOMPARE(f.documentCount(), 0);
    QVERIFY(f.prompter.calls.isEmpty());
}

void TestMainForm::commandLineRelativeNameIsMadeAbsolute()
{
    ShellFixture f;
    f.write(QStringLiteral("sub/Hello.java"), "class Hello {}\n");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(f.path(QStringLiteral("sub")));
    TMainForm *m = f.start({QStringLiteral("qmeditor"), QStringLiteral("Hello.java")}, false);
    // The timer fires by itself shortly after creation.
    QTRY_COMPARE(f.documentCount(), 1);
    QDir::setCurrent(previous);
    TEditForm *w = f.active();
    QCOMPARE(w->caption(), QStringLiteral("Hello.java"));
    QCOMPARE(w->DocumentFileName,
             QFileInfo(f.path(QStringLiteral("sub/Hello.java"))).absoluteFilePath());
    QVERIFY(w->HasFileName);
    QVERIFY(!w->IsModified);
    QCOMPARE(w->editor()->lines(), QStringList {"class Hello {}"});
    QVERIFY(typeStateIs(m, f.page(Page::Java)));
}

namespace {
// Notes whether the start-up timer was still running when a message came up.
class TimerWatchingPrompter : public FakePrompter
{
public:
    int messageDlg(QWidget *parent, const QString &text, Icon icon, Buttons buttons) override
    {
        timerActiveAtMessage =
            MainForm && MainForm->findChild<QTimer *>(QStringLiteral("OneTimeTimer"))->isActive();
        return FakePrompter::messageDlg(parent, text, icon, buttons);
    }
    bool timerActiveAtMessage = true;
};
} // namespace

void TestMainForm::commandLineUnreadableFileLeavesUntitledDocument()
{
    ShellFixture f;
    TimerWatchingPrompter prompter;
    const QString missing = f.path(QStringLiteral("missing.txt"));
    f.start({QStringLiteral("qmeditor"), missing}, false);
    QTRY_COMPARE(f.documentCount(), 1);
    QVERIFY(!prompter.timerActiveAtMessage);
    QCOMPARE(prompter.calls.size(), 1);
    QVERIFY(prompter.calls.at(0).text.startsWith(QStringLiteral("Could not open file ") + missing));
    QCOMPARE(prompter.calls.at(0).icon, Prompter::Warning);
    TEditForm *w = f.active();
    QVERIFY(w->DocumentFileName.isEmpty());
    QVERIFY(!w->HasFileName);
    QCOMPARE(w->editor()->lineCount(), 0);
    // Never bound to the file: neither saving nor auto-saving can create or overwrite it.
    w->SaveFileNow();
    f.fire("AutosaveTimer");
    QVERIFY(!QFile::exists(missing));
    QVERIFY(f.dialogs.calls.isEmpty());
    // No history for a file that was not read.
    QVERIFY(!f.iniText().contains("missing.txt"));
}

Q_DECLARE_METATYPE(Highlighter::Kind)

namespace {
// A message box that keeps the message loop running for a while, as a real one does.
class SlowPrompter : public FakePrompter
{
public:
    int messageDlg(QWidget *parent, const QString &text, Icon icon, Buttons buttons) override
    {
        QTest::qWait(250);
        documentsAtMessage = MainForm ? int(MainForm->documentWindows().size()) : -1;
        return FakePrompter::messageDlg(parent, text, icon, buttons);
    }
    int documentsAtMessage = -1;
};
} // namespace

// The start-up timer runs while the window is made; a message box then (here the tip window's,
// with no tips file) lets it fire, but the command-line file opens only once the window is
// complete, so the later steps of the making (no document menus) do not undo it.
void TestMainForm::startupTimerWaitsForTheWindow()
{
    ShellFixture f;
    f.startUpTips = true;
    SlowPrompter prompter;
    const QString file = f.write(QStringLiteral("Late.java"), "class Late {}\n");
    TMainForm *m = f.start({QStringLiteral("qmeditor"), file}, false);
    QCOMPARE(prompter.calls.size(), 1);
    QCOMPARE(prompter.documentsAtMessage, 0);
    QTRY_COMPARE(f.documentCount(), 1);
    QVERIFY(documentItemsEnabled(m, true));
    QVERIFY(typeStateIs(m, f.page(Page::Java)));
}

void TestMainForm::newDocuments_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("caretLine");
    QTest::addColumn<int>("caretColumn");
    QTest::addColumn<QString>("sideTab");
    QTest::addColumn<int>("filterItem");
    QTest::addColumn<int>("highlighter"); // -1: none

    QTest::newRow("java application")
        << "NyApplikasjonkode1"
        << "Untitled1.java" << QStringList {"",
                                            "class Classname {",
                                            "  public static void main(String args[]) {",
                                            "     ",
                                            "  }",
                                            "}"}
        << 4 << 6 << "JavaSheet" << 0 << int(Highlighter::Java);
    QTest::newRow("java applet") << "NyAppletkode1"
                                 << "Untitled1.java"
                                 << QStringList {"",
                                                 "import java.awt.*;",
                                                 "import javax.swing.*;",
                                                 "",
                                                 "public class Applet1 extends JApplet {",
                                                 "  public void init() {",
                                                 "    Container content = getContentPane();",
                                                 "  }",
                                                 "}"}
                                 << 7 << 42 << "JavaSheet" << 0 << int(Highlighter::Java);
    QTest::newRow("html") << "HTMLdocument1"
                          << "Untitled1.htm"
                          << QStringList {"<html>",  "<head>", "<title>No title</title>",
                                          "</head>", "<body>", "",
                                          "</body>", "</html>"}
                          << 6 << 1 << "HTMLSheet" << 1 << int(Highlighter::HTML);
    QTest::newRow("php") << "PHPdocument1"
                         << "Untitled1.php" << QStringList {"function aFunction() {", "", "}"} << 2
                         << 4 << "GeneralSheet" << 3 << int(Highlighter::PHP);
    QTest::newRow("xml") << "XMLdocument1"
                         << "Untitled1.xml"
                         << QStringList {"",
                                         "<?xml version=\"1.0\"?>",
                                         "<!DOCTYPE root [",
                                         "  ]>",
                                         "<!-- Comment -->",
                                         "<root>",
                                         "  <![CDATA[ **CDATA section** ]]>",
                                         "",
                                         "</root>"}
                         << 8 << 3 << "GeneralSheet" << 4 << int(Highlighter::XML);
    QTest::newRow("css")
        << "CSSdocument1"
        << "Untitled1.css"
        << QStringList {"body", "{", "  font-family: \"Arial\";", "  font-size: 12pt;", "", "}"}
        << 5 << 3 << "GeneralSheet" << 5 << int(Highlighter::CSS);
    QTest::newRow("text") << "Textfile1"
                          << "Untitled1.txt" << QStringList {} << 1 << 1 << "GeneralSheet" << 6
                          << -1;
}

void TestMainForm::newDocuments()
{
    QFETCH(QString, command);
    QFETCH(QString, caption);
    QFETCH(QStringList, lines);
    QFETCH(int, caretLine);
    QFETCH(int, caretColumn);
    QFETCH(QString, sideTab);
    QFETCH(int, filterItem);
    QFETCH(int, highlighter);

    ShellFixture f;
    TMainForm *m = f.start();
    m->action(command)->trigger();
    TEditForm *w = f.active();
    QVERIFY(w);
    QCOMPARE(w->caption(), caption);
    QCOMPARE(w->editor()->lines(), lines);
    QCOMPARE(w->editor()->caretLine(), caretLine);
    QCOMPARE(w->editor()->caretColumn(), caretColumn);
    QVERIFY(!w->IsModified && !w->HasFileName && w->DocumentFileName.isEmpty());
    QVERIFY(w->panelText(1).isEmpty());
    QCOMPARE(w->panelText(2), QStringLiteral("Insertion"));
    QCOMPARE(f.openFiles(), QStringList {caption});
    if (highlighter < 0)
        QVERIFY(!w->currentHighlighter());
    else
        QCOMPARE(int(w->currentHighlighter()->kind()), highlighter);

    QVERIFY(documentItemsEnabled(m, true));
    QVERIFY(typeStateIs(m, m->findChild<QWidget *>(sideTab)));
    QCOMPARE(m->filterIndex(), filterItem);
    const bool java = sideTab == QLatin1String("JavaSheet");
    const bool html = sideTab == QLatin1String("HTMLSheet");
    for (const QString &n : Names::popupJavaGroup + Names::popupHtmlGroup)
        QCOMPARE(w->popupAction(n)->isVisible(), Names::popupJavaGroup.contains(n) ? java : html);
    if (!java && !html)
        QVERIFY(f.child<QToolButton>("GeneralSave1")->isEnabled()
                && f.child<QToolButton>("GeneralUndo")->isVisibleTo(f.page(Page::General)));
    // The template is one undo step of a document that counts as unchanged.
    QVERIFY(!w->editor()->isModified());
}

void TestMainForm::templatesOff()
{
    ShellFixture f("[ApplicationOptions]\r\nTmpltCodeOnNewDoc=0\r\n");
    TMainForm *m = f.start();
    for (const char *command :
         {"NyApplikasjonkode1", "NyAppletkode1", "HTMLdocument1", "Perldocument1", "PHPdocument1",
          "XMLdocument1", "CSSdocument1", "Textfile1"}) {
        m->action(QLatin1String(command))->trigger();
        TEditForm *w = f.active();
        QCOMPARE(w->editor()->lineCount(), 0);
        // The HTML caret goes to line 6, clamped to the empty text.
        QCOMPARE(w->editor()->caretLine(), 1);
    }
}

void TestMainForm::perlTemplateIsHighlighterSample()
{
    ShellFixture f;
    TMainForm *m = f.start();
    m->action("Perldocument1")->trigger();
    TEditForm *w = f.active();
    QCOMPARE(w->caption(), QStringLiteral("Untitled1.pl"));
    QCOMPARE(int(w->currentHighlighter()->kind()), int(Highlighter::Perl));
    const QString sample = w->currentHighlighter()->sampleSource();
    QVERIFY(!sample.isEmpty());
    QCOMPARE(w->editor()->lines(), Delphi::textToLines(sample));
}

void TestMainForm::untitledNumbering()
{
    ShellFixture f;
    TMainForm *m = f.start();
    m->action("NyApplikasjonkode1")->trigger();
    m->action("NyApplikasjonkode1")->trigger();
    QCOMPARE(f.active()->caption(), QStringLiteral("Untitled2.java"));
    QVERIFY(ShellFixture::closeWindow(f.active()));
    m->action("NyApplikasjonkode1")->trigger();
    QCOMPARE(f.active()->caption(), QStringLiteral("Untitled2.java"));

    // Closing the first of three leaves Untitled2 and Untitled3: the next is not a third
    // "Untitled3.java" but the lowest free number above the count.
    m->action("NyApplikasjonkode1")->trigger();
    QCOMPARE(f.active()->caption(), QStringLiteral("Untitled3.java"));
    TEditForm *first = nullptr;
    for (TEditForm *w : m->documentWindows())
        if (w->caption() == QLatin1String("Untitled1.java"))
            first = w;
    QVERIFY(first);
    QVERIFY(ShellFixture::closeWindow(first));
    m->action("NyApplikasjonkode1")->trigger();
    QCOMPARE(f.active()->caption(), QStringLiteral("Untitled4.java"));
    // Another type may reuse a number.
    m->action("Textfile1")->trigger();
    QCOMPARE(f.active()->caption(), QStringLiteral("Untitled4.txt"));
    QStringList captions;
    for (TEditForm *w : m->documentWindows())
        captions << w->caption().toLower();
    captions.removeDuplicates();
    QCOMPARE(captions.size(), f.documentCount());
}

void TestMainForm::newWindowsCascadeInsideTheArea()
{
    ShellFixture f;
    TMainForm *m = f.start();
    const QRect area(QPoint(0, 0), f.mdiArea()->viewport()->size());
    QList<QPoint> corners;
    for (int i = 0; i < 12; ++i) {
        m->action("Textfile1")->trigger();
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

void TestMainForm::insertHelpers()
{
    ShellFixture f;
    TMainForm *m = f.start();
    m->SkrivTekstenTilEditor(QStringLiteral("nothing happens"));

    m->action("Textfile1")->trigger();
    TEditForm *w = f.active();
    m->SkrivTekstenTilEditor(QStringLiteral("    x\r\tb"));
    QVERIFY(w->IsModified);
    QCOMPARE(w->panelText(1), QStringLiteral("Modified"));
    QCOMPARE(w->editor()->text(), QStringLiteral("    x\n\tb")); // a new document uses LF
    // A selection is replaced.
    w->editor()->setSelection(1, 5, 1, 6);
    m->SkrivTekstenTilEditor(QStringLiteral("yz"));
    QCOMPARE(w->editor()->lines().first(), QStringLiteral("    yz"));
}

void TestMainForm::statesFollowActiveDocument()
{
    ShellFixture f;
    TMainForm *m = f.start();
    m->action("NyApplikasjonkode1")->trigger();
    TEditForm *java = f.active();
    m->action("HTMLdocument1")->trigger();
    TEditForm *html = f.active();
    m->action("Textfile1")->trigger();
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

void TestMainForm::lastCloseRestoresNoDocumentState()
{
    ShellFixture f;
    TMainForm *m = f.start();
    m->action("NyApplikasjonkode1")->trigger();
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
    m->action("Textfile1")->trigger();
    QCOMPARE(f.active()->caption(), QStringLiteral("Untitled1.txt"));
}

void TestMainForm::sideTabChangeByHand()
{
    ShellFixture f;
    TMainForm *m = f.start();
    auto *sideTabs = f.child<QTabWidget>("PageControl3");
    auto *replaceAgain = f.child<QToolButton>("GeneralReplaceagain1");
    sideTabs->setCurrentWidget(f.page(Page::General));
    QVERIFY(!replaceAgain->isEnabled());
    QVERIFY(f.child<QToolButton>("GeneralUndoPlaceholder")->isVisibleTo(f.page(Page::General)));
    m->action("Textfile1")->trigger();
    replaceAgain->setEnabled(false);
    sideTabs->setCurrentWidget(f.page(Page::Files));
    QVERIFY(replaceAgain->isEnabled());
}

// With a Java and an HTML document open, the HTML one active, the Java tabs of the bottom pane
// are hidden: no key reaches them, and the pane shows the page of the tab that is current.
void TestMainForm::keysReachOnlyShownTabs()
{
    ShellFixture f;
    TMainForm *m = f.start();
    m->action(QStringLiteral("NyApplikasjonkode1"))->trigger();
    m->action(QStringLiteral("HTMLdocument1"))->trigger();
    QWidget *openFiles = f.features().host->page(FeatureHost::Page::OpenFiles);
    QTabWidget *pane = nullptr;
    for (QWidget *w = openFiles; w && !pane; w = w->parentWidget())
        if (w->objectName() == QLatin1String("PageControl4"))
            pane = qobject_cast<QTabWidget *>(w);
    QVERIFY(pane);
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
    QWidget *list = openFiles->findChild<QAbstractItemView *>();
    for (const auto &k : keys) {
        QWidget *target = k.onBar ? static_cast<QWidget *>(pane->tabBar()) : list;
        target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target);
        QTest::keyClick(target, k.key, k.modifiers);
        QCOMPARE(pane->currentWidget(), openFiles);
        QVERIFY(showsCurrentTab());
    }
    // A Java document active again: its tabs are reached.
    m->action(QStringLiteral("NyApplikasjonkode1"))->trigger();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(pane->tabText(pane->currentIndex()), QStringLiteral("Compiler messages"));
    QVERIFY(showsCurrentTab());
}

void TestMainForm::windowToggles()
{
    ShellFixture f;
    TMainForm *m = f.start();
    QAction *tools = m->action(QStringLiteral("Tools1"));
    QAction *pane = m->action(QStringLiteral("Messagepane1"));
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
    m->action("NyApplikasjonkode1")->trigger();
    QVERIFY(pane->isChecked() && bottomPane->isVisible());
}

void TestMainForm::invalidColourFallsBackToDefault()
{
    ShellFixture f("[EditorOptions]\r\nBGColor=notacolour\r\nGTRColor=$0000FF\r\nFontSize=abc\r\n");
    TMainForm *m = f.start();
    m->action("Textfile1")->trigger();
    QsciScintilla *sci = scintillaOf(*f.active()->editor());
    QCOMPARE(sci->paper(), QColor(Qt::white));
    QCOMPARE(sci->font().pointSize(), 10);
}

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
