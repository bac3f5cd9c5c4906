// The Options dialog's "Shortcuts" page, its "Change shortcut" dialog (answered through the
// dialog's exec function) and what OK writes and applies.
#include "OptionsKit.h"
#include "settings/options/OptionsShortcutPage.h"
#include "settings/shortcuts/NewShortcutFrm.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

class TestShortcutPage : public QObject
{
    Q_OBJECT
private slots:
    void firstOpeningShowsTheDefaults();
    void changeDialog();
    void refusals_data();
    void refusals();
    void emptiedRowsAndCancel();
    void noRowSelected();
    void okWritesTheTableAndAppliesIt();
    void okWithoutChangesKeepsTheSavedTable();
    void changeSurvivesAPageSwitch();
    void shownRowsReadBothSections();
};

namespace {

const QString refusal = QStringLiteral(
    "Can't insert this shortcut, it already exists somewhere else in the program (keeping old)!");

// An answer of the change dialog: records what it showed, types text and presses OK (or Cancel).
std::function<int(QDialog &)> answer(const QString &text, QStringList *shown = nullptr,
                                     bool ok = true)
{
    return [text, shown, ok](QDialog &d) {
        auto *dialog = qobject_cast<TNewShortcutFrm *>(&d);
        if (!dialog)
            return int(QDialog::Rejected);
        if (shown)
            *shown << dialog->windowTitle() << dialog->Label2->text() << dialog->Edit1->text();
        dialog->Edit1->setText(text);
        (ok ? dialog->Button1 : dialog->Button2)->click();
        return dialog->result();
    };
}

QString cell(OptionsShortcutPage *page, int row)
{
    return page->LbShortcutList->topLevelItem(row)->text(1);
}

void select(OptionsShortcutPage *page, int row)
{
    QTreeWidgetItem *item = page->LbShortcutList->topLevelItem(row);
    page->LbShortcutList->setCurrentItem(item);
    item->setSelected(true);
}

QKeySequence keyOf(TMainForm *m, const char *name)
{
    return m->action(QLatin1String(name))->shortcut();
}

QKeySequence key(const char *portable)
{
    return QKeySequence(QLatin1String(portable), QKeySequence::PortableText);
}

} // namespace

void TestShortcutPage::firstOpeningShowsTheDefaults()
{
    OptionsKit f;
    f.start();
    TOptionsFrm *d = f.open();
    OptionsShortcutPage *page = d->TabSheet4;
    QCOMPARE(d->PageControl1->tabText(d->PageControl1->indexOf(page)), QStringLiteral("Shortcuts"));
    QTreeWidget *list = page->LbShortcutList;
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("Menu item"));
    QCOMPARE(list->headerItem()->text(1), QStringLiteral("Shortcut"));
    QCOMPARE(list->columnWidth(0), 240);
    QCOMPARE(list->columnWidth(1), 92);
    QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(page->Button7->text(), QStringLiteral("Change.."));
    QCOMPARE(list->topLevelItemCount(), 89);
    const struct {
        int row;
        const char *text;
        const char *shortcut;
    } rows[] = {{0, "File: Close", ""},
                {2, "File: Load", "Ctrl+L"},
                {11, "File: Print", "Shift+Ctrl+P"},
                {51, "View: Special characters", "Alt+F1"},
                {83, "Window: Windows explorer ", ""},
                {88, "Window: View in browser (html documents only)", "Ctrl+G"}};
    for (const auto &r : rows) {
        QCOMPARE(list->topLevelItem(r.row)->text(0), QLatin1String(r.text));
        QCOMPARE(cell(page, r.row), QLatin1String(r.shortcut));
    }
    QVERIFY(!d->ShortcutsChanged);
}

void TestShortcutPage::changeDialog()
{
    OptionsKit f;
    f.start();
    TOptionsFrm *d = f.open();
    OptionsShortcutPage *page = d->TabSheet4;
    QStringList shown;

    // A row without a shortcut: "NONE SPESIFIED", an empty edit box.
    select(page, 0);
    f.subDialogs << answer(QStringLiteral("  Ctrl+K "), &shown);
    page->Button7->click();
    QCOMPARE(shown, QStringList({"Change shortcut", "NONE SPESIFIED", ""}));
    QCOMPARE(cell(page, 0), QStringLiteral("Ctrl+K")); // kept as typed, trimmed
    QVERIFY(d->ShortcutsChanged);

    // A row with one: its text in the label and, trimmed, in the edit box. The list's
    // double-click does the same as "Change..".
    shown.clear();
    select(page, 2);
    f.subDialogs << answer(QStringLiteral("ctrl+shift+l"), &shown);
    emit page->LbShortcutList->itemDoubleClicked(page->LbShortcutList->topLevelItem(2), 0);
    QCOMPARE(shown, QStringList({"Change shortcut", "Ctrl+L", "Ctrl+L"}));
    QCOMPARE(cell(page, 2), QStringLiteral("ctrl+shift+l"));
    QVERIFY(f.prompter.calls.isEmpty());

    // A text that names no key is taken as it is, without a word.
    select(page, 4);
    f.subDialogs << answer(QStringLiteral("Ctrl+Foo"));
    page->Button7->click();
    QCOMPARE(cell(page, 4), QStringLiteral("Ctrl+Foo"));
    QVERIFY(f.prompter.calls.isEmpty());
}

