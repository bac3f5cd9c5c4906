// The print engine on a PDF printer (read back with pdftotext) and the HTML and RTF exporters.
#include "ProcessWait.h"
#include "ScintillaOf.h"
#include "editor/EditorAdapter.h"
#include "editor/highlighting/Highlighter.h"
#include "editor/highlighting/StyledText.h"
#include "editor/output/Exporters.h"
#include "editor/output/PrintEngine.h"

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QWidget>

namespace {

QString javaSource(int lines)
{
    QStringList text {"public class Hello {"};
    for (int i = 2; i < lines; ++i)
        text << QStringLiteral("    int value%1 = %1; // line %1").arg(i);
    text << "}";
    return text.join(u'\n');
}

// The printer writes the PDF file name in dir.
void toPdf(QPrinter &printer, const QTemporaryDir &dir, const char *name)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QLatin1String(name)));
}

// The text pdftotext finds in a PDF file, pages separated by form feeds.
QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(ProcessWait))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestPrintExport : public QObject
{
    Q_OBJECT

private slots:
    void pageMacros_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expanded");
        const char *const rows[][3] = {
            {"both", "Page $PAGENUM$ of $PAGECOUNT$", "Page 2 of 3"},
            {"twice", "$PAGENUM$/$PAGENUM$", "2/2"},
            {"none", "Printed from Quillmarsh's Editor", "Printed from Quillmarsh's Editor"},
            {"lower case is text", "$pagenum$", "$pagenum$"}};
        for (const auto &r : rows)
            QTest::newRow(r[0]) << QString(r[1]) << QString(r[2]);
    }
    void pageMacros()
    {
        QFETCH(QString, text);
        QFETCH(QString, expanded);
        QCOMPARE(PrintEngine::expand(text, 2, 3), expanded);
    }

    // Three pages of a highlighted Java text with header and footer, printed to a PDF file;
    // the visible editor keeps its text, highlighter and caret.
    void printsHeaderFooterAndPagesToPdf()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QWidget window;
        EditorAdapter editor(&window);
        Highlighter java(Highlighter::Java);
        editor.setHighlighter(&java);
        editor.setText(javaSource(120));
        editor.setCaret(5, 3);

        PrintEngine engine;
        engine.Header.Add(QStringLiteral("03.02.2001 04:05:06"), PrintEngine::defaultFont(),
                          Qt::AlignLeft, 1);
        engine.Header.Add(QStringLiteral("Document: Hello.java"), PrintEngine::defaultFont(),
                          Qt::AlignRight, 1);
        engine.Footer.Add(QStringLiteral("Printed from Quillmarsh's Editor"),
                          PrintEngine::defaultFont(), Qt::AlignLeft, 1);
        engine.Footer.Add(QStringLiteral("Page $PAGENUM$ of $PAGECOUNT$"),
                          PrintEngine::defaultFont(), Qt::AlignRight, 1);
        engine.LineNumbers = true;
        engine.setEditor(&editor);

        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        toPdf(printer, dir, "out.pdf");
        printer.setPageSize(QPageSize(QPageSize::A4));
        QString error;
        const int pages = engine.paint(&printer, &error);
        QVERIFY2(pages >= 2, qPrintable(error));
        QCOMPARE(engine.pageCount(), pages);

        const QString text = pdfText(dir.filePath(QStringLiteral("out.pdf")));
        const QStringList pageTexts = text.split(u'\f', Qt::SkipEmptyParts);
        QCOMPARE(pageTexts.size(), pages);
        for (int p = 1; p <= pages; ++p) {
            const QString page = pageTexts.at(p - 1);
            QVERIFY(page.contains(QStringLiteral("03.02.2001 04:05:06")));
            QVERIFY(page.contains(QStringLiteral("Document: Hello.java")));
            QVERIFY(page.contains(QStringLiteral("Printed from Quillmarsh's Editor")));
            QVERIFY2(page.contains(QStringLiteral("Page %1 of %2").arg(p).arg(pages)),
                     qPrintable(page.left(400)));
        }
        QVERIFY(pageTexts.first().contains(QStringLiteral("public class Hello")));
        QVERIFY(text.contains(QStringLiteral("int value119 = 119; // line 119")));
        // Line numbers stand before the lines.
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\b60\\s+int value60 = 60"))));

        QCOMPARE(editor.lineCount(), 120);
        QCOMPARE(editor.caretLine(), 5);
        QCOMPARE(editor.highlighter(), &java);
        QCOMPARE(scintillaOf(editor)->lexer(), java.lexer());
    }

    // The progress of a print: each page counted (the count 0), then each page before it is
    // printed. Stopping prints nothing and leaves no file. An empty document has its page.
    void progressReportsAndStops()
    {
        QWidget window;
        EditorAdapter editor(&window);
        editor.setText(javaSource(300));
        PrintEngine engine;
        QTemporaryDir dir;
        QPrinter printer;
        toPdf(printer, dir, "p.pdf");
        QList<QPair<int, int>> calls;
        engine.setEditor(&editor);
        const int pages = engine.paint(&printer, nullptr, {}, [&calls](int done, int count) {
            calls.append({done, count});
            return true;
        });
        QVERIFY(pages >= 3);
        QList<QPair<int, int>> expected;
        for (int counted = 1; counted < pages; ++counted)
            expected.append({counted, 0});
        for (int printed = 0; printed < pages; ++printed)
            expected.append({printed, pages});
        QCOMPARE(calls, expected);

        QFile::remove(printer.outputFileName());
        engine.setEditor(&editor);
        QString error = QStringLiteral("untouched");
        QCOMPARE(engine.paint(&printer, &error, {},
                              [](int done, int count) { return count == 0 || done < 2; }),
                 0);
        QCOMPARE(error, QString());
        QVERIFY(!QFile::exists(printer.outputFileName()));

        editor.setText(QString());
        engine.setEditor(&editor);
        QCOMPARE(engine.paint(&printer), 1);
    }

    // With colours the keywords and comments print in colour; without, every pixel is grey.
    void colourSwitch_data()
    {
        QTest::addColumn<bool>("highlight");
        QTest::newRow("colours") << true;
        QTest::newRow("black on white") << false;
    }
    void colourSwitch()
    {
        QFETCH(bool, highlight);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        QWidget window;
        EditorAdapter editor(&window);
        Highlighter java(Highlighter::Java);
        editor.setHighlighter(&java);
        editor.setText(QStringLiteral("public class A { // a comment\n  String s = \"text\";\n}"));
        PrintEngine engine;
        engine.Highlight = highlight;
        engine.setEditor(&editor);
        QTemporaryDir dir;
        QPrinter printer;
        toPdf(printer, dir, "c.pdf");
        QCOMPARE(engine.paint(&printer), 1);
        QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"),
                                   {QStringLiteral("-r"), QStringLiteral("60"),
                                    QStringLiteral("-png"), dir.filePath(QStringLiteral("c.pdf")),
                                    dir.filePath(QStringLiteral("c"))}),
                 0);
        const QImage page(dir.filePath(QStringLiteral("c-1.png")));
        QVERIFY(!page.isNull());
        int coloured = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                if (qMax(qAbs(c.red() - c.green()), qAbs(c.green() - c.blue())) > 40)
                    ++coloured;
            }
        QCOMPARE(coloured > 0, highlight);
        // The visible editor keeps its highlighter.
        QCOMPARE(scintillaOf(editor)->lexer(), java.lexer());
    }

    // ---- export ------------------------------------------------------------------------

    void htmlReadBackGivesTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("markup characters") << "if (a < b && c > d) s = \"x\";";
        QTest::newRow("entities stay text") << "&amp; &lt; <b>bold</b>";
        QTest::newRow("non-ASCII") << QString::fromUtf8("æøå € – 漢字");
        QTest::newRow("first line empty") << "\nint x;";
        QTest::newRow("tabs and blanks") << "\tint  x;\n    y();";
    }
    void htmlReadBackGivesTheText()
    {
        QFETCH(QString, text);
        QWidget window;
        EditorAdapter editor(&window);
        Highlighter java(Highlighter::Java);
        editor.setHighlighter(&java);
        editor.setText(text);
        const QString page = ExporterHTML().exportText(StyledText::of(editor, false),
                                                       QStringLiteral("\"A<b>\" exported as HTML"));
        QTextDocument doc;
        doc.setHtml(page);
        QCOMPARE(doc.toPlainText(), text);
        QCOMPARE(doc.metaInformation(QTextDocument::DocumentTitle),
                 QStringLiteral("\"A<b>\" exported as HTML"));
        QVERIFY(page.contains(QLatin1String("<meta charset=\"utf-8\">")));
    }

    void exportCarriesStyles()
    {
        QWidget window;
        EditorAdapter editor(&window);
        Highlighter java(Highlighter::Java);
        editor.setHighlighter(&java);
        editor.setText(QStringLiteral("public class A { // note\n} x"));
        const StyledText styled = StyledText::of(editor, false);
        QCOMPARE(styled.plainText(), editor.text());
        editor.setSelection(1, 8, 2, 2); // the selection alone, over the line break
        QCOMPARE(StyledText::of(editor, true).plainText(), QStringLiteral("class A { // note\n}"));
        bool boldKeyword = false, colouredComment = false;
        for (const StyledRun &run : styled.runs) {
            const TextStyle s = styled.styles.value(run.style);
            if (run.text == QLatin1String("public"))
                boldKeyword = s.bold;
            if (run.text.contains(QLatin1String("// note")))
                colouredComment = s.fore != QColor(Qt::black);
        }
        QVERIFY(boldKeyword);
        QVERIFY(colouredComment);
        const QString html = ExporterHTML().exportText(styled, QStringLiteral("t"));
        QVERIFY(html.contains(QLatin1String("font-weight: bold")));
        const QString rtf = ExporterRTF().exportText(styled, QStringLiteral("t"));
        QVERIFY(rtf.contains(QLatin1String("\\b ")));
        QVERIFY(rtf.contains(QLatin1String("{\\colortbl;")));
    }

    void rtfEscapes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("rtf");
        const char *const rows[][3] = {{"braces and backslash", "a{b}\\c", "a\\{b\\}\\\\c"},
                                       {"line breaks", "a\nb\r\nc", "a\\par\nb\\par\nc"},
                                       {"tab", "\tx", "\\tab x"},
                                       {"latin", "é", "\\u233?"},
                                       {"above 32767 is negative", "\uFF21", "\\u-223?"},
                                       {"surrogate pair", "😀", "\\u-10179?\\u-8704?"}};
        for (const auto &r : rows)
            QTest::newRow(r[0]) << QString::fromUtf8(r[1]) << QString(r[2]);
    }
    void rtfEscapes()
    {
        QFETCH(QString, text);
        QFETCH(QString, rtf);
        QCOMPARE(ExporterRTF::escape(text), rtf);
    }

    void rtfDocumentShape()
    {
        QWidget window;
        EditorAdapter editor(&window);
        editor.setText(QString::fromUtf8("{x} ø"));
        const QString rtf = ExporterRTF().exportText(StyledText::of(editor, false),
                                                     QStringLiteral("\"a.txt\" exported as RTF"));
        QVERIFY(rtf.startsWith(QLatin1String("{\\rtf1")));
        QVERIFY(rtf.contains(QLatin1String("{\\fonttbl{\\f0")));
        QVERIFY(rtf.contains(QLatin1String("{\\info{\\title \"a.txt\" exported as RTF}}")));
        QVERIFY(rtf.contains(QLatin1String("\\{x\\} \\u248?")));
        for (const QChar c : rtf)
            QVERIFY(c.unicode() < 0x80);
        QCOMPARE(rtf.count(u'{') - rtf.count(QLatin1String("\\{")),
                 rtf.count(u'}') - rtf.count(QLatin1String("\\}")));
    }
};

QTEST_MAIN(TestPrintExport)
#include "tst_printexport.moc"
