// Find and replace in one document window, through its dialogs' buttons.
#include "FakePrompter.h"
#include "ShellFixture.h"
#include "editor/EditorAdapter.h"
#include "shell/commands/DocumentSearch.h"
#include "shell/commands/SearchDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using Place = QList<int>; // line, column of the selection's start; line, column of its end

namespace {

struct Window {
    FakePrompter prompter;
    QWidget widget;
    EditorAdapter editor {&widget};
    int findNextState = -1; // -1: never set
    DocumentSearch search {&editor, &widget, [this](bool on) { findNextState = on ? 1 : 0; }};

    explicit Window(const QString &text)
    {
        editor.setText(text);
        editor.setCaret(1, 1);
    }
    Place selection() const
    {
        int l1, c1, l2, c2;
        editor.selectionBounds(&l1, &c1, &l2, &c2);
        return {l1, c1, l2, c2};
    }
    SearchDialog *find(const QString &text, bool matchCase = false, bool wholeWord = false,
                       bool down = true)
    {
        SearchDialog *d = search.findDialog();
        d->setFindText(text);
        d->setMatchCase(matchCase);
        d->setWholeWord(wholeWord);
        d->setDown(down);
        return d;
    }
    SearchDialog *replace(const QString &text, const QString &with)
    {
        SearchDialog *d = search.replaceDialog();
        d->setFindText(text);
        d->setReplaceText(with);
        return d;
    }
};

const QString kNoText =
    QStringLiteral("No search string has previously been defined. Can't search for empty text.");

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT
private slots:
    void dialogs();
    void findNext_data();
    void findNext();
    void emptyTextIsRefused();
    void replaceAll_data();
    void replaceAll();
    void replaceAllIsOneStep();
    void replaceSelection();
    void replaceAgain();
    void foldsCaseInTheMainWindow_data();
    void foldsCaseInTheMainWindow();
};

void TestSearch::dialogs()
{
    Window w(QStringLiteral("x"));
    SearchDialog *find = w.search.findDialog();
    SearchDialog *replace = w.search.replaceDialog();
    QCOMPARE(find->objectName(), QStringLiteral("FindDialog1"));
    QCOMPARE(replace->objectName(), QStringLiteral("ReplaceDialog1"));
    QVERIFY(!find->isModal() && !replace->isModal());

    auto texts = [](QWidget *d) {
        QStringList out;
        for (auto *l : d->findChildren<QLabel *>())
            out << l->text();
        for (auto *b : d->findChildren<QAbstractButton *>())
            out << b->text();
        out.sort();
        return out;
    };
    QCOMPARE(texts(find),
             QStringList({"Cancel", "Down", "Find Next", "Find what:", "Match case",
                          "Match whole word only", "Up"}));
    QCOMPARE(texts(replace),
             QStringList({"Cancel", "Find Next", "Find what:", "Match case",
                          "Match whole word only", "Replace", "Replace All", "Replace with:"}));
    QVERIFY(find->down());

    // The search buttons wait for a text.
    auto *findNext = find->findChild<QPushButton *>(QStringLiteral("FindNextButton"));
    QVERIFY(!findNext->isEnabled());
    find->setFindText(QStringLiteral("x"));
    QVERIFY(findNext->isEnabled());

    // Texts and options last while the window does: Cancel only hides.
    find->setMatchCase(true);
    find->setDown(false);
    w.search.Soek();
    QVERIFY(find->isVisible());
    find->findChild<QPushButton *>(QStringLiteral("CancelButton"))->click();
    QVERIFY(!find->isVisible());
    w.search.Soek();
    QCOMPARE(w.search.findDialog(), find);
    QCOMPARE(find->findText(), QStringLiteral("x"));
    QVERIFY(find->matchCase() && !find->down());
    find->hide();
}

void TestSearch::findNext_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<bool>("down");
    QTest::addColumn<Place>("caret");
    QTest::addColumn<QList<Place>>("matches"); // in the order Find Next meets them

    // Line 1 "one Two two", line 2 "twofold two", line 3 "TWO".
    QTest::newRow("down, any case")
        << "two" << false << false << true << Place {1, 1}
        << QList<Place> {{1, 5, 1, 8}, {1, 9, 1, 12}, {2, 1, 2, 4}, {2, 9, 2, 12}, {3, 1, 3, 4}};
    QTest::newRow("down, case") << "two" << true << false << true << Place {1, 1}
                                << QList<Place> {{1, 9, 1, 12}, {2, 1, 2, 4}, {2, 9, 2, 12}};
    QTest::newRow("down, whole word") << "two" << false << true << true << Place {1, 10}
                                      << QList<Place> {{2, 9, 2, 12}, {3, 1, 3, 4}};
    QTest::newRow("down from the caret, no wrap")
        << "one" << false << false << true << Place {1, 2} << QList<Place> {};
    QTest::newRow("up, any case") << "two" << false << false << false << Place {2, 12}
                                  << QList<Place> {
                                         {2, 9, 2, 12}, {2, 1, 2, 4}, {1, 9, 1, 12}, {1, 5, 1, 8}};
    QTest::newRow("up, case, whole word")
        << "Two" << true << true << false << Place {3, 4} << QList<Place> {{1, 5, 1, 8}};
    QTest::newRow("up does not take a match the caret is in")
        << "twofold" << false << false << false << Place {2, 4} << QList<Place> {};
}

