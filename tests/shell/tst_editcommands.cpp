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
#include <QPushButton>
#include <QToolButton>

namespace {

TGotoLineFrm *gotoForm(TMainForm *m)
{
    return m->findChild<TGotoLineFrm *>("GotoLineFrm");
}

} // namespace

class TestEditCommands : public QObject
{
    Q_OBJECT
private slots:
    void everyWayReachesTheCommands()
    {
        ShellFixture f("[ApplicationOptions]\r\nTmpltCodeOnNewDoc=0\r\n");
        TMainForm *m = f.start();
        f.trigger("NyApplikasjonkode1");
        TEditForm *w = f.active();
        EditorAdapter *e = w->editor();
        e->setText("int a;\nint b;");
        // A main-menu item, a pop-up item (popup:name) or a tool button.
        auto run = [&](const QString &name) {
            if (name.startsWith(u"popup:"))
                w->popupAction(name.mid(6))->trigger();
            else if (QAction *item = m->action(name))
                item->trigger();
            else
                f.child<QToolButton>(qPrintable(name))->click();
        };

        // Edit menu, Java tab buttons: the same commands.
        e->setSelection(1, 1, 1, 7);
        run("Comment1");
        QCOMPARE(e->line(1), "/*int a;*/");
        e->setSelection(1, 1, 1, 11);
        run("SpeedButton11");
        QCOMPARE(e->line(1), "int a;");
        e->setSelection(1, 1, 2, 7);
        run("SpeedButton12");
        QCOMPARE(e->lines(), QStringList({"  int a;", "  int b;"}));
        e->setCaret(2, 1);
        run("Indent1");
        QCOMPARE(e->line(2), "     int b;");
        run("Unindent1");
        run("SpeedButton13"); // "  int b;" is refused
        QCOMPARE(e->lines(), QStringList({"  int a;", "  int b;"}));
        run("Uncomment1"); // no selection
        run("SpeedButton10");
        QCOMPARE(f.prompter.texts().mid(1),
                 QStringList({"You have to select the text you want to uncomment!",
                              "You have to select the text you want to comment out!"}));

        // The block buttons stand on the Java tab, among its tool buttons: after the compile
        // buttons, before the quick find.
        auto *javaLayout = qobject_cast<QBoxLayout *>(f.page(Page::Java)->layout());
        const int compileRow = javaLayout->indexOf(f.child("CompileButtons"));
        const int blockRow = javaLayout->indexOf(f.child("SpeedButton10")->parentWidget());
        QVERIFY(compileRow > 0 && blockRow > compileRow);
        QVERIFY(blockRow < javaLayout->indexOf(f.page(Page::QuickFind)));

        // The pop-up's own items, after its "Edit" submenu.
        QStringList popup;
        for (QAction *a : w->PopupMenu1->actions().mid(0, 7))
            popup << a->objectName();
        QCOMPARE(popup,
                 QStringList({"Edit1", "Find1", "FindNext1", "Replace1", "Replaceagain1",
                              "Gotolinenumber1", "N19"}));

        // Search menu and pop-up open the same dialogs and search alike.
        SearchDialog *find = w->search()->findDialog();
        SearchDialog *replace = w->search()->replaceDialog();
        for (const char *name : {"Find1", "popup:Find1", "Replace1", "popup:Replace1"}) {
            SearchDialog *dialog = QByteArray(name).contains("Find") ? find : replace;
            run(name);
            QVERIFY2(dialog->isVisible(), name);
            dialog->hide();
        }
        f.prompter.calls.clear();
        find->setFindText("int");
        e->setCaret(1, 1);
        run("popup:FindNext1");
        QCOMPARE(e->selectedText(), "int");
        run("FindNext1");
        QCOMPARE(e->caretLine(), 2);
        replace->setFindText("int");
        replace->setReplaceText("long");
        e->setCaret(1, 1);
        run("Replaceagain1");
        run("popup:Replaceagain1");
        QCOMPARE(e->lines(), QStringList({"  long a;", "  long b;"}));
        QVERIFY(f.prompter.calls.isEmpty());
        run("popup:Gotolinenumber1");
        QVERIFY(gotoForm(m));
        gotoForm(m)->close();
    }

