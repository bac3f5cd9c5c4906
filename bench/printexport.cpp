// Speed of printing and export: HTML and RTF export of a 4 MB Java file, the print preview
// of a 1,000-line file and of the 4 MB file to its first page shown (and a turn to its last
// page), the 4 MB file printed to a PDF file, and one help page shown. Each figure is the
// median of five runs (three for the large preview, one for the print).
#include "editor/EditorAdapter.h"
#include "editor/highlighting/Highlighter.h"
#include "editor/highlighting/StyledText.h"
#include "editor/output/Exporters.h"
#include "editor/output/PrintEngine.h"
#include "platform/HelpViewer.h"
#include "platform/TextFile.h"
#include "shell/printing/PagePreview.h"
#include "shell/printing/PrintPreviewFrm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

QString javaText(int lines)
{
    QString text;
    text.reserve(lines * 42);
    text += QStringLiteral("public class Big {\n");
    for (int i = 1; i < lines - 1; ++i)
        text += QStringLiteral("    int v%1 = %1 * 2; // <a> & \"b\"\n").arg(i, 5, 10, QChar(u'0'));
    text += QStringLiteral("}\n");
    return text;
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

double timeMs(const std::function<void()> &run, int times = 5)
{
    QList<double> ms;
    for (int i = 0; i < times; ++i) {
        QElapsedTimer t;
        t.start();
        run();
        ms << t.nsecsElapsed() / 1e6;
    }
    return median(ms);
}

void report(const char *what, double ms, double target)
{
    std::printf("%-44s %9.1f ms   (target < %.0f ms)\n", what, ms, target);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QByteArray data = qgetenv("QMEDITOR_DATA");
    if (!data.isEmpty())
        qputenv("QMEDITOR_HOME", data);
    QTemporaryDir dir;

    QWidget window;
    Highlighter java(Highlighter::Java);
    EditorAdapter big(&window);
    big.setHighlighter(&java);
    big.setText(javaText(100000));
    std::printf("4 MB file: %d lines, %lld bytes\n", big.lineCount(),
                static_cast<long long>(big.text().toUtf8().size()));

    TextFile::Format utf8;
    for (const Exporter *exporter :
         std::initializer_list<const Exporter *> {new ExporterHTML, new ExporterRTF}) {
        const QString target = dir.filePath(QStringLiteral("out") + exporter->extension());
        const double ms = timeMs([&] {
            const StyledText styled = StyledText::of(big, false);
            TextFile::save(target, exporter->exportText(styled, QStringLiteral("Big.java")), utf8);
        });
        report(exporter->formatName() == QLatin1String("HTML") ? "HTML export, 4 MB Java file"
                                                               : "RTF export, 4 MB Java file",
               ms, 1000);
        delete exporter;
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
    // The preview from its showing to its first page painted (all pages counted by then) and
    // a turn to the last page painted.
    struct Preview {
        double firstMs;
        double lastMs;
        int pages;
    };
    auto preview = [&](EditorAdapter &editor, int times) {
        PrintEngine engine;
        engine.Header.Add(QStringLiteral("Document: Big.java"), PrintEngine::defaultFont(),
                          Qt::AlignLeft, 1);
        engine.Footer.Add(QStringLiteral("Page $PAGENUM$ of $PAGECOUNT$"),
                          PrintEngine::defaultFont(), Qt::AlignRight, 1);
        TPrintPreviewFrm window(&printer);
        window.setEngine(&engine);
        QList<double> first, last;
        int pages = 0;
        for (int i = 0; i < times; ++i) {
            engine.setEditor(&editor);
            QElapsedTimer t;
            t.start();
            window.showPreview();
            while (window.isPreparing())
                QCoreApplication::processEvents();
            window.SynEditPrintPreview1->viewport()->repaint();
            first << t.nsecsElapsed() / 1e6;
            pages = window.pageCount();
            t.restart();
            window.LastPageClick();
            window.SynEditPrintPreview1->viewport()->repaint();
            last << t.nsecsElapsed() / 1e6;
            window.close();
        }
        return Preview {median(first), median(last), pages};
    };
    EditorAdapter small(&window);
    Highlighter java2(Highlighter::Java);
    small.setHighlighter(&java2);
    small.setText(javaText(1000));
    const Preview smallPreview = preview(small, 5);
    std::printf("(%d pages) ", smallPreview.pages);
    report("preview to first page, 1,000 lines", smallPreview.firstMs, 300);
    const Preview bigPreview = preview(big, 3);
    std::printf("(%d pages) ", bigPreview.pages);
    report("preview to first page, 4 MB file", bigPreview.firstMs, 3000);
    report("preview, turn to the last page, 4 MB file", bigPreview.lastMs, 100);

    // Printing the 4 MB file to a PDF file with the progress the program shows.
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("big.pdf")));
    PrintEngine engine;
    engine.setEditor(&big);
    int turns = 0;
    const double printMs = timeMs(
        [&] {
            engine.setEditor(&big);
            engine.paint(&printer, nullptr, {}, [&turns](int, int) {
                ++turns;
                QCoreApplication::processEvents();
                return true;
            });
        },
        1);
    std::printf("%-44s %9.1f ms   (%d progress calls)\n", "print to PDF with progress, 4 MB file",
                printMs, turns);

    HelpViewer::setHelpFile(QString());
    HelpViewer::instance()->showContents();
    const double helpMs = timeMs([] {
                              HelpViewer::instance()->showTopic(QStringLiteral("HID_TABLEDLG"));
                              QCoreApplication::processEvents();
                              HelpViewer::instance()->showTopic(QStringLiteral("hid_rndimagedlg"));
                              QCoreApplication::processEvents();
                          })
        / 2;
    report("help page shown", helpMs, 50);
    return 0;
}