void TestShortcutPage::refusals_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    // Row 14 holds "Ctrl+Q", row 11 "Shift+Ctrl+P", row 2 "Ctrl+L".
    QTest::newRow("another row's key, other case and blanks") << 0 << "  ctrl+q  ";
    QTest::newRow("another row's key with ^") << 0 << "^Q";
    QTest::newRow("prefixes in another order") << 0 << "Ctrl+Shift+P";
    QTest::newRow("the row's own text") << 2 << "Ctrl+L";
    QTest::newRow("the row's own key in other case") << 2 << "CTRL+l";
}

void TestShortcutPage::refusals()
{
    QFETCH(int, row);
    QFETCH(QString, text);
    OptionsKit f;
    f.start();
    TOptionsFrm *d = f.open();
    OptionsShortcutPage *page = d->TabSheet4;
    const QStringList before = page->shortcutTexts();
    select(page, row);
    f.subDialogs << answer(text);
    page->Button7->click();
    QCOMPARE(f.prompter.calls.size(), 1);
    QCOMPARE(f.prompter.calls[0].text, refusal);
    QCOMPARE(f.prompter.calls[0].caption, QStringLiteral("Information"));
    QCOMPARE(f.prompter.calls[0].icon, Prompter::Information);
    QCOMPARE(f.prompter.calls[0].buttons, Prompter::OkButton);
    QCOMPARE(page->shortcutTexts(), before);
    QVERIFY(d->ShortcutsChanged); // the change dialog's OK counts, refused or not
}

void TestShortcutPage::emptiedRowsAndCancel()
{
    OptionsKit f;
    f.start();
    TOptionsFrm *d = f.open();
    OptionsShortcutPage *page = d->TabSheet4;

    // Cancel: nothing changes, not even the flag.
    select(page, 15);
    f.subDialogs << answer(QStringLiteral("Ctrl+K"), nullptr, false);
    page->Button7->click();
    QCOMPARE(cell(page, 15), QStringLiteral("Ctrl+S"));
    QVERIFY(!d->ShortcutsChanged);

    // Two rows emptied: an empty text is never a duplicate.
    f.subDialogs << answer(QStringLiteral("   ")) << answer(QString());
    select(page, 15);
    page->Button7->click();
    select(page, 16);
    page->Button7->click();
    QCOMPARE(cell(page, 15), QString());
    QCOMPARE(cell(page, 16), QString());
    QVERIFY(f.prompter.calls.isEmpty());

    QVERIFY(OptionsKit::ok(d));
    QCOMPARE(f.stored("ShortCutList", "15"), QString());
    QCOMPARE(f.stored("ShortCutList", "16"), QString());
    QVERIFY(keyOf(f.main.get(), "Save1").isEmpty());
    QVERIFY(keyOf(f.main.get(), "SaveAs1").isEmpty());
}

void TestShortcutPage::noRowSelected()
{
    OptionsKit f;
    f.start();
    TOptionsFrm *d = f.open();
    OptionsShortcutPage *page = d->TabSheet4;
    f.subDialogs << answer(QStringLiteral("Ctrl+K"));
    page->LbShortcutList->clearSelection();
    page->Button7->click();
    page->LbShortcutListDblClick();
    QVERIFY(f.subDialogTitles.isEmpty());
    QCOMPARE(page->shortcutTexts().count(QStringLiteral("Ctrl+K")), 0);
    QVERIFY(!d->ShortcutsChanged);
}

void TestShortcutPage::okWritesTheTableAndAppliesIt()
{
    OptionsKit f;
    TMainForm *m = f.start();
    TOptionsFrm *d = f.open();
    OptionsShortcutPage *page = d->TabSheet4;
    select(page, 0);
    f.subDialogs << answer(QStringLiteral("Ctrl+K")) << answer(QString());
    page->Button7->click();
    select(page, 2);
    page->Button7->click();
    QVERIFY(OptionsKit::ok(d));

    QCOMPARE(f.stored("ShortCutList", "DefaultList"), QStringLiteral("0"));
    const QStringList expected {"Ctrl+K",
                                "",
                                "",
                                "Ctrl+J",
                                "",
                                "Ctrl+H",
                                "Alt+X",
                                "",
                                "",
                                "",
                                "Alt+Z",
                                "Shift+Ctrl+P",
                                "",
                                "Ctrl+O",
                                "Ctrl+Q",
                                "Ctrl+S",
                                "Shift+Ctrl+S",
                                "",
                                "Ctrl+Z",
                                "Shift+Ctrl+Z",
                                "Ctrl+V",
                                "Ctrl+X",
                                "Ctrl+A",
                                "",
                                "Ctrl+C",
                                "",
                                "",
                                "",
                                "",
                                "F2",
                                "",
                                "Ctrl+M",
                                "Ctrl+B",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "Ctrl+F",
                                "F3",
                                "Ctrl+R",
                                "Shift+Ctrl+R",
                                "Ctrl+N",
                                "Ctrl+P",
                                "",
                                "F4",
                                "Alt+F1",
                                "F7",
                                "F10",
                                "",
                                "F11",
                                "",
                                "",
                                "",
                                "",
                                "F12",
                                "F8",
                                "F9",
                                "Ctrl+W",
                                "Ctrl+E",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "F5",
                                "F6",
                                "Ctrl+G"};
    QCOMPARE(expected.size(), 89);
    for (int i = 0; i < 89; ++i)
        QCOMPARE(f.stored("ShortCutList", QString::number(i)), expected.at(i));
    QCOMPARE(f.stored("ShortCutList", "89"), QStringLiteral("<none>"));
    // The main menu follows at once.
    QCOMPARE(keyOf(m, "Close1"), key("Ctrl+K"));
    QVERIFY(keyOf(m, "Load1").isEmpty());
    QCOMPARE(keyOf(m, "Save1"), key("Ctrl+S"));

    // The next opening shows the saved table.
    d = f.open();
    QCOMPARE(cell(d->TabSheet4, 0), QStringLiteral("Ctrl+K"));
    QCOMPARE(cell(d->TabSheet4, 2), QString());
    QCOMPARE(cell(d->TabSheet4, 3), QStringLiteral("Ctrl+J"));
}

