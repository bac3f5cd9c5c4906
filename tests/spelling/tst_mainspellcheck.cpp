// The spell-check feature on its host: start-up, the commands, the active document and its
// underline; and once in the main window, its menu and pop-up items.
#include "FakeFeatureHost.h"
#include "FakePrompter.h"
#include "ShellFixture.h"
#include "editor/EditorAdapter.h"
#include "spelling/DrawAutoSpellCheckPlugin.h"
#include "spelling/SpellCheck.h"
#include "spelling/SpellCheckCommands.h"
#include "spelling/SpellCheckFeature.h"
#include "spelling/SpellCheckUnit.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace {

// The words the command's dialog is shown for (each ignored) go to asked.
void answerIgnore(SpellCheckFeature &feature, QStringList &asked)
{
    feature.commands()->setExecDialog([&asked](TSpellCheckFrm &dlg) {
        asked.append(dlg.editUnknown->text());
        return int(TSpellCheckFrm::mrNo);
    });
}

} // namespace

class TestMainSpellCheck : public QObject
{
    Q_OBJECT

private slots:
    void menuAndPopupItemsInTheMainWindow();
    void missingLanguageAtStartUp();
    void followsAndUnderlinesTheActiveDocument();
    void documentsOutliveTheFeature();
    void longLine();
};

void TestMainSpellCheck::menuAndPopupItemsInTheMainWindow()
{
    ShellFixture f("[SpellCheck]\r\nUnderlineColor=clBlue\r\n");
    QVERIFY(f.folder.writeFile("dictionaries/english.1-0-0.dic", "hello\nworld\n"));
    TMainForm *main = f.start();
    SpellCheckFeature *feature = f.features().spelling;
    QCOMPARE(feature->checker()->parent(), main);
    QCOMPARE(feature->checker()->penColor(), TColor::clBlue); // set up at start-up
    QStringList asked;
    answerIgnore(*feature, asked);

    main->action("Textfile1")->trigger(); // a text document: every word counts
    EditorAdapter *editor = f.active()->editor();
    editor->setText("helo world\nfien");
    editor->setCaret(2, 3);
    QAction *command = main->action("Spellcheck1");
    QCOMPARE(command->text(), QStringLiteral("Spell check.."));
    command->trigger(); // from the caret on
    QCOMPARE(asked, QStringList({"fien"}));
    QCOMPARE(f.prompter.texts(), QStringList({"Spell check done!"}));
    QCOMPARE(editor->caretLine(), 2);
    QCOMPARE(editor->caretColumn(), 3);

    QAction *popupItem = f.active()->popupAction("Spellcheck1");
    QCOMPARE(popupItem->text(), QStringLiteral("Spellcheck document.."));
    asked.clear();
    editor->setCaret(1, 1);
    popupItem->trigger();
    QCOMPARE(asked, QStringList({"helo", "fien"}));
}

void TestMainSpellCheck::missingLanguageAtStartUp()
{
    FakeFeatureHost host("[SpellCheck]\r\nDictLanguage=Klingon\r\n");
    QVERIFY(host.folder.writeFile("dictionaries/english.1-0-0.dic", "hello\n"));
    FakePrompter prompter;
    SpellCheckFeature feature(host);
    feature.setUp();
    QVERIFY(!feature.checker()->openDictionary());
    QVERIFY(prompter.calls.isEmpty());

    // Asked to check, the command says which language was not found.
    host.open("notes.txt", "helo");
    host.actions().action("Spellcheck1")->trigger();
    QCOMPARE(prompter.texts(),
             QStringList({"The dictionary for the language \"Klingon\" was not found."}));
}

void TestMainSpellCheck::followsAndUnderlinesTheActiveDocument()
{
    FakeFeatureHost host;
    QVERIFY(host.folder.writeFile("dictionaries/english.1-0-0.dic", "hello\n"));
    SpellCheckFeature feature(host);
    feature.setUp();
    TSpellCheck *checker = feature.checker();
    FakeDocument *first = host.open("a.txt", "hello wrold");
    QCOMPARE(checker->editor(), first->editor());
    TDrawAutoSpellCheckPlugin *plugin = checker->pluginOf(first->editor());
    QVERIFY(plugin);
    QTRY_COMPARE(plugin->underlined().size(), 1);
    QCOMPARE(plugin->underlined().first().column, 7);

    FakeDocument *second = host.open("b.txt");
    QCOMPARE(checker->editor(), second->editor());
    host.close(second);
    QCOMPARE(checker->editor(), first->editor());
    host.close(first);
    QCOMPARE(checker->editor(), nullptr);
}

// The checker belongs to the window and outlives the feature: documents activated and closed
// after the feature is gone reach none of its code and leave the checker as it was.
void TestMainSpellCheck::documentsOutliveTheFeature()
{
    FakeFeatureHost host;
    const int handlersBefore = host.documentHandlers();
    FakeDocument *first = host.open("a.txt", "hello");
    TSpellCheck *checker = nullptr;
    {
        auto feature = std::make_unique<SpellCheckFeature>(host);
        checker = feature->checker();
    }
    FakeDocument *second = host.open("b.txt", "wrold");
    QCOMPARE(host.documentHandlers(), handlersBefore);
    QCOMPARE(checker->editor(), first->editor());
    host.close(first);
    QVERIFY(!checker->editor());
    host.close(second);
}

// A document of one line of a megabyte of unknown words, as minified script looks: the view
// scrolled to its far right, a key typed at its end and a click into it each take a moment,
// not the time of reading every word of the line, and the words in view are underlined.
void TestMainSpellCheck::longLine()
{
    FakeFeatureHost host;
    QVERIFY(host.folder.writeFile("dictionaries/english.1-0-0.dic", "hello\n"));
    SpellCheckFeature feature(host);
    feature.setUp();
    QString text;
    while (text.size() < (1 << 20))
        text += "qzv xkcdq, ";
    text += "wrold";
    EditorAdapter *editor = host.open("long.txt", text)->editor();
    host.window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(host.window()));
    TDrawAutoSpellCheckPlugin *plugin = feature.checker()->pluginOf(editor);
    QVERIFY(plugin);
    const auto lastUnderlined = [plugin] {
        const QList<TDrawAutoSpellCheckPlugin::Underline> words = plugin->underlined();
        return words.isEmpty() ? QPoint() : QPoint(words.last().column, words.last().length);
    };
    QTRY_VERIFY(!plugin->underlined().isEmpty());
    const int wrold = int(text.size()) - 4;
    constexpr int Moment = 5000; // milliseconds; reading every word took minutes

    QElapsedTimer timer;
    timer.start();
    editor->setCaret(1, wrold + 5);
    QTRY_COMPARE(lastUnderlined(), QPoint(wrold, 5));
    QCOMPARE_LT(timer.restart(), Moment);
    QTest::keyClick(editor->widget(), Qt::Key_S);
    QTRY_COMPARE(lastUnderlined(), QPoint(wrold, 6));
    QCOMPARE_LT(timer.restart(), Moment);
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {},
                      QPoint(editor->viewport()->width() / 2, 5));
    QCoreApplication::processEvents();
    QCOMPARE_LT(timer.elapsed(), Moment);
    QCOMPARE(lastUnderlined(), QPoint(wrold, 6));
}

QTEST_MAIN(TestMainSpellCheck)
#include "tst_mainspellcheck.moc"
