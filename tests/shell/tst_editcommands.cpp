// The block, search, go-to-line, View and Window commands in the main window: menu items, tool
// buttons and pop-up items, the settings file and the document windows.
#include "ShellFixture.h"
#include "settings/store/AppSettings.h"
#include "shell/commands/DocumentSearch.h"
#include "shell/commands/GotoLineFrm.h"
#include "shell/commands/SearchDialog.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

class TestEditCommands : public QObject
{
    Q_OBJECT
private slots:
    void everyWayReachesTheCommands();
    void findNextItemFollowsTheSearch();
    void gotoLine();
    void gotoLineWithoutDocument();
    void viewToggles();
    void lineNumbersPerWindow();
    void tiling();
    void minimizeAllAndCycle();
};

namespace {

QToolButton *button(TMainForm *m, const char *name)
{
    return m->findChild<QToolButton *>(QLatin1String(name));
}

TGotoLineFrm *gotoForm(TMainForm *m)
{
    return m->findChild<TGotoLineFrm *>(QStringLiteral("GotoLineFrm"));
}

QList<QMdiSubWindow *> subs(const ShellFixture &f)
{
    return f.mdiArea()->subWindowList(QMdiArea::CreationOrder);
}

} // namespace

void TestEditCommands::everyWayReachesTheCommands()
{
    ShellFixture f("[ApplicationOptions]\r\nTmpltCodeOnNewDoc=0\r\n");
    TMainForm *m = f.start();
    m->action("NyApplikasjonkode1")->trigger();
    TEditForm *w = f.active();
    EditorAdapter *e = w->editor();
    e->setText(QStringLiteral("int a;\nint b;"));

    // Edit menu, Java tab buttons: the same commands.
    e->setSelection(1, 1, 1, 7);
    m->action(QStringLiteral("Comment1"))->trigger();
    QCOMPARE(e->line(1), QStringLiteral("/*int a;*/"));
    e->setSelection(1, 1, 1, 11);
    button(m, "SpeedButton11")->click();
    QCOMPARE(e->line(1), QStringLiteral("int a;"));
    e->setSelection(1, 1, 2, 7);
    button(m, "SpeedButton12")->click();
    QCOMPARE(e->lines(), QStringList({"  int a;", "  int b;"}));
    e->setCaret(2, 1);
    m->action(QStringLiteral("Indent1"))->trigger();
    QCOMPARE(e->line(2), QStringLiteral("     int b;"));
    m->action(QStringLiteral("Unindent1"))->trigger();
    button(m, "SpeedButton13")->click(); // "  int b;" is refused
    QCOMPARE(e->lines(), QStringList({"  int a;", "  int b;"}));
    QCOMPARE(f.prompter.calls.size(), 1);
    m->action(QStringLiteral("Uncomment1"))->trigger(); // no selection
    QCOMPARE(f.prompter.texts().last(),
             QStringLiteral("You have to select the text you want to uncomment!"));
    button(m, "SpeedButton10")->click();
    QCOMPARE(f.prompter.texts().last(),
             QStringLiteral("You have to select the text you want to comment out!"));
    QVERIFY(w->IsModified);

    // The block buttons stand on the Java tab, among its tool buttons: after the compile
    // buttons, before the quick find.
    auto *javaLayout = qobject_cast<QBoxLayout *>(f.page(Page::Java)->layout());
    const int compileRow = javaLayout->indexOf(m->findChild<QWidget *>("CompileButtons"));
    const int blockRow = javaLayout->indexOf(button(m, "SpeedButton10")->parentWidget());
    QVERIFY(compileRow > 0 && blockRow > compileRow);
    QVERIFY(blockRow < javaLayout->indexOf(f.page(Page::QuickFind)));

    // The pop-up's own items, after its "Edit" submenu.
    QStringList popup;
    for (QAction *a : w->PopupMenu1->actions().mid(0, 7))
        popup << a->objectName();
    QCOMPARE(popup,
             QStringList({"Edit1", "Find1", "FindNext1", "Replace1", "Replaceagain1",
                          "Gotolinenumber1", "N19"}));
    QCOMPARE(w->popupAction(QStringLiteral("Gotolinenumber1"))->text(),
             QStringLiteral("Goto linenumber.."));

    // Search menu, pop-up and the General and HTML buttons open the same dialogs.
    m->action(QStringLiteral("Find1"))->trigger();
    SearchDialog *find = w->search()->findDialog();
    QVERIFY(find->isVisible());
    find->hide();
    w->popupAction(QStringLiteral("Find1"))->trigger();
    QVERIFY(find->isVisible());
    find->hide();
    w->popupAction(QStringLiteral("Replace1"))->trigger();
    SearchDialog *replace = w->search()->replaceDialog();
    QVERIFY(replace->isVisible());
    replace->hide();
    m->action(QStringLiteral("Replace1"))->trigger();
    QVERIFY(replace->isVisible());
    replace->hide();

    f.prompter.calls.clear();
    find->setFindText(QStringLiteral("int"));
    e->setCaret(1, 1);
    w->popupAction(QStringLiteral("FindNext1"))->trigger();
    QCOMPARE(e->selectedText(), QStringLiteral("int"));
    m->action(QStringLiteral("FindNext1"))->trigger();
    QCOMPARE(e->caretLine(), 2);

    replace->setFindText(QStringLiteral("int"));
    replace->setReplaceText(QStringLiteral("long"));
    e->setCaret(1, 1);
    m->action(QStringLiteral("Replaceagain1"))->trigger();
    w->popupAction(QStringLiteral("Replaceagain1"))->trigger();
    QCOMPARE(e->lines(), QStringList({"  long a;", "  long b;"}));
    QVERIFY(f.prompter.calls.isEmpty());

    w->popupAction(QStringLiteral("Gotolinenumber1"))->trigger();
    QVERIFY(gotoForm(m));
    gotoForm(m)->close();
}

