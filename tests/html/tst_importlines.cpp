// The lines the list wizards import from text and rich-text files.
#include "html/text/ImportLines.h"
#include "html/text/RtfReader.h"

#include <QtTest>

class TestImportLines : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write a fixture");
        return file.fileName();
    }

private slots:
    void read_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");

        // Text files.
        QTest::newRow("CRLF, blank lines skipped, kept lines untrimmed")
            << "a.txt" << QByteArray("one\r\n\r\ntwo\r\n  \r\n\tthree \r\n")
            << QStringList {"one", "two", "\tthree "};
        QTest::newRow("LF and CR line ends, no final break")
            << "b.txt" << QByteArray("one\ntwo\rthree") << QStringList {"one", "two", "three"};
        QTest::newRow("control characters make a line blank")
            << "c.txt" << QByteArray("\x01\x02\x1f\nx\n") << QStringList {"x"};
        QTest::newRow("Latin-1") << "d.txt" << QByteArray("caf\xe9\nna\xefve\n")
                                 << QStringList {"caf\u00e9", "na\u00efve"};
        QTest::newRow("UTF-8 with its mark") << "e.txt"
                                             << QByteArray("\xef\xbb\xbf"
                                                           "caf\xc3\xa9\n")
                                             << QStringList {"caf\u00e9"};
        QTest::newRow("empty file") << "f.txt" << QByteArray() << QStringList {};
        QTest::newRow("rich text named .txt is read as rich text")
            << "g.txt" << QByteArray("{\\rtf1 Hello\\par}") << QStringList {"Hello"};
        QTest::newRow("plain text named .rtf is text")
            << "h.rtf" << QByteArray("{not rtf}\n\\par\n") << QStringList {"{not rtf}", "\\par"};

        // Rich text.
        QTest::newRow("paragraphs and lines; tables and info skipped")
            << "a.rtf"
            << QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
                          "{\\colortbl;\\red0\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}"
                          "{\\info{\\title The title}{\\author Me}}"
                          "\\pard\\f0\\fs20 First\\par Second\\line Third\\par\\par\n}")
            << QStringList {"First", "Second", "Third"};
        QTest::newRow("delimiting blank belongs to the word")
            << "b.rtf" << QByteArray("{\\rtf1 \\b bold\\b0  plain\\par}")
            << QStringList {"bold plain"};
        QTest::newRow("hex escapes as code page 1252")
            << "c.rtf" << QByteArray("{\\rtf1 caf\\'e9 \\'80 \\'93q\\'94\\par}")
            << QStringList {"caf\u00e9 \u20ac \u201cq\u201d"};
        QTest::newRow("raw 8-bit bytes as code page 1252")
            << "d.rtf" << QByteArray("{\\rtf1 \x93q\x94\\par}") << QStringList {"\u201cq\u201d"};
        QTest::newRow("unicode with its fallback skipped")
            << "e.rtf"
            << QByteArray("{\\rtf1 \\u8364?5 \\uc2\\u945\\'3f\\'3fb \\uc1\\u-3913 ?x\\par}")
            << QStringList {"\u20ac5 \u03b1b \uf0b7x"};
        QTest::newRow("fallback ends at a group")
            << "f.rtf" << QByteArray("{\\rtf1 {\\uc3\\u228 a}b\\par}") << QStringList {"\u00e4b"};
        QTest::newRow("escaped braces and backslash, tab")
            << "g.rtf" << QByteArray("{\\rtf1 \\{x\\}\\\\y\\tab z\\par}")
            << QStringList {"{x}\\y\tz"};
        QTest::newRow("star destinations and pictures skipped")
            << "h.rtf"
            << QByteArray(
                   "{\\rtf1 {\\*\\generator Writer;}{\\pict\\pngblip 89504e47}"
                   "{\\*\\bkmkstart m}a{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}\\par}")
            << QStringList {"alink"};
        QTest::newRow("binary data skipped")
            << "i.rtf" << QByteArray("{\\rtf1 x{\\bin4 {}}\\} y\\par}") << QStringList {"x y"};
        QTest::newRow("backslash line break is a paragraph")
            << "j.rtf" << QByteArray("{\\rtf1 one\\\ntwo}") << QStringList {"one", "two"};
        QTest::newRow("blank paragraphs skipped, blanks kept")
            << "k.rtf" << QByteArray("{\\rtf1 \\par \\tab \\par  kept \\par}")
            << QStringList {" kept "};

        // Truncated and malformed rich text gives what was read.
        QTest::newRow("truncated in text")
            << "t1.rtf" << QByteArray("{\\rtf1 Hello\\par Wor") << QStringList {"Hello", "Wor"};
        QTest::newRow("truncated in a hex escape")
            << "t2.rtf" << QByteArray("{\\rtf1 abc\\'4") << QStringList {"abc"};
        QTest::newRow("truncated after a backslash")
            << "t3.rtf" << QByteArray("{\\rtf1 abc\\") << QStringList {"abc"};
        QTest::newRow("truncated in binary data")
            << "t4.rtf" << QByteArray("{\\rtf1 abc\\bin99999999 xy") << QStringList {"abc"};
        QTest::newRow("more closing than opening braces")
            << "t5.rtf" << QByteArray("{\\rtf1 a}}}b\\par}") << QStringList {"ab"};
        QTest::newRow("huge parameters")
            << "t6.rtf"
            << QByteArray("{\\rtf1 {\\uc99999999999999999 a}\\u99999999999999999 ?ok\\u4294967361 ?"
                          "\\u-40000 ?\\par}")
            << QStringList {"aok"};
    }
    void read()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QStringList lines {"unchanged"};
        QString error;
        QVERIFY2(ImportLines::read(write(name, bytes), lines, &error), qPrintable(error));
        QCOMPARE(lines, expected);
    }

    // Nesting deeper than the reader follows costs no stack and no text outside it.
    void deepNesting()
    {
        const int depth = 200000;
        const QByteArray rtf = "{\\rtf1 top " + QByteArray(depth, '{') + "deep"
            + QByteArray(depth, '}') + "\\par end}";
        const QStringList lines = RtfReader::paragraphs(rtf);
        QCOMPARE(lines, QStringList({"top ", "end"}));

        const QByteArray unclosed = "{\\rtf1 a" + QByteArray(depth, '{') + "b";
        QCOMPARE(RtfReader::paragraphs(unclosed), QStringList {"a"});

        const QByteArray shallow =
            "{\\rtf1 " + QByteArray(50, '{') + "kept" + QByteArray(50, '}') + "}";
        QCOMPARE(RtfReader::paragraphs(shallow), QStringList {"kept"});
    }

    void unreadable()
    {
        QStringList lines {"unchanged"};
        QString error;
        const QString missing = m_dir.filePath("missing.txt");
        QVERIFY(!ImportLines::read(missing, lines, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(lines, QStringList {"unchanged"});
        QCOMPARE(ImportLines::cannotOpenText(missing, error),
                 "Cannot open file \"" + missing + "\". " + error);

        error.clear();
        QVERIFY(!ImportLines::read(m_dir.path(), lines, &error));
        QVERIFY(!error.isEmpty());

        error.clear();
        QVERIFY(!ImportLines::read(write("nul.txt", QByteArray("a\0b", 3)), lines, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(lines, QStringList {"unchanged"});
    }
};

QTEST_APPLESS_MAIN(TestImportLines)
#include "tst_importlines.moc"
