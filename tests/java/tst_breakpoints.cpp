#include "ShellFixture.h"
#include "app/Features.h"
#include "java/debug/BreakpointCommands.h"
#include "java/debug/BreakpointMarks.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <QtTest>

namespace {

// A document of n numbered lines ("line 1" ...).
QString numberedLines(int n)
{
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral("line %1").arg(i);
    return lines.join(u'\n');
}

struct MarksFixture {
    EditorAdapter editor;
    BreakpointMarks marks {&editor};
    explicit MarksFixture(int lines = 120) { editor.setText(numberedLines(lines)); }
    void setAt(int line, int column = 1)
    {
        editor.setCaret(line, column);
        marks.SetBreakpoint();
    }
    QPair<int, int> caret() const { return {editor.caretLine(), editor.caretColumn()}; }
};

struct DocumentFixture : ShellFixture {
    TEditForm *doc = nullptr;
    BreakpointCommands *commands = nullptr;
    BreakpointMarks *marks = nullptr;
    DocumentFixture() : ShellFixture("[Tips]\r\ndoShow=0\r\n")
    {
        start();
        commands = features().breakpoints;
        doc = main->LoadFile(write("Hello.java", numberedLines(30).toUtf8()));
        marks = commands->marksOf(doc->editor());
    }
    EditorAdapter *editor() const { return doc->editor(); }
    void key(int key, Qt::KeyboardModifiers mods)
    {
        QTest::keyClick(editor()->widget(), Qt::Key(key), mods);
    }
};

} // namespace

class TestBreakpoints : public QObject
{
    Q_OBJECT
private slots:
    void setTwiceLeavesOneMarkAtTheLatestColumn();
    void nextAndPreviousWalkTheSortedLines();
    void clearingMarks();
    void placementOrderKeptWhenEditsMoveLines();
    void numberedBookmarkKeys();
    void keyReleaseMovesABreakpointToTheCaret();
    void bookmarkKeyMapping_data();
    void bookmarkKeyMapping();
    void commandsAndBindings();
};

void TestBreakpoints::setTwiceLeavesOneMarkAtTheLatestColumn()
{
    MarksFixture f;
    f.setAt(5, 3);
    f.setAt(5, 9);
    QCOMPARE(f.marks.lines(), (QList<int> {5}));
    QCOMPARE(f.marks.marks().first().column, 9);
    QCOMPARE(f.marks.marks().first().bookmark, -1);
    // Drawn with the breakpoint glyph, not the editor's default mark.
    QVERIFY(f.editor.hasMarker(5, BreakpointMarks::BreakpointMarker));
    QVERIFY(!f.editor.hasMarker(5, 0));
}

void TestBreakpoints::nextAndPreviousWalkTheSortedLines()
{
    MarksFixture f;
    f.setAt(100);
    f.setAt(9);
    f.setAt(10);
    QCOMPARE(f.marks.SorterBreakPoints(), (QList<int> {9, 10, 100}));

    f.editor.setCaret(9, 4);
    f.marks.NextBreakPointJump();
    QCOMPARE(f.caret(), qMakePair(10, 4));
    f.marks.NextBreakPointJump();
    QCOMPARE(f.caret(), qMakePair(100, 4));
    f.marks.NextBreakPointJump();
    QCOMPARE(f.caret(), qMakePair(100, 4));
    f.marks.PreviousBreakPointJump();
    QCOMPARE(f.caret(), qMakePair(10, 4));
    f.marks.PreviousBreakPointJump();
    f.marks.PreviousBreakPointJump();
    QCOMPARE(f.caret(), qMakePair(9, 4));
}

void TestBreakpoints::clearingMarks()
{
    MarksFixture f;
    f.setAt(3);
    f.setAt(12);
    f.editor.setCaret(7, 5);
    f.marks.toggleBookmark(2);

    // Nothing on the caret's line: nothing changes.
    f.editor.setCaret(8, 1);
    f.marks.ClearBreakPoint();
    QCOMPARE(f.marks.lines(), (QList<int> {3, 12, 7}));

    f.editor.setCaret(12, 2);
    f.marks.ClearBreakPoint();
    QCOMPARE(f.marks.lines(), (QList<int> {3, 7}));
    QVERIFY(!f.editor.hasMarker(12, BreakpointMarks::BreakpointMarker));

    // Set breakpoint replaces every mark of its line, a bookmark too.
    f.setAt(7, 2);
    QCOMPARE(f.marks.lines(), (QList<int> {3, 7}));
    QCOMPARE(f.marks.bookmarkLine(2), 0);

    f.editor.setCaret(7, 6);
    f.marks.Fjernallbokmerker1Click();
    QVERIFY(f.marks.lines().isEmpty());
    QVERIFY(f.editor.markerLines(BreakpointMarks::BreakpointMarker).isEmpty());
    QCOMPARE(f.caret(), qMakePair(7, 6));
}