void TestEditCommands::findNextItemFollowsTheSearch()
{
    ShellFixture f;
    TMainForm *m = f.start();
    m->action("Textfile1")->trigger();
    EditorAdapter *e = f.active()->editor();
    e->setText(QStringLiteral("abc abc"));
    e->setCaret(1, 1);
    QAction *item = m->action(QStringLiteral("FindNext1"));
    QToolButton *generalFindNext = button(m, "GeneralFindNext1");

    item->trigger(); // nothing to search for yet
    QCOMPARE(f.prompter.texts(),
             QStringList {"No search string has previously been defined. Can't search for "
                          "empty text."});
    QVERIFY(!item->isEnabled());

    // The button still searches while the item is disabled.
    f.active()->search()->findDialog()->setFindText(QStringLiteral("abc"));
    generalFindNext->click();
    QCOMPARE(e->caretColumn(), 4);
    QVERIFY(item->isEnabled());
    item->trigger();
    item->trigger();
    QCOMPARE(f.prompter.texts().last(), QStringLiteral("Searchtext 'abc' not found"));
    QVERIFY(!item->isEnabled());
    QVERIFY(generalFindNext->isEnabled());
}

void TestEditCommands::gotoLine()
{
    QCoreApplication::setApplicationName(QStringLiteral("Quillmarsh's Editor"));
    ShellFixture f;
    TMainForm *m = f.start();
    m->action("Textfile1")->trigger();
    EditorAdapter *e = f.active()->editor();
    e->setText(QStringLiteral("1\n2\n3\n4\n5 five\n6\n7"));
    e->setCaret(1, 2);

    m->action(QStringLiteral("Gotoline1"))->trigger();
    QPointer<TGotoLineFrm> form = gotoForm(m);
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("Goto line"));
    QCOMPARE(form->GroupBox1->title(), QStringLiteral("Line number (1 - 7):"));
    QCOMPARE(form->Edit1->text(), QStringLiteral("1"));
    QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(form->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(form->isVisible() && !form->isModal());

    // Enter in the edit field is OK.
    form->Edit1->setText(QStringLiteral("5"));
    QTest::keyClick(form->Edit1, Qt::Key_Return);
    QCOMPARE(e->caretLine(), 5);
    QCOMPARE(e->caretColumn(), 2);
    QTRY_VERIFY(!form);

    // A text that is no number: the conversion message, and the window stays.
    auto table = QList<QPair<QString, int>> {{"abc", -1}, {"0", 1}, {"-4", 1}, {"99", 7}, {"3", 3}};
    for (const auto &[text, line] : table) {
        e->setCaret(2, 1);
        f.prompter.calls.clear();
        m->action("Gotoline1")->trigger();
        form = gotoForm(m);
        form->Edit1->setText(text);
        form->Button1->click();
        if (line < 0) {
            QCOMPARE(f.prompter.calls.size(), 1);
            QCOMPARE(f.prompter.calls[0].caption, QStringLiteral("Quillmarsh's Editor"));
            QCOMPARE(f.prompter.calls[0].text,
                     QStringLiteral("'abc' is not a valid integer value"));
            QCOMPARE(f.prompter.calls[0].icon, Prompter::Error);
            QVERIFY(form->isVisible());
            QCOMPARE(e->caretLine(), 2);
            form->close();
        } else {
            QVERIFY2(f.prompter.calls.isEmpty(), qPrintable(text));
            QCOMPARE(e->caretLine(), line);
        }
        QTRY_VERIFY(!form);
    }
}

