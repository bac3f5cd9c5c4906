#include "shell/printing/PrintPreviewFrm.h"

#include <QHBoxLayout>
#include <QIcon>
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

    addButton(QStringLiteral("PrintButton"), QStringLiteral("Print"),
              QStringLiteral("document-print"), &TPrintPreviewFrm::PrintClick);
    addButton(QStringLiteral("ZoomOutButton"), QStringLiteral("Zoom out"),
              QStringLiteral("zoom-out"), &TPrintPreviewFrm::ZoomOutClick);
    addButton(QStringLiteral("ZoomInButton"), QStringLiteral("Zoom inn"), QStringLiteral("zoom-in"),
              &TPrintPreviewFrm::ZoomInClick);
    addButton(QStringLiteral("FullPageButton"), QStringLiteral("View full page (100 % view)"),
              QStringLiteral("zoom-fit-best"), &TPrintPreviewFrm::FullPageClick);
    addButton(QStringLiteral("FillWindowButton"), QStringLiteral("Fill window"),
              QStringLiteral("zoom-fit-width"), &TPrintPreviewFrm::FillWindowClick);
    addButton(QStringLiteral("FirstPageButton"), QStringLiteral("First page"),
              QStringLiteral("go-first"), &TPrintPreviewFrm::FirstPageClick);
    addButton(QStringLiteral("PreviousPageButton"), QStringLiteral("Previous page"),
              QStringLiteral("go-previous"), &TPrintPreviewFrm::PreviousPageClick);
    addButton(QStringLiteral("NextPageButton"), QStringLiteral("Next page"),
              QStringLiteral("go-next"), &TPrintPreviewFrm::NextPageClick);
    addButton(QStringLiteral("LastPageButton"), QStringLiteral("Last page"),
              QStringLiteral("go-last"), &TPrintPreviewFrm::LastPageClick);
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
                                         const QString &icon, void (TPrintPreviewFrm::*handler)())
{
    auto *button = new QToolButton(m_bar);
    button->setObjectName(name);
    button->setToolTip(hint);
    m_pictures.append({button, hint, icon});
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
    for (const Picture &p : std::as_const(m_pictures)) {
        p.button->setIcon(QIcon::fromTheme(p.icon));
        if (p.button->icon().isNull())
            p.button->setText(p.hint);
    }
    m_pictures.clear();
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
