#pragma once

#include "shell/printing/PreviewIcons.h"

#include <QDialog>
#include <QList>

#include <functional>

class QLabel;
class QBoxLayout;
class QPrintPreviewWidget;
class QPrinter;
class QStatusBar;
class QToolButton;

// "Print preview of document - ...": the pages of the prepared print job, tool buttons to
// zoom, fit, page and print, and a status bar saying which page shows. One instance is made
// at start-up and shown modally (without an event loop of its own) for each preview. The page
// view (which needs the printer, slow to set up) is made when the window is first shown.
class TPrintPreviewFrm : public QDialog
{
    Q_OBJECT
public:
    // paint draws the print job's pages on the printer it is given and returns their count;
    // print prints the job.
    using PaintPages = std::function<int(QPrinter *)>;
    using PrintJob = std::function<void()>;

    TPrintPreviewFrm(QPrinter *printer, QWidget *parent = nullptr);
    // The printer is asked for when the window is first shown.
    TPrintPreviewFrm(std::function<QPrinter *()> printer, QWidget *parent = nullptr);

    void setPaintPages(PaintPages paint) { m_paint = std::move(paint); }
    void setPrintJob(PrintJob print) { m_print = std::move(print); }

    // Shows the window modally and returns at once.
    void showPreview();

    // The page view: none until the window is first shown.
    QPrintPreviewWidget *SynEditPrintPreview1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    int pageCount() const { return m_pageCount; }
    QString statusText() const;
    // The zoom in percent (0 before the window was shown).
    int zoomPercent() const;

    // Tool buttons.
    void PrintClick();
    void ZoomOutClick();
    void ZoomInClick();
    void FullPageClick();
    void FillWindowClick();
    void FirstPageClick();
    void PreviousPageClick();
    void NextPageClick();
    void LastPageClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QToolButton *addButton(const QString &name, const QString &hint, PreviewIcons::Picture picture,
                           void (TPrintPreviewFrm::*handler)());
    void makeShownParts();
    void showPageNumber();
    void zoomBy(int points);

    std::function<QPrinter *()> m_printer;
    QBoxLayout *m_layout = nullptr;
    PaintPages m_paint;
    PrintJob m_print;
    QLabel *m_panel = nullptr;
    QWidget *m_bar = nullptr;
    int m_pageCount = 0;
    bool m_shownBefore = false;
};