void TestEditCommands::gotoLineWithoutDocument()
{
    ShellFixture f;
    TMainForm *m = f.start();
    m->action("Gotoline1")->trigger(); // no document: no window
    QVERIFY(!gotoForm(m));
    m->action("Textfile1")->trigger();
    m->action("Gotoline1")->trigger();
    QPointer<TGotoLineFrm> form = gotoForm(m);
    QVERIFY(ShellFixture::closeWindow(f.active()));
    QTRY_COMPARE(f.documentCount(), 0);
    form->Edit1->setText(QStringLiteral("x"));
    form->Button1->click();
    QTRY_VERIFY(!form);
    QVERIFY(f.prompter.calls.isEmpty());
}

void TestEditCommands::viewToggles()
{
    ShellFixture f;
    TMainForm *m = f.start();
    m->action("Textfile1")->trigger();
    const QByteArray start = f.iniText();
    QVERIFY(!start.contains("ShowLineNumbers"));

    auto toggle = [m](const char *name) { m->action(QLatin1String(name))->trigger(); };
    toggle("Linenumbers1");
    QCOMPARE(f.iniText(), start + "[EditorOptions]\r\nShowLineNumbers=1\r\n");
    toggle("Specialcharacters1");
    QCOMPARE(f.iniText(),
             start
                 + "[EditorOptions]\r\nShowLineNumbers=1\r\n\r\n[ApplicationOptions]\r\n"
                   "ViewSecialChars=1\r\n");
    toggle("CompletionProposal1");
    toggle("Autocompletion1");
    toggle("Linenumbers1");
    QCOMPARE(f.iniText(),
             start
                 + "[EditorOptions]\r\nShowLineNumbers=0\r\nCompProposal=0\r\nAutoCompletion=0\r\n"
                   "\r\n[ApplicationOptions]\r\nViewSecialChars=1\r\n");
    for (const char *name :
         {"Linenumbers1", "Specialcharacters1", "CompletionProposal1", "Autocompletion1"})
        QCOMPARE(m->action(QLatin1String(name))->isChecked(),
                 QByteArray(name) == "Specialcharacters1");
    toggle("CompletionProposal1");
    QVERIFY(m->action(QStringLiteral("CompletionProposal1"))->isChecked());
    QVERIFY(m->settings().boolValue(Settings::Key::CompProposal));
}

