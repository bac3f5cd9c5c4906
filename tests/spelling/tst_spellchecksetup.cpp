// The start-up set-up of the main window's spell checker from the settings file.
#include "FakePrompter.h"
#include "TempProgramFolder.h"
#include "settings/store/AppSettings.h"
#include "spelling/SpellCheck.h"
#include "spelling/SpellCheckSetup.h"

#include <QTest>

using SC = TSpellCheck;

class TestSpellCheckSetup : public QObject
{
    Q_OBJECT

private slots:
    void mainCheckerDefaults();
    void startupSettings_data();
    void startupSettings();
    void askedLanguageNotFound();
};

void TestSpellCheckSetup::mainCheckerDefaults()
{
    QObject owner;
    TSpellCheck *c = SpellCheckSetup::createMainSpellChecker(&owner);
    QCOMPARE(c->objectName(), QStringLiteral("SpellChecker1"));
    QCOMPARE(c->algorithm(), SC::haSoundEx);
    QCOMPARE(c->penColor(), TColor::clRed);
    QCOMPARE(c->checkAttribs(), QStringList({"Comment", "Text", "String", "Documentation"}));
    QCOMPARE(c->apostrophes(), QStringLiteral("'`\u00b4"));
    QVERIFY(!c->options().testFlag(SC::sscoGoUp));
    QVERIFY(c->options().testFlag(SC::sscoStartFromCursor));
}

void TestSpellCheckSetup::startupSettings_data()
{
    QTest::addColumn<QByteArray>("spellCheck"); // the [SpellCheck] section
    QTest::addColumn<bool>("dictionaries");
    QTest::addColumn<QString>("language"); // loaded; empty: none
    QTest::addColumn<QString>("error");
    QTest::addColumn<TColor>("pen");
    QTest::addColumn<int>("options"); // before: single characters ignored, word selected
    QTest::newRow("defaults") << QByteArray() << true << "english" << QString() << TColor::clRed
                              << int(SC::sscoAutoSpellCheck | SC::sscoSelectWord);
    QTest::newRow("settings") << QByteArray("DictLanguage=German\r\nUnderlineColor=clBlue\r\n"
                                            "AutoSpellCheck=0\r\nIgnoreWordsWithNum=1\r\n"
                                            "IgnoreSingleChar=1\r\nShowHourglass=1\r\n")
                              << true << "german" << QString() << TColor::clBlue
                              << int(SC::sscoIgnoreWordsWithNumbers | SC::sscoIgnoreSingleChars
                                     | SC::sscoHourGlass | SC::sscoSelectWord);
    QTest::newRow("missing language, the rest applied")
        << QByteArray("DictLanguage=Klingon\r\nUnderlineColor=clGreen\r\nIgnoreSingleChar=1\r\n")
        << true << QString() << SC::languageNotFoundText("Klingon") << TColor::clGreen
        << int(SC::sscoAutoSpellCheck | SC::sscoIgnoreSingleChars | SC::sscoSelectWord);
    QTest::newRow("no dictionaries folder")
        << QByteArray() << false << QString() << QString() << TColor::clRed
        << int(SC::sscoAutoSpellCheck | SC::sscoSelectWord);
}

void TestSpellCheckSetup::startupSettings()
{
    QFETCH(QByteArray, spellCheck);
    QFETCH(bool, dictionaries);
    QFETCH(QString, language);
    QFETCH(QString, error);
    QFETCH(TColor, pen);
    QFETCH(int, options);
    TempProgramFolder home;
    if (dictionaries) {
        QVERIFY(home.writeFile("dictionaries/english.1-0-0.dic", "hello\n"));
        QVERIFY(home.writeFile("dictionaries/German.1-0-0.dic", "hallo\n"));
    }
    QVERIFY(home.writeFile("qmEditor.ini", "[SpellCheck]\r\n" + spellCheck));
    TSpellCheck c;
    c.setOptions(SC::sscoIgnoreSingleChars | SC::sscoSelectWord);
    const AppSettings ini(home.filePath("qmEditor.ini"));
    QCOMPARE(SpellCheckSetup::applyStartupSettings(c, ini, home.path()), error);
    QCOMPARE(c.dictionaryPath(), home.path() + "dictionaries/");
    QCOMPARE(c.userDirectory(), home.path() + "dictionaries/");
    QCOMPARE(c.openDictionary(), !language.isEmpty());
    QCOMPARE(c.language().name, language);
    QCOMPARE(c.wordList().size(), language.isEmpty() ? 0 : 1);
    QCOMPARE(c.penColor(), pen);
    QCOMPARE(int(c.options()), options);
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
    QCOMPARE(prompter.texts(), QStringList({SC::languageNotFoundText("Dutch")}));
    QCOMPARE(prompter.calls[0].icon, Prompter::Warning);
    QCOMPARE(c.language().name, QStringLiteral("english"));
    QVERIFY(c.isWordCorrect(u"hello"));
}

QTEST_GUILESS_MAIN(TestSpellCheckSetup)
#include "tst_spellchecksetup.moc"
