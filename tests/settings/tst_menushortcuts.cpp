// The shortcut table on the main menu: start-up from hand-written settings files, and the
// menu's keys against a focused document editor's own keys (and the features' key filters),
// with real key events.
#include "OptionsKit.h"
#include "host/ActionRegistry.h"
#include "java/generators/JavaGeneratorCommands.h"
#include "settings/options/OptionsShortcutPage.h"
#include "settings/shortcuts/NewShortcutFrm.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeWidget>

class TestMenuShortcuts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void firstStartGivesEveryDefault();
    void savedTables_data();
    void savedTables();
    void menuKeysBeforeEditorKeys();
    void keysFollowTheTable();
    void documentWindowKeysGiveWay();
    void noMenuKeysInOtherWindows();
};

namespace {

// Every row's menu item with its key on a first start ("" for none).
const QList<QPair<const char *, const char *>> firstStart {
    {"Close1", ""},
    {"Closeall2", ""},
    {"Load1", "Ctrl+L"},
    {"NyApplikasjonkode1", "Ctrl+J"},
    {"NyAppletkode1", ""},
    {"HTMLdocument1", "Ctrl+H"},
    {"XMLdocument1", "Alt+X"},
    {"Perldocument1", ""},
    {"PHPdocument1", ""},
    {"CSSdocument1", ""},
    {"Textfile1", "Alt+Z"},
    {"Print1", "Ctrl+Shift+P"},
    {"PrinterSetup1", ""},
    {"ForhndVisning1", "Ctrl+O"},
    {"Exit1", "Ctrl+Q"},
    {"Save1", "Ctrl+S"},
    {"SaveAs1", "Ctrl+Shift+S"},
    {"Saveall1", ""},
    {"Undo1", "Ctrl+Z"},
    {"Redo1", "Ctrl+Shift+Z"},
    {"Past1", "Ctrl+V"},
    {"Cut1", "Ctrl+X"},
    {"SelectAll1", "Ctrl+A"},
    {"Options2", ""},
    {"Copy1", "Ctrl+C"},
    {"Comment1", ""},
    {"Uncomment1", ""},
    {"Indent1", ""},
    {"Unindent1", ""},
    {"Systemoutprintln2", "F2"},
    {"Mainfunction1", ""},
    {"Nonbrakingspace1", "Ctrl+M"},
    {"Linebreakbr1", "Ctrl+B"},
    {"Frameset2", ""},
    {"able1", ""},
    {"FormBodyformform1", ""},
    {"Image1", ""},
    {"Link1", ""},
    {"Comment2", ""},
    {"OrderedList1", ""},
    {"UnorderedList1", ""},
    {"Font3", ""},
    {"Spellcheck1", ""},
    {"Find1", "Ctrl+F"},
    {"FindNext1", "F3"},
    {"Replace1", "Ctrl+R"},
    {"Replaceagain1", "Ctrl+Shift+R"},
    {"Nextbookmark1", "Ctrl+N"},
    {"Previousbookmark1", "Ctrl+P"},
    {"Gotoline1", ""},
    {"Linenumbers1", "F4"},
    {"Specialcharacters1", "Alt+F1"},
    {"CompletionProposal1", "F7"},
    {"Autocompletion1", "F10"},
    {"Statistics1", ""},
    {"Startdebug1", "F11"},
    {"Stopdebug1", ""},
    {"Nextinstruction1", ""},
    {"Setbreakpoint1", ""},
    {"Deletebreakpoint1", ""},
    {"Variabletracker1", "F12"},
    {"Compile1", "F8"},
    {"CompileandRun1", "F9"},
    {"Classwizard1", "Ctrl+W"},
    {"Expressionbuilder1", "Ctrl+E"},
    {"Exceptioncodegenerator1", ""},
    {"rycatchcodegenerator1", ""},
    {"StripHTMLcode1", ""},
    {"Popupmenu8", ""},
    {"Button3", ""},
    {"extarea2", ""},
    {"Image2", ""},
    {"Link2", ""},
    {"Comment3", ""},
    {"able2", ""},
    {"Objectwizard1", ""},
    {"Fontwizard1", ""},
    {"Frames1", ""},
    {"OrderedLists1", ""},
    {"Unorderedlist2", ""},
    {"Rollover1", ""},
    {"TileHorizontally1", ""},
    {"Showdospromt1", ""},
    {"WindowsExplorer1", ""},
    {"TileVertically1", ""},
    {"MinimizeAll1", ""},
    {"Nexteditorwindow1", "F5"},
    {"Previouseditorwindow1", "F6"},
    {"Viewpageinbrowser1", "Ctrl+G"},
};

QKeySequence key(const char *portable)
{
    return QKeySequence(QLatin1String(portable), QKeySequence::PortableText);
}

QKeySequence keyOf(TMainForm *m, const char *name)
{
    return m->action(QLatin1String(name))->shortcut();
}

// A key as the user types it: to the focused widget of the active window, press and release.
void type(int k, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key(k), mods);
}