void TestSearch::findNext()
{
    QFETCH(QString, what);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(bool, down);
    QFETCH(Place, caret);
    QFETCH(QList<Place>, matches);

    Window w(QStringLiteral("one Two two\ntwofold two\nTWO"));
    w.editor.setCaret(caret[0], caret[1]);
    SearchDialog *d = w.find(what, matchCase, wholeWord, down);
    for (const Place &match : matches) {
        d->FindNextClick();
        QCOMPARE(w.selection(), match);
        QCOMPARE(w.findNextState, 1);
    }
    QVERIFY(w.prompter.calls.isEmpty());
    const Place last = w.selection();
    d->FindNextClick();
    QCOMPARE(w.prompter.texts(), QStringList {"Searchtext '" + what + "' not found"});
    QCOMPARE(w.prompter.calls[0].icon, Prompter::Information);
    QCOMPARE(w.findNextState, 0);
    QCOMPARE(w.selection(), last);
}

void TestSearch::emptyTextIsRefused()
{
    Window w(QStringLiteral("abc"));
    w.search.FinnNeste();
    QCOMPARE(w.prompter.texts(), QStringList {kNoText});
    QCOMPARE(w.prompter.calls[0].kind, FakePrompter::MessageDlgCall);
    QCOMPARE(w.prompter.calls[0].icon, Prompter::Information);
    QCOMPARE(w.findNextState, 0);
    // The replace dialog's search alike.
    QVERIFY(!w.search.FinnErstatt());
    QCOMPARE(w.prompter.texts().last(), kNoText);
}

void TestSearch::replaceAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Place>("selection"); // before Replace All
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("with");
    QTest::addColumn<QString>("expected");

    QTest::newRow("replacement holds the find text") << "a b a\na" << Place {1, 1, 1, 1} << "a"
                                                     << "aa"
                                                     << "aa b aa\naa";
    QTest::newRow("from the caret to the end, no wrap") << "x1 x2 x3" << Place {1, 3, 1, 3} << "x"
                                                        << "y"
                                                        << "x1 y2 y3";
    QTest::newRow("the selected match too") << "ab ab ab" << Place {1, 4, 1, 6} << "ab"
                                            << "c"
                                            << "ab c c";
    QTest::newRow("replaced by nothing") << "aaaa" << Place {1, 1, 1, 1} << "a"
                                         << ""
                                         << "";
    QTest::newRow("over lines") << "foo\nfoo\n"
                                << Place {1, 1, 1, 1} << "foo"
                                << "bar\nbaz"
                                << "bar\nbaz\nbar\nbaz\n";
    QTest::newRow("nothing to find") << "abc" << Place {1, 2, 1, 3} << "z"
                                     << "y"
                                     << "abc";
}

void TestSearch::replaceAll()
{
    QFETCH(QString, text);
    QFETCH(Place, selection);
    QFETCH(QString, what);
    QFETCH(QString, with);
    QFETCH(QString, expected);

    Window w(text);
    w.editor.setSelection(selection[0], selection[1], selection[2], selection[3]);
    w.replace(what, with)->ReplaceAllClick();
    QCOMPARE(w.editor.text(), expected);
    QVERIFY(w.prompter.calls.isEmpty()); // Replace All ends without a message
    if (text == expected)                // and keeps the selection when it replaced nothing
        QCOMPARE(w.selection(), selection);
}

void TestSearch::replaceAllIsOneStep()
{
    Window w(QStringLiteral("a a a a"));
    QSignalSpy changed(&w.editor, &EditorAdapter::textChanged);
    QSignalSpy contents(&w.editor, &EditorAdapter::contentsChanged);
    w.replace(QStringLiteral("a"), QStringLiteral("bb"))->ReplaceAllClick();
    QCOMPARE(w.editor.text(), QStringLiteral("bb bb bb bb"));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(contents.size(), 1);
    w.editor.undo();
    QCOMPARE(w.editor.text(), QStringLiteral("a a a a"));
}

