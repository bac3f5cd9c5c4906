// The start-up set-up of the main window's spell checker from the settings file.
#include "FakePrompter.h"
#include "TempProgramFolder.h"
#include "settings/store/AppSettings.h"
#include "spelling/SpellCheck.h"
#include "spelling/SpellCheckSetup.h"

#include <QTest>

class TestSpellCheckSetup : public QObject
{
    Q_OBJECT

private slots:
    void mainCheckerDefaults();
    void defaultsWithoutSettings();
    void settingsApplied();
    void missingLanguageStillAppliesTheRest();
    void noDictionaries();
    void askedLanguageNotFound();
};

void TestSpellCheckSetup::mainCheckerDefaults()
{
    QObject owner;
    TSpellCheck *c = SpellCheckSetup::createMainSpellChecker(&owner);
    QCOMPARE(c->objectName(), QStringLiteral("SpellChecker1"));
    QCOMPARE(c->algorithm(), TSpellCheck::haSoundEx);
    QCOMPARE(c->penColor(), TColor::clRed);
    QCOMPARE(c->checkAttribs(), QStringList({"Comment", "Text", "String", "Documentation"}));
    QCOMPARE(c->apostrophes(), QStringLiteral("'`\u00b4"));
    QVERIFY(!c->options().testFlag(TSpellCheck::sscoGoUp));
    QVERIFY(c->options().testFlag(TSpellCheck::sscoStartFromCursor));
}

void TestSpellCheckSetup::defaultsWithoutSettings()
{
    TempProgramFolder home;
    QVERIFY(home.writeFile("dictionaries/english.1-0-0.dic", "hello\n"));
    TSpellCheck c;
    c.setOptions(TSpellCheck::sscoIgnoreSingleChars | TSpellCheck::sscoSelectWord);
    const AppSettings ini(home.filePath("qmEditor.ini"));
    QCOMPARE(SpellCheckSetup::applyStartupSettings(c, ini, home.path()), QString());
    QCOMPARE(c.dictionaryPath(), home.path() + "dictionaries/");
    QCOMPARE(c.userDirectory(), home.path() + "dictionaries/");
    QVERIFY(c.openDictionary());
    QCOMPARE(c.language().name, QStringLiteral("english"));
    QVERIFY(c.isWordCorrect(u"Hello"));
    QCOMPARE(c.penColor(), TColor::clRed);
    QCOMPARE(c.options(), TSpellCheck::sscoAutoSpellCheck | TSpellCheck::sscoSelectWord);
}

void TestSpellCheckSetup::settingsApplied()
{
    TempProgramFolder home;
    QVERIFY(home.writeFile("dictionaries/english.1-0-0.dic", "hello\n"));
    QVERIFY(home.writeFile("dictionaries/German.1-0-0.dic", "hallo\n"));
    QVERIFY(home.writeFile("qmEditor.ini",
                           "[SpellCheck]\r\nDictLanguage=German\r\n"
                           "UnderlineColor=clBlue\r\nAutoSpellCheck=0\r\n"
                           "IgnoreWordsWithNum=1\r\nIgnoreSingleChar=1\r\n"
                           "ShowHourglass=1\r\n"));
    TSpellCheck c;
    const AppSettings ini(home.filePath("qmEditor.ini"));
    QCOMPARE(SpellCheckSetup::applyStartupSettings(c, ini, home.path()), QString());
    QVERIFY(c.isWordCorrect(u"hallo"));
    QVERIFY(!c.isWordCorrect(u"hello"));
    QCOMPARE(c.penColor(), TColor::clBlue);
    QCOMPARE(c.options(),
             TSpellCheck::sscoIgnoreWordsWithNumbers | TSpellCheck::sscoIgnoreSingleChars
                 | TSpellCheck::sscoHourGlass);
}

void TestSpellCheckSetup::missingLanguageStillAppliesTheRest()
{
    TempProgramFolder home;
    QVERIFY(home.writeFile("dictionaries/english.1-0-0.dic", "hello\n"));
    QVERIFY(home.writeFile("qmEditor.ini",
                           "[SpellCheck]\r\nDictLanguage=Klingon\r\n"
                           "UnderlineColor=clGreen\r\nIgnoreSingleChar=1\r\n"));
    TSpellCheck c;
    const AppSettings ini(home.filePath("qmEditor.ini"));
    const QString error = SpellCheckSetup::applyStartupSettings(c, ini, home.path());
    QCOMPARE(error, TSpellCheck::languageNotFoundText("Klingon"));
    QVERIFY(!c.openDictionary());
    QVERIFY(c.wordList().isEmpty());
    QCOMPARE(c.penColor(), TColor::clGreen);
    QVERIFY(c.options().testFlag(TSpellCheck::sscoIgnoreSingleChars));
    QVERIFY(c.options().testFlag(TSpellCheck::sscoAutoSpellCheck));
}

void TestSpellCheckSetup::noDictionaries()
{
    TempProgramFolder home; // no dictionaries folder at all
    TSpellCheck c;
    const AppSettings ini(home.filePath("qmEditor.ini"));
    QCOMPARE(SpellCheckSetup::applyStartupSettings(c, ini, home.path()), QString());
    QVERIFY(!c.openDictionary());
    QVERIFY(c.options().testFlag(TSpellCheck::sscoAutoSpellCheck));
}

void TestSpellCheckSetup::askedLanguageNotFound()
{
    TempProgramFolder home;
    QVERIFY(home.writeFile("dictionaries/english.1-0-0.dic", "hello\n"));
    TSpellCheck c;
    c.setDictionaryPath(home.path() + "dictionaries");
    FakePrompter prompter;
    QVERIFY(SpellCheckSetup::loadDictionaryAsked(c, "English", nullptr));
    QVERIFY(prompter.calls.isEmpty());
    QVERIFY(!SpellCheckSetup::loadDictionaryAsked(c, "Dutch", nullptr));
    QCOMPARE(prompter.texts(), QStringList({TSpellCheck::languageNotFoundText("Dutch")}));
    QCOMPARE(prompter.calls[0].icon, Prompter::Warning);
    QCOMPARE(c.language().name, QStringLiteral("english"));
    QVERIFY(c.isWordCorrect(u"hello"));
}

QTEST_GUILESS_MAIN(TestSpellCheckSetup)
#include "tst_spellchecksetup.moc"