void TestEditCommands::lineNumbersPerWindow()
{
    ShellFixture f;
    TMainForm *m = f.start();
    m->action("Textfile1")->trigger();
    TEditForm *first = f.active();
    m->action("Textfile1")->trigger();
    TEditForm *second = f.active();
    QAction *item = m->action(QStringLiteral("Linenumbers1"));
    QVERIFY(!first->editor()->showLineNumbers() && !second->editor()->showLineNumbers());

    item->trigger();
    QVERIFY(item->isChecked());
    QVERIFY(second->editor()->showLineNumbers() && second->LineNumbersShown);
    QVERIFY(!first->editor()->showLineNumbers());
    QVERIFY(m->settings().boolValue(Settings::Key::ShowLineNumbers));

    // Special characters change the active window too; the other follows when activated.
    m->action(QStringLiteral("Specialcharacters1"))->trigger();
    first->bringToFront();
    QVERIFY(first->editor()->showLineNumbers() && first->LineNumbersShown);
    item->trigger(); // one toggle turns them off in this window
    QVERIFY(!first->editor()->showLineNumbers() && !item->isChecked());
    QVERIFY(second->editor()->showLineNumbers());

    // The next first document takes the stored setting.
    item->trigger();
    QVERIFY(ShellFixture::closeWindow(first) && ShellFixture::closeWindow(second));
    QTRY_COMPARE(f.documentCount(), 0);
    m->settings().setBool(Settings::Key::ShowLineNumbers, false);
    m->action("Textfile1")->trigger();
    QVERIFY(!f.active()->editor()->showLineNumbers() && !item->isChecked());
}

void TestEditCommands::tiling()
{
    ShellFixture f;
    TMainForm *m = f.start();
    for (int i = 0; i < 3; ++i)
        m->action("Textfile1")->trigger();
    // The frame's inside, without scroll bars: tiled windows leave none.
    const QRect area(QPoint(0, 0), f.mdiArea()->contentsRect().size());
    const QList<QMdiSubWindow *> windows = subs(f);
    windows[1]->showMaximized();
    QCoreApplication::processEvents();

    m->action(QStringLiteral("TileHorizontally1"))->trigger();
    // Most recently active first: the maximised one at the top.
    const QList<TEditForm *> order = m->documentWindows();
    const int h = area.height() / 3;
    for (int i = 0; i < 3; ++i) {
        QMdiSubWindow *sub = order[i]->subWindow();
        QVERIFY(!sub->isMaximized());
        const int height = i == 2 ? area.height() - 2 * h : h;
        QCOMPARE(sub->geometry(), QRect(0, i * h, area.width(), height));
    }
    QCoreApplication::processEvents();
    QCOMPARE(f.mdiArea()->viewport()->size(), area.size());

    windows[2]->showMinimized();
    QCoreApplication::processEvents();
    const QRect minimized = windows[2]->geometry();
    m->action(QStringLiteral("TileVertically1"))->trigger();
    QVERIFY(windows[2]->isMinimized());
    QCOMPARE(windows[2]->geometry(), minimized);
    const QList<TEditForm *> shown = m->documentWindows();
    int x = 0;
    for (TEditForm *w : shown) {
        QMdiSubWindow *sub = w->subWindow();
        if (sub == windows[2])
            continue;
        const QRect g = sub->geometry();
        QCOMPARE(g.left(), x);
        QCOMPARE(g.top(), 0);
        QCOMPARE(g.height(), area.height() - minimized.height());
        x += g.width();
    }
    QCOMPARE(x, area.width());
}

void TestEditCommands::minimizeAllAndCycle()
{
    ShellFixture f;
    TMainForm *m = f.start();
    for (int i = 0; i < 3; ++i)
        m->action("Textfile1")->trigger();
    const QList<QMdiSubWindow *> windows = subs(f);
    QCOMPARE(f.mdiArea()->currentSubWindow(), windows[2]);

    QList<int> visited;
    for (int i = 0; i < 4; ++i) {
        m->action(QStringLiteral("Nexteditorwindow1"))->trigger();
        visited << int(windows.indexOf(f.mdiArea()->currentSubWindow()));
    }
    QCOMPARE(visited, QList<int>({0, 1, 2, 0}));
    visited.clear();
    for (int i = 0; i < 4; ++i) {
        m->action(QStringLiteral("Previouseditorwindow1"))->trigger();
        visited << int(windows.indexOf(f.mdiArea()->currentSubWindow()));
    }
    QCOMPARE(visited, QList<int>({2, 1, 0, 2}));
    QCOMPARE(f.active(), qobject_cast<TEditForm *>(windows[2]->widget()));

    m->action(QStringLiteral("MinimizeAll1"))->trigger();
    for (QMdiSubWindow *w : windows)
        QVERIFY(w->isMinimized());
}

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
