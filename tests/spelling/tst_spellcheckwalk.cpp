// The document check through the commands, the dialog and the prompter seam.
#include "FakePrompter.h"
#include "TestFiles.h"
#include "editor/EditorAdapter.h"
#include "editor/highlighting/Highlighter.h"
#include "spelling/SimpleComboBox.h"
#include "spelling/SpellCheck.h"
#include "spelling/SpellCheckCommands.h"
#include "spelling/SpellCheckSetup.h"
#include "spelling/SpellCheckUnit.h"

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
    void walk_data();
    void walk();
    void noDictionaryIsReported();
    void ignoreAllAndAddLastBeyondTheWalk();
    void selectionAndStartOptions();

private:
    // Each answer: "change", "change:typed text", "ignore", "ignore all", "add" or "abort";
    // without answers left the dialog's close box is clicked.
    void run(const QString &text, const QStringList &answers);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QWidget> m_window;
    TSpellCheck *m_checker = nullptr;
    EditorAdapter *m_editor = nullptr;
    SpellCheckCommands *m_commands = nullptr;
    std::unique_ptr<FakePrompter> m_prompter;
    QStringList m_answers;
    QStringList m_seen;       // the unknown words shown
    QStringList m_selections; // the editor's selection as each was shown
};

void TestSpellCheckWalk::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(TestFiles::write(m_dir->filePath("english.1-0-0.dic"),
                             "hello\nworld\nthis\nis\nfine\nanother\nline\nfirst\nthe\n"));
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
    m_selections.clear();
    m_commands->setExecDialog([this](TSpellCheckFrm &dlg) {
        m_seen.append(dlg.editUnknown->text());
        m_selections.append(m_editor->selectedText());
        if (m_answers.isEmpty()) {
            dlg.reject();
            return dlg.result();
        }
        const QString answer = m_answers.takeFirst();
        if (answer.startsWith("change:"))
            dlg.SuggestionsCombo->setText(answer.section(u':', 1));
        const QHash<QString, QPushButton *> buttons {{"change", dlg.btnChange},
                                                     {"ignore", dlg.btnIgnore},
                                                     {"ignore all", dlg.btnIgnoreAll},
                                                     {"add", dlg.btnAdd},
                                                     {"abort", dlg.btnAbort}};
        buttons.value(answer.section(u':', 0, 0))->click();
        return dlg.result();
    });
}

void TestSpellCheckWalk::cleanup()
{
    m_prompter.reset();
    m_window.reset();
}

void TestSpellCheckWalk::run(const QString &text, const QStringList &answers)
{
    if (!text.isNull()) {
        m_editor->setText(text);
        m_editor->setCaret(1, 1);
    }
    m_answers = answers;
    m_commands->Spellcheck1Click();
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

void TestSpellCheckWalk::walk_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("caret"); // line, column
    QTest::addColumn<bool>("java");    // a Java highlighter: its comments and strings only
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("seen");
    QTest::addColumn<QString>("after"); // null: unchanged
    const QPoint start(1, 1);
    const QStringList none;
    QTest::newRow("empty document") << "  \n\n \t\n" << start << false << none << none << QString();
    QTest::newRow("every word of plain text") << "Helo world, thsi is fine.\nAnother lnie" << start
                                              << false << QStringList {"ignore", "ignore", "ignore"}
                                              << QStringList {"Helo", "thsi", "lnie"} << QString();
    QTest::newRow("typed replacements")
        << "Helo world, thsi is fine." << start << false
        << QStringList {"change:Hullo there", "change:this"} << QStringList {"Helo", "thsi"}
        << "Hullo there world, this is fine.";
    QTest::newRow("the replacement offered afresh for each word")
        << "qqq zzz" << start << false << QStringList {"change:XYZ", "change"}
        << QStringList {"qqq", "zzz"} << "XYZ zzz";
    // "there" is unknown too and has no suggestion; the case of the word is kept.
    QTest::newRow("change to the suggestion")
        << "Helo there" << start << false << QStringList {"change", "ignore"}
        << QStringList {"Helo", "there"} << "Hello there";
    QTest::newRow("from the word at the caret")
        << "qqq\nwww eee\n"
        << QPoint(2, 2) << false << QStringList {"ignore", "ignore"} << QStringList {"www", "eee"}
        << QString();
    QTest::newRow("abort stops") << "hello qqq www\nfine" << QPoint(1, 3) << false
                                 << QStringList {"abort"} << QStringList {"qqq"} << QString();
    QTest::newRow("last word before a delimiter once")
        << "first line\nzzq." << start << false << QStringList {"ignore"} << QStringList {"zzq"}
        << QString();
    QTest::newRow("close box ignores")
        << "qqq www" << start << false << none << QStringList {"qqq", "www"} << QString();
    QTest::newRow("Java comments and strings only")
        << "class Fooo { // a commnt\n  String s = \"strng\"; int wrnog; }\n"
        << start << true << none << QStringList {"commnt", "strng"} << QString();
}