    void findNextItemFollowsTheSearch()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        f.trigger("Textfile1");
        EditorAdapter *e = f.active()->editor();
        e->setText("abc abc");
        e->setCaret(1, 1);
        QAction *item = m->action("FindNext1");
        auto *generalFindNext = f.child<QToolButton>("GeneralFindNext1");

        item->trigger(); // nothing to search for yet
        QCOMPARE(f.prompter.texts(),
                 QStringList {"No search string has previously been defined. Can't search for "
                              "empty text."});
        QVERIFY(!item->isEnabled());
        // The button still searches while the item is disabled.
        f.active()->search()->findDialog()->setFindText("abc");
        generalFindNext->click();
        QCOMPARE(e->caretColumn(), 4);
        QVERIFY(item->isEnabled());
        item->trigger();
        item->trigger();
        QCOMPARE(f.prompter.texts().last(), "Searchtext 'abc' not found");
        QVERIFY(!item->isEnabled() && generalFindNext->isEnabled());
    }

    void gotoLine()
    {
        QCoreApplication::setApplicationName("Quillmarsh's Editor");
        ShellFixture f;
        TMainForm *m = f.start();
        f.trigger("Gotoline1"); // no document: no window
        QVERIFY(!gotoForm(m));
        f.trigger("Textfile1");
        EditorAdapter *e = f.active()->editor();
        e->setText("1\n2\n3\n4\n5 five\n6\n7");
        e->setCaret(1, 2);

        f.trigger("Gotoline1");
        QPointer<TGotoLineFrm> form = gotoForm(m);
        QCOMPARE(form->windowTitle(), "Goto line");
        QCOMPARE(form->GroupBox1->title(), "Line number (1 - 7):");
        QCOMPARE(form->Edit1->text(), "1");
        QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(form->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(form->isVisible() && !form->isModal());
        // Enter in the edit field is OK; the column stays.
        form->Edit1->setText("5");
        QTest::keyClick(form->Edit1, Qt::Key_Return);
        QVERIFY(e->caretLine() == 5 && e->caretColumn() == 2);
        QTRY_VERIFY(!form);

        // A text that is no number: the conversion message, and the window stays.
        for (const auto &[text, line] :
             QList<QPair<QString, int>> {{"abc", -1}, {"0", 1}, {"-4", 1}, {"99", 7}, {"3", 3}}) {
            e->setCaret(2, 1);
            f.prompter.calls.clear();
            f.trigger("Gotoline1");
            form = gotoForm(m);
            form->Edit1->setText(text);
            form->Button1->click();
            if (line < 0) {
                QCOMPARE(f.prompter.calls.size(), 1);
                QCOMPARE(f.prompter.calls[0].caption, "Quillmarsh's Editor");
                QCOMPARE(f.prompter.calls[0].text, "'abc' is not a valid integer value");
                QCOMPARE(f.prompter.calls[0].icon, Prompter::Error);
                QVERIFY(form->isVisible() && e->caretLine() == 2);
                form->close();
            } else {
                QVERIFY2(f.prompter.calls.isEmpty(), qPrintable(text));
                QCOMPARE(e->caretLine(), line);
            }
            QTRY_VERIFY(!form);
        }

        // The document goes while the window is open: OK closes it without a message.
        f.trigger("Gotoline1");
        form = gotoForm(m);
        QVERIFY(ShellFixture::closeWindow(f.active()));
        QTRY_COMPARE(f.documentCount(), 0);
        form->Edit1->setText("x");
        form->Button1->click();
        QTRY_VERIFY(!form);
        QVERIFY(f.prompter.calls.isEmpty());
    }

    // The View toggles write their keys; line numbers and special characters apply to the active
    // window, the other takes them when activated, and the next first document takes the stored
    // setting.
    void viewToggles()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        f.trigger("Textfile1");
        TEditForm *first = f.active();
        f.trigger("Textfile1");
        TEditForm *second = f.active();
        const QByteArray start = f.iniText();
        QVERIFY(!start.contains("ShowLineNumbers"));
        QAction *lineNumbers = m->action("Linenumbers1");
        QVERIFY(!first->editor()->showLineNumbers() && !second->editor()->showLineNumbers());

        lineNumbers->trigger();
        QCOMPARE(f.iniText(), start + "[EditorOptions]\r\nShowLineNumbers=1\r\n");
        QVERIFY(lineNumbers->isChecked() && second->editor()->showLineNumbers()
                && second->LineNumbersShown && !first->editor()->showLineNumbers());
        f.trigger("Specialcharacters1");
        QCOMPARE(f.iniText(),
                 start
                     + "[EditorOptions]\r\nShowLineNumbers=1\r\n\r\n[ApplicationOptions]\r\n"
                       "ViewSecialChars=1\r\n");
        first->bringToFront();
        QVERIFY(first->editor()->showLineNumbers() && first->LineNumbersShown);
        f.trigger("CompletionProposal1");
        f.trigger("Autocompletion1");
        lineNumbers->trigger(); // one toggle turns them off in this window
        QVERIFY(!first->editor()->showLineNumbers() && second->editor()->showLineNumbers());
        QCOMPARE(
            f.iniText(),
            start
                + "[EditorOptions]\r\nShowLineNumbers=0\r\nCompProposal=0\r\nAutoCompletion=0\r\n"
                  "\r\n[ApplicationOptions]\r\nViewSecialChars=1\r\n");
        for (const char *name :
             {"Linenumbers1", "Specialcharacters1", "CompletionProposal1", "Autocompletion1"})
            QCOMPARE(m->action(QLatin1String(name))->isChecked(),
                     QByteArray(name) == "Specialcharacters1");
        f.trigger("CompletionProposal1");
        QVERIFY(m->action("CompletionProposal1")->isChecked());
        QVERIFY(m->settings().boolValue(Settings::Key::CompProposal));

        lineNumbers->trigger();
        QVERIFY(ShellFixture::closeWindow(first) && ShellFixture::closeWindow(second));
        QTRY_COMPARE(f.documentCount(), 0);
        m->settings().setBool(Settings::Key::ShowLineNumbers, false);
        f.trigger("Textfile1");
        QVERIFY(!f.active()->editor()->showLineNumbers() && !lineNumbers->isChecked());
    }

    void tilingAndCycling()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        for (int i = 0; i < 3; ++i)
            f.trigger("Textfile1");
        const QList<QMdiSubWindow *> windows = f.mdiArea()->subWindowList(QMdiArea::CreationOrder);
        // Next and previous window go round in the order of creation.
        QCOMPARE(f.mdiArea()->currentSubWindow(), windows[2]);
        QList<int> visited;
        for (const char *item :
             {"Nexteditorwindow1", "Nexteditorwindow1", "Nexteditorwindow1", "Nexteditorwindow1",
              "Previouseditorwindow1", "Previouseditorwindow1"}) {
            f.trigger(item);
            visited << int(windows.indexOf(f.mdiArea()->currentSubWindow()));
        }
        QCOMPARE(visited, QList<int>({0, 1, 2, 0, 2, 1}));

        // The frame's inside, without scroll bars: tiled windows leave none.
        const QRect area(QPoint(0, 0), f.mdiArea()->contentsRect().size());
        windows[1]->showMaximized();
        QCoreApplication::processEvents();
        f.trigger("TileHorizontally1");
        // Most recently active first: the maximised one at the top.
        const QList<TEditForm *> order = m->documentWindows();
        const int h = area.height() / 3;
        for (int i = 0; i < 3; ++i) {
            QMdiSubWindow *sub = order[i]->subWindow();
            QVERIFY(!sub->isMaximized());
            QCOMPARE(sub->geometry(),
                     QRect(0, i * h, area.width(), i == 2 ? area.height() - 2 * h : h));
        }
        QCoreApplication::processEvents();
        QCOMPARE(f.mdiArea()->viewport()->size(), area.size());

        // Minimised windows stay so, in their place; the others share the rest side by side.
        windows[2]->showMinimized();
        QCoreApplication::processEvents();
        const QRect minimized = windows[2]->geometry();
        f.trigger("TileVertically1");
        QVERIFY(windows[2]->isMinimized());
        QCOMPARE(windows[2]->geometry(), minimized);
        int x = 0;
        for (TEditForm *w : m->documentWindows()) {
            const QRect g = w->subWindow()->geometry();
            if (w->subWindow() == windows[2])
                continue;
            QCOMPARE(g, QRect(x, 0, g.width(), area.height() - minimized.height()));
            x += g.width();
        }
        QCOMPARE(x, area.width());
        f.trigger("MinimizeAll1");
        for (QMdiSubWindow *w : windows)
            QVERIFY(w->isMinimized());
    }
};

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
