#include "shell/printing/PrintCommands.h"

#include "editor/EditorAdapter.h"
#include "editor/output/PrintEngine.h"
#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/Prompter.h"
#include "settings/store/AppSettings.h"
#include "shell/printing/PrintPreviewFrm.h"
#include "shell/printing/PrintProgress.h"

#include <QAction>
#include <QFileInfo>
#include <QLocale>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

#include <tuple>

using Settings::Key;

namespace {

// Why a job on printer would reach no printer; empty when it can be tried.
QString noPrinterReason(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (printer.outputFileName().isEmpty())
            return QStringLiteral("No file name is given for the PDF file to print to.");
        return QString();
    }
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        return QStringLiteral("No printer is installed.");
    if (!printer.isValid())
        return QStringLiteral("The printer \"") + printer.printerName()
            + QStringLiteral("\" is not available.");
    return QString();
}

} // namespace

PrintCommands::PrintCommands(FeatureHost &host, QObject *parent)
    : QObject(parent), SynEditPrint1(new PrintEngine(this)), m_host(host)
{
    setObjectName(QStringLiteral("PrintCommands"));
    for (const auto &[name, handler] :
         {std::pair {"Print1", &PrintCommands::Print1Click},
          std::pair {"PrinterSetup1", &PrintCommands::PrinterSetup1Click},
          std::pair {"ForhndVisning1", &PrintCommands::ForhndVisning1Click}})
        if (QAction *a = host.actions().action(QLatin1String(name)))
            connect(a, &QAction::triggered, this, handler);
    connect(&host, &FeatureHost::documentCreated, this, &PrintCommands::addPopupItems);
}

void PrintCommands::addPopupItems(HostDocument *document)
{
    ActionRegistry &popup = document->popupActions();
    for (const auto &[name, caption, handler] :
         {std::tuple {"Print2", "P&rint..", &PrintCommands::Print1Click},
          std::tuple {"Printpreview1", "Print preview", &PrintCommands::ForhndVisning1Click}}) {
        QAction *item = popup.action(QLatin1String(name));
        if (!item)
            item =
                popup.addItem(document->popupMenu(), QLatin1String(name), QLatin1String(caption));
        if (item)
            connect(item, &QAction::triggered, this, handler, Qt::UniqueConnection);
    }
}

QString PrintCommands::stamp(const QDateTime &at, bool date, bool time)
{
    const QLocale locale;
    QString result;
    if (date)
        result = locale.toString(at.date(), QLocale::ShortFormat);
    if (time) {
        // The long time format without its zone.
        static const QRegularExpression zone(QStringLiteral("\\s*(?<![A-Za-z'])t+(?![A-Za-z'])"));
        const QString format = locale.timeFormat(QLocale::LongFormat).remove(zone).trimmed();
        result += QLatin1Char(' ') + locale.toString(at.time(), format);
    }
    return result;
}

bool PrintCommands::SkrivUt()
{
    HostDocument *document = m_host.activeDocument();
    if (!document)
        return false;
    const AppSettings &settings = m_host.settings();
    PrintEngine &engine = *SynEditPrint1;
    const QString caption = document->caption();
    const QFont font = PrintEngine::defaultFont();

    engine.DocTitle = caption;
    engine.Highlight = settings.boolValue(Key::ShowColorHighltPrint);
    engine.LineNumbers = settings.boolValue(Key::ShowPrintLnNr);
    // Header: the date and time stamp left, the document's name right (or left alone).
    engine.Header.Clear();
    if (settings.boolValue(Key::PrintHeader)) {
        const QString when = stamp(Clock::instance()->now(), settings.boolValue(Key::PrintDate),
                                   settings.boolValue(Key::PrintTime));
        if (!when.isEmpty())
            engine.Header.Add(when, font, Qt::AlignLeft, 1);
        if (settings.boolValue(Key::NameOfPrntDoc))
            engine.Header.Add(QStringLiteral("Document: ") + caption, font,
                              when.isEmpty() ? Qt::AlignLeft : Qt::AlignRight, 1);
    }
    // Footer.
    engine.Footer.Clear();
    if (settings.boolValue(Key::PrintFooter)) {
        engine.Footer.Add(QStringLiteral("Printed from Quillmarsh's Editor"), font, Qt::AlignLeft,
                          1);
        if (settings.boolValue(Key::PrintPageNum))
            engine.Footer.Add(QStringLiteral("Page $PAGENUM$ of $PAGECOUNT$"), font, Qt::AlignRight,
                              1);
    }
    engine.SelectedOnly = false;
    engine.setEditor(document->editor());
    m_prepared = document->editor();
    // The preview shows this job; its page count comes when its pages are laid out.
    if (m_preview) {
        m_preview->setEngine(SynEditPrint1);
        m_preview->setPrintJob([this] { printJob(); });
        m_preview->setWindowTitle(QStringLiteral("Print preview of document - ") + caption);
    }
    return true;
}

QWidget *PrintCommands::dialogParent() const
{
    return m_preview && m_preview->isVisible() ? static_cast<QWidget *>(m_preview)
                                               : m_host.window();
}

void PrintCommands::printJob(const QPageRanges &pages)
{
    QPrinter *printer = FileDialogs::printer();
    QString reason = noPrinterReason(*printer);
    if (reason.isEmpty()) {
        printer->setDocName(SynEditPrint1->Title.isEmpty() ? SynEditPrint1->DocTitle
                                                           : SynEditPrint1->Title);
        PrintProgress progress(dialogParent());
        if (SynEditPrint1->paint(printer, &reason, pages, progress.callback()) > 0
            || reason.isEmpty()) // printed, or cancelled
            return;
    }
    Prompter::instance()->messageDlg(dialogParent(),
                                     QStringLiteral("The document was not printed.\n") + reason,
                                     Prompter::Error, Prompter::OkButton);
}

void PrintCommands::Print1Click()
{
    if (!SkrivUt())
        return;
    PrintEngine &engine = *SynEditPrint1;
    QPrinter *printer = FileDialogs::printer();
    // The dialog offers the document's pages.
    {
        PrintProgress progress(m_host.window());
        if (!engine.layOut(*printer, progress.callback()))
            return;
    }
    if (!FileDialogs::instance()->printDialog(m_host.window(), engine.pageCount(),
                                              m_prepared->hasSelection()))
        return;
    HostDocument *document = m_host.activeDocument();
    if (!document)
        return;
    if (document->editor() != m_prepared)
        engine.setEditor(document->editor());
    engine.Title = document->caption();
    engine.SelectedOnly = printer->printRange() == QPrinter::Selection;
    printJob(printer->printRange() == QPrinter::PageRange ? printer->pageRanges() : QPageRanges());
}

void PrintCommands::PrinterSetup1Click()
{
    FileDialogs::instance()->pageSetup(m_host.window());
}

void PrintCommands::ForhndVisning1Click()
{
    createPreviewForm();
    if (!SkrivUt())
        return;
    m_preview->showPreview();
}

void PrintCommands::createPreviewForm()
{
    if (m_preview)
        return;
    m_preview = new TPrintPreviewFrm(&FileDialogs::printer, m_host.window());
    m_preview->setWindowFlag(Qt::Window);
}