void TestBreakpoints::placementOrderKeptWhenEditsMoveLines()
{
    MarksFixture f(20);
    f.setAt(15);
    f.setAt(4);
    f.editor.setCaret(10, 1);
    f.marks.toggleBookmark(1);
    QCOMPARE(f.marks.lines(), (QList<int> {15, 4, 10}));

    // Three lines in above line 4, one line out between 4 and 10.
    f.editor.setCaret(2, 1);
    f.editor.insertAtCaret("a\nb\nc\n");
    f.editor.setSelection(8, 1, 9, 1);
    f.editor.insertAtCaret(QString());
    QCOMPARE(f.marks.lines(), (QList<int> {17, 7, 12}));
    QCOMPARE(f.marks.SorterBreakPoints(), (QList<int> {7, 12, 17}));
    QCOMPARE(f.marks.bookmarkLine(1), 12);
    QCOMPARE(f.editor.line(7), QStringLiteral("line 4"));
}

void TestBreakpoints::numberedBookmarkKeys()
{
    DocumentFixture f;
    QVERIFY(f.marks);
    f.editor()->setCaret(20, 1);
    f.marks->SetBreakpoint();

    f.editor()->setCaret(6, 4);
    f.key(Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(f.marks->bookmarkLine(3), 6);
    QVERIFY(f.editor()->hasMarker(6, BreakpointMarks::FirstBookmarkMarker + 3));
    QCOMPARE(f.editor()->line(6), QStringLiteral("line 6")); // the key typed nothing
    QCOMPARE(f.marks->lines(), (QList<int> {20, 6}));        // key releases left it a bookmark

    // Set again elsewhere: it moves.
    f.editor()->setCaret(12, 2);
    f.key(Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(f.marks->bookmarkLine(3), 12);
    QVERIFY(!f.editor()->hasMarker(6, BreakpointMarks::FirstBookmarkMarker + 3));

    // Ctrl+3 goes to its line and column.
    f.editor()->setCaret(1, 1);
    f.key(Qt::Key_3, Qt::ControlModifier);
    QCOMPARE(f.editor()->caretLine(), 12);
    QCOMPARE(f.editor()->caretColumn(), 2);
    f.key(Qt::Key_7, Qt::ControlModifier); // not set: the caret stays
    QCOMPARE(f.editor()->caretLine(), 12);

    // Next and Previous visit it like any breakpoint.
    f.editor()->setCaret(1, 5);
    f.main->action("Nextbookmark1")->trigger();
    QCOMPARE(f.editor()->caretLine(), 12);
    f.main->action("Nextbookmark1")->trigger();
    QCOMPARE(f.editor()->caretLine(), 20);
    f.main->action("Previousbookmark1")->trigger();
    QCOMPARE(f.editor()->caretLine(), 12);

    // Toggled on its own line: gone.
    f.key(Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(f.marks->bookmarkLine(3), 0);
    QCOMPARE(f.marks->lines(), (QList<int> {20}));
}

void TestBreakpoints::keyReleaseMovesABreakpointToTheCaret()
{
    DocumentFixture f;
    f.editor()->setCaret(4, 1);
    f.marks->SetBreakpoint();
    f.editor()->setCaret(9, 1);
    f.marks->SetBreakpoint();
    f.editor()->setCaret(9, 3);
    f.key(Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(f.marks->lines(), (QList<int> {4, 9, 9}));

    // Typing on line 4 re-places its breakpoint at the caret, last in order.
    f.editor()->setCaret(4, 7);
    f.key(Qt::Key_X, Qt::NoModifier);
    QCOMPARE(f.editor()->line(4), QStringLiteral("line 4x"));
    QCOMPARE(f.marks->lines(), (QList<int> {9, 9, 4}));
    QCOMPARE(f.marks->marks().last().column, 8);

    // On line 9 the bookmark stays beside the moved breakpoint.
    f.editor()->setCaret(9, 5);
    f.key(Qt::Key_Right, Qt::NoModifier);
    QCOMPARE(f.marks->bookmarkLine(1), 9);
    QCOMPARE(f.marks->marks().last().column, 6);

    // A line without a breakpoint: no mark appears.
    f.editor()->setCaret(15, 1);
    f.key(Qt::Key_Y, Qt::NoModifier);
    QVERIFY(!f.marks->IsBookmarkAtLine(15));
}

void TestBreakpoints::bookmarkKeyMapping_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("digit");
    QTest::addColumn<bool>("toggle");
    const int ctrl = Qt::ControlModifier;
    const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("Ctrl+0") << int(Qt::Key_0) << ctrl << 0 << false;
    QTest::newRow("Ctrl+Shift+9") << int(Qt::Key_9) << ctrlShift << 9 << true;
    QTest::newRow("Ctrl+Shift+sign of 3") << int(Qt::Key_NumberSign) << ctrlShift << 3 << true;
    QTest::newRow("Ctrl+Shift+sign of 0") << int(Qt::Key_ParenRight) << ctrlShift << 0 << true;
    QTest::newRow("keypad 5") << int(Qt::Key_5) << int(ctrl | Qt::KeypadModifier) << 5 << false;
    QTest::newRow("digit alone") << int(Qt::Key_4) << 0 << -1 << false;
    QTest::newRow("Alt+Ctrl+4") << int(Qt::Key_4) << int(ctrl | Qt::AltModifier) << -1 << false;
    QTest::newRow("Ctrl+letter") << int(Qt::Key_N) << ctrl << -1 << false;
    QTest::newRow("Ctrl+sign without Shift") << int(Qt::Key_NumberSign) << ctrl << -1 << false;
}

void TestBreakpoints::bookmarkKeyMapping()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, digit);
    QFETCH(bool, toggle);
    QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
    bool set = false;
    QCOMPARE(BreakpointCommands::bookmarkKey(&event, &set), digit);
    QCOMPARE(set, toggle);
}

void TestBreakpoints::commandsAndBindings()
{
    DocumentFixture f;
    // The Debugging menu in its order, the items of the three debugger features.
    QStringList names;
    for (QAction *a : f.main->actions().menu("Debugging1")->actions())
        names << a->objectName();
    QCOMPARE(names,
             (QStringList {"Startdebug1", "Stopdebug1", "Nextinstruction1", "Setbreakpoint1",
                           "Deletebreakpoint1", "Variabletracker1"}));
    QCOMPARE(f.main->action("Setbreakpoint1")->text(), QStringLiteral("Set breakpoint"));
    QCOMPARE(f.main->action("Deletebreakpoint1")->text(), QStringLiteral("Delete breakpoint"));

    auto button = [&](const char *name) {
        return f.main->findChild<QToolButton *>(QLatin1String(name));
    };
    for (const char *name :
         {"SpeedButton45", "SpeedButton2", "JavaNextBreakpoint", "JavaPreviousBreakpoint"})
        QVERIFY2(f.page(Page::Java)->isAncestorOf(button(name)), name);
    for (const char *name : {"GeneralNextBreakpoint", "GeneralPreviousBreakpoint"})
        QVERIFY2(f.page(Page::General)->isAncestorOf(button(name)), name);
    QCOMPARE(button("SpeedButton45")->toolTip(), QStringLiteral("Set breakpoint"));
    QCOMPARE(button("SpeedButton2")->toolTip(), QStringLiteral("Clear breakpoint"));

    // Each way of setting, jumping and clearing, on the active document.
    f.editor()->setCaret(3, 1);
    button("SpeedButton45")->click();
    f.editor()->setCaret(8, 1);
    f.main->action("Setbreakpoint1")->trigger();
    f.editor()->setCaret(14, 1);
    f.doc->popupAction("Setbookmark1")->trigger();
    f.editor()->setCaret(20, 1);
    f.doc->popupMenu("Debugging1")->findChild<QAction *>("Setbreakpoint1")->trigger();
    QCOMPARE(f.marks->lines(), (QList<int> {3, 8, 14, 20}));

    f.editor()->setCaret(1, 1);
    button("JavaNextBreakpoint")->click();
    button("GeneralNextBreakpoint")->click();
    f.doc->popupAction("Nextbreakpoint1")->trigger();
    QCOMPARE(f.editor()->caretLine(), 14);
    button("GeneralPreviousBreakpoint")->click();
    f.doc->popupAction("Previousbreakboint1")->trigger();
    QCOMPARE(f.editor()->caretLine(), 3);
    button("JavaPreviousBreakpoint")->click();
    QCOMPARE(f.editor()->caretLine(), 3);

    button("SpeedButton2")->click();
    f.editor()->setCaret(8, 1);
    f.main->action("Deletebreakpoint1")->trigger();
    QCOMPARE(f.marks->lines(), (QList<int> {14, 20}));
    f.editor()->setCaret(14, 1);
    f.doc->popupAction("Clearbookmark1")->trigger();
    QCOMPARE(f.marks->lines(), (QList<int> {20}));

    // The clear-breakpoints menu drops down from "Clear breakpoint".
    QMenu *clear = button("SpeedButton2")->menu();
    QVERIFY(clear);
    QStringList items;
    for (QAction *a : clear->actions())
        items << a->text();
    QCOMPARE(items, (QStringList {"Breakpoint at current line only", "All breakpoints"}));
    f.editor()->setCaret(20, 1);
    clear->actions().at(0)->trigger();
    QVERIFY(f.marks->lines().isEmpty());
    f.marks->SetBreakpoint();
    f.editor()->setCaret(2, 1);
    f.marks->SetBreakpoint();
    clear->actions().at(1)->trigger();
    QVERIFY(f.marks->lines().isEmpty());
    QVERIFY(!f.doc->popupAction("Fjernallbokmerker1")->isVisible());

    // Without a document every command does nothing.
    QVERIFY(ShellFixture::closeWindow(f.doc));
    QTRY_VERIFY(!f.active());
    for (const char *name :
         {"Setbreakpoint1", "Deletebreakpoint1", "Nextbookmark1", "Previousbookmark1"})
        f.main->action(name)->trigger();
    clear->actions().at(1)->trigger();
}

QTEST_MAIN(TestBreakpoints)
#include "tst_breakpoints.moc"
