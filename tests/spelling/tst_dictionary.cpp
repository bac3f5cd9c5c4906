// Dictionary listing and loading from small hand-written dictionaries, and the word test.
#include "spelling/DictionaryFiles.h"
#include "spelling/SpellCheck.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestDictionary : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void listsEachLanguageOnce();
    void dictionaryExists();
    void loadsHighestVersionAndUserList();
    void findsNamesWithoutRegardToCase();
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
    void write(const QString &name, const QByteArray &text);
    TSpellCheck *checker();

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

void TestDictionary::write(const QString &name, const QByteArray &text)
{
    QFile f(m_dir->filePath(name));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

TSpellCheck *TestDictionary::checker()
{
    return m_checker.get();
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
    checker()->getDictionaryList(list);
    QCOMPARE(list, QStringList({"English", "German"}));
    QCOMPARE(checker()->dictionaryPath(), m_dir->path() + u'/');
}

void TestDictionary::dictionaryExists()
{
    write("English.1-0-0.dic", "a\n");
    QVERIFY(checker()->dictionaryExists("english"));
    QVERIFY(checker()->dictionaryExists("ENGLISH", m_dir->path() + u'/'));
    QVERIFY(!checker()->dictionaryExists("german"));
    QVERIFY(!checker()->dictionaryExists("english", QDir::tempPath() + "/no-such-folder/"));

    // A missing folder lists nothing and leaves the list alone.
    checker()->setDictionaryPath(m_dir->filePath("missing"));
    QStringList list {"Keep"};
    checker()->getDictionaryList(list);
    QCOMPARE(list, QStringList({"Keep"}));
}

void TestDictionary::loadsHighestVersionAndUserList()
{
    write("english.1-0-0.dic", "old\n");
    write("english.1-1-0.dic", "new\n");
    write("english.user.dic", "mine\n");
    QSignalSpy loaded(checker(), &TSpellCheck::dictionaryLoaded);
    QVERIFY(checker()->loadDictionary("English"));
    QCOMPARE(loaded.count(), 1);
    QVERIFY(checker()->openDictionary());
    QCOMPARE(checker()->dictionary(), QStringLiteral("English"));
    QCOMPARE(checker()->language().name, QStringLiteral("english"));
    QCOMPARE(checker()->language().version, QStringLiteral("1-1-0"));
    QVERIFY(checker()->isWordCorrect(u"new"));
    QVERIFY(!checker()->isWordCorrect(u"old"));
    const int mine = checker()->findWord(u"mine");
    QVERIFY(mine >= 0);
    QVERIFY(checker()->wordList().isUser(mine));
    QVERIFY(!checker()->wordList().isUser(checker()->findWord(u"new")));
    QVERIFY(!checker()->modified());
}

void TestDictionary::findsNamesWithoutRegardToCase()
{
    write("English.1-0-0.dic", "colour\n");
    write("ENGLISH.USER.DIC", "hobbit\n");
    QString error;
    QVERIFY2(checker()->loadDictionary("english", QString(), &error), qPrintable(error));
    QCOMPARE(checker()->language().name, QStringLiteral("english"));
    QVERIFY(checker()->isWordCorrect(u"colour"));
    QVERIFY(checker()->isWordCorrect(u"hobbit"));
}

void TestDictionary::loadByFileName()
{
    write("Medical.2-0-1.dic", "femur\n");
    QVERIFY(checker()->loadDictionary("ignored", m_dir->filePath("Medical.2-0-1.dic")));
    QCOMPARE(checker()->dictionary(), m_dir->filePath("Medical.2-0-1.dic"));
    QCOMPARE(checker()->language().name, QStringLiteral("Medical"));
    QCOMPARE(checker()->language().version, QStringLiteral("2-0-1"));
    QVERIFY(checker()->isWordCorrect(u"femur"));
}

void TestDictionary::missingLanguageChangesNothing()
{
    write("english.1-0-0.dic", "hello\n");
    QVERIFY(checker()->loadDictionary("english"));
    QSignalSpy loaded(checker(), &TSpellCheck::dictionaryLoaded);
    QString error;
    QVERIFY(!checker()->loadDictionary("french", QString(), &error));
    QCOMPARE(error, TSpellCheck::languageNotFoundText("french"));
    QVERIFY(error.contains("french"));
    QCOMPARE(loaded.count(), 0);
    QCOMPARE(checker()->dictionary(), QStringLiteral("english"));
    QCOMPARE(checker()->language().name, QStringLiteral("english"));
    QCOMPARE(checker()->wordList().size(), 1);
    QVERIFY(checker()->isWordCorrect(u"hello"));

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
    QTest::newRow("plain") << "english"
                           << "english";
    QTest::newRow("other case") << "ENGLISH"
                                << "english";
    QTest::newRow("a star") << "*"
                            << "";
    QTest::newRow("star suffix") << "eng*"
                                 << "";
    QTest::newRow("question marks") << "???????"
                                    << "";
    QTest::newRow("many stars") << QString(40, u'*') << "";
    QTest::newRow("a star in the name") << "my*lang"
                                        << "my*lang";
}

// "DictLanguage" names a language, not a pattern: "*" and "?" are only those characters.
void TestDictionary::languageIsMatchedLetterForLetter()
{
    QFETCH(QString, language);
    QFETCH(QString, loaded);
    write("english.1-0-0.dic", "hello\n");
    write("zulu.1-0-0.dic", "sawubona\n");
    write("my*lang.1-0-0.dic", "star\n");
    const bool ok = checker()->loadDictionary(language);
    QCOMPARE(ok, !loaded.isEmpty());
    QCOMPARE(checker()->dictionaryExists(language), !loaded.isEmpty());
    if (ok)
        QCOMPARE(checker()->language().name, loaded);
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
    const Case cases[] = {
        {"english.1-0-0.dic", "*.?-?-?.dic", true},
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
        {"x", "", false},
    };
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
    QVERIFY(checker()->loadDictionary("english"));
    if (!badEntry.startsWith("german.1"))
        write("german.1-0-0.dic", "hallo\n");
    // A folder where a file should be: it is listed, but cannot be read.
    QVERIFY(QDir(m_dir->path()).mkdir(badEntry));

    QString error;
    QVERIFY(!checker()->loadDictionary("german", QString(), &error));
    QVERIFY2(error.contains(badEntry), qPrintable(error));
    QCOMPARE(checker()->wordList().size(), 1);
    QVERIFY(!checker()->isWordCorrect(u"hallo"));
    QCOMPARE(checker()->language().name, QStringLiteral("english"));
}

void TestDictionary::loadingTwiceKeepsResults()
{
    write("english.1-0-0.dic", "alpha\nbeta\ngamma\n");
    write("german.1-0-0.dic", "haus\n");
    QVERIFY(checker()->loadDictionary("english"));
    QVERIFY(checker()->loadDictionary("english"));
    QCOMPARE(checker()->wordList().size(), 6);
    for (const char16_t *w : {u"alpha", u"beta", u"gamma"})
        QVERIFY(checker()->isWordCorrect(QStringView(w)));
    QVERIFY(!checker()->isWordCorrect(u"delta"));
    QCOMPARE(checker()->findWord(u"beta"), 2); // the leftmost of the two

    // Another language adds its words to those in memory.
    QVERIFY(checker()->loadDictionary("german"));
    QVERIFY(checker()->isWordCorrect(u"haus"));
    QVERIFY(checker()->isWordCorrect(u"alpha"));
}

void TestDictionary::linesAreStoredAsRead()
{
    write("english.1-0-0.dic", " leading\nCapital\nplain\n\n   \n");
    QVERIFY(checker()->loadDictionary("english"));
    QCOMPARE(checker()->wordList().size(), 3);
    QVERIFY(!checker()->isWordCorrect(u"leading"));
    QVERIFY(!checker()->isWordCorrect(u"Capital"));
    QVERIFY(!checker()->isWordCorrect(u"capital"));
    QVERIFY(checker()->isWordCorrect(u"PLAIN"));
    QVERIFY(checker()->findWord(u"Capital") >= 0);
}

void TestDictionary::loneFirstLetterGroup()
{
    write("english.1-0-0.dic", "bee\nant\nbat\n");
    QVERIFY(checker()->loadDictionary("english"));
    QCOMPARE(checker()->findWord(u"ant"), 0);
    QCOMPARE(checker()->findWord(u"bat"), 1);
    QCOMPARE(checker()->findWord(u"bee"), 2);
    QCOMPARE(checker()->findWord(u"cat"), -1);
    QCOMPARE(checker()->findWord(u"ba"), -1);
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
    QVERIFY(checker()->loadDictionary("english"));
    checker()->setOptions(TSpellCheck::SpellCheckOptions(options));
    QCOMPARE(checker()->isWordCorrect(word), correct);
}

void TestDictionary::addWord()
{
    write("english.1-0-0.dic", "apple\nbanana\n");
    QVERIFY(checker()->loadDictionary("english"));
    QSignalSpy added(checker(), &TSpellCheck::wordAdded);
    checker()->addWord("Zebra");
    checker()->addWord("zebra");
    checker()->addWord("   ");
    QCOMPARE(added.count(), 1);
    QCOMPARE(added.at(0).at(0).toString(), QStringLiteral("zebra"));
    QCOMPARE(checker()->findWord(u"zebra"), 2);
    QVERIFY(checker()->wordList().isUser(2));
    QVERIFY(checker()->modified());

    checker()->addWord("avocado"); // between the two words of the a group
    QCOMPARE(checker()->findWord(u"avocado"), 1);
    QCOMPARE(checker()->findWord(u"banana"), 2);
    QCOMPARE(checker()->findWord(u"zebra"), 3);
    checker()->addWord("cherry"); // a new group
    QCOMPARE(checker()->findWord(u"cherry"), 3);
    QVERIFY(checker()->isWordCorrect(u"Cherry"));
    QCOMPARE(checker()->maxWordLength(), 7);
}

void TestDictionary::addSkipAndClear()
{
    write("english.1-0-0.dic", "apple\n");
    QVERIFY(checker()->loadDictionary("english"));
    checker()->addSkip("Qwerty");
    checker()->addSkip("");
    QCOMPARE(checker()->skipList(), QStringList({"qwerty"}));
    QVERIFY(checker()->isWordCorrect(u"QWERTY"));

    QSignalSpy closed(checker(), &TSpellCheck::dictionaryClosed);
    checker()->clearDictionary();
    QCOMPARE(closed.count(), 1);
    QVERIFY(!checker()->openDictionary());
    QVERIFY(checker()->skipList().isEmpty());
    QVERIFY(!checker()->isWordCorrect(u"apple"));
}

// A word added with a capital dotted I is found again: adding and looking up lower-case
// each character the same way.
void TestDictionary::addedWordIsFoundAsTyped()
{
    write("english.1-0-0.dic", "apple\n");
    QVERIFY(checker()->loadDictionary("english"));
    for (const QString &word : {QStringLiteral("\u0130stanbul"), QStringLiteral("\u00c9COLE"),
                                QStringLiteral("\u1E9Eauer")}) {
        checker()->addWord(word);
        QVERIFY2(checker()->isWordCorrect(word), qPrintable(word));
        QCOMPARE(TSpellCheck::lowerWord(word).size(), word.size());
    }
    QCOMPARE(TSpellCheck::lowerWord(u"\u0130stanbul"), QStringLiteral("istanbul"));
    QVERIFY(checker()->isWordCorrect(u"ISTANBUL"));
    checker()->addSkip(QStringLiteral("\u0130zmir"));
    QVERIFY(checker()->isWordCorrect(QStringLiteral("\u0130ZM\u0130R")));
}

QTEST_GUILESS_MAIN(TestDictionary)
#include "tst_dictionary.moc"
