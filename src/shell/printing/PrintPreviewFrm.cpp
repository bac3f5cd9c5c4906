#include "shell/printing/PrintPreviewFrm.h"

#include "editor/output/PrintEngine.h"
#include "shell/printing/PagePreview.h"
#include "shell/printing/PreviewIcons.h"

#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Pages laid out between two turns of the event loop (a few milliseconds of work).
constexpr int kPagesPerStep = 8;

} // namespace

TPrintPreviewFrm::TPrintPreviewFrm(QPrinter *printer, QWidget *parent)
    : TPrintPreviewFrm([printer] { return printer; }, parent)
{}

TPrintPreviewFrm::TPrintPreviewFrm(std::function<QPrinter *()> printer, QWidget *parent)
    : QDialog(parent), m_printer(std::move(printer))
{
    setObjectName(QStringLiteral("PrintPreviewFrm"));
    setWindowTitle(QStringLiteral("Print preview of document - "));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setModal(true);
    resize(800, 700);

    auto *layout = new QVBoxLayout(this);
    m_layout = layout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_bar = new QWidget(this);
    m_bar->setObjectName(QStringLiteral("ToolBar1"));
    auto *barLayout = new QHBoxLayout(m_bar);
    barLayout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_bar);

    using PreviewIcons::Picture;
    addButton(QStringLiteral("PrintButton"), QStringLiteral("Print"), Picture::Print,
              &TPrintPreviewFrm::PrintClick);
    addButton(QStringLiteral("ZoomOutButton"), QStringLiteral("Zoom out"), Picture::ZoomOut,
              &TPrintPreviewFrm::ZoomOutClick);
    addButton(QStringLiteral("ZoomInButton"), QStringLiteral("Zoom inn"), Picture::ZoomIn,
              &TPrintPreviewFrm::ZoomInClick);
    addButton(QStringLiteral("FullPageButton"), QStringLiteral("View full page (100 % view)"),
              Picture::FullPage, &TPrintPreviewFrm::FullPageClick);
    addButton(QStringLiteral("FillWindowButton"), QStringLiteral("Fill window"),
              Picture::FillWindow, &TPrintPreviewFrm::FillWindowClick);
    addButton(QStringLiteral("FirstPageButton"), QStringLiteral("First page"), Picture::FirstPage,
              &TPrintPreviewFrm::FirstPageClick);
    addButton(QStringLiteral("PreviousPageButton"), QStringLiteral("Previous page"),
              Picture::PreviousPage, &TPrintPreviewFrm::PreviousPageClick);
    addButton(QStringLiteral("NextPageButton"), QStringLiteral("Next page"), Picture::NextPage,
              &TPrintPreviewFrm::NextPageClick);
    addButton(QStringLiteral("LastPageButton"), QStringLiteral("Last page"), Picture::LastPage,
              &TPrintPreviewFrm::LastPageClick);
    barLayout->addSpacing(12);
    auto *close = new QPushButton(QStringLiteral("Close window"), m_bar);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    barLayout->addWidget(close);
    barLayout->addStretch(1);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    m_panel = new QLabel(StatusBar1);
    // Room for the progress text, so that the progress bar stays in place.
    m_panel->setMinimumWidth(qMax(160,
                                  m_panel->fontMetrics().horizontalAdvance(
                                      QStringLiteral(" Preparing pages: 00000 of about 00000 "))));
    StatusBar1->addWidget(m_panel);
    m_progress = new QProgressBar(StatusBar1);
    m_progress->setObjectName(QStringLiteral("PrepareProgress"));
    m_progress->setRange(0, 1000);
    m_progress->setTextVisible(false);
    m_progress->setMaximumWidth(200);
    StatusBar1->addWidget(m_progress);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), StatusBar1);
    m_cancel->setObjectName(QStringLiteral("CancelButton"));
    m_cancel->setAutoDefault(false);
    connect(m_cancel, &QPushButton::clicked, this, &TPrintPreviewFrm::CancelClick);
    StatusBar1->addWidget(m_cancel);
    m_progress->hide();
    m_cancel->hide();
    layout->addWidget(StatusBar1);

    m_preparing = new QTimer(this);
    m_preparing->setSingleShot(true);
    m_preparing->setInterval(0);
    connect(m_preparing, &QTimer::timeout, this, &TPrintPreviewFrm::prepareMore);
}

QToolButton *TPrintPreviewFrm::addButton(const QString &name, const QString &hint,
                                         PreviewIcons::Picture picture,
                                         void (TPrintPreviewFrm::*handler)())
{
    auto *button = new QToolButton(m_bar);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setIcon(PreviewIcons::icon(picture));
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, handler);
    m_bar->layout()->addWidget(button);
    return button;
}

