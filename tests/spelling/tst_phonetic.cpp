// Sound keys, edit distance and the accent map, pinned from the rules the checker follows.
#include "spelling/AccentMap.h"
#include "spelling/EditDistance.h"
#include "spelling/Soundex.h"
#include "spelling/SpellCheckMetaphone.h"

#include <QTest>

class TestPhonetic : public QObject
{
    Q_OBJECT

private slots:
    void soundex_data();
    void soundex();
    void metaphone_data();
    void metaphone();
    void editDistance_data();
    void editDistance();
    void matrixFollowsTheWords();
    void accentMap_data();
    void accentMap();
};

void TestPhonetic::soundex_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("code");
    QTest::newRow("Robert") << "Robert" << 4 << "R163";
    QTest::newRow("Rubin") << "Rubin" << 4 << "R150";
    QTest::newRow("H between equal codes") << "Ashcraft" << 4 << "A261";
    QTest::newRow("vowel between equal codes") << "Tymczak" << 4 << "T522";
    QTest::newRow("first letter's code") << "Pfister" << 4 << "P236";
    QTest::newRow("Honeyman") << "Honeyman" << 4 << "H555";
    QTest::newRow("padded") << "Lee" << 4 << "L000";
    QTest::newRow("lower case") << "jackson" << 4 << "J250";
    QTest::newRow("length 1") << "Robert" << 1 << "R";
    QTest::newRow("length 2") << "Robert" << 2 << "R1";
    QTest::newRow("length 6") << "Robert" << 6 << "R16300";
    QTest::newRow("others skipped") << "o'brien" << 4 << "O165";
    QTest::newRow("no letters") << "1234" << 4 << "";
}

void TestPhonetic::soundex()
{
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(QString, code);
    QCOMPARE(Soundex::code(text, length), code);
}

void TestPhonetic::metaphone_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("key");
    // The two worked examples of the rules first (doubles collapse, the first letter leads),
    // then words worked by hand from the table, quirks included: a rule that held anywhere in
    // the word shuts out the later rules of its pattern, and the position sort swaps as it goes.
    // Accents are dropped, digits give nothing.
    const char *const rows[][2] = {{"phone", "FN"},     {"apple", "APL"},   {"knight", "NKNKT"},
                                   {"THUMB", "0MB"},    {"science", "SSN"}, {"Xavier", "SFR"},
                                   {"dodge", "DJ"},     {"gnat", "NKNT"},   {"character", "XRTR"},
                                   {"caf\u00e9", "KF"}, {"12345", ""},      {"", ""}};
    for (const auto &r : rows)
        QTest::newRow(*r[0] ? r[0] : "empty") << QString::fromUtf8(r[0]) << QString(r[1]);
}

void TestPhonetic::metaphone()
{
    QFETCH(QString, word);
    QFETCH(QString, key);
    QCOMPARE(MetaphoneKey(word), key);
    QCOMPARE(MetaphoneKey(word, 1), key); // the length is not used
}

void TestPhonetic::editDistance_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("distance");
    const struct {
        const char *tag, *a, *b;
        int distance;
    } rows[] = {{"equal", "spell", "spell", 0},
                {"kitten", "kitten", "sitting", 3},
                {"flaw", "flaw", "lawn", 2},
                {"empty left", "", "abc", 3},
                {"empty right", "abc", "", 3},
                {"case counts", "Word", "word", 1},
                {"transposition is two", "form", "from", 2}};
    for (const auto &r : rows)
        QTest::newRow(r.tag) << QString(r.a) << QString(r.b) << r.distance;
}

void TestPhonetic::editDistance()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, distance);
    EditDistance d;
    QCOMPARE(d.distance(a, b), distance);
    QCOMPARE(d.distance(b, a), distance);
    QVERIFY(d.within(a, b, distance));
    QCOMPARE(d.within(a, b, distance - 1), false);
}

void TestPhonetic::matrixFollowsTheWords()
{
    // One matrix serves words of any length, longer ones after shorter ones included.
    EditDistance d;
    QCOMPARE(d.distance(u"ab", u"abc"), 1);
    const QString longA = QString(40, u'x') + QStringLiteral("abc");
    const QString longB = QString(40, u'x') + QStringLiteral("abd");
    QCOMPARE(d.distance(longA, longB), 1);
    QCOMPARE(d.distance(longA, u"x"), 42);
    QCOMPARE(d.distance(u"ab", u"ba"), 2);
}

void TestPhonetic::accentMap_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<QChar>("plain");
    QTest::newRow("S caron") << 138 << QChar(u'S');
    QTest::newRow("no-break space") << 160 << QChar(u' ');
    QTest::newRow("a ogonek") << 185 << QChar(u'a');
    QTest::newRow("e acute") << 233 << QChar(u'e');
    QTest::newRow("e caron") << 236 << QChar(u'e');
    QTest::newRow("t cedilla") << 254 << QChar(u't');
    QTest::newRow("multiplication sign stays") << 215 << QChar(u'\u00d7');
}

void TestPhonetic::accentMap()
{
    QFETCH(int, byte);
    QFETCH(QChar, plain);
    const char16_t c = AccentMap::cp1250ToUnicode(static_cast<unsigned char>(byte));
    QCOMPARE(QChar(AccentMap::stripAccent(c)), plain);
    QCOMPARE(AccentMap::stripAccents(QStringLiteral("x") + QChar(c)), QStringLiteral("x") + plain);
}

QTEST_APPLESS_MAIN(TestPhonetic)
#include "tst_phonetic.moc"
