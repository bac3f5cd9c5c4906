#include "shell/printing/PrintPreviewFrm.h"

#include "shell/printing/PreviewIcons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

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
    m_panel->setMinimumWidth(160);
    StatusBar1->addWidget(m_panel);
    layout->addWidget(StatusBar1);
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
    SynEditPrintPreview1 = new QPrintPreviewWidget(m_printer(), this);
    SynEditPrintPreview1->setObjectName(QStringLiteral("SynEditPrintPreview1"));
    m_layout->insertWidget(1, SynEditPrintPreview1, 1);
    connect(SynEditPrintPreview1, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter *target) { m_pageCount = m_paint ? m_paint(target) : 0; });
    connect(SynEditPrintPreview1, &QPrintPreviewWidget::previewChanged, this,
            &TPrintPreviewFrm::showPageNumber);
}

void TPrintPreviewFrm::showPreview()
{
    makeShownParts();
    show();
    raise();
    activateWindow();
}

void TPrintPreviewFrm::showEvent(QShowEvent *event)
{
    if (!SynEditPrintPreview1) {
        makeShownParts();
        SynEditPrintPreview1->show();
    }
    QDialog::showEvent(event);
    // The preview widget draws the pages itself when it is first shown; later showings
    // refresh them here.
    if (m_shownBefore)
        SynEditPrintPreview1->updatePreview();
    m_shownBefore = true;
    SynEditPrintPreview1->setCurrentPage(1);
    showPageNumber();
}

QString TPrintPreviewFrm::statusText() const
{
    return m_panel->text();
}

void TPrintPreviewFrm::showPageNumber()
{
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
    SynEditPrintPreview1->setZoomMode(QPrintPreviewWidget::FitInView);
}

void TPrintPreviewFrm::FillWindowClick()
{
    SynEditPrintPreview1->setZoomMode(QPrintPreviewWidget::FitToWidth);
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
