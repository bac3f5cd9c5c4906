// The document check through the commands, the dialog and the prompter seam.
#include "FakePrompter.h"
#include "editor/EditorAdapter.h"
#include "editor/highlighting/Highlighter.h"
#include "spelling/SimpleComboBox.h"
#include "spelling/SpellCheck.h"
#include "spelling/SpellCheckCommands.h"
#include "spelling/SpellCheckSetup.h"
#include "spelling/SpellCheckUnit.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestSpellCheckWalk : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogLayout();
    void emptyDocumentIsDoneAtOnce();
    void noDictionaryIsReported();
    void everyWordOfPlainText();
    void changeWithTypedText();
    void replacementStartsFreshForEachWord();
    void changeToSuggestion();
    void ignoreAllAndAddLastBeyondTheWalk();
    void abortStopsAndRestoresCaret();
    void startsFromCaret();
    void lastWordBeforeDelimiterOnce();
    void javaCommentsAndStringsOnly();
    void closeBoxIgnores();
    void unknownWordIsSelected();

private:
    struct Answer {
        TSpellCheckFrm::Result button;
        QString typed; // null: leave the replacement as offered
    };
    struct Seen {
        QString word;
        QStringList suggestions;
        QString replacement;
        QString selection;
    };
    void setText(const QString &text);
    void run(const QList<Answer> &answers);
    QStringList seenWords() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QWidget> m_window;
    TSpellCheck *m_checker = nullptr;
    EditorAdapter *m_editor = nullptr;
    SpellCheckCommands *m_commands = nullptr;
    std::unique_ptr<FakePrompter> m_prompter;
    QList<Answer> m_answers;
    QList<Seen> m_seen;
    bool m_closeBox = false;
};

