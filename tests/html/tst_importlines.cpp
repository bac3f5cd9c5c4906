// The lines the list wizards import from text and rich-text files.
#include "TestFiles.h"
#include "html/text/ImportLines.h"
#include "html/text/RtfReader.h"

#include <QtTest>

class TestImportLines : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        return TestFiles::write(m_dir.filePath(name), bytes) ? m_dir.filePath(name) : QString();
    }

private slots:
    void read_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");

        const auto row = [](const char *name, const char *file, const QByteArray &bytes,
                            const QStringList &lines) {
            QTest::newRow(name) << QString(file) << bytes << lines;
        };
        // Text files.
        row("CRLF, blank lines skipped, kept lines untrimmed", "a.txt",
            "one\r\n\r\ntwo\r\n  \r\n\tthree \r\n", {"one", "two", "\tthree "});
        row("LF and CR line ends, no final break", "b.txt", "one\ntwo\rthree",
            {"one", "two", "three"});
        row("control characters make a line blank", "c.txt", "\x01\x02\x1f\nx\n", {"x"});
        row("Latin-1", "d.txt", "caf\xe9\nna\xefve\n", {"caf\u00e9", "na\u00efve"});
        row("UTF-8 with its mark", "e.txt",
            "\xef\xbb\xbf"
            "caf\xc3\xa9\n",
            {"caf\u00e9"});
        row("empty file", "f.txt", QByteArray(), {});
        row("rich text named .txt is read as rich text", "g.txt", "{\\rtf1 Hello\\par}", {"Hello"});
        row("plain text named .rtf is text", "h.rtf", "{not rtf}\n\\par\n", {"{not rtf}", "\\par"});
        // Rich text.
        row("paragraphs and lines; tables and info skipped", "a.rtf",
            "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
            "{\\colortbl;\\red0\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}"
            "{\\info{\\title The title}{\\author Me}}"
            "\\pard\\f0\\fs20 First\\par Second\\line Third\\par\\par\n}",
            {"First", "Second", "Third"});
        row("delimiting blank belongs to the word", "b.rtf", "{\\rtf1 \\b bold\\b0  plain\\par}",
            {"bold plain"});
        row("hex escapes as code page 1252", "c.rtf", "{\\rtf1 caf\\'e9 \\'80 \\'93q\\'94\\par}",
            {"caf\u00e9 \u20ac \u201cq\u201d"});
        row("raw 8-bit bytes as code page 1252", "d.rtf", "{\\rtf1 \x93q\x94\\par}",
            {"\u201cq\u201d"});
        row("unicode with its fallback skipped", "e.rtf",
            "{\\rtf1 \\u8364?5 \\uc2\\u945\\'3f\\'3fb \\uc1\\u-3913 ?x\\par}",
            {"\u20ac5 \u03b1b \uf0b7x"});
        row("fallback ends at a group", "f.rtf", "{\\rtf1 {\\uc3\\u228 a}b\\par}", {"\u00e4b"});
        row("escaped braces and backslash, tab", "g.rtf", "{\\rtf1 \\{x\\}\\\\y\\tab z\\par}",
            {"{x}\\y\tz"});
        row("star destinations and pictures skipped", "h.rtf",
            QByteArray(
                "{\\rtf1 {\\*\\generator Writer;}{\\pict\\pngblip 89504e47}"
                "{\\*\\bkmkstart m}a{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}\\par}"),
            {"alink"});
        row("binary data skipped", "i.rtf", "{\\rtf1 x{\\bin4 {}}\\} y\\par}", {"x y"});
        row("backslash line break is a paragraph", "j.rtf", "{\\rtf1 one\\\ntwo}", {"one", "two"});
        row("blank paragraphs skipped, blanks kept", "k.rtf",
            "{\\rtf1 \\par \\tab \\par  kept \\par}", {" kept "});
        // Truncated and malformed rich text gives what was read.
        row("truncated in text", "t1.rtf", "{\\rtf1 Hello\\par Wor", {"Hello", "Wor"});
        row("truncated in a hex escape", "t2.rtf", "{\\rtf1 abc\\'4", {"abc"});
        row("truncated after a backslash", "t3.rtf", "{\\rtf1 abc\\", {"abc"});
        row("truncated in binary data", "t4.rtf", "{\\rtf1 abc\\bin99999999 xy", {"abc"});
        row("more closing than opening braces", "t5.rtf", "{\\rtf1 a}}}b\\par}", {"ab"});
        row("huge parameters", "t6.rtf",
            "{\\rtf1 {\\uc99999999999999999 a}\\u99999999999999999 ?ok\\u4294967361 ?"
            "\\u-40000 ?\\par}",
            {"aok"});
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