void TestSpellCheckWalk::walk()
{
    QFETCH(QString, text);
    QFETCH(QPoint, caret);
    QFETCH(bool, java);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, seen);
    QFETCH(QString, after);
    Highlighter highlighter(Highlighter::Java);
    if (java)
        m_editor->setHighlighter(&highlighter);
    m_editor->setText(text);
    m_editor->setCaret(caret.x(), caret.y());
    QSignalSpy skipped(m_checker, &TSpellCheck::wordSkipped);
    QSignalSpy corrected(m_checker, &TSpellCheck::wordCorrected);
    QSignalSpy aborted(m_checker, &TSpellCheck::aborted);
    run(QString(), answers);
    m_editor->setHighlighter(nullptr);

    QCOMPARE(m_seen, seen);
    QCOMPARE(m_editor->text(), after.isNull() ? text : after);
    const bool abort = answers.contains("abort");
    QCOMPARE(m_prompter->texts(), abort ? QStringList() : QStringList {"Spell check done!"});
    if (!abort) {
        QCOMPARE(m_prompter->calls[0].caption, QStringLiteral("Information"));
        QCOMPARE(m_prompter->calls[0].icon, Prompter::Information);
    }
    QCOMPARE(corrected.size(), int(answers.filter("change").size()));
    QCOMPARE(aborted.size(), int(abort));
    QCOMPARE(skipped.size(), int(seen.size() - corrected.size() - aborted.size()));
    // The caret is back where the check started, without a selection.
    QCOMPARE(QPoint(m_editor->caretLine(), m_editor->caretColumn()), caret);
    QVERIFY(!m_editor->hasSelection());
    QVERIFY(!m_checker->busy());
}

void TestSpellCheckWalk::noDictionaryIsReported()
{
    m_checker->clearDictionary();
    run("helo", {});
    QVERIFY(m_seen.isEmpty());
    QCOMPARE(m_prompter->texts(), QStringList({"No dictionary is loaded."}));
    QCOMPARE(m_prompter->calls[0].icon, Prompter::Error);
}

void TestSpellCheckWalk::ignoreAllAndAddLastBeyondTheWalk()
{
    QSignalSpy added(m_checker, &TSpellCheck::wordAdded);
    run("zork blah zork blah", {"ignore all", "add"});
    QCOMPARE(m_seen, QStringList({"zork", "blah"}));
    QCOMPARE(added.count(), 1);
    QCOMPARE(m_checker->skipList(), QStringList({"zork"}));
    run(QString(), {});
    QCOMPARE(m_seen.size(), 2);
}

void TestSpellCheckWalk::selectionAndStartOptions()
{
    run("qqq hello wrold", {});
    // Without the options the word is not selected and the check starts at the top.
    m_checker->setOption(TSpellCheck::sscoSelectWord, false);
    m_checker->setOption(TSpellCheck::sscoStartFromCursor, false);
    m_editor->setCaret(1, 12);
    run(QString(), {});
    QCOMPARE(m_seen, QStringList({"qqq", "wrold", "qqq", "wrold"}));
    QCOMPARE(m_selections, QStringList({"qqq", "wrold", QString(), QString()}));
}

QTEST_MAIN(TestSpellCheckWalk)
#include "tst_spellcheckwalk.moc"
