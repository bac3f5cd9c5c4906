#include "editor/EditorAdapter.h"
#include "editor/highlighting/Highlighter.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <Qsci/qsciscintilla.h>

using LE = TextFile::LineEnding;

class TestEditorAdapter : public QObject
{
    Q_OBJECT

private:
    static TextFile::Format formatWith(LE ending)
    {
        TextFile::Format f;
        f.lineEnding = ending;
        return f;
    }

private slots:
    void widgetIsNamedAndParented()
    {
        QWidget window;
        EditorAdapter ed(&window);
        QCOMPARE(ed.widget()->objectName(), QStringLiteral("SynEdit1"));
        QCOMPARE(ed.widget()->parentWidget(), &window);
    }

    void lineList_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("one line") << "abc" << QStringList {"abc"};
        QTest::newRow("final break adds no line") << "abc\n" << QStringList {"abc"};
        QTest::newRow("lone break") << "\n" << QStringList {""};
        QTest::newRow("empty line inside") << "a\n\nb" << QStringList {"a", "", "b"};
        QTest::newRow("mixed breaks") << "a\r\nb\rc\nd" << QStringList {"a", "b", "c", "d"};
        QTest::newRow("two final breaks") << "a\n\n" << QStringList {"a", ""};
        QTest::newRow("not ASCII") << QString::fromUtf8("bl\u00e5b\u00e6r\n\u20ac 5 \U0001F600")
                                   << QStringList {QString::fromUtf8("bl\u00e5b\u00e6r"),
                                                   QString::fromUtf8("\u20ac 5 \U0001F600")};
    }
    void lineList()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(EditorAdapter::splitLines(text), lines);

        EditorAdapter ed;
        ed.setText(text);
        QCOMPARE(ed.lineCount(), lines.size());
        QCOMPARE(ed.lines(), lines);
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(ed.line(i + 1), lines.at(i));
        QCOMPARE(ed.line(0), QString());
        QCOMPARE(ed.line(lines.size() + 1), QString());
    }

    void textUsesDocumentLineEnding()
    {
        EditorAdapter ed;
        ed.setFormat(formatWith(LE::CRLF));
        ed.setText(QStringLiteral("a\nb\rc\r\n"));
        QCOMPARE(ed.text(), QStringLiteral("a\r\nb\r\nc\r\n"));
        QCOMPARE(ed.lineCount(), 3);
        ed.setLines({"x", "y"});
        QCOMPARE(ed.text(), QStringLiteral("x\r\ny"));
    }

    // A U+FEFF at the start of the text (a second BOM in the file) is text like any other,
    // on both ways in: bytes as they are, and bytes whose line ends are made uniform.
    void leadingByteOrderMarkIsKept()
    {
        EditorAdapter ed;
        ed.loadUtf8("\xEF\xBB\xBFtext\n", formatWith(LE::LF));
        QCOMPARE(ed.text(), QStringLiteral("\uFEFFtext\n"));
        QCOMPARE(ed.lines().value(0), QStringLiteral("\uFEFFtext"));
        QCOMPARE(ed.line(1), QStringLiteral("\uFEFFtext"));
        ed.loadUtf8("\xEF\xBB\xBF"
                    "a\r\nb\nc",
                    formatWith(LE::CRLF));
        QCOMPARE(ed.text(), QStringLiteral("\uFEFFa\r\nb\r\nc"));
    }

    void caretIsOneBasedWithVirtualSpace()
    {
        EditorAdapter ed;
        ed.setText(
            QStringLiteral("abc\n\xE6\xF8\xE5xyz\nlast")); // non-ASCII counts one column each
        QSignalSpy moved(&ed, &EditorAdapter::caretMoved);
        ed.setCaret(2, 4);
        QCOMPARE(ed.caretLine(), 2);
        QCOMPARE(ed.caretColumn(), 4);
        QCOMPARE(moved.last(), (QVariantList {2, 4}));
        ed.setCaret(1, 10); // past the end of "abc"
        QCOMPARE(ed.caretLine(), 1);
        QCOMPARE(ed.caretColumn(), 10);
        ed.setCaret(99, 1); // clamped to the last line
        QCOMPARE(ed.caretLine(), 3);
        ed.setCaret(-5, 0);
        QCOMPARE(ed.caretLine(), 1);
        QCOMPARE(ed.caretColumn(), 1);
    }

    void insertAtCaret_data()
    {
        QTest::addColumn<int>("ending");
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<QString>("expected");
        const QString ins = QStringLiteral("1\r2\n3\r\n");
        QTest::newRow("LF document") << int(LE::LF) << ins << QStringLiteral("a1\n2\n3\nef");
        QTest::newRow("CRLF document")
            << int(LE::CRLF) << ins << QStringLiteral("a1\r\n2\r\n3\r\nef");
        QTest::newRow("CR document") << int(LE::CR) << ins << QStringLiteral("a1\r2\r3\ref");
    }
    void insertAtCaret()
    {
        QFETCH(int, ending);
        QFETCH(QString, inserted);
        QFETCH(QString, expected);
        EditorAdapter ed;
        ed.setFormat(formatWith(LE(ending)));
        ed.setText(QStringLiteral("abc\ndef"));
        ed.setSelection(1, 2, 2, 2); // "bc" + break + "d" is replaced
        QCOMPARE(ed.selectedText().size(), 4 + (LE(ending) == LE::CRLF ? 1 : 0));
        ed.insertAtCaret(inserted);
        QCOMPARE(ed.text(), expected);
        QVERIFY(!ed.hasSelection());
        QCOMPARE(ed.caretLine(), 4); // after the text, before "ef"
        QCOMPARE(ed.caretColumn(), 1);
        ed.undo(); // one undo step brings back the original
        QCOMPARE(ed.text(),
                 LE(ending) == LE::CRLF     ? QStringLiteral("abc\r\ndef")
                     : LE(ending) == LE::CR ? QStringLiteral("abc\rdef")
                                            : QStringLiteral("abc\ndef"));
    }

    void insertInVirtualSpaceFillsBlanks()
    {
        EditorAdapter ed;
        ed.setText(QStringLiteral("ab\ncd"));
        ed.setCaret(1, 5);
        ed.insertAtCaret(QStringLiteral("X"));
        QCOMPARE(ed.line(1), QStringLiteral("ab  X"));
        QCOMPARE(ed.caretColumn(), 6);
        ed.undo();
        QCOMPARE(ed.line(1), QStringLiteral("ab"));
    }

    void textChangedOnlyForEdits()
    {
        EditorAdapter ed;
        QSignalSpy spy(&ed, &EditorAdapter::textChanged);
        ed.setText(QStringLiteral("loaded"));
        TextFile::Content content;
        content.text = QStringLiteral("from file\r\n");
        content.format = formatWith(LE::CRLF);
        ed.loadContent(content);
        QCOMPARE(spy.count(), 0);
        QVERIFY(!ed.isModified());
        QCOMPARE(ed.format().lineEnding, LE::CRLF);

        ed.insertAtCaret(QStringLiteral("x"));
        QVERIFY(spy.count() >= 1);
        QVERIFY(ed.isModified());
        ed.setModified(false);
        QVERIFY(!ed.isModified());
        ed.setModified(true);
        QVERIFY(ed.isModified());
        ed.setText(QString());
        QVERIFY(!ed.isModified());

        ed.setReadOnly(true);
        ed.setText(QStringLiteral("shown"));
        QCOMPARE(ed.text(), QStringLiteral("shown"));
        ed.insertAtCaret(QStringLiteral("typed"));
        QCOMPARE(ed.text(), QStringLiteral("shown"));
    }

    void caretLineIndent_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("indent");
        const char *const rows[][3] = {{"four blanks", "    x", "    "},
                                       {"none", "x  ", ""},
                                       {"tab first", "\t  x", ""},
                                       {"tab ends the run", "  \tx", "  "},
                                       {"blank line", "   ", "   "}};
        for (const auto &r : rows)
            QTest::newRow(r[0]) << QString(r[1]) << QString(r[2]);
    }
    void caretLineIndent()
    {
        QFETCH(QString, line);
        QFETCH(QString, indent);
        EditorAdapter ed;
        ed.setText(QStringLiteral("first\n") + line);
        ed.setCaret(2, 3);
        QCOMPARE(ed.caretLineIndent(), indent);
    }

    void markers()
    {
        EditorAdapter ed;
        ed.setText(QStringLiteral("one\ntwo\nthree"));
        ed.addMarker(3);
        ed.addMarker(1);
        ed.addMarker(1);
        QCOMPARE(ed.markerLines(), (QList<int> {1, 3}));
        ed.deleteMarker(1);
        QCOMPARE(ed.markerLines(), (QList<int> {3}));
    }

    void loadsLargeContentQuickly()
    {
        TextFile::Content content;
        const QString line =
            QStringLiteral("public static void main(String[] args) { int x = 42; }\n");
        content.text.reserve(4 * 1024 * 1024 + line.size());
        while (content.text.size() < 4 * 1024 * 1024)
            content.text += line;
        EditorAdapter ed;
        Highlighter java(Highlighter::Java);
        ed.setHighlighter(&java);
        QElapsedTimer timer;
        timer.start();
        ed.loadContent(content);
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(ed.lineCount(), content.text.count(QLatin1Char('\n')));
    }
};

QTEST_MAIN(TestEditorAdapter)
#include "tst_EditorAdapter.moc"