void TestShortcutPage::okWithoutChangesKeepsTheSavedTable()
{
    // A saved table with row 15 missing: the page shows it empty and OK writes it so, while
    // the menu, not applied again, keeps what start-up gave it.
    OptionsKit f("[ShortCutList]\r\nDefaultList=0\r\n0=Ctrl+K\r\n2=\r\n14=Ctrl+Q\r\n");
    TMainForm *m = f.start();
    QCOMPARE(keyOf(m, "Close1"), key("Ctrl+K"));
    QVERIFY(keyOf(m, "Load1").isEmpty());
    QCOMPARE(keyOf(m, "Save1"), key("Ctrl+S"));

    TOptionsFrm *d = f.open(); // the Shortcuts page never shown
    QCOMPARE(d->PageControl1->currentIndex(), 0);
    QVERIFY(OptionsKit::ok(d));
    QCOMPARE(f.stored("ShortCutList", "0"), QStringLiteral("Ctrl+K"));
    QCOMPARE(f.stored("ShortCutList", "2"), QString());
    QCOMPARE(f.stored("ShortCutList", "3"), QString());
    QCOMPARE(f.stored("ShortCutList", "14"), QStringLiteral("Ctrl+Q"));
    QCOMPARE(f.stored("ShortCutList", "15"), QString());
    QCOMPARE(keyOf(m, "Save1"), key("Ctrl+S"));
}

void TestShortcutPage::changeSurvivesAPageSwitch()
{
    OptionsKit f("[ShortCutList]\r\nDefaultList=0\r\n0=Ctrl+K\r\n");
    f.start();
    TOptionsFrm *d = f.open();
    OptionsShortcutPage *page = d->TabSheet4;
    d->PageControl1->setCurrentWidget(page);
    QCOMPARE(cell(page, 0), QStringLiteral("Ctrl+K"));
    select(page, 1);
    f.subDialogs << answer(QStringLiteral("Alt+K"));
    page->Button7->click();
    d->PageControl1->setCurrentIndex(0);
    d->PageControl1->setCurrentWidget(page);
    QCOMPARE(cell(page, 0), QStringLiteral("Ctrl+K"));
    QCOMPARE(cell(page, 1), QStringLiteral("Alt+K"));
    QVERIFY(OptionsKit::ok(d));
    QCOMPARE(f.stored("ShortCutList", "1"), QStringLiteral("Alt+K"));
    QCOMPARE(keyOf(f.main.get(), "Closeall2"), key("Alt+K"));
}

void TestShortcutPage::shownRowsReadBothSections()
{
    // "Shortcuts" gives the rows' first texts; a saved table goes over them.
    OptionsKit unsaved("[Shortcuts]\r\n0=F1\r\n2=Alt+L\r\n");
    unsaved.start();
    TOptionsFrm *d = unsaved.open();
    QCOMPARE(cell(d->TabSheet4, 0), QStringLiteral("F1"));
    QCOMPARE(cell(d->TabSheet4, 2), QStringLiteral("Alt+L"));
    QCOMPARE(cell(d->TabSheet4, 3), QStringLiteral("Ctrl+J"));
    // The main window does not read "Shortcuts".
    QCOMPARE(keyOf(unsaved.main.get(), "Load1"), key("Ctrl+L"));

    OptionsKit saved("[Shortcuts]\r\n0=F1\r\n[ShortCutList]\r\nDefaultList=0\r\n3=Alt+J\r\n");
    saved.start();
    d = saved.open();
    QCOMPARE(cell(d->TabSheet4, 0), QString());
    QCOMPARE(cell(d->TabSheet4, 3), QStringLiteral("Alt+J"));
}

QTEST_MAIN(TestShortcutPage)
#include "tst_shortcutpage.moc"