void TPrintPreviewFrm::makeShownParts()
{
    if (SynEditPrintPreview1)
        return;
    SynEditPrintPreview1 = new PagePreview(this);
    SynEditPrintPreview1->setObjectName(QStringLiteral("SynEditPrintPreview1"));
    m_layout->insertWidget(1, SynEditPrintPreview1, 1);
    connect(SynEditPrintPreview1, &PagePreview::previewChanged, this,
            &TPrintPreviewFrm::showPageNumber);
}

void TPrintPreviewFrm::showPreview()
{
    show();
    raise();
    activateWindow();
}

void TPrintPreviewFrm::showEvent(QShowEvent *event)
{
    makeShownParts();
    QDialog::showEvent(event);
    // Not when the window comes back from being minimized.
    if (!event->spontaneous())
        startPreparing();
}

void TPrintPreviewFrm::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous())
        setPreparing(false);
    QDialog::hideEvent(event);
}

void TPrintPreviewFrm::startPreparing()
{
    m_pageCount = 0;
    QPrinter *printer = m_printer();
    SynEditPrintPreview1->setJob(m_engine, printer->pageLayout(), printer->resolution());
    if (!m_engine || !m_engine->hasEditor()) {
        showPageNumber();
        return;
    }
    m_engine->beginLayout(printer->pageLayout(), printer->resolution());
    setPreparing(true);
    // A short job is ready at once.
    prepareMore();
}

void TPrintPreviewFrm::prepareMore()
{
    if (!m_engine->layOutMore(kPagesPerStep)) {
        const int done = m_engine->pagesLaidOut();
        const double share = m_engine->laidOutShare();
        m_progress->setValue(qRound(share * 1000));
        m_panel->setText(share > 0 ? QStringLiteral(" Preparing pages: %1 of about %2")
                                         .arg(done)
                                         .arg(qMax(done, qRound(done / share)))
                                   : QStringLiteral(" Preparing pages"));
        m_preparing->start();
        return;
    }
    setPreparing(false);
    m_pageCount = m_engine->pageCount();
    SynEditPrintPreview1->setPageCount(m_pageCount);
    SynEditPrintPreview1->setCurrentPage(1);
    showPageNumber();
}

void TPrintPreviewFrm::setPreparing(bool preparing)
{
    m_isPreparing = preparing;
    if (!preparing)
        m_preparing->stop();
    m_progress->setValue(0);
    m_progress->setVisible(preparing);
    m_cancel->setVisible(preparing);
    for (QToolButton *button : m_bar->findChildren<QToolButton *>())
        button->setEnabled(!preparing);
}

void TPrintPreviewFrm::CancelClick()
{
    setPreparing(false);
    close();
}

QString TPrintPreviewFrm::statusText() const
{
    return m_panel->text();
}

void TPrintPreviewFrm::showPageNumber()
{
    if (isPreparing())
        return;
    m_panel->setText(QStringLiteral(" Page: ")
                     + QString::number(SynEditPrintPreview1->currentPage()) + QStringLiteral(" of ")
                     + QString::number(m_pageCount));
}

int TPrintPreviewFrm::zoomPercent() const
{
    if (!SynEditPrintPreview1)
        return 0; // not shown yet
    return qRound(SynEditPrintPreview1->zoomFactor() * 100);
}

void TPrintPreviewFrm::zoomBy(int points)
{
    const int percent = zoomPercent() + points;
    // The scale stays above 0 %: a step that would reach it does nothing.
    if (percent <= 0)
        return;
    SynEditPrintPreview1->setZoomFactor(percent / 100.0);
}

void TPrintPreviewFrm::PrintClick()
{
    if (m_print)
        m_print();
}

void TPrintPreviewFrm::ZoomOutClick()
{
    zoomBy(-2);
}

void TPrintPreviewFrm::ZoomInClick()
{
    zoomBy(2);
}

void TPrintPreviewFrm::FullPageClick()
{
    SynEditPrintPreview1->setZoomMode(PagePreview::FitInView);
}

void TPrintPreviewFrm::FillWindowClick()
{
    SynEditPrintPreview1->setZoomMode(PagePreview::FitToWidth);
}

void TPrintPreviewFrm::FirstPageClick()
{
    SynEditPrintPreview1->setCurrentPage(1);
    showPageNumber();
}

void TPrintPreviewFrm::PreviousPageClick()
{
    SynEditPrintPreview1->setCurrentPage(SynEditPrintPreview1->currentPage() - 1);
    showPageNumber();
}

void TPrintPreviewFrm::NextPageClick()
{
    SynEditPrintPreview1->setCurrentPage(SynEditPrintPreview1->currentPage() + 1);
    showPageNumber();
}

void TPrintPreviewFrm::LastPageClick()
{
    SynEditPrintPreview1->setCurrentPage(SynEditPrintPreview1->pageCount());
    showPageNumber();
}
