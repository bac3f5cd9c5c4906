// Dictionary listing and loading from small hand-written dictionaries, and the word test.
#include "TestFiles.h"
#include "spelling/DictionaryFiles.h"
#include "spelling/SpellCheck.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestDictionary : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void listsEachLanguageOnce();
    void loadsHighestVersionAndUserList();
    void loadByFileName();
    void missingLanguageChangesNothing();
    void languageIsMatchedLetterForLetter_data();
    void languageIsMatchedLetterForLetter();
    void maskMatchingTakesNoTime();
    void unreadableFilesChangeNothing_data();
    void unreadableFilesChangeNothing();
    void loadingTwiceKeepsResults();
    void linesAreStoredAsRead();
    void loneFirstLetterGroup();
    void wordTest_data();
    void wordTest();
    void addWord();
    void addSkipAndClear();
    void addedWordIsFoundAsTyped();

private:
    void write(const QString &name, const QByteArray &text)
    {
        QVERIFY(TestFiles::write(m_dir->filePath(name), text));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TSpellCheck> m_checker;
};

void TestDictionary::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_checker = std::make_unique<TSpellCheck>();
    m_checker->setDictionaryPath(m_dir->path());
    m_checker->setUserDirectory(m_dir->path());
}

void TestDictionary::listsEachLanguageOnce()
{
    write("english.1-0-0.dic", "a\n");
    write("english.1-1-0.dic", "a\n");
    write("English.2-0-0.dic", "a\n");
    write("german.1-0-0.dic", "a\n");
    write("english.user.dic", "a\n");
    write("french.user.1-0-0.dic", "a\n");
    write("notes.txt", "a\n");
    write("spanish.10-0-0.dic", "a\n"); // not the d-d-d version form
    QStringList list;
    m_checker->getDictionaryList(list);
    QCOMPARE(list, QStringList({"English", "German"}));
    QCOMPARE(m_checker->dictionaryPath(), m_dir->path() + u'/');
    QVERIFY(m_checker->dictionaryExists("english"));
    QVERIFY(m_checker->dictionaryExists("ENGLISH", m_dir->path() + u'/'));
    QVERIFY(!m_checker->dictionaryExists("dutch"));
    QVERIFY(!m_checker->dictionaryExists("english", QDir::tempPath() + "/no-such-folder/"));

    // A missing folder lists nothing and leaves the list alone.
    m_checker->setDictionaryPath(m_dir->filePath("missing"));
    list = QStringList {"Keep"};
    m_checker->getDictionaryList(list);
    QCOMPARE(list, QStringList({"Keep"}));
}

void TestDictionary::loadsHighestVersionAndUserList()
{
    // File names are found without regard to case.
    write("english.1-0-0.dic", "old\n");
    write("English.1-1-0.dic", "new\n");
    write("ENGLISH.USER.DIC", "mine\n");
    QSignalSpy loaded(m_checker.get(), &TSpellCheck::dictionaryLoaded);
    QVERIFY(m_checker->loadDictionary("English"));
    QCOMPARE(loaded.count(), 1);
    QVERIFY(m_checker->openDictionary());
    QCOMPARE(m_checker->dictionary(), QStringLiteral("English"));
    QCOMPARE(m_checker->language().name, QStringLiteral("english"));
    QCOMPARE(m_checker->language().version, QStringLiteral("1-1-0"));
    QVERIFY(m_checker->isWordCorrect(u"new"));
    QVERIFY(!m_checker->isWordCorrect(u"old"));
    const int mine = m_checker->findWord(u"mine");
    QVERIFY(mine >= 0);
    QVERIFY(m_checker->wordList().isUser(mine));
    QVERIFY(!m_checker->wordList().isUser(m_checker->findWord(u"new")));
    QVERIFY(!m_checker->modified());
}

void TestDictionary::loadByFileName()
{
    write("Medical.2-0-1.dic", "femur\n");
    QVERIFY(m_checker->loadDictionary("ignored", m_dir->filePath("Medical.2-0-1.dic")));
    QCOMPARE(m_checker->dictionary(), m_dir->filePath("Medical.2-0-1.dic"));
    QCOMPARE(m_checker->language().name, QStringLiteral("Medical"));
    QCOMPARE(m_checker->language().version, QStringLiteral("2-0-1"));
    QVERIFY(m_checker->isWordCorrect(u"femur"));
}