void TestSearch::replaceSelection()
{
    Window w(QStringLiteral("one two"));
    SearchDialog *d = w.replace(QStringLiteral("two"), QStringLiteral("2"));
    d->ReplaceClick(); // no selection: nothing
    QCOMPARE(w.editor.text(), QStringLiteral("one two"));
    d->FindNextClick();
    QCOMPARE(w.selection(), (Place {1, 5, 1, 8}));
    d->ReplaceClick();
    QCOMPARE(w.editor.text(), QStringLiteral("one 2"));
    QVERIFY(w.prompter.calls.isEmpty());
}

void TestSearch::replaceAgain()
{
    Window w(QStringLiteral("cat cat\ndog"));
    SearchDialog *d = w.replace(QStringLiteral("cat"), QStringLiteral("cow"));
    d->FindNextClick();
    d->ReplaceClick();
    w.search.replaceAgain();
    QCOMPARE(w.editor.text(), QStringLiteral("cow cow\ndog"));

    // Nothing left: the message, and the user's selection stays as it is.
    w.editor.setSelection(2, 1, 2, 4);
    w.search.replaceAgain();
    QCOMPARE(w.prompter.texts(), QStringList {"Searchtext 'cat' not found"});
    QCOMPARE(w.editor.text(), QStringLiteral("cow cow\ndog"));
    QCOMPARE(w.selection(), (Place {2, 1, 2, 4}));

    // After "Replace All" it replaces all that follow, the one it found first too.
    w.editor.setText(QStringLiteral("x cat cat cat"));
    w.editor.setCaret(1, 1);
    d->ReplaceAllClick(); // sets the mode
    w.editor.setText(QStringLiteral("x cat cat cat"));
    w.editor.setCaret(1, 1);
    w.prompter.calls.clear();
    w.search.replaceAgain();
    QCOMPARE(w.editor.text(), QStringLiteral("x cow cow cow"));
    QVERIFY(w.prompter.calls.isEmpty());
}

void TestSearch::foldsCaseInTheMainWindow_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found"); // by the dialog's Find Next, then the menu's
    QTest::addColumn<QString>("replacedByE");

    QTest::newRow("Latin-1 file") << QByteArray("caf\xe9 \xe9t\xe9 CAF\xc9") << "\u00c9"
                                  << QStringList {"\u00e9", "\u00e9"} << "cafe ete CAFe";
    QTest::newRow("UTF-8 file") << QByteArray("b\xc3\xa4r B\xc3\x84R") << "\u00e4"
                                << QStringList {"\u00e4", "\u00c4"} << "ber BeR";
    QTest::newRow("Greek")
        << QString("\u03a3\u039f\u03a6\u039f\u03a3 \u03c3\u03bf\u03c6\u03cc\u03c2").toUtf8()
        << "\u03c3\u03bf\u03c6\u038c\u03a3" << QStringList {"\u03c3\u03bf\u03c6\u03cc\u03c2"}
        << "\u03a3\u039f\u03a6\u039f\u03a3 e";
}

// Without "Match case", letters outside ASCII are found and replaced whatever their case, in a
// document read as Latin-1 or as UTF-8.
void TestSearch::foldsCaseInTheMainWindow()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    QFETCH(QString, replacedByE);

    ShellFixture f("[Tips]\r\ndoShow=0\r\n");
    TMainForm *main = f.start({QStringLiteral("qmeditor"), f.write("words.txt", file)});
    EditorAdapter *editor = f.active()->editor();
    auto type = [](QWidget *dialog, const char *field, const QString &text) {
        auto *edit = dialog->findChild<QLineEdit *>(QLatin1String(field));
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), {});
    };
    auto click = [](QWidget *dialog, const char *button) {
        dialog->findChild<QPushButton *>(QLatin1String(button))->click();
    };

    main->action("Find1")->trigger();
    auto *find = main->findChild<QDialog *>(QStringLiteral("FindDialog1"));
    type(find, "FindText", typed);
    click(find, "FindNextButton");
    QCOMPARE(editor->selectedText(), found.value(0));
    if (found.size() > 1) {
        main->action("FindNext1")->trigger();
        QCOMPARE(editor->selectedText(), found.value(1));
    }
    QCOMPARE(f.prompter.texts(), QStringList());

    editor->setCaret(1, 1);
    main->action("Replace1")->trigger();
    auto *replace = main->findChild<QDialog *>(QStringLiteral("ReplaceDialog1"));
    type(replace, "FindText", typed);
    type(replace, "ReplaceText", "e");
    click(replace, "ReplaceAllButton");
    QCOMPARE(editor->text(), replacedByE);
    // "Replace again" searches alike.
    editor->undo();
    editor->setCaret(1, 1);
    main->action("Replaceagain1")->trigger();
    QCOMPARE(editor->text(), replacedByE);
    QCOMPARE(f.prompter.texts(), QStringList());
}

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
