// Print, print set-up and print preview of the main window: the header and footer the settings
// ask for, a print to a PDF file, a print that reaches no printer, and the preview window.
#include "FixedClock.h"
#include "ShellFixture.h"
#include "app/Features.h"
#include "editor/output/PrintEngine.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "shell/printing/PagePreview.h"
#include "shell/printing/PrintCommands.h"
#include "shell/printing/PrintPreviewFrm.h"

#include <QImage>
#include <QLocale>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

struct Item {
    QString text;
    Qt::Alignment alignment;
};

QList<Item> itemsOf(const PrintEngine::Section &section)
{
    QList<Item> items;
    for (const PrintEngine::Item &item : section.items()) {
        if (item.line != 1)
            qWarning("item on line %d", item.line);
        items.append({item.text, item.alignment});
    }
    return items;
}

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
    return p.waitForFinished(30000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

// The pages pdfinfo counts in a PDF file (0 when there is none).
int pdfPages(const QString &pdf)
{
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"),
                                          QRegularExpression::MultilineOption);
    return pages.match(run(QStringLiteral("pdfinfo"), {pdf})).captured(1).toInt();
}

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
        const QString date = QLocale::c().toString(QDate(2001, 2, 3), QLocale::ShortFormat);
        const QString time = QStringLiteral("04:05:06");
        const QString doc = QStringLiteral("Document: Hello.java");
        const QString printed = QStringLiteral("Printed from Quillmarsh's Editor");
        const QString page = QStringLiteral("Page $PAGENUM$ of $PAGECOUNT$");
        QTest::newRow("no keys: everything")
            << QByteArray() << QStringList {date + " " + time + "|L", doc + "|R"}
            << QStringList {printed + "|L", page + "|R"};
        QTest::newRow("time without date starts with a blank")
            << QByteArray("PrintDate=0\r\n") << QStringList {" " + time + "|L", doc + "|R"}
            << QStringList {printed + "|L", page + "|R"};
        QTest::newRow("date without time")
            << QByteArray("PrintTime=0\r\n") << QStringList {date + "|L", doc + "|R"}
            << QStringList {printed + "|L", page + "|R"};
        QTest::newRow("no stamp: the name stands alone, left")
            << QByteArray("PrintDate=0\r\nPrintTime=0\r\n") << QStringList {doc + "|L"}
            << QStringList {printed + "|L", page + "|R"};
        QTest::newRow("no name") << QByteArray("NameOfPrntDoc=0\r\n")
                                 << QStringList {date + " " + time + "|L"}
                                 << QStringList {printed + "|L", page + "|R"};
        QTest::newRow("no header") << QByteArray("PrintHeader=0\r\n") << QStringList()
                                   << QStringList {printed + "|L", page + "|R"};
        QTest::newRow("no page number")
            << QByteArray("PrintPageNum=0\r\n")
            << QStringList {date + " " + time + "|L", doc + "|R"} << QStringList {printed + "|L"};
        QTest::newRow("no footer: no page number either")
            << QByteArray("PrintFooter=0\r\nPrintPageNum=1\r\n")
            << QStringList {date + " " + time + "|L", doc + "|R"} << QStringList();
    }
    void headerAndFooterFromSettings()
    {
        QFETCH(QByteArray, keys);
        QFETCH(QStringList, header);
        QFETCH(QStringList, footer);
        FixedClock clock;
        ShellFixture f("[ApplicationOptions]\r\n" + keys);
        TMainForm *m = f.start();
        PrintCommands *print = f.features().print;
        QVERIFY(!print->SkrivUt()); // no document
        m->LoadFile(f.write(QStringLiteral("Hello.java"), "class Hello {}\n"));
        QVERIFY(print->SkrivUt());
        auto flat = [](const PrintEngine::Section &s) {
            QStringList out;
            for (const Item &i : itemsOf(s))
                out << i.text + (i.alignment == Qt::AlignRight ? "|R" : "|L");
            return out;
        };
        QCOMPARE(flat(print->SynEditPrint1->Header), header);
        QCOMPARE(flat(print->SynEditPrint1->Footer), footer);
        QCOMPARE(print->SynEditPrint1->DocTitle, QStringLiteral("Hello.java"));
    }

    void colourAndLineNumberSwitches()
    {
        ShellFixture f("[ApplicationOptions]\r\nShowColorHighltPrint=0\r\nShowPrintLnNr=1\r\n");
        TMainForm *m = f.start();
        m->action("NyApplikasjonkode1")->trigger();
        PrintEngine *engine = f.features().print->SynEditPrint1;
        QVERIFY(f.features().print->SkrivUt());
        QVERIFY(!engine->Highlight);
        QVERIFY(engine->LineNumbers);
    }

    void stampHasSecondsAndNoZone()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString s =
            PrintCommands::stamp(QDateTime(QDate(2001, 2, 3), QTime(16, 5, 6)), true, true);
        QVERIFY2(s.startsWith(QStringLiteral("2/3/01 4:05:06")), qPrintable(s));
        QVERIFY(s.endsWith(QStringLiteral("PM")));
        QCOMPARE(PrintCommands::stamp(QDateTime(QDate(2001, 2, 3), QTime(16, 5, 6)), false, false),
                 QString());
    }

    // File, Print to a PDF file: every page carries the header and footer with its number.
    void printsToPdfFile()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        FixedClock clock;
        ShellFixture f;
        TMainForm *m = f.start();
        TEditForm *w = m->LoadFile(f.write(QStringLiteral("Long.java"), javaLines(150).toUtf8()));
        QVERIFY(w);
        QPrinter *printer = FileDialogs::printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = f.path(QStringLiteral("Long.pdf"));
        printer->setOutputFileName(pdf);
        printer->setPageSize(QPageSize(QPageSize::A4));
        m->action(QStringLiteral("Print1"))->trigger();
        QCOMPARE(f.dialogs.calls.size(), 1);
        QCOMPARE(f.dialogs.calls.first().kind, FakeFileDialogs::Print);
        QVERIFY2(f.prompter.calls.isEmpty(), qPrintable(f.prompter.texts().join(u'|')));
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        const QString stamp = PrintCommands::stamp(clock.time, true, true);
        QVERIFY(text.contains(stamp));
        QVERIFY(text.contains(QStringLiteral("Document: Long.java")));
        QVERIFY(text.contains(QStringLiteral("Printed from Quillmarsh's Editor")));
        QVERIFY2(text.contains(QStringLiteral("Page 2 of 3")), qPrintable(text.right(300)));
        QVERIFY(text.contains(QStringLiteral("int line150 = 150;")));
        printer->setOutputFileName(QString());
    }

    // The print dialog is offered the document's pages and its selection, and exactly the
    // pages chosen reach the PDF file.
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
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo (poppler-utils) is not installed");
        ShellFixture f;
        TMainForm *m = f.start();
        m->LoadFile(f.write(QStringLiteral("Three.java"), javaLines(130).toUtf8()));
        f.features().host->activeDocument()->editor()->setSelection(100, 1, 111, 1);
        QPrinter *printer = FileDialogs::printer();
        const QPageLayout before = printer->pageLayout();
        printer->setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = f.path(QStringLiteral("Three.pdf"));
        printer->setOutputFileName(pdf);
        printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                           QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        printer->setCopyCount(copies);
        f.dialogs.printChoice = [&](QPrinter *p) {
            p->setPrintRange(QPrinter::PrintRange(range));
            p->setPageRanges(QPageRanges::fromString(pages));
        };
        m->action(QStringLiteral("Print1"))->trigger();
        printer->setCopyCount(1);
        printer->setOutputFileName(QString());
        printer->setPageLayout(before);
        QCOMPARE(f.dialogs.calls.size(), 1);
        QCOMPARE(f.dialogs.calls.first().pageCount, 3);
        QVERIFY(f.dialogs.calls.first().hasSelection);
        QVERIFY2(f.prompter.calls.isEmpty(), qPrintable(f.prompter.texts().join(u'|')));
        QCOMPARE(pdfPages(pdf), footers.size());
        const QStringList printed = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
                                        .split(u'\f', Qt::SkipEmptyParts);
        QCOMPARE(printed.size(), footers.size());
        for (int i = 0; i < footers.size(); ++i)
            QVERIFY2(printed.at(i).contains(footers.at(i)), qPrintable(printed.at(i).right(200)));
        if (range == QPrinter::Selection) { // the selected lines alone, whole
            const QString text = printed.first();
            QVERIFY(!text.contains(QStringLiteral("int line99 = 99;")));
            QVERIFY(text.contains(QStringLiteral("int line100 = 100;")));
            QVERIFY(text.contains(QStringLiteral("int line110 = 110;")));
            QVERIFY(!text.contains(QStringLiteral("int line111 = 111;")));
        }
    }

    // The text keeps 20 mm from the paper's sides and 15 mm from its top and bottom, also after
    // Print Setup (the real dialog, accepted as it opens).
    void marginsAPrinterCanPrint()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        ShellFixture f;
        TMainForm *m = f.start();
        m->LoadFile(f.write(QStringLiteral("Margins.java"), javaLines(200).toUtf8()));
        QPrinter *printer = FileDialogs::printer();
        printer->setPageSize(QPageSize(QPageSize::A4));
        FileDialogs::setInstance(nullptr);
        QTimer::singleShot(0, [] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                dialog->accept();
        });
        m->action(QStringLiteral("PrinterSetup1"))->trigger();
        FileDialogs::setInstance(&f.dialogs);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(f.path(QStringLiteral("Margins.pdf")));
        m->action(QStringLiteral("Print1"))->trigger();
        printer->setOutputFileName(QString());
        QVERIFY2(f.prompter.calls.isEmpty(), qPrintable(f.prompter.texts().join(u'|')));
        const int dpi = 144;
        QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"),
                                   {"-r", QString::number(dpi), "-f", "1", "-l", "1", "-png",
                                    f.path(QStringLiteral("Margins.pdf")), f.path("page")}),
                 0);
        const QImage page(f.path(QStringLiteral("page-1.png")));
        QVERIFY(!page.isNull());
        QRect ink;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 160)
                    ink |= QRect(x, y, 1, 1);
        const auto mm = [dpi](int pixels) { return pixels * 25.4 / dpi; };
        const QList<double> margins {mm(ink.left()), mm(page.width() - 1 - ink.right()),
                                     mm(ink.top()), mm(page.height() - 1 - ink.bottom())};
        const auto within = [](double v, double low, double high) { return v >= low && v <= high; };
        QVERIFY2(within(margins[0], 19.5, 21.5) && within(margins[1], 19.5, 21.5)
                     && within(margins[2], 14.5, 17.5) && within(margins[3], 14.5, 17.5),
                 qPrintable(QStringLiteral("left %1, right %2, top %3, bottom %4 mm")
                                .arg(margins[0])
                                .arg(margins[1])
                                .arg(margins[2])
                                .arg(margins[3])));
    }

    void cancelledDialogsDoNothing()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        const QString pdf = f.path(QStringLiteral("none.pdf"));
        FileDialogs::printer()->setOutputFormat(QPrinter::PdfFormat);
        FileDialogs::printer()->setOutputFileName(pdf);
        m->action("NyApplikasjonkode1")->trigger();
        f.dialogs.printResult = false;
        f.dialogs.pageSetupResult = false;
        m->action(QStringLiteral("Print1"))->trigger();
        m->action(QStringLiteral("PrinterSetup1"))->trigger();
        QCOMPARE(f.dialogs.calls.size(), 2);
        QCOMPARE(f.dialogs.calls.at(1).kind, FakeFileDialogs::PageSetup);
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(f.prompter.calls.isEmpty());
        FileDialogs::printer()->setOutputFileName(QString());
    }

    // A print that reaches no printer says so instead of returning as if printed.
    void noPrinterIsReported()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        m->action("NyApplikasjonkode1")->trigger();
        FileDialogs::printer()->setOutputFormat(QPrinter::PdfFormat);
        FileDialogs::printer()->setOutputFileName(QString());
        m->action(QStringLiteral("Print1"))->trigger();
        QCOMPARE(f.prompter.calls.size(), 1);
        QCOMPARE(f.prompter.calls.first().icon, Prompter::Error);
        QVERIFY(f.prompter.calls.first().text.startsWith(
            QStringLiteral("The document was not printed.")));
    }

    void previewWindow()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        m->createHiddenForms();
        PrintCommands *print = f.features().print;
        TPrintPreviewFrm *preview = print->PrintPreviewFrm();
        QVERIFY(preview && !preview->isVisible());
        QVERIFY(!preview->SynEditPrintPreview1);                // made when first shown
        m->action(QStringLiteral("ForhndVisning1"))->trigger(); // no document: nothing
        QVERIFY(!preview->isVisible());

        m->LoadFile(f.write(QStringLiteral("Pages.java"), javaLines(150).toUtf8()));
        FileDialogs::printer()->setPageSize(QPageSize(QPageSize::A4));
        m->action(QStringLiteral("ForhndVisning1"))->trigger();
        QVERIFY(preview->isVisible());
        QVERIFY(preview->isModal());
        QCOMPARE(preview->windowTitle(), QStringLiteral("Print preview of document - Pages.java"));
        const int pages = preview->pageCount();
        QVERIFY(pages >= 3);
        QCOMPARE(preview->SynEditPrintPreview1->pageCount(), pages);
        auto click = [preview](const char *name) {
            preview->findChild<QToolButton *>(QLatin1String(name))->click();
            return preview->statusText();
        };
        const QString of = QStringLiteral(" of %1").arg(pages);
        QCOMPARE(preview->statusText(), " Page: 1" + of);
        QCOMPARE(click("NextPageButton"), " Page: 2" + of);
        QCOMPARE(click("LastPageButton"), QStringLiteral(" Page: %1").arg(pages) + of);
        QCOMPARE(click("NextPageButton"), QStringLiteral(" Page: %1").arg(pages) + of);
        QCOMPARE(click("PreviousPageButton"), QStringLiteral(" Page: %1").arg(pages - 1) + of);
        QCOMPARE(click("FirstPageButton"), " Page: 1" + of);

        const QStringList hints {
            "Print",       "Zoom out",   "Zoom inn",      "View full page (100 % view)",
            "Fill window", "First page", "Previous page", "Next page",
            "Last page"};
        QStringList shown;
        for (QToolButton *b : preview->findChildren<QToolButton *>()) {
            shown << b->toolTip();
            // A picture, whatever the desktop's icon theme; the hint only as the tool tip.
            QVERIFY(!b->icon().isNull() && b->text().isEmpty());
            QVERIFY(b->width() <= 32);
        }
        QCOMPARE(shown, hints);
        QVERIFY(preview->findChild<QWidget *>(QStringLiteral("ToolBar1"))->sizeHint().width()
                < 450);

        click("FullPageButton");
        QCOMPARE(preview->SynEditPrintPreview1->zoomMode(), PagePreview::FitInView);
        click("FillWindowButton");
        QCOMPARE(preview->SynEditPrintPreview1->zoomMode(), PagePreview::FitToWidth);
        preview->SynEditPrintPreview1->setZoomFactor(0.10);
        click("ZoomInButton");
        QCOMPARE(preview->zoomPercent(), 12);
        click("ZoomOutButton");
        QCOMPARE(preview->zoomPercent(), 10);
        // The zoom never reaches 0 %.
        preview->SynEditPrintPreview1->setZoomFactor(0.02);
        click("ZoomOutButton");
        QCOMPARE(preview->zoomPercent(), 2);
        preview->SynEditPrintPreview1->setZoomFactor(0.03);
        click("ZoomOutButton");
        QCOMPARE(preview->zoomPercent(), 1);
        click("ZoomOutButton");
        QCOMPARE(preview->zoomPercent(), 1);

        preview->findChild<QPushButton *>(QStringLiteral("CloseButton"))->click();
        QVERIFY(!preview->isVisible());
        QVERIFY(f.prompter.calls.isEmpty());
    }

    // A preview of many pages is laid out a few pages at a time: the program answers in between,
    // the status bar says how far it has come, and Cancel stops and closes. Left alone, the
    // first page shows once all are counted.
    void largePreviewShowsProgress()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        m->createHiddenForms();
        TPrintPreviewFrm *preview = f.features().print->PrintPreviewFrm();
        m->LoadFile(f.write(QStringLiteral("Large.java"), javaLines(6000).toUtf8()));
        FileDialogs::printer()->setPageSize(QPageSize(QPageSize::A4));
        auto *cancel = preview->findChild<QPushButton *>(QStringLiteral("CancelButton"));
        for (bool wait : {false, true}) {
            m->action(QStringLiteral("ForhndVisning1"))->trigger();
            QVERIFY(preview->isVisible());
            QVERIFY(preview->isPreparing());
            QCOMPARE(preview->pageCount(), 0);
            QVERIFY(cancel->isVisible());
            QVERIFY(!preview->findChild<QToolButton *>(QStringLiteral("PrintButton"))->isEnabled());
            bool answered = false;
            QTimer::singleShot(0, preview, [&answered] { answered = true; });
            QCoreApplication::processEvents();
            QVERIFY(answered);
            QVERIFY(preview->isPreparing());
            QVERIFY2(preview->statusText().startsWith(QStringLiteral(" Preparing pages: ")),
                     qPrintable(preview->statusText()));
            if (!wait) {
                cancel->click();
                QVERIFY(!preview->isVisible());
                QVERIFY(!preview->isPreparing());
                continue;
            }
            for (int turn = 0; turn < 10000 && preview->isPreparing(); ++turn)
                QCoreApplication::processEvents();
            QVERIFY(!preview->isPreparing());
            QVERIFY(preview->pageCount() > 50);
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
        ShellFixture f;
        TMainForm *m = f.start();
        m->LoadFile(f.write(QStringLiteral("Cancel.java"), javaLines(400).toUtf8()));
        QPrinter *printer = FileDialogs::printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = f.path(QStringLiteral("Cancel.pdf"));
        printer->setOutputFileName(pdf);
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
        f.dialogs.printChoice = [&watcher](QPrinter *) { watcher.start(); };
        m->action(QStringLiteral("Print1"))->trigger();
        printer->setOutputFileName(QString());
        QVERIFY(!watcher.isActive());
        QCOMPARE(seen.size(), 1);
        QVERIFY2(QRegularExpression(QStringLiteral("^Printing page 3 of \\d+$"))
                     .match(seen.first())
                     .hasMatch(),
                 qPrintable(seen.first()));
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(f.prompter.calls.isEmpty());
    }

    void popupItemsAndExportMenu()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        m->action("NyApplikasjonkode1")->trigger();
        TEditForm *w = f.active();
        QCOMPARE(w->popupAction(QStringLiteral("Print2"))->text(), QStringLiteral("P&rint.."));
        QCOMPARE(w->popupAction(QStringLiteral("Printpreview1"))->text(),
                 QStringLiteral("Print preview"));
        QStringList exports;
        for (QAction *a : m->menu(QStringLiteral("Exporter1"))->actions())
            exports << a->objectName() + "=" + a->text();
        QCOMPARE(exports, (QStringList {"RTFfiltekst1=RTF", "HTML3=HTML"}));
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