void TestDictionary::missingLanguageChangesNothing()
{
    write("english.1-0-0.dic", "hello\n");
    QVERIFY(m_checker->loadDictionary("english"));
    QSignalSpy loaded(m_checker.get(), &TSpellCheck::dictionaryLoaded);
    QString error;
    QVERIFY(!m_checker->loadDictionary("french", QString(), &error));
    QCOMPARE(error, TSpellCheck::languageNotFoundText("french"));
    QVERIFY(error.contains("french"));
    QCOMPARE(loaded.count(), 0);
    QCOMPARE(m_checker->dictionary(), QStringLiteral("english"));
    QCOMPARE(m_checker->language().name, QStringLiteral("english"));
    QCOMPARE(m_checker->wordList().size(), 1);
    QVERIFY(m_checker->isWordCorrect(u"hello"));

    // Without any dictionary loaded before, the checker stays closed.
    TSpellCheck fresh;
    fresh.setDictionaryPath(m_dir->path());
    QVERIFY(!fresh.loadDictionary("french"));
    QVERIFY(!fresh.openDictionary());
}

void TestDictionary::languageIsMatchedLetterForLetter_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("loaded"); // the language name loaded; empty: none
    const char *const rows[][3] = {{"plain", "english", "english"},
                                   {"other case", "ENGLISH", "english"},
                                   {"a star", "*", ""},
                                   {"star suffix", "eng*", ""},
                                   {"question marks", "???????", ""},
                                   {"many stars", "****************************************", ""},
                                   {"a star in the name", "my*lang", "my*lang"}};
    for (const auto &r : rows)
        QTest::newRow(r[0]) << QString(r[1]) << QString(r[2]);
}

// "DictLanguage" names a language, not a pattern: "*" and "?" are only those characters.
void TestDictionary::languageIsMatchedLetterForLetter()
{
    QFETCH(QString, language);
    QFETCH(QString, loaded);
    write("english.1-0-0.dic", "hello\n");
    write("zulu.1-0-0.dic", "sawubona\n");
    write("my*lang.1-0-0.dic", "star\n");
    const bool ok = m_checker->loadDictionary(language);
    QCOMPARE(ok, !loaded.isEmpty());
    QCOMPARE(m_checker->dictionaryExists(language), !loaded.isEmpty());
    if (ok)
        QCOMPARE(m_checker->language().name, loaded);
}

// The wildcard matcher goes back only to the last star: stars that once took seconds (ten)
// or never ended (twelve and more) are answered at once.
void TestDictionary::maskMatchingTakesNoTime()
{
    const QString name = QString(200, u'a') + QStringLiteral(".1-0-0.dic");
    QElapsedTimer timer;
    timer.start();
    for (int stars = 1; stars <= 60; ++stars) {
        const QString mask = QString(stars, u'*') + QStringLiteral("b.?-?-?.dic");
        QVERIFY(!DictionaryFiles::matchesMask(name, mask));
        QVERIFY(DictionaryFiles::matchesMask(name,
                                             QString(stars, u'*') + QStringLiteral(".?-?-?.dic")));
    }
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed()) + " ms"));

    struct Case {
        const char *name, *mask;
        bool fits;
    };
    const Case cases[] = {{"english.1-0-0.dic", "*.?-?-?.dic", true},
                          {"English.1-0-0.DIC", "english.?-?-?.dic", true},
                          {"english.10-0-0.dic", "*.?-?-?.dic", false},
                          {"a", "*", true},
                          {"", "*", true},
                          {"", "?", false},
                          {"abc", "a*c", true},
                          {"abcbc", "a*bc", true},
                          {"abcb", "a*bc", false},
                          {"xaaay", "*a?y", true},
                          {"x", "x**", true},
                          {"x", "", false}};
    for (const Case &c : cases)
        QVERIFY2(DictionaryFiles::matchesMask(QLatin1String(c.name), QLatin1String(c.mask))
                     == c.fits,
                 c.mask);
}

