// Print, print set-up and print preview of the main window: the header and footer the settings
// ask for, a print to a PDF file, a print that reaches no printer, and the preview window.
#include "FixedClock.h"
#include "ShellFixture.h"
#include "app/Features.h"
#include "editor/output/PrintEngine.h"
#include "shell/printing/PrintCommands.h"
#include "shell/printing/PrintPreviewFrm.h"

#include <QLocale>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
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
            // A picture from the icon theme, else the hint as its text.
            QVERIFY(!b->icon().isNull() || b->text() == b->toolTip());
        }
        QCOMPARE(shown, hints);

        click("FullPageButton");
        QCOMPARE(preview->SynEditPrintPreview1->zoomMode(), QPrintPreviewWidget::FitInView);
        click("FillWindowButton");
        QCOMPARE(preview->SynEditPrintPreview1->zoomMode(), QPrintPreviewWidget::FitToWidth);
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
