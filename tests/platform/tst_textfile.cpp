#include "TestFiles.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

using Encoding = TextFile::Encoding;
using LineEnding = TextFile::LineEnding;

class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void utf8PathAgreesWithDecoder_data();
    void utf8PathAgreesWithDecoder();
    void nulMissingAndFolderAreNoText();
    void convertsLineBreaks();
    void latin1DocumentGetsCharacterItCannotHold();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void TestTextFile::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<int>("lineEnding");
    QTest::addColumn<bool>("bom");
    QTest::addColumn<QString>("text");
    const int utf8 = int(Encoding::Utf8), latin1 = int(Encoding::Latin1);
    QTest::newRow("empty") << QByteArray() << utf8 << int(LineEnding::LF) << false << "";
    QTest::newRow("LF, final break")
        << QByteArray("a\nb\n") << utf8 << int(LineEnding::LF) << false << "a\nb\n";
    QTest::newRow("CRLF, no final break")
        << QByteArray("a\r\nb") << utf8 << int(LineEnding::CRLF) << false << "a\r\nb";
    QTest::newRow("CR") << QByteArray("a\rb\r") << utf8 << int(LineEnding::CR) << false << "a\rb\r";
    QTest::newRow("UTF-8") << QByteArray("bl\xc3\xa5\r\n") << utf8 << int(LineEnding::CRLF) << false
                           << QStringLiteral("bl\u00e5\r\n");
    QTest::newRow("UTF-8 with BOM")
        << QByteArray("\xef\xbb\xbfx\n") << utf8 << int(LineEnding::LF) << true << "x\n";
    // The file's own BOM is its format; a second one is text and stays.
    QTest::newRow("two BOMs") << QByteArray("\xef\xbb\xbf\xef\xbb\xbftext") << utf8
                              << int(LineEnding::LF) << true << QStringLiteral("\ufefftext");
    QTest::newRow("Latin-1") << QByteArray("bl\xe5\r\n\xff") << latin1 << int(LineEnding::CRLF)
                             << false << QStringLiteral("bl\u00e5\r\n\u00ff");
    QTest::newRow("BOM then Latin-1")
        << QByteArray("\xef\xbb\xbf\xe5") << latin1 << int(LineEnding::LF) << false
        << QStringLiteral("\u00ef\u00bb\u00bf\u00e5");
    QTest::newRow("only line breaks")
        << QByteArray("\r\n\r\n") << utf8 << int(LineEnding::CRLF) << false << "\r\n\r\n";
}

void TestTextFile::roundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QFETCH(int, lineEnding);
    QFETCH(bool, bom);
    QFETCH(QString, text);
    const QString file = path(QStringLiteral("round.txt"));
    QVERIFY(TestFiles::write(file, bytes));

    TextFile::Content content;
    QString error;
    QVERIFY2(TextFile::load(file, content, &error), qPrintable(error));
    QCOMPARE(content.text, text);
    QCOMPARE(int(content.format.encoding), encoding);
    QCOMPARE(int(content.format.lineEnding), lineEnding);
    QCOMPARE(content.format.utf8Bom, bom);

    QVERIFY(QFile::remove(file));
    QVERIFY2(TextFile::save(file, content.text, content.format, &error), qPrintable(error));
    QCOMPARE(TestFiles::read(file), bytes);
}

void TestTextFile::utf8PathAgreesWithDecoder_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QByteArray("plain text\nline two\n");
    QTest::newRow("long ascii then utf8")
        << QByteArray("abcdefghijklmnopqrstuvwxyz \xC3\xA6\xC3\xB8\xC3\xA5");
    QTest::newRow("three and four bytes") << QByteArray("\xE2\x82\xAC \xF0\x9F\x98\x80 end");
    QTest::newRow("bom") << QByteArray("\xEF\xBB\xBFhello\r\n");
    QTest::newRow("latin1") << QByteArray("bl\xE5"
                                          "b\xE6r\n");
    QTest::newRow("overlong") << QByteArray("\xC0\xAF");
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80");
    QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80");
    QTest::newRow("truncated at end") << QByteArray("abc\xE2\x82");
    QTest::newRow("stray continuation") << QByteArray("abc\x80"
                                                      "def");
}

// Our UTF-8 check must accept exactly what Qt's decoder accepts; what it refuses is Latin-1.
void TestTextFile::utf8PathAgreesWithDecoder()
{
    QFETCH(QByteArray, bytes);
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QStringDecoder qt(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString qtText = qt.decode(body);
    const bool valid = !qt.hasError();

    TextFile::Content content;
    QVERIFY(TextFile::decode(bytes, content));
    QCOMPARE(content.format.encoding == TextFile::Encoding::Utf8, valid);
    QCOMPARE(content.text, valid ? qtText : QString::fromLatin1(bytes));
}

void TestTextFile::nulMissingAndFolderAreNoText()
{
    const QString binary = path(QStringLiteral("binary.dat"));
    QVERIFY(TestFiles::write(binary, QByteArray("ab\0cd", 5)));
    for (const QString &file : {binary, path(QStringLiteral("missing.txt")), m_dir.path()}) {
        TextFile::Content content;
        content.text = QStringLiteral("untouched");
        QString error;
        QVERIFY(!TextFile::load(file, content, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(content.text, QStringLiteral("untouched"));
    }
}

void TestTextFile::convertsLineBreaks()
{
    const QString mixed = QStringLiteral("a\r\nb\nc\rd\n\r");
    QCOMPARE(TextFile::convertLineEndings(mixed, LineEnding::CRLF),
             QStringLiteral("a\r\nb\r\nc\r\nd\r\n\r\n"));
    QCOMPARE(TextFile::convertLineEndings(mixed, LineEnding::CR), QStringLiteral("a\rb\rc\rd\r\r"));

    const QString file = path(QStringLiteral("mixed.txt"));
    TextFile::Format format;
    format.lineEnding = LineEnding::CRLF;
    QVERIFY(TextFile::save(file, mixed, format));
    QCOMPARE(TestFiles::read(file), QByteArray("a\r\nb\r\nc\r\nd\r\n\r\n"));
}

void TestTextFile::latin1DocumentGetsCharacterItCannotHold()
{
    // Writing "?" for the euro sign would lose it; the text is kept whole as UTF-8 instead.
    TextFile::Format format;
    format.encoding = Encoding::Latin1;
    QCOMPARE(TextFile::encode(QStringLiteral("\u00e5"), format), QByteArray("\xe5"));
    const QByteArray bytes = TextFile::encode(QStringLiteral("\u00e5\u20ac"), format);
    TextFile::Content content;
    QVERIFY(TextFile::decode(bytes, content));
    QCOMPARE(content.text, QStringLiteral("\u00e5\u20ac"));
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