void TestDictionary::unreadableFilesChangeNothing_data()
{
    QTest::addColumn<QString>("badEntry");
    QTest::newRow("main dictionary") << "german.1-0-0.dic";
    QTest::newRow("user dictionary") << "german.user.dic";
}

void TestDictionary::unreadableFilesChangeNothing()
{
    QFETCH(QString, badEntry);
    write("english.1-0-0.dic", "hello\n");
    QVERIFY(m_checker->loadDictionary("english"));
    if (!badEntry.startsWith("german.1"))
        write("german.1-0-0.dic", "hallo\n");
    // A folder where a file should be: it is listed, but cannot be read.
    QVERIFY(QDir(m_dir->path()).mkdir(badEntry));

    QString error;
    QVERIFY(!m_checker->loadDictionary("german", QString(), &error));
    QVERIFY2(error.contains(badEntry), qPrintable(error));
    QCOMPARE(m_checker->wordList().size(), 1);
    QVERIFY(!m_checker->isWordCorrect(u"hallo"));
    QCOMPARE(m_checker->language().name, QStringLiteral("english"));
}

void TestDictionary::loadingTwiceKeepsResults()
{
    write("english.1-0-0.dic", "alpha\nbeta\ngamma\n");
    write("german.1-0-0.dic", "haus\n");
    QVERIFY(m_checker->loadDictionary("english"));
    QVERIFY(m_checker->loadDictionary("english"));
    QCOMPARE(m_checker->wordList().size(), 6);
    for (const char16_t *w : {u"alpha", u"beta", u"gamma"})
        QVERIFY(m_checker->isWordCorrect(QStringView(w)));
    QVERIFY(!m_checker->isWordCorrect(u"delta"));
    QCOMPARE(m_checker->findWord(u"beta"), 2); // the leftmost of the two

    // Another language adds its words to those in memory.
    QVERIFY(m_checker->loadDictionary("german"));
    QVERIFY(m_checker->isWordCorrect(u"haus"));
    QVERIFY(m_checker->isWordCorrect(u"alpha"));
}

void TestDictionary::linesAreStoredAsRead()
{
    write("english.1-0-0.dic", " leading\nCapital\nplain\n\n   \n");
    QVERIFY(m_checker->loadDictionary("english"));
    QCOMPARE(m_checker->wordList().size(), 3);
    QVERIFY(!m_checker->isWordCorrect(u"leading"));
    QVERIFY(!m_checker->isWordCorrect(u"Capital"));
    QVERIFY(!m_checker->isWordCorrect(u"capital"));
    QVERIFY(m_checker->isWordCorrect(u"PLAIN"));
    QVERIFY(m_checker->findWord(u"Capital") >= 0);
}

void TestDictionary::loneFirstLetterGroup()
{
    write("english.1-0-0.dic", "bee\nant\nbat\n");
    QVERIFY(m_checker->loadDictionary("english"));
    QCOMPARE(m_checker->findWord(u"ant"), 0);
    QCOMPARE(m_checker->findWord(u"bat"), 1);
    QCOMPARE(m_checker->findWord(u"bee"), 2);
    QCOMPARE(m_checker->findWord(u"cat"), -1);
    QCOMPARE(m_checker->findWord(u"ba"), -1);
}

void TestDictionary::wordTest_data()
{
    using O = TSpellCheck;
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("options");
    QTest::addColumn<bool>("correct");
    QTest::newRow("known") << "hello" << 0 << true;
    QTest::newRow("capitals") << "HeLLo" << 0 << true;
    QTest::newRow("blanks trimmed") << " hello\t" << 0 << true;
    QTest::newRow("unknown") << "helo" << 0 << false;
    QTest::newRow("empty") << "" << 0 << true;
    QTest::newRow("blanks") << "   " << 0 << true;
    QTest::newRow("hyphens") << "---" << 0 << true;
    QTest::newRow("apostrophes") << "''" << 0 << true;
    QTest::newRow("apostrophe inside") << "don't" << 0 << true;
    QTest::newRow("hyphen inside") << "co-op" << 0 << true;
    QTest::newRow("accented capitals") << "\u00c9LAN" << 0 << true;
    QTest::newRow("single char") << "x" << 0 << false;
    QTest::newRow("single char ignored") << "x" << int(O::sscoIgnoreSingleChars) << true;
    QTest::newRow("digits") << "abc1" << 0 << false;
    QTest::newRow("digits ignored") << "abc1" << int(O::sscoIgnoreWordsWithNumbers) << true;
    QTest::newRow("quoted") << "'hello'" << 0 << false;
    QTest::newRow("quotes trimmed") << "'hello'" << int(O::sscoTrimApostrophes) << true;
    QTest::newRow("grave not trimmed") << "`hello`" << int(O::sscoTrimApostrophes) << false;
}

