// Print, print set-up, print preview and export of the active document: the header and footer
// the settings ask for, the pages chosen reaching a PDF file, a print that reaches no printer,
// the preview window; the export's save dialog, the file written, the document's own file
// refused, a failed write and a cancelled dialog (what an exporter writes is tst_printexport's).
#include "FakeFeatureHost.h"
#include "FakeFileDialogs.h"
#include "FakePrompter.h"
#include "FixedClock.h"
#include "ProcessWait.h"
#include "TestFiles.h"
#include "editor/EditorAdapter.h"
#include "editor/output/PrintEngine.h"
#include "shell/printing/ExportCommands.h"
#include "shell/printing/PagePreview.h"
#include "shell/printing/PrintCommands.h"
#include "shell/printing/PrintPreviewFrm.h"

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

namespace {

QString javaLines(int count)
{
    QString text;
    for (int i = 1; i <= count; ++i)
        text += QStringLiteral("int line%1 = %1;\n").arg(i);
    return text;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    return p.waitForFinished(ProcessWait) ? QString::fromUtf8(p.readAllStandardOutput())
                                          : QString();
}

// The print and export commands on a host, with scripted dialogs; prints go to a PDF file of the folder
// (none when pdf is empty).
struct Printing {
    FakePrompter prompter;
    FakeFileDialogs dialogs;
    FakeFeatureHost host;
    PrintCommands print {host};
    ExportCommands exports {host};
    QPrinter *printer = FileDialogs::printer();
    const QPageLayout layout = printer->pageLayout();