void TestSpellCheckWalk::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QFile f(m_dir->filePath("english.1-0-0.dic"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("hello\nworld\nthis\nis\nfine\nanother\nline\nfirst\nthe\n");
    f.close();

    m_window = std::make_unique<QWidget>();
    m_checker = SpellCheckSetup::createMainSpellChecker(m_window.get());
    m_checker->setDictionaryPath(m_dir->path());
    m_checker->setUserDirectory(m_dir->path());
    QVERIFY(m_checker->loadDictionary("english"));
    m_editor = new EditorAdapter(m_window.get());
    m_commands = new SpellCheckCommands(
        m_checker, [this] { return m_editor; }, m_window.get());
    m_prompter = std::make_unique<FakePrompter>();
    m_seen.clear();
    m_closeBox = false;
    m_commands->setExecDialog([this](TSpellCheckFrm &dlg) {
        m_seen.append({dlg.editUnknown->text(), dlg.SuggestionsCombo->items(),
                       dlg.SuggestionsCombo->text(), m_editor->selectedText()});
        if (m_answers.isEmpty() || m_closeBox) {
            dlg.reject();
            return dlg.result();
        }
        const Answer a = m_answers.takeFirst();
        if (!a.typed.isNull())
            dlg.SuggestionsCombo->setText(a.typed);
        const QList<QPushButton *> buttons = {dlg.btnChange, dlg.btnIgnore, dlg.btnIgnoreAll,
                                              dlg.btnAdd, dlg.btnAbort};
        for (QPushButton *b : buttons) {
            const int r = b == dlg.btnChange ? TSpellCheckFrm::mrOk
                : b == dlg.btnIgnore         ? TSpellCheckFrm::mrNo
                : b == dlg.btnIgnoreAll      ? TSpellCheckFrm::mrNoToAll
                : b == dlg.btnAdd            ? TSpellCheckFrm::mrAll
                                             : TSpellCheckFrm::mrAbort;
            if (r == a.button)
                b->click();
        }
        return dlg.result();
    });
}

void TestSpellCheckWalk::cleanup()
{
    m_prompter.reset();
    m_window.reset();
}

void TestSpellCheckWalk::setText(const QString &text)
{
    m_editor->setText(text);
    m_editor->setCaret(1, 1);
}

void TestSpellCheckWalk::run(const QList<Answer> &answers)
{
    m_answers = answers;
    m_commands->Spellcheck1Click();
}

QStringList TestSpellCheckWalk::seenWords() const
{
    QStringList out;
    for (const Seen &s : m_seen)
        out.append(s.word);
    return out;
}

void TestSpellCheckWalk::dialogLayout()
{
    TSpellCheckFrm dlg;
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Spell check"));
    QCOMPARE(dlg.size(), QSize(432, 243));
    const QStringList texts {dlg.lbUnknown->text(),    dlg.lbSuggestions->text(),
                             dlg.btnChange->text(),    dlg.btnIgnore->text(),
                             dlg.btnIgnoreAll->text(), dlg.btnAdd->text(),
                             dlg.btnAbort->text()};
    QCOMPARE(texts,
             QStringList({"Unknown word:", "Suggestions:", "&Change", "&Ignore", "I&gnore All",
                          "&Add", "&Abort"}));
}

void TestSpellCheckWalk::emptyDocumentIsDoneAtOnce()
{
    setText("  \n\n \t\n");
    run({});
    QVERIFY(m_seen.isEmpty());
    QCOMPARE(m_prompter->calls.size(), 1);
    QCOMPARE(m_prompter->calls[0].caption, QStringLiteral("Information"));
    QCOMPARE(m_prompter->calls[0].text, QStringLiteral("Spell check done!"));
    QCOMPARE(m_prompter->calls[0].icon, Prompter::Information);
    QVERIFY(!m_checker->busy());
}

void TestSpellCheckWalk::noDictionaryIsReported()
{
    m_checker->clearDictionary();
    setText("helo");
    run({});
    QVERIFY(m_seen.isEmpty());
    QCOMPARE(m_prompter->texts(), QStringList({"No dictionary is loaded."}));
    QCOMPARE(m_prompter->calls[0].icon, Prompter::Error);
}

void TestSpellCheckWalk::everyWordOfPlainText()
{
    setText("Helo world, thsi is fine.\nAnother lnie");
    QSignalSpy skipped(m_checker, &TSpellCheck::wordSkipped);
    run({{TSpellCheckFrm::mrNo, {}}, {TSpellCheckFrm::mrNo, {}}, {TSpellCheckFrm::mrNo, {}}});
    QCOMPARE(seenWords(), QStringList({"Helo", "thsi", "lnie"}));
    QCOMPARE(skipped.count(), 3);
    QCOMPARE(m_prompter->texts(), QStringList({"Spell check done!"}));
    QCOMPARE(m_editor->text(), QStringLiteral("Helo world, thsi is fine.\nAnother lnie"));
    QCOMPARE(m_editor->caretLine(), 1);
    QCOMPARE(m_editor->caretColumn(), 1);
    QVERIFY(!m_editor->hasSelection());
}

void TestSpellCheckWalk::changeWithTypedText()
{
    setText("Helo world, thsi is fine.");
    QSignalSpy corrected(m_checker, &TSpellCheck::wordCorrected);
    run({{TSpellCheckFrm::mrOk, "Hullo there"}, {TSpellCheckFrm::mrOk, "this"}});
    QCOMPARE(seenWords(), QStringList({"Helo", "thsi"}));
    QCOMPARE(m_editor->line(1), QStringLiteral("Hullo there world, this is fine."));
    QCOMPARE(corrected.count(), 2);
    QCOMPARE(corrected.at(0).at(1).toString(), QStringLiteral("Hullo there"));
}

void TestSpellCheckWalk::replacementStartsFreshForEachWord()
{
    setText("qqq zzz");
    run({{TSpellCheckFrm::mrOk, "XYZ"}, {TSpellCheckFrm::mrOk, {}}});
    QCOMPARE(seenWords(), QStringList({"qqq", "zzz"}));
    QCOMPARE(m_seen[1].replacement, QStringLiteral("zzz"));
    QCOMPARE(m_editor->line(1), QStringLiteral("XYZ zzz"));
}

void TestSpellCheckWalk::changeToSuggestion()
{
    setText("Helo there"); // "there" is unknown too, and has no suggestion
    run({{TSpellCheckFrm::mrOk, {}}, {TSpellCheckFrm::mrNo, {}}});
    QCOMPARE(m_seen[0].suggestions, QStringList({"Hello"})); // the case of the word kept
    QCOMPARE(m_seen[0].replacement, QStringLiteral("Hello"));
    QCOMPARE(m_editor->line(1), QStringLiteral("Hello there"));
}

void TestSpellCheckWalk::ignoreAllAndAddLastBeyondTheWalk()
{
    setText("zork blah zork blah");
    QSignalSpy added(m_checker, &TSpellCheck::wordAdded);
    run({{TSpellCheckFrm::mrNoToAll, {}}, {TSpellCheckFrm::mrAll, {}}});
    QCOMPARE(seenWords(), QStringList({"zork", "blah"}));
    QCOMPARE(added.count(), 1);
    QCOMPARE(m_checker->skipList(), QStringList({"zork"}));

    m_seen.clear();
    run({});
    QVERIFY(m_seen.isEmpty());
    QCOMPARE(m_prompter->texts(), QStringList({"Spell check done!", "Spell check done!"}));
}

void TestSpellCheckWalk::abortStopsAndRestoresCaret()
{
    setText("hello qqq www\nfine");
    m_editor->setCaret(1, 3);
    QSignalSpy aborted(m_checker, &TSpellCheck::aborted);
    run({{TSpellCheckFrm::mrAbort, {}}});
    QCOMPARE(seenWords(), QStringList({"qqq"}));
    QCOMPARE(aborted.count(), 1);
    QVERIFY(m_prompter->calls.isEmpty());
    QCOMPARE(m_editor->caretLine(), 1);
    QCOMPARE(m_editor->caretColumn(), 3);
    QVERIFY(!m_editor->hasSelection());
    QVERIFY(!m_checker->busy());
}

void TestSpellCheckWalk::startsFromCaret()
{
    setText("qqq\nwww eee\n");
    m_editor->setCaret(2, 2); // inside "www": the check starts with that word
    run({{TSpellCheckFrm::mrNo, {}}, {TSpellCheckFrm::mrNo, {}}});
    QCOMPARE(seenWords(), QStringList({"www", "eee"}));
    QCOMPARE(m_editor->caretLine(), 2);
    QCOMPARE(m_editor->caretColumn(), 2);

    // Without the option the check starts at the top.
    m_seen.clear();
    m_checker->setOption(TSpellCheck::sscoStartFromCursor, false);
    run({});
    QCOMPARE(seenWords(), QStringList({"qqq", "www", "eee"}));
}

void TestSpellCheckWalk::lastWordBeforeDelimiterOnce()
{
    setText("first line\nzzq.");
    run({{TSpellCheckFrm::mrNo, {}}});
    QCOMPARE(seenWords(), QStringList({"zzq"}));
    QCOMPARE(m_prompter->texts(), QStringList({"Spell check done!"}));
}

void TestSpellCheckWalk::javaCommentsAndStringsOnly()
{
    Highlighter java(Highlighter::Java);
    m_editor->setHighlighter(&java);
    setText("class Fooo { // a commnt\n  String s = \"strng\"; int wrnog; }\n");
    run({});
    QCOMPARE(seenWords(), QStringList({"commnt", "strng"}));
    m_editor->setHighlighter(nullptr);
}

void TestSpellCheckWalk::closeBoxIgnores()
{
    setText("qqq www");
    m_closeBox = true;
    run({});
    QCOMPARE(seenWords(), QStringList({"qqq", "www"}));
    QCOMPARE(m_editor->line(1), QStringLiteral("qqq www"));
}

void TestSpellCheckWalk::unknownWordIsSelected()
{
    setText("hello wrold");
    run({{TSpellCheckFrm::mrNo, {}}});
    QCOMPARE(m_seen[0].selection, QStringLiteral("wrold"));
    m_checker->setOption(TSpellCheck::sscoSelectWord, false);
    m_seen.clear();
    run({{TSpellCheckFrm::mrNo, {}}});
    QCOMPARE(m_seen[0].selection, QString());
}

QTEST_MAIN(TestSpellCheckWalk)
#include "tst_spellcheckwalk.moc"