void TestDictionary::wordTest()
{
    QFETCH(QString, word);
    QFETCH(int, options);
    QFETCH(bool, correct);
    write("english.1-0-0.dic", "hello\nworld\ndon't\nco-op\n\u00e9lan\n");
    QVERIFY(m_checker->loadDictionary("english"));
    m_checker->setOptions(TSpellCheck::SpellCheckOptions(options));
    QCOMPARE(m_checker->isWordCorrect(word), correct);
}

void TestDictionary::addWord()
{
    write("english.1-0-0.dic", "apple\nbanana\n");
    QVERIFY(m_checker->loadDictionary("english"));
    QSignalSpy added(m_checker.get(), &TSpellCheck::wordAdded);
    m_checker->addWord("Zebra");
    m_checker->addWord("zebra");
    m_checker->addWord("   ");
    QCOMPARE(added.count(), 1);
    QCOMPARE(added.at(0).at(0).toString(), QStringLiteral("zebra"));
    QCOMPARE(m_checker->findWord(u"zebra"), 2);
    QVERIFY(m_checker->wordList().isUser(2));
    QVERIFY(m_checker->modified());

    m_checker->addWord("avocado"); // between the two words of the a group
    QCOMPARE(m_checker->findWord(u"avocado"), 1);
    QCOMPARE(m_checker->findWord(u"banana"), 2);
    QCOMPARE(m_checker->findWord(u"zebra"), 3);
    m_checker->addWord("cherry"); // a new group
    QCOMPARE(m_checker->findWord(u"cherry"), 3);
    QVERIFY(m_checker->isWordCorrect(u"Cherry"));
    QCOMPARE(m_checker->maxWordLength(), 7);
}

void TestDictionary::addSkipAndClear()
{
    write("english.1-0-0.dic", "apple\n");
    QVERIFY(m_checker->loadDictionary("english"));
    m_checker->addSkip("Qwerty");
    m_checker->addSkip("");
    QCOMPARE(m_checker->skipList(), QStringList({"qwerty"}));
    QVERIFY(m_checker->isWordCorrect(u"QWERTY"));

    QSignalSpy closed(m_checker.get(), &TSpellCheck::dictionaryClosed);
    m_checker->clearDictionary();
    QCOMPARE(closed.count(), 1);
    QVERIFY(!m_checker->openDictionary());
    QVERIFY(m_checker->skipList().isEmpty());
    QVERIFY(!m_checker->isWordCorrect(u"apple"));
}

// A word added with a capital dotted I is found again: adding and looking up lower-case
// each character the same way.
void TestDictionary::addedWordIsFoundAsTyped()
{
    write("english.1-0-0.dic", "apple\n");
    QVERIFY(m_checker->loadDictionary("english"));
    for (const QString &word : {QStringLiteral("\u0130stanbul"), QStringLiteral("\u00c9COLE"),
                                QStringLiteral("\u1E9Eauer")}) {
        m_checker->addWord(word);
        QVERIFY2(m_checker->isWordCorrect(word), qPrintable(word));
        QCOMPARE(TSpellCheck::lowerWord(word).size(), word.size());
    }
    QCOMPARE(TSpellCheck::lowerWord(u"\u0130stanbul"), QStringLiteral("istanbul"));
    QVERIFY(m_checker->isWordCorrect(u"ISTANBUL"));
    m_checker->addSkip(QStringLiteral("\u0130zmir"));
    QVERIFY(m_checker->isWordCorrect(QStringLiteral("\u0130ZM\u0130R")));
}

QTEST_GUILESS_MAIN(TestDictionary)
#include "tst_dictionary.moc"