    explicit Printing(const QByteArray &ini = QByteArray(), const QString &pdf = QString())
        : host(ini)
    {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf.isEmpty() ? QString() : host.folder.filePath(pdf));
        printer->setPageSize(QPageSize(QPageSize::A4));
    }
    ~Printing()
    {
        printer->setOutputFileName(QString());
        printer->setPageLayout(layout);
        printer->setCopyCount(1);
    }
    void trigger(const char *item) { host.actions().action(QLatin1String(item))->trigger(); }
    QString path(const QString &name) const { return host.folder.filePath(name); }
    // Exports the active document to the file named (cancels when empty) with the item.
    void run(const char *item, const QString &target = QString())
    {
        if (!target.isEmpty())
            dialogs.answerFiles({target});
        trigger(item);
    }
};

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void headerAndFooterFromSettings_data()
    {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<QStringList>("header"); // text|L or text|R
        QTest::addColumn<QStringList>("footer");
        const QString stamp = QLocale::c().toString(QDate(2001, 2, 3), QLocale::ShortFormat);
        const QString time = "04:05:06";
        const QString doc = "Document: Hello.java";
        const QStringList footer {"Printed from Quillmarsh's Editor|L",
                                  "Page $PAGENUM$ of $PAGECOUNT$|R"};
        const QStringList header {stamp + " " + time + "|L", doc + "|R"};
        QTest::newRow("no keys: everything") << QByteArray() << header << footer;
        QTest::newRow("time without date starts with a blank")
            << QByteArray("PrintDate=0") << QStringList {" " + time + "|L", doc + "|R"} << footer;
        QTest::newRow("date without time")
            << QByteArray("PrintTime=0") << QStringList {stamp + "|L", doc + "|R"} << footer;
        QTest::newRow("no stamp: the name stands alone, left")
            << QByteArray("PrintDate=0\r\nPrintTime=0") << QStringList {doc + "|L"} << footer;
        QTest::newRow("no name") << QByteArray("NameOfPrntDoc=0") << header.mid(0, 1) << footer;
        QTest::newRow("no header") << QByteArray("PrintHeader=0") << QStringList() << footer;
        QTest::newRow("no page number, no colours, line numbers")
            << QByteArray("PrintPageNum=0\r\nShowColorHighltPrint=0\r\nShowPrintLnNr=1") << header
            << footer.mid(0, 1);
        QTest::newRow("no footer: no page number either")
            << QByteArray("PrintFooter=0\r\nPrintPageNum=1") << header << QStringList();
    }
    void headerAndFooterFromSettings()
    {
        QFETCH(QByteArray, keys);
        QFETCH(QStringList, header);
        QFETCH(QStringList, footer);
        FixedClock clock;
        Printing p("[ApplicationOptions]\r\n" + keys + "\r\n");
        QVERIFY(!p.print.SkrivUt()); // no document
        p.host.open("Hello.java", "class Hello {}\n");
        QVERIFY(p.print.SkrivUt());
        auto flat = [](const PrintEngine::Section &s) {
            QStringList out;
            for (const PrintEngine::Item &i : s.items())
                out << i.text + (i.alignment == Qt::AlignRight ? "|R" : "|L")
                        + (i.line == 1 ? "" : "|line " + QString::number(i.line));
            return out;
        };
        PrintEngine *engine = p.print.SynEditPrint1;
        QCOMPARE(flat(engine->Header), header);
        QCOMPARE(flat(engine->Footer), footer);
        QCOMPARE(engine->DocTitle, "Hello.java");
        QCOMPARE(engine->Highlight, !keys.contains("ShowColorHighltPrint=0"));
        QCOMPARE(engine->LineNumbers, keys.contains("ShowPrintLnNr=1"));
    }

    void stampHasSecondsAndNoZone()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QDateTime at(QDate(2001, 2, 3), QTime(16, 5, 6));
        const QString s = PrintCommands::stamp(at, true, true);
        QVERIFY2(s.startsWith("2/3/01 4:05:06") && s.endsWith(u"PM"), qPrintable(s));
        QCOMPARE(PrintCommands::stamp(at, false, false), QString());
    }

    // The print dialog is offered the document's pages and its selection, and exactly the
    // pages chosen reach the PDF file, each with the header and its page number.
    void printsThePagesChosen_data()
    {
        QTest::addColumn<int>("range"); // QPrinter::PrintRange
        QTest::addColumn<QString>("pages");
        QTest::addColumn<int>("copies");
        QTest::addColumn<QStringList>("footers"); // of each printed page, in order
        QTest::newRow("all") << int(QPrinter::AllPages) << "" << 1
                             << QStringList {"Page 1 of 3", "Page 2 of 3", "Page 3 of 3"};
        QTest::newRow("pages 2 to 2")
            << int(QPrinter::PageRange) << "2" << 1 << QStringList {"Page 2 of 3"};
        QTest::newRow("pages 1 and 3")
            << int(QPrinter::PageRange) << "1,3" << 1 << QStringList {"Page 1 of 3", "Page 3 of 3"};
        QTest::newRow("two copies of page 3")
            << int(QPrinter::PageRange) << "3-9" << 2 << QStringList {"Page 3 of 3", "Page 3 of 3"};
        QTest::newRow("selection")
            << int(QPrinter::Selection) << "" << 1 << QStringList {"Page 1 of 1"};
    }
    void printsThePagesChosen()
    {
        QFETCH(int, range);
        QFETCH(QString, pages);
        QFETCH(int, copies);
        QFETCH(QStringList, footers);
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        FixedClock clock;
        Printing p(QByteArray(), "Three.pdf");
        p.host.open("Three.java", javaLines(130))->editor()->setSelection(100, 1, 111, 1);
        p.printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                             QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        p.printer->setCopyCount(copies);
        p.dialogs.printChoice = [&](QPrinter *printer) {
            printer->setPrintRange(QPrinter::PrintRange(range));
            printer->setPageRanges(QPageRanges::fromString(pages));
        };
        p.trigger("Print1");
        QCOMPARE(p.dialogs.calls.size(), 1);
        QCOMPARE(p.dialogs.calls.first().kind, FakeFileDialogs::Print);
        QCOMPARE(p.dialogs.calls.first().pageCount, 3);
        QVERIFY(p.dialogs.calls.first().hasSelection);
        QVERIFY2(p.prompter.calls.isEmpty(), qPrintable(p.prompter.texts().join(u'|')));
        const QStringList printed =
            run("pdftotext", {p.path("Three.pdf"), "-"}).split(u'\f', Qt::SkipEmptyParts);
        QCOMPARE(printed.size(), footers.size());
        for (int i = 0; i < footers.size(); ++i) {
            const QString &page = printed.at(i);
            QVERIFY2(page.contains(footers.at(i)), qPrintable(page.right(200)));
            QVERIFY(page.contains(PrintCommands::stamp(clock.time, true, true)));
            QVERIFY(page.contains("Document: Three.java"));
            QVERIFY(page.contains("Printed from Quillmarsh's Editor"));
        }
        if (range == QPrinter::AllPages)
            QVERIFY(printed.last().contains("int line130 = 130;"));
        if (range == QPrinter::Selection) { // the selected lines alone, whole
            const QString text = printed.first();
            QVERIFY(!text.contains("int line99 = 99;"));
            QVERIFY(text.contains("int line100 = 100;"));
            QVERIFY(text.contains("int line110 = 110;"));
            QVERIFY(!text.contains("int line111 = 111;"));
        }
    }

    // The text keeps 20 mm from the paper's sides and 15 mm from its top and bottom, also after
    // Print Setup (the real dialog, accepted as it opens).
    void marginsAPrinterCanPrint()
    {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        Printing p(QByteArray(), "Margins.pdf");
        p.host.open("Margins.java", javaLines(200));
        FileDialogs::setInstance(nullptr);
        QTimer::singleShot(0, [] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                dialog->accept();
        });
        p.trigger("PrinterSetup1");
        FileDialogs::setInstance(&p.dialogs);
        p.printer->setOutputFormat(QPrinter::PdfFormat);
        p.printer->setOutputFileName(p.path("Margins.pdf"));
        p.trigger("Print1");
        QVERIFY2(p.prompter.calls.isEmpty(), qPrintable(p.prompter.texts().join(u'|')));
        const int dpi = 144;
        QCOMPARE(QProcess::execute("pdftoppm",
                                   {"-r", QString::number(dpi), "-f", "1", "-l", "1", "-png",
                                    p.path("Margins.pdf"), p.path("page")}),
                 0);
        const QImage page(p.path("page-1.png"));
        QVERIFY(!page.isNull());
        QRect ink;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 160)
                    ink |= QRect(x, y, 1, 1);
        // Left, right, top, bottom in millimetres.
        const auto mm = [dpi](int pixels) { return pixels * 25.4 / dpi; };
        const double margins[] {mm(ink.left()), mm(page.width() - 1 - ink.right()), mm(ink.top()),
                                mm(page.height() - 1 - ink.bottom())};
        const double low[] {19.5, 19.5, 14.5, 14.5}, high[] {21.5, 21.5, 17.5, 17.5};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(margins[i] >= low[i] && margins[i] <= high[i],
                     qPrintable(QString::number(i) + ": " + QString::number(margins[i]) + " mm"));
    }

    // Cancelled dialogs print nothing and say nothing; a print that reaches no printer says so
    // instead of returning as if printed.
    void cancelledOrNoPrinter()
    {
        Printing p(QByteArray(), "none.pdf");
        p.host.open("A.java", "class A {}\n");
        p.dialogs.printResult = false;
        p.dialogs.pageSetupResult = false;
        p.trigger("Print1");
        p.trigger("PrinterSetup1");
        QCOMPARE(p.dialogs.calls.size(), 2);
        QCOMPARE(p.dialogs.calls.at(1).kind, FakeFileDialogs::PageSetup);
        QVERIFY(!QFile::exists(p.path("none.pdf")));
        QVERIFY(p.prompter.calls.isEmpty());

        p.dialogs.printResult = true;
        p.printer->setOutputFileName(QString());
        p.trigger("Print1");
        QCOMPARE(p.prompter.calls.size(), 1);
        QCOMPARE(p.prompter.calls.first().icon, Prompter::Error);
        QVERIFY(p.prompter.calls.first().text.startsWith("The document was not printed."));
    }

    void previewWindow()
    {
        Printing p;
        p.print.createPreviewForm();
        TPrintPreviewFrm *preview = p.print.PrintPreviewFrm();
        QVERIFY(!preview->isVisible() && !preview->SynEditPrintPreview1); // made when first shown
        p.trigger("ForhndVisning1");                                      // no document: nothing
        QVERIFY(!preview->isVisible());

        // The document pop-up's print items.
        ActionRegistry &popup = p.host.open("Pages.java", javaLines(150))->popupActions();
        QCOMPARE(popup.action("Print2")->text() + '|' + popup.action("Printpreview1")->text(),
                 "P&rint..|Print preview");
        popup.action("Printpreview1")->trigger();
        QVERIFY(preview->isVisible() && preview->isModal());
        QCOMPARE(preview->windowTitle(), "Print preview of document - Pages.java");
        const int pages = preview->pageCount();
        QVERIFY(pages >= 3 && preview->SynEditPrintPreview1->pageCount() == pages);
        auto click = [preview](const char *name) {
            preview->findChild<QToolButton *>(name)->click();
            return preview->statusText();
        };
        QStringList seen {preview->statusText()};
        for (const char *button : {"NextPageButton", "LastPageButton", "NextPageButton",
                                   "PreviousPageButton", "FirstPageButton"})
            seen << click(button);
        const QString page = QStringLiteral(" Page: %1 of ") + QString::number(pages);
        QCOMPARE(seen,
                 QStringList({page.arg(1), page.arg(2), page.arg(pages), page.arg(pages),
                              page.arg(pages - 1), page.arg(1)}));

        // Pictures, whatever the desktop's icon theme; the hint only as the tool tip.
        QStringList hints;
        for (QToolButton *b : preview->findChildren<QToolButton *>()) {
            hints << b->toolTip();
            QVERIFY(!b->icon().isNull() && b->text().isEmpty() && b->width() <= 32);
        }
        QCOMPARE(hints.join('|'),
                 "Print|Zoom out|Zoom inn|View full page (100 % view)|Fill "
                 "window|First page|Previous page|Next page|Last page");
        QVERIFY(preview->findChild<QWidget *>("ToolBar1")->sizeHint().width() < 450);

        click("FullPageButton");
        QCOMPARE(preview->SynEditPrintPreview1->zoomMode(), PagePreview::FitInView);
        click("FillWindowButton");
        QCOMPARE(preview->SynEditPrintPreview1->zoomMode(), PagePreview::FitToWidth);
        // Zoom steps by two points and never reaches 0 %.
        const QList<std::pair<double, int>> zoomOut {{0.12, 10}, {0.02, 2}, {0.03, 1}, {0.01, 1}};
        preview->SynEditPrintPreview1->setZoomFactor(0.10);
        click("ZoomInButton");
        QCOMPARE(preview->zoomPercent(), 12);
        for (const auto &[from, percent] : zoomOut) {
            preview->SynEditPrintPreview1->setZoomFactor(from);
            click("ZoomOutButton");
            QCOMPARE(preview->zoomPercent(), percent);
        }
        preview->findChild<QPushButton *>("CloseButton")->click();
        QVERIFY(!preview->isVisible() && p.prompter.calls.isEmpty());
    }

    // A preview of many pages is laid out a few pages at a time: the program answers in between,
    // the status bar says how far it has come, and Cancel stops and closes. Left alone, the
    // first page shows once all are counted.
    void largePreviewShowsProgress()
    {
        Printing p;
        p.print.createPreviewForm();
        TPrintPreviewFrm *preview = p.print.PrintPreviewFrm();
        p.host.open("Large.java", javaLines(6000));
        auto *cancel = preview->findChild<QPushButton *>("CancelButton");
        for (bool wait : {false, true}) {
            p.trigger("ForhndVisning1");
            QVERIFY(preview->isVisible() && preview->isPreparing() && cancel->isVisible());
            QCOMPARE(preview->pageCount(), 0);
            QVERIFY(!preview->findChild<QToolButton *>("PrintButton")->isEnabled());
            bool answered = false;
            QTimer::singleShot(0, preview, [&answered] { answered = true; });
            QCoreApplication::processEvents();
            QVERIFY(answered && preview->isPreparing());
            QVERIFY2(preview->statusText().startsWith(" Preparing pages: "),
                     qPrintable(preview->statusText()));
            if (!wait) {
                cancel->click();
                QVERIFY(!preview->isVisible() && !preview->isPreparing());
                continue;
            }
            for (int turn = 0; turn < 10000 && preview->isPreparing(); ++turn)
                QCoreApplication::processEvents();
            QVERIFY(!preview->isPreparing() && preview->pageCount() > 50);
            QCOMPARE(preview->statusText(),
                     QStringLiteral(" Page: 1 of %1").arg(preview->pageCount()));
            QVERIFY(!cancel->isVisible());
            preview->close();
        }
    }

    // A print shows how far it has come, and Cancel stops it: no file is left, nothing is
    // reported.
    void printCanBeCancelled()
    {
        Printing p(QByteArray(), "Cancel.pdf");
        p.host.open("Cancel.java", javaLines(400));
        QStringList seen;
        QTimer watcher; // at each turn of the event loop during the print
        watcher.setInterval(0);
        connect(&watcher, &QTimer::timeout, [&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *progress = qobject_cast<QProgressDialog *>(w); progress
                    && progress->objectName() == QLatin1String("PrintProgress")
                    && progress->value() == 2) {
                    seen << progress->labelText();
                    progress->cancel();
                    watcher.stop();
                }
        });
        p.dialogs.printChoice = [&watcher](QPrinter *) { watcher.start(); };
        p.trigger("Print1");
        QVERIFY(!watcher.isActive());
        QCOMPARE(seen.size(), 1);
        QVERIFY2(QRegularExpression("^Printing page 3 of \\d+$").match(seen.first()).hasMatch(),
                 qPrintable(seen.first()));
        QVERIFY(!QFile::exists(p.path("Cancel.pdf")));
        QVERIFY(p.prompter.calls.isEmpty());
    }

    void proposedNames()
    {
        const char *names[][3] = {{"Hello.java", ".rtf", "Hello.rtf"},
                                  {"page.html", ".html", "page.html"},
                                  {"README", ".rtf", "README.rtf"},
                                  {"a.b.css", ".rtf", "a.b.rtf"}};
        for (const auto &n : names)
            QCOMPARE(ExportCommands::proposedName(n[0], n[1]), QLatin1String(n[2]));
    }

    void exportsWholeTextOrSelection_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("selection");
        QTest::newRow("html, whole") << "HTML3" << false;
        QTest::newRow("html, selection") << "HTML3" << true;
        QTest::newRow("rtf, whole") << "RTFfiltekst1" << false;
        QTest::newRow("rtf, selection") << "RTFfiltekst1" << true;
    }
    void exportsWholeTextOrSelection()
    {
        QFETCH(QString, item);
        QFETCH(bool, selection);
        const bool html = item == QLatin1String("HTML3");
        Printing e;
        const QString text = "class Hello {\n  String s = \"<a & b>\";\n}\n";
        FakeDocument *document = e.host.open("Hello.java", text);
        document->setFileName(e.path("src/Hello.java"));
        if (selection)
            document->editor()->setSelection(2, 3, 2, 9); // "String"
        const QString target = e.path(html ? "out.html" : "out.rtf");
        e.run(qPrintable(item), target);

        QCOMPARE(e.dialogs.calls.size(), 1);
        const FileDialogs::Request req = e.dialogs.calls.first().request;
        QCOMPARE(req.fileName, html ? "Hello.html" : "Hello.rtf");
        QCOMPARE(req.initialDir, e.path("src"));
        QCOMPARE(req.filter.size(), 1);
        QCOMPARE(req.filter.first().description,
                 html ? "HTML Documents (*.htm;*.html)" : "Rich Text Format Documents (*.rtf)");
        QVERIFY(!req.confirmOverwrite); // the command asks, after its own checks
        QVERIFY(e.prompter.calls.isEmpty());

        const QString written = QString::fromUtf8(TestFiles::read(target));
        const QString title = QString("\"Hello.java\" exported as ") + (html ? "HTML" : "RTF");
        if (html) {
            QTextDocument doc;
            doc.setHtml(written);
            QCOMPARE(doc.metaInformation(QTextDocument::DocumentTitle), title);
            QCOMPARE(doc.toPlainText(), selection ? "String" : text);
        } else {
            QVERIFY(written.contains("{\\title " + title + QLatin1Char('}')));
            QCOMPARE(written.contains(QLatin1String("class")), !selection);
            QVERIFY(written.contains(QLatin1String("String")));
        }
        QVERIFY(!document->isModified());
    }

    // The page's own name is what the dialog proposes for an HTML page: that file is refused
    // before any question whether to replace it; another existing file only after Yes.
    void ownFileIsRefused()
    {
        Printing e;
        const QByteArray page = "<html><body>x</body></html>\n";
        const QString file = e.path("page.html");
        TestFiles::write(file, page);
        e.host.openFile(file);
        e.run("HTML3", file);
        QCOMPARE(e.dialogs.calls.first().request.fileName, "page.html");
        QCOMPARE(TestFiles::read(file), page);
        QCOMPARE(e.prompter.calls.size(), 1);
        QCOMPARE(e.prompter.calls.first().icon, Prompter::Error);
        QCOMPARE(e.prompter.calls.first().text,
                 "Cannot export to " + file
                     + ": it is the document's own file. Choose another name.");

        const QString other = e.path("other.html");
        TestFiles::write(other, "kept");
        for (const int answer : {int(Prompter::No), int(Prompter::Yes)}) {
            e.prompter.calls.clear();
            e.prompter.answers = {answer};
            e.run("HTML3", other);
            QCOMPARE(e.prompter.texts(),
                     QStringList {other + " already exists.\nDo you want to replace it?"});
            QCOMPARE(TestFiles::read(other) == "kept", answer == Prompter::No);
        }
    }

    // A target that cannot be written is said with its name; a cancelled dialog writes nothing.
    void failedWriteOrCancel()
    {
        Printing e;
        e.host.open("Untitled1.txt", "x");
        e.host.setWorkingFolder(e.path("work"));
        TestFiles::write(e.path("taken.html/inside.txt"), "kept");
        for (const QString name : {"taken.html", "no/such/folder/out.html"}) {
            e.prompter.calls.clear();
            e.run("HTML3", e.path(name));
            QCOMPARE(e.prompter.calls.size(), 1);
            QVERIFY2(
                e.prompter.calls.first().text.startsWith("Could not save " + e.path(name) + u'\n'),
                qPrintable(e.prompter.calls.first().text));
        }
        QCOMPARE(TestFiles::read(e.path("taken.html/inside.txt")), "kept");
        QVERIFY(!QFile::exists(e.path("no/such/folder/out.html")));
        QCOMPARE(e.dialogs.calls.first().request.initialDir, e.path("work"));

        e.dialogs.calls.clear();
        e.prompter.calls.clear();
        e.run("RTFfiltekst1");
        e.run("HTML3");
        QCOMPARE(e.dialogs.calls.size(), 2);
        QVERIFY(e.prompter.calls.isEmpty());
        QCOMPARE(QDir(e.path(QString())).entryList({"*.rtf", "*.html"}, QDir::Files),
                 QStringList());
    }

    void exportMenu()
    {
        Printing e;
        QStringList items;
        for (QAction *a : e.host.actions().menu("Exporter1")->actions())
            items << a->objectName() + "=" + a->text();
        QCOMPARE(items, (QStringList {"RTFfiltekst1=RTF", "HTML3=HTML"}));
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
