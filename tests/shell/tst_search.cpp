// Find and replace in one document window, through its dialogs' buttons. Which text matches
// is tst_editorsearch's.
#include "ShellFixture.h"
#include "shell/commands/DocumentSearch.h"
#include "shell/commands/SearchDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

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
    void select(const Place &p) { editor.setSelection(p[0], p[1], p[2], p[3]); }
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

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT
private slots:
    void dialogs()
    {
        Window w("x");
        SearchDialog *find = w.search.findDialog();
        SearchDialog *replace = w.search.replaceDialog();
        QCOMPARE(find->objectName() + ' ' + replace->objectName(), "FindDialog1 ReplaceDialog1");
        QVERIFY(!find->isModal() && !replace->isModal() && find->down());
        auto texts = [](QWidget *d) {
            QStringList out;
            for (auto *l : d->findChildren<QLabel *>())
                out << l->text();
            for (auto *b : d->findChildren<QAbstractButton *>())
                out << b->text();
            out.sort();
            return out.join('|');
        };
        QCOMPARE(texts(find),
                 "Cancel|Down|Find Next|Find what:|Match case|Match whole word only|Up");
        QCOMPARE(texts(replace),
                 "Cancel|Find Next|Find what:|Match case|Match whole word only|"
                 "Replace|Replace All|Replace with:");

        // The search buttons wait for a text.
        auto *findNext = find->findChild<QPushButton *>("FindNextButton");
        QVERIFY(!findNext->isEnabled());
        find->setFindText("x");
        QVERIFY(findNext->isEnabled());
        // Texts and options last while the window does: Cancel only hides.
        find->setMatchCase(true);
        find->setDown(false);
        w.search.Soek();
        find->findChild<QPushButton *>("CancelButton")->click();
        QVERIFY(!find->isVisible());
        w.search.Soek();
        QVERIFY(find->isVisible() && w.search.findDialog() == find);
        QVERIFY(find->findText() == "x" && find->matchCase() && !find->down());
        find->hide();
    }

    void findNext_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("options"); // 1: match case, 2: whole word, 4: up
        QTest::addColumn<Place>("caret");
        QTest::addColumn<QList<Place>>("matches"); // in the order Find Next meets them
        auto row = [](const char *name, const char *what, int options, const Place &caret,
                      const QList<Place> &matches) {
            QTest::newRow(name) << QString(what) << options << caret << matches;
        };
        // Line 1 "one Two two", line 2 "twofold two", line 3 "TWO".
        row("down, any case", "two", 0, {1, 1},
            {{1, 5, 1, 8}, {1, 9, 1, 12}, {2, 1, 2, 4}, {2, 9, 2, 12}, {3, 1, 3, 4}});
        row("down, case", "two", 1, {1, 1}, {{1, 9, 1, 12}, {2, 1, 2, 4}, {2, 9, 2, 12}});
        row("down, whole word", "two", 2, {1, 10}, {{2, 9, 2, 12}, {3, 1, 3, 4}});
        row("down from the caret, no wrap", "one", 0, {1, 2}, {});
        row("up, any case", "two", 4, {2, 12},
            {{2, 9, 2, 12}, {2, 1, 2, 4}, {1, 9, 1, 12}, {1, 5, 1, 8}});
        row("up, case, whole word", "Two", 7, {3, 4}, {{1, 5, 1, 8}});
        row("up does not take a match the caret is in", "twofold", 4, {2, 4}, {});
    }
    void findNext()
    {
        QFETCH(QString, what);
        QFETCH(int, options);
        QFETCH(Place, caret);
        QFETCH(QList<Place>, matches);
        Window w("one Two two\ntwofold two\nTWO");
        w.editor.setCaret(caret[0], caret[1]);
        SearchDialog *d = w.find(what, options & 1, options & 2, !(options & 4));
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

    void emptyTextIsRefused()
    {
        Window w("abc");
        w.search.FinnNeste();
        QVERIFY(!w.search.FinnErstatt()); // the replace dialog's search alike
        const QString noText =
            "No search string has previously been defined. Can't search for empty text.";
        QCOMPARE(w.prompter.texts(), QStringList({noText, noText}));
        QCOMPARE(w.prompter.calls[0].kind, FakePrompter::MessageDlgCall);
        QCOMPARE(w.prompter.calls[0].icon, Prompter::Information);
        QCOMPARE(w.findNextState, 0);
    }

    void replaceAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Place>("selection"); // before Replace All
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("with");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, const char *text, const Place &selection, const char *what,
                      const char *with, const char *expected) {
            QTest::newRow(name) << QString(text) << selection << QString(what) << QString(with)
                                << QString(expected);
        };
        row("replacement holds the find text", "a b a\na", {1, 1, 1, 1}, "a", "aa", "aa b aa\naa");
        row("from the caret to the end, no wrap", "x1 x2 x3", {1, 3, 1, 3}, "x", "y", "x1 y2 y3");
        row("the selected match too", "ab ab ab", {1, 4, 1, 6}, "ab", "c", "ab c c");
        row("replaced by nothing", "aaaa", {1, 1, 1, 1}, "a", "", "");
        row("over lines", "foo\nfoo\n", {1, 1, 1, 1}, "foo", "bar\nbaz", "bar\nbaz\nbar\nbaz\n");
        row("nothing to find", "abc", {1, 2, 1, 3}, "z", "y", "abc");
    }
    void replaceAll()
    {
        QFETCH(QString, text);
        QFETCH(Place, selection);
        QFETCH(QString, what);
        QFETCH(QString, with);
        QFETCH(QString, expected);
        Window w(text);
        w.select(selection);
        QSignalSpy changed(&w.editor, &EditorAdapter::textChanged);
        QSignalSpy contents(&w.editor, &EditorAdapter::contentsChanged);
        w.replace(what, with)->ReplaceAllClick();
        QCOMPARE(w.editor.text(), expected);
        QVERIFY(w.prompter.calls.isEmpty()); // Replace All ends without a message
        if (text == expected) {              // and keeps the selection when it replaced nothing
            QCOMPARE(w.selection(), selection);
            return;
        }
        // One step: one change, one undo.
        QVERIFY(changed.size() == 1 && contents.size() == 1);
        w.editor.undo();
        QCOMPARE(w.editor.text(), text);
    }

    // Replace takes the selected match; Replace again repeats the last replace, after
    // Replace All all the matches that follow.
    void replaceAndReplaceAgain()
    {
        Window w("cat cat\ndog");
        SearchDialog *d = w.replace("cat", "cow");
        d->ReplaceClick(); // no selection: nothing
        QCOMPARE(w.editor.text(), "cat cat\ndog");
        d->FindNextClick();
        QCOMPARE(w.selection(), (Place {1, 1, 1, 4}));
        d->ReplaceClick();
        w.search.replaceAgain();
        QCOMPARE(w.editor.text(), "cow cow\ndog");
        QVERIFY(w.prompter.calls.isEmpty());

        // Nothing left: the message, and the user's selection stays as it is.
        w.select({2, 1, 2, 4});
        w.search.replaceAgain();
        QCOMPARE(w.prompter.texts(), QStringList {"Searchtext 'cat' not found"});
        QCOMPARE(w.editor.text(), "cow cow\ndog");
        QCOMPARE(w.selection(), (Place {2, 1, 2, 4}));

        w.editor.setText("x cat cat cat");
        w.editor.setCaret(1, 1);
        d->ReplaceAllClick(); // sets the mode
        w.editor.setText("x cat cat cat");
        w.editor.setCaret(1, 1);
        w.prompter.calls.clear();
        w.search.replaceAgain();
        QCOMPARE(w.editor.text(), "x cow cow cow");
        QVERIFY(w.prompter.calls.isEmpty());
    }

    void foldsCaseInTheMainWindow_data()
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
    // Without "Match case", letters outside ASCII are found and replaced whatever their case,
    // in a document read as Latin-1 or as UTF-8.
    void foldsCaseInTheMainWindow()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        QFETCH(QString, replacedByE);
        ShellFixture f;
        TMainForm *main = f.start({"qmeditor", f.write("words.txt", file)});
        EditorAdapter *editor = f.active()->editor();
        // Types into a dialog's field one character at a time, letters beyond Latin-1 too.
        auto type = [main](const char *dialog, const char *field, const QString &text) {
            auto *edit = main->findChild<QDialog *>(dialog)->findChild<QLineEdit *>(field);
            for (QChar c : text)
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), {});
        };
        auto click = [main](const char *dialog, const char *button) {
            main->findChild<QDialog *>(dialog)->findChild<QPushButton *>(button)->click();
        };

        f.trigger("Find1");
        type("FindDialog1", "FindText", typed);
        click("FindDialog1", "FindNextButton");
        QCOMPARE(editor->selectedText(), found.value(0));
        if (found.size() > 1) {
            f.trigger("FindNext1");
            QCOMPARE(editor->selectedText(), found.value(1));
        }
        editor->setCaret(1, 1);
        f.trigger("Replace1");
        type("ReplaceDialog1", "FindText", typed);
        type("ReplaceDialog1", "ReplaceText", "e");
        click("ReplaceDialog1", "ReplaceAllButton");
        QCOMPARE(editor->text(), replacedByE);
        // "Replace again" searches alike.
        editor->undo();
        editor->setCaret(1, 1);
        f.trigger("Replaceagain1");
        QCOMPARE(editor->text(), replacedByE);
        QCOMPARE(f.prompter.texts(), QStringList());
    }
};

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
