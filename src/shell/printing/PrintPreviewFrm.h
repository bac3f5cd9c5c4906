#pragma once

#include "shell/printing/PreviewIcons.h"

#include <QDialog>

#include <functional>

class PagePreview;
class PrintEngine;
class QBoxLayout;
class QLabel;
class QPrinter;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolButton;

// "Print preview of document - ...": the pages of the prepared print job, tool buttons to
// zoom, fit, page and print, and a status bar saying which page shows. One instance is made
// at start-up and shown modally (without an event loop of its own) for each preview. At each
// showing the job's pages are laid out a few at a time while the program goes on answering:
// the status bar shows how far, with Cancel (which closes the window), and the first page
// shows as soon as all are counted. The page view is made when the window is first shown.
class TPrintPreviewFrm : public QDialog
{
    Q_OBJECT
public:
    using PrintJob = std::function<void()>;

    TPrintPreviewFrm(QPrinter *printer, QWidget *parent = nullptr);
    // The printer is asked for when the window is first shown.
    TPrintPreviewFrm(std::function<QPrinter *()> printer, QWidget *parent = nullptr);

    // The engine whose pages show, prepared (given its editor) before each showing.
    void setEngine(PrintEngine *engine) { m_engine = engine; }
    // Prints the job.
    void setPrintJob(PrintJob print) { m_print = std::move(print); }

    // Shows the window modally and returns at once.
    void showPreview();

    // The page view: none until the window is first shown.
    PagePreview *SynEditPrintPreview1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    // The job's page count, 0 while the pages are being laid out.
    int pageCount() const { return m_pageCount; }
    bool isPreparing() const { return m_isPreparing; }
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
    // The status bar's Cancel while the pages are laid out.
    void CancelClick();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QToolButton *addButton(const QString &name, const QString &hint, PreviewIcons::Picture picture,
                           void (TPrintPreviewFrm::*handler)());
    void makeShownParts();
    void startPreparing();
    // Lays out the next pages; shows the first page once all are laid out.
    void prepareMore();
    void setPreparing(bool preparing);
    void showPageNumber();
    void zoomBy(int points);

    std::function<QPrinter *()> m_printer;
    PrintEngine *m_engine = nullptr;
    PrintJob m_print;
    QBoxLayout *m_layout = nullptr;
    QWidget *m_bar = nullptr;
    QLabel *m_panel = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_cancel = nullptr;
    QTimer *m_preparing = nullptr;
    bool m_isPreparing = false;
    int m_pageCount = 0;
};
