// Suggestions by edit distance and by sound key, in the order the dialog shows them.
#include "TestFiles.h"
#include "spelling/SpellCheck.h"

#include <QTemporaryDir>
#include <QTest>

class TestSuggestions : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void byDifference_data();
    void byDifference();
    void accentedGroups_data();
    void accentedGroups();
    void bySound_data();
    void bySound();
    void soundKeys();
    void longWordsAfterShortLoad();

private:
    void load(const QByteArray &words, const QString &language = QStringLiteral("english"));

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TSpellCheck> m_checker;
};

void TestSuggestions::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_checker = std::make_unique<TSpellCheck>();
    m_checker->setDictionaryPath(m_dir->path());
    m_checker->setUserDirectory(m_dir->path());
}

void TestSuggestions::load(const QByteArray &words, const QString &language)
{
    QVERIFY(TestFiles::write(m_dir->filePath(language + ".1-0-0.dic"), words));
    QVERIFY(m_checker->loadDictionary(language));
}

void TestSuggestions::byDifference_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("lower") << "helo" << QStringList {"halo", "held", "hell", "hello", "help"};
    QTest::newRow("capital first")
        << "Helo" << QStringList {"Halo", "Held", "Hell", "Hello", "Help"};
    QTest::newRow("all capitals") << "HELO"
                                  << QStringList {"HALO", "HELD", "HELL", "HELLO", "HELP"};
    QTest::newRow("no group") << "xylo" << QStringList {};
    QTest::newRow("blank") << "  " << QStringList {"untouched"};
}

void TestSuggestions::byDifference()
{
    QFETCH(QString, word);
    QFETCH(QStringList, expected);
    load("hello\nhelp\nhell\nyellow\nheld\nhalo\nhollow\nhelicopter\n");
    // The collector of the document check under haDiff: limits 2 and 2.
    QStringList list {"untouched"};
    const int n = m_checker->collectSuggestions(word, &list);
    QCOMPARE(list, expected);
    QCOMPARE(n, word.trimmed().isEmpty() ? 0 : int(expected.size()));
}

void TestSuggestions::accentedGroups_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("expected");
    // A plain e visits its own group, then the groups of the accented e's in code-page order.
    QTest::newRow("plain") << "eclat"
                           << QStringList {"eclat", "\u00e9clat", "\u0119clat", "\u00ebclat",
                                           "\u011bclat"};
    // An accented e visits its own group (once: each suggestion is offered once), then the
    // other accented e's, never the plain e's.
    QTest::newRow("accented") << "\u00e9clat"
                              << QStringList {"\u00e9clat", "\u0119clat", "\u00ebclat",
                                              "\u011bclat"};
}

void TestSuggestions::accentedGroups()
{
    QFETCH(QString, word);
    QFETCH(QStringList, expected);
    load(QStringLiteral("eclat\n\u00e9clat\n\u0119clat\n\u00ebclat\n\u011bclat\nfclat\n").toUtf8());
    QStringList list;
    m_checker->getSuggestionsByDiff(word, 2, &list, 2);
    QCOMPARE(list, expected);
}

void TestSuggestions::bySound_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("maintainCase");
    QTest::addColumn<QStringList>("expected");
    const QStringList stored {"hallo", "hell", "hello", "hull"};
    QTest::newRow("as stored") << "HELO" << false << stored;
    QTest::newRow("all capitals") << "HELO" << true
                                  << QStringList {"HALLO", "HELL", "HELLO", "HULL"};
    QTest::newRow("capital first")
        << "Helo" << true << QStringList {"Hallo", "Hell", "Hello", "Hull"};
    QTest::newRow("lower") << "helo" << true << stored;
}

void TestSuggestions::bySound()
{
    QFETCH(QString, word);
    QFETCH(bool, maintainCase);
    QFETCH(QStringList, expected);
    m_checker->setAlgorithm(TSpellCheck::haSoundEx);
    m_checker->setOption(TSpellCheck::sscoSuggestWords);
    m_checker->setOption(TSpellCheck::sscoMaintainCase, maintainCase);
    // "helloooo" has the key too, but its length is 2 or more away; "helot" has another key.
    load("hello\nhallo\nhell\nhull\nhellooo\nhelot\nhe\n");
    QStringList list;
    QCOMPARE(m_checker->collectSuggestions(word, &list), int(expected.size()));
    QCOMPARE(list, expected);
}

// Sound keys are made at the load only when suggestions are on, again when the algorithm or
// the key length changes, and for added words.
void TestSuggestions::soundKeys()
{
    const auto key = [this](const char16_t *word) {
        return m_checker->wordList().soundKey(m_checker->findWord(word)).toString();
    };
    m_checker->setAlgorithm(TSpellCheck::haSoundEx);
    load("robert\n");
    QVERIFY(key(u"robert").isEmpty());
    m_checker->setOption(TSpellCheck::sscoSuggestWords);
    load("rupert\nphone\n", "german");
    QCOMPARE(key(u"rupert"), QStringLiteral("R163"));
    QCOMPARE(key(u"phone"), QStringLiteral("P500"));
    m_checker->setHashLength(6);
    QCOMPARE(key(u"robert"), QStringLiteral("R16300"));

    m_checker->setAlgorithm(TSpellCheck::haDiff);
    QCOMPARE(key(u"phone"), QStringLiteral("FN"));
    m_checker->setAlgorithm(TSpellCheck::haMetaphone);
    m_checker->addWord("apple");
    QCOMPARE(key(u"apple"), QStringLiteral("APL"));
    QStringList list;
    m_checker->getSuggestionsBySound("fone", &list);
    QCOMPARE(list, QStringList({"phone"}));
}

void TestSuggestions::longWordsAfterShortLoad()
{
    // The second load starts the longest-word count again; the long words of the first load
    // must still be compared in full.
    load("supercalifragilistic\nsuper\n");
    load("ab\n", "german");
    QCOMPARE(m_checker->maxWordLength(), 2);
    QStringList list;
    m_checker->getSuggestionsByDiff("supercalifragilistik", 2, &list, 2);
    QCOMPARE(list, QStringList({"supercalifragilistic"}));
}

QTEST_GUILESS_MAIN(TestSuggestions)
#include "tst_suggestions.moc"