// A new text document holding text, its editor focused with the caret at the start.
EditorAdapter *focusedDocument(ShellFixture &f, const QString &text)
{
    f.main->action("Textfile1")->trigger();
    EditorAdapter *e = f.active()->editor();
    e->setText(text);
    e->setCaret(1, 1);
    e->widget()->setFocus();
    return e;
}

int openDialogs(const ShellFixture &f)
{
    int n = 0;
    for (const FakeFileDialogs::Call &call : f.dialogs.calls)
        n += call.kind == FakeFileDialogs::Open;
    return n;
}

// Gives the table's row a text in the Options dialog and presses OK there.
void setRow(OptionsKit &f, int row, const QString &text)
{
    TOptionsFrm *d = f.open();
    QTreeWidgetItem *item = d->TabSheet4->LbShortcutList->topLevelItem(row);
    d->TabSheet4->LbShortcutList->setCurrentItem(item);
    f.subDialogs << [text](QDialog &dialog) {
        static_cast<TNewShortcutFrm &>(dialog).Edit1->setText(text);
        return int(QDialog::Accepted);
    };
    d->TabSheet4->Button7->click();
    QCOMPARE(item->text(1), text);
    QVERIFY(OptionsKit::ok(d));
    QTRY_VERIFY(f.main.get()->isActiveWindow());
}

} // namespace

void TestMenuShortcuts::initTestCase()
{
    ShellFixture f;
    f.start();
    QTRY_VERIFY(f.main.get()->isActiveWindow());
}

void TestMenuShortcuts::firstStartGivesEveryDefault()
{
    ShellFixture f;
    TMainForm *m = f.start();
    const QList<QAction *> inMenus = m->actions().inMenuOrder(m->menuBar());
    QCOMPARE(firstStart.size(), 89);
    for (const auto &[name, shortcut] : firstStart) {
        QAction *item = m->action(QLatin1String(name));
        QVERIFY2(item && inMenus.contains(item), name);
        QVERIFY2(item->shortcut() == key(shortcut), name);
    }
    QVERIFY(!f.iniText().contains("ShortCutList"));
}

void TestMenuShortcuts::savedTables_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("changed"); // item, key (portable, "" for none), ...

    QTest::newRow("saved table without row 15")
        << QByteArray("[ShortCutList]\r\nDefaultList=0\r\n0=Ctrl+K\r\n")
        << QStringList {"Close1", "Ctrl+K"};
    QTest::newRow("an empty text takes the key away")
        << QByteArray("[ShortCutList]\r\nDefaultList=0\r\n15=\r\n") << QStringList {"Save1", ""};
    QTest::newRow("a name the parser does not know")
        << QByteArray("[ShortCutList]\r\n2=Ctrl+Foo\r\n") << QStringList {"Load1", ""};
    QTest::newRow("as typed: case and blanks")
        << QByteArray("[ShortCutList]\r\n3=  alt+shift+j \r\n")
        << QStringList {"NyApplikasjonkode1", "Alt+Shift+J"};
    QTest::newRow("two rows with one key: the first keeps it")
        << QByteArray("[ShortCutList]\r\n0=Ctrl+L\r\n")
        << QStringList {"Close1", "Ctrl+L", "Load1", ""};
    QTest::newRow("one key spelt two ways")
        << QByteArray("[ShortCutList]\r\n2=^q\r\n") << QStringList {"Load1", "Ctrl+Q", "Exit1", ""};
    QTest::newRow("the \"Shortcuts\" section is not the main window's")
        << QByteArray("[Shortcuts]\r\n2=F1\r\n") << QStringList();
}

void TestMenuShortcuts::savedTables()
{
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, changed);
    ShellFixture f(ini);
    TMainForm *m = f.start();
    for (const auto &[name, shortcut] : firstStart) {
        const qsizetype at = changed.indexOf(QLatin1String(name));
        const QKeySequence expected =
            at >= 0 ? key(changed.at(at + 1).toLatin1().constData()) : key(shortcut);
        QVERIFY2(keyOf(m, name) == expected, name);
    }
    QVERIFY(f.prompter.calls.isEmpty());
}

