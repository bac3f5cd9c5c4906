// The main window's spell checker: start-up, the commands and the active document.
#include "FakePrompter.h"
#include "ShellFixture.h"
#include "TempProgramFolder.h"
#include "app/Features.h"
#include "editor/EditorAdapter.h"
#include "shell/EditFrmUnit.h"
#include "shell/Main.h"
#include "shell/help/HelpCommands.h"
#include "spelling/DrawAutoSpellCheckPlugin.h"
#include "spelling/SpellCheck.h"
#include "spelling/SpellCheckCommands.h"
#include "spelling/SpellCheckFeature.h"
#include "spelling/SpellCheckUnit.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

class TestMainSpellCheck : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUp();
    void missingLanguageAtStartUp();
    void menuAndPopupCommands();
    void followsTheActiveDocument();
    void underlinesTheActiveDocument();
    void longLine();

private:
    void start(const QByteArray &ini);
    TEditForm *newTextDocument()
    {
        m_main->action("Textfile1")
            ->trigger(); // a text document has no highlighter: every word counts
        return m_main->GetActiveEditor();
    }

    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<FakePrompter> m_prompter;
    std::unique_ptr<TMainForm> m_main;
    Features *m_root = nullptr;
    QStringList m_asked;
};

void TestMainSpellCheck::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    QVERIFY(m_folder->writeFile("dictionaries/english.1-0-0.dic", "hello\nworld\nfine\n"));
    m_prompter = std::make_unique<FakePrompter>();
    m_asked.clear();
}

void TestMainSpellCheck::cleanup()
{
    m_main.reset();
    m_prompter.reset();
    m_folder.reset();
}

void TestMainSpellCheck::start(const QByteArray &ini)
{
    if (!ini.isEmpty())
        QVERIFY(m_folder->writeFile("qmEditor.ini", ini));
    // No tip window at start-up: only the spelling messages are looked at.
    HelpCommands::setStartUpTipsAllowed(false);
    m_main = std::make_unique<TMainForm>(QStringList(), makeFeatures(&m_root));
    HelpCommands::setStartUpTipsAllowed(true);
    m_main->createHiddenForms();
    m_main->resize(900, 600);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    fireTimer(m_main.get(), "OneTimeTimer");
    m_root->spelling->commands()->setExecDialog([this](TSpellCheckFrm &dlg) {
        m_asked.append(dlg.editUnknown->text());
        return int(TSpellCheckFrm::mrNo);
    });
}

void TestMainSpellCheck::startUp()
{
    start("[SpellCheck]\r\nUnderlineColor=clBlue\r\nIgnoreSingleChar=1\r\n");
    TSpellCheck *checker = m_root->spelling->checker();
    QCOMPARE(checker->objectName(), QStringLiteral("SpellChecker1"));
    QCOMPARE(checker->parent(), m_main.get());
    QVERIFY(checker->openDictionary());
    QCOMPARE(checker->dictionaryPath(), m_folder->path() + "dictionaries/");
    QCOMPARE(checker->penColor(), TColor::clBlue);
    QVERIFY(checker->options().testFlag(TSpellCheck::sscoIgnoreSingleChars));
    QVERIFY(checker->options().testFlag(TSpellCheck::sscoSuggestWords));
    QVERIFY(SpellCheckFrm);
    QCOMPARE(SpellCheckFrm->windowTitle(), QStringLiteral("Spell check"));
    QCOMPARE(m_root->spelling->checker(), checker); // made once
}

void TestMainSpellCheck::missingLanguageAtStartUp()
{
    start("[SpellCheck]\r\nDictLanguage=Klingon\r\nUnderlineColor=clGreen\r\n");
    TSpellCheck *checker = m_root->spelling->checker();
    QVERIFY(!checker->openDictionary());
    QCOMPARE(checker->penColor(), TColor::clGreen);
    QVERIFY(m_prompter->calls.isEmpty());

    // Asked to check, the command says which language was not found.
    QVERIFY(newTextDocument());
    m_main->SkrivTekstenTilEditor("helo");
    m_main->action("Spellcheck1")->trigger();
    QCOMPARE(m_prompter->texts(),
             QStringList({"The dictionary for the language \"Klingon\" was not found."}));
}

void TestMainSpellCheck::menuAndPopupCommands()
{
    start({});
    QAction *command = m_main->action("Spellcheck1");
    QVERIFY(command);
    QCOMPARE(command->text(), QStringLiteral("Spell check.."));

    TEditForm *doc = newTextDocument();
    QVERIFY(doc);
    m_main->SkrivTekstenTilEditor("helo world\nfien");
    doc->SynEdit1->setCaret(2, 3);
    command->trigger(); // from the caret on
    QCOMPARE(m_asked, QStringList({"fien"}));
    QCOMPARE(m_prompter->texts(), QStringList({"Spell check done!"}));
    QCOMPARE(doc->SynEdit1->caretLine(), 2);
    QCOMPARE(doc->SynEdit1->caretColumn(), 3);

    QAction *popupItem = doc->PopupMenu1->findChild<QAction *>("Spellcheck1");
    if (!popupItem)
        popupItem = doc->popupAction("Spellcheck1");
    QVERIFY(popupItem);
    QCOMPARE(popupItem->text(), QStringLiteral("Spellcheck document.."));
    m_asked.clear();
    doc->SynEdit1->setCaret(1, 1);
    popupItem->trigger();
    QCOMPARE(m_asked, QStringList({"helo", "fien"}));
}

void TestMainSpellCheck::followsTheActiveDocument()
{
    start({});
    TSpellCheck *checker = m_root->spelling->checker();
    TEditForm *first = newTextDocument();
    QCOMPARE(checker->editor(), first->SynEdit1);
    TEditForm *second = newTextDocument();
    QCOMPARE(checker->editor(), second->SynEdit1);
    m_main->action("Close1")->trigger();
    QTRY_COMPARE(int(m_main->documentWindows().size()), 1);
    QTRY_COMPARE(checker->editor(), first->SynEdit1);
    m_main->action("Close1")->trigger();
    QTRY_COMPARE(int(m_main->documentWindows().size()), 0);
    QCOMPARE(checker->editor(), nullptr);
}

void TestMainSpellCheck::underlinesTheActiveDocument()
{
    start({});
    TEditForm *doc = newTextDocument();
    m_main->SkrivTekstenTilEditor("hello wrold");
    TSpellCheck *checker = m_root->spelling->checker();
    TDrawAutoSpellCheckPlugin *plugin = checker->pluginOf(doc->SynEdit1);
    QVERIFY(plugin);
    QTRY_COMPARE(plugin->underlined().size(), 1);
    QCOMPARE(plugin->underlined().first().column, 7);
}

// A document of one line of a megabyte of unknown words, as minified script looks: the view
// scrolled to its far right, a key typed at its end and a click into it each take a moment,
// not the time of reading every word of the line, and the words in view are underlined.
void TestMainSpellCheck::longLine()
{
    start({});
    QByteArray text;
    while (text.size() < (1 << 20))
        text += "qzv xkcdq, ";
    text += "wrold";
    QVERIFY(m_folder->writeFile("long.txt", text));
    TEditForm *doc = m_main->LoadFile(m_folder->filePath("long.txt"));
    QVERIFY(doc);
    EditorAdapter *editor = doc->editor();
    TDrawAutoSpellCheckPlugin *plugin = m_root->spelling->checker()->pluginOf(editor);
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
