#include "spelling/WordList.h"

#include <QtTest>

namespace {

QStringList wordsOf(const WordList::Batch &batch)
{
    QStringList out;
    for (int i = 0; i < batch.size(); ++i)
        out << batch.word(i).toString();
    return out;
}

WordList listOf(const QString &text)
{
    WordList list;
    WordList::Batch batch;
    batch.addLines(QString(text), false);
    list.appendBatch(std::move(batch));
    return list;
}

} // namespace

class TestWordList : public QObject
{
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("longest");
        QTest::newRow("LF") << "alpha\nbeta\n" << QStringList {"alpha", "beta"} << 5;
        QTest::newRow("CR LF") << "alpha\r\nbeta\r\n" << QStringList {"alpha", "beta"} << 5;
        QTest::newRow("CR") << "alpha\rbeta\r" << QStringList {"alpha", "beta"} << 5;
        QTest::newRow("no last break") << "alpha\r\n\r\nbeta" << QStringList {"alpha", "beta"} << 5;
        // Words ending before, on and after a group of four characters.
        QTest::newRow("lengths") << "a\nbb\nccc\ndddd\neeeee\nffffffff\nggggggggg"
                                 << QStringList {"a",     "bb",       "ccc",      "dddd",
                                                 "eeeee", "ffffffff", "ggggggggg"}
                                 << 9;
        // A control character that is no line break stays in the word.
        QTest::newRow("tab inside") << "tab\there\nx\u000by\n"
                                    << QStringList {"tab\there", "x\u000by"} << 8;
        QTest::newRow("blank lines") << " \t \n\n   x\n\t\n" << QStringList {"   x"} << 4;
        QTest::newRow("only breaks") << "\n\r\n\r\r" << QStringList {} << 0;
        QTest::newRow("not ASCII") << "\u00e9l\u00e8ve\n\u4e2d\u6587\n"
                                   << QStringList {"\u00e9l\u00e8ve", "\u4e2d\u6587"} << 5;
    }

    void lines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QFETCH(int, longest);
        WordList::Batch batch;
        batch.addLines(QString(text), false);
        QCOMPARE(wordsOf(batch), words);
        QCOMPARE(batch.maxWordLength(), longest);
    }

    // Lookups find every word and nothing else, for words read in any order, after a second
    // batch and after inserted words.
    void lookups()
    {
        WordList list = listOf("pear\napple\nplum\napple\nfig\n\u00e9t\u00e9\nzz\n");
        const auto check = [&list](const QStringList &in, const QStringList &out) {
            for (const QString &w : in) {
                QVERIFY2(list.findWord(w) >= 0, qPrintable(w));
                QVERIFY2(list.contains(w), qPrintable(w));
            }
            for (const QString &w : out) {
                QCOMPARE(list.findWord(w), -1);
                QVERIFY2(!list.contains(w), qPrintable(w));
            }
        };
        QCOMPARE(list.size(), 7);
        QCOMPARE(list.word(0).toString(), QStringLiteral("apple"));
        QCOMPARE(list.findWord(u"apple"), 0); // the first of two
        QCOMPARE(list.word(6).toString(), QStringLiteral("\u00e9t\u00e9"));
        check({"apple", "fig", "pear", "plum", "zz", "\u00e9t\u00e9"},
              {"appl", "apples", "Pear", "z", "zzz", "grape", "et\u00e9"});

        WordList::Batch more;
        more.addLines(QStringLiteral("grape\r\nbanana\r\n"), true);
        QCOMPARE(list.appendBatch(std::move(more)), 2);
        check({"apple", "banana", "grape", "zz"}, {"banan", "grapes"});
        QVERIFY(list.isUser(list.findWord(u"banana")));
        QVERIFY(!list.isUser(list.findWord(u"fig")));

        QCOMPARE(list.insertWord(u"cherry", true, u""), 3);
        check({"cherry", "banana", "zz"}, {"cherr"});
        QCOMPARE(list.insertWord(u"zzz", true, u""), 9); // before "\u00e9t\u00e9"
        check({"zz", "zzz"}, {"zzzz"});
    }

    // Keys asked for at the load are made when a key is first read, all at once, by the key
    // function in force then; reset keys are made again.
    void keysOnFirstRead()
    {
        int made = 0;
        WordList list;
        list.setKeyFunction([&made](QStringView w, QString &pool) {
            ++made;
            pool.append(w.left(2).toString().toUpper());
        });
        WordList::Batch plain;
        plain.addLines(QStringLiteral("kiwi\n"), false);
        list.appendBatch(std::move(plain));
        WordList::Batch keyed;
        keyed.addLines(QStringLiteral("lime\nmango\n"), false);
        list.appendBatch(std::move(keyed), true);
        QCOMPARE(made, 0);

        QCOMPARE(list.soundKey(list.findWord(u"mango")).toString(), QStringLiteral("MA"));
        QCOMPARE(made, 2);
        QCOMPARE(list.soundKey(list.findWord(u"lime")).toString(), QStringLiteral("LI"));
        QVERIFY(list.soundKey(list.findWord(u"kiwi")).isEmpty());
        QCOMPARE(made, 2);

        list.insertWord(u"date", true, u"D3");
        list.setKeyFunction([](QStringView w, QString &pool) { pool.append(w.right(1)); });
        list.resetSoundKeys();
        QCOMPARE(list.soundKey(list.findWord(u"kiwi")).toString(), QStringLiteral("i"));
        QCOMPARE(list.soundKey(list.findWord(u"date")).toString(), QStringLiteral("e"));
        QCOMPARE(list.soundKey(list.findWord(u"mango")).toString(), QStringLiteral("o"));
    }
};

QTEST_APPLESS_MAIN(TestWordList)
#include "tst_wordlist.moc"