void TestMenuShortcuts::menuKeysBeforeEditorKeys()
{
    ShellFixture f("[ApplicationOptions]\r\nTmpltCodeOnNewDoc=0\r\n");
    TMainForm *m = f.start();
    QTRY_VERIFY(m->isActiveWindow());
    EditorAdapter *e = focusedDocument(f, QStringLiteral("one\ntwo"));

    // Ctrl+L is "Load..", not the editor's line cut.
    type(Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(openDialogs(f), 1);
    QCOMPARE(e->lines(), QStringList({"one", "two"}));

    // Also before a feature's key filter, which sees every other key.
    QObject feature;
    QStringList seen;
    e->addKeyFilter(&feature, [&seen](QKeyEvent *event) {
        if (event->key() != Qt::Key_Control)
            seen << QKeySequence(event->keyCombination()).toString(QKeySequence::PortableText);
        return false;
    });
    type(Qt::Key_L, Qt::ControlModifier);
    type(Qt::Key_X);
    QCOMPARE(openDialogs(f), 2);
    QCOMPARE(seen, QStringList({"X"}));
    QCOMPARE(e->lines(), QStringList({"xone", "two"}));

    // The key stays the command's while the command is disabled: nothing happens.
    m->action(QStringLiteral("Load1"))->setEnabled(false);
    type(Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(openDialogs(f), 2);
    QCOMPARE(e->lines(), QStringList({"xone", "two"}));
    QCOMPARE(seen, QStringList({"X"}));
    m->action(QStringLiteral("Load1"))->setEnabled(true);

    // A key no command holds keeps the editor's binding.
    e->setSelection(1, 1, 1, 5);
    type(Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(e->lines(), QStringList({"XONE", "two"}));
}

void TestMenuShortcuts::keysFollowTheTable()
{
    OptionsKit f("[ApplicationOptions]\r\nTmpltCodeOnNewDoc=0\r\n");
    TMainForm *m = f.start();
    QTRY_VERIFY(m->isActiveWindow());
    EditorAdapter *e = focusedDocument(f, QStringLiteral("ONE\ntwo"));

    // "Load.." moves to Ctrl+K: Ctrl+L is the editor's line cut again.
    setRow(f, 2, QStringLiteral("Ctrl+K"));
    e->widget()->setFocus();
    type(Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(e->lines(), QStringList({"two"}));
    type(Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(openDialogs(f), 1);

    // So in an editor opened after the change.
    EditorAdapter *later = focusedDocument(f, QStringLiteral("a\nb"));
    type(Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(later->lines(), QStringList({"b"}));
    type(Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(openDialogs(f), 2);

    // A command given Ctrl+U runs instead of the editor's lower-casing of the selection.
    setRow(f, 50, QStringLiteral("ctrl+u")); // View, "Line numbers"
    later->setText(QStringLiteral("ABC"));
    later->selectAll();
    later->widget()->setFocus();
    const bool numbers = later->showLineNumbers();
    type(Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(later->lines(), QStringList({"ABC"}));
    QCOMPARE(later->showLineNumbers(), !numbers);

    // "File: Close" given Ctrl+K (taken from "Load.." first) closes the focused document.
    setRow(f, 2, QString());
    setRow(f, 0, QStringLiteral("Ctrl+K"));
    const int documents = f.documentCount();
    f.active()->editor()->widget()->setFocus();
    f.prompter.answers = {Prompter::No}; // "Save changes made to the document?"
    type(Qt::Key_K, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(f.documentCount(), documents - 1);
    QCOMPARE(openDialogs(f), 2);
    QCOMPARE(f.stored("ShortCutList", "0"), QStringLiteral("Ctrl+K"));
    QCOMPARE(f.stored("ShortCutList", "2"), QString());
    QCOMPARE(f.stored("ShortCutList", "50"), QStringLiteral("ctrl+u"));
}

void TestMenuShortcuts::documentWindowKeysGiveWay()
{
    // Qt gives a document window's "Close" Ctrl+F4 and Ctrl+W; Ctrl+W is the class wizard's.
    OptionsKit f("[ApplicationOptions]\r\nTmpltCodeOnNewDoc=0\r\n");
    TMainForm *m = f.start();
    QTRY_VERIFY(m->isActiveWindow());
    QStringList wizards;
    f.features().javaGenerators->setExecDialog([&wizards](QDialog &dialog) {
        wizards << dialog.windowTitle();
        return int(QDialog::Rejected);
    });
    m->action("NyApplikasjonkode1")->trigger();
    f.active()->editor()->widget()->setFocus();
    type(Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(wizards.size(), 1);
    QCOMPARE(f.documentCount(), 1);

    // A menu command given Ctrl+F4 takes it from the document windows; given up, the key
    // closes the document window again.
    setRow(f, 86, QStringLiteral("Ctrl+F4")); // Window, "Next editor window"
    f.active()->editor()->widget()->setFocus();
    type(Qt::Key_F4, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(f.documentCount(), 1);
    setRow(f, 86, QStringLiteral("F5"));
    f.active()->editor()->widget()->setFocus();
    type(Qt::Key_F4, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(f.documentCount(), 0);
}

void TestMenuShortcuts::noMenuKeysInOtherWindows()
{
    OptionsKit f;
    TMainForm *m = f.start();
    QTRY_VERIFY(m->isActiveWindow());
    TOptionsFrm *d = f.open();
    QTRY_VERIFY(d->isActiveWindow());
    QTRY_VERIFY(d->isActiveWindow());
    d->PageControl1->setCurrentWidget(d->TabSheet4);
    d->TabSheet4->LbShortcutList->setFocus();
    QCOMPARE(QApplication::focusWidget(), d->TabSheet4->LbShortcutList);
    type(Qt::Key_L, Qt::ControlModifier);
    type(Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(openDialogs(f), 0);
    QVERIFY(d->isVisible());
    QVERIFY(m->isVisible());
}

QTEST_MAIN(TestMenuShortcuts)
#include "tst_menushortcuts.moc"
