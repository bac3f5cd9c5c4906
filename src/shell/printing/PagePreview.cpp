#include "shell/printing/PagePreview.h"

#include "editor/output/PrintEngine.h"
#include "editor/output/PrintPage.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

// The grey around the paper, in screen pixels.
constexpr int kGap = 12;

} // namespace

PagePreview::PagePreview(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(),
            qOverload<>(&QWidget::update));
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, viewport(),
            qOverload<>(&QWidget::update));
}

PagePreview::~PagePreview() = default;

void PagePreview::setJob(PrintEngine *engine, const QPageLayout &page, int resolution)
{
    m_engine = engine;
    m_page = page;
    m_resolution = resolution > 0 ? resolution : 1200;
    m_picture.reset();
    m_pictureOf = 0;
    setPageCount(0);
}

void PagePreview::setPageCount(int count)
{
    m_pageCount = qMax(0, count);
    m_current = m_pageCount ? qBound(1, m_current, m_pageCount) : 0;
    m_picture.reset();
    m_pictureOf = 0;
    updateScrollBars();
    viewport()->update();
    emit previewChanged();
}

void PagePreview::setCurrentPage(int page)
{
    if (!m_pageCount)
        return;
    page = qBound(1, page, m_pageCount);
    if (page == m_current)
        return;
    m_current = page;
    viewport()->update();
    emit previewChanged();
}

void PagePreview::turnTo(int page, bool showBottom)
{
    const int before = m_current;
    setCurrentPage(page);
    if (m_current != before)
        verticalScrollBar()->setValue(showBottom ? verticalScrollBar()->maximum()
                                                 : verticalScrollBar()->minimum());
}

void PagePreview::setZoomMode(ZoomMode mode)
{
    if (mode == CustomZoom)
        m_factor = zoomFactor();
    m_mode = mode;
    updateScrollBars();
    viewport()->update();
    emit previewChanged();
}

void PagePreview::setZoomFactor(qreal factor)
{
    m_factor = factor;
    m_mode = CustomZoom;
    updateScrollBars();
    viewport()->update();
    emit previewChanged();
}

QSize PagePreview::paperPixels() const
{
    return m_page.fullRectPixels(m_resolution).size();
}

qreal PagePreview::scale() const
{
    const QSize paper = paperPixels();
    if (paper.isEmpty())
        return 1.0;
    const qreal width = qMax(1, viewport()->width() - 2 * kGap);
    const qreal height = qMax(1, viewport()->height() - 2 * kGap);
    switch (m_mode) {
    case FitInView: return qMin(width / paper.width(), height / paper.height());
    case FitToWidth: return width / paper.width();
    case CustomZoom: break;
    }
    return m_factor * logicalDpiX() / m_resolution;
}

qreal PagePreview::zoomFactor() const
{
    return m_mode == CustomZoom ? m_factor : scale() * m_resolution / logicalDpiX();
}

void PagePreview::updateScrollBars()
{
    const QSize shown = (QSizeF(paperPixels()) * scale()).toSize() + QSize(2 * kGap, 2 * kGap);
    const QSize room = viewport()->size();
    horizontalScrollBar()->setRange(0, qMax(0, shown.width() - room.width()));
    horizontalScrollBar()->setPageStep(room.width());
    verticalScrollBar()->setRange(0, qMax(0, shown.height() - room.height()));
    verticalScrollBar()->setPageStep(room.height());
    verticalScrollBar()->setSingleStep(qMax(1, room.height() / 20));
    horizontalScrollBar()->setSingleStep(qMax(1, room.width() / 20));
}

void PagePreview::paintEvent(QPaintEvent *)
{
    if (!m_engine || !m_current)
        return;
    if (m_pictureOf != m_current) {
        m_picture = std::make_unique<PrintPage>(m_page, m_resolution);
        QPainter recorder(m_picture.get());
        m_engine->drawPage(recorder, m_current);
        recorder.end();
        m_pictureOf = m_current;
    }
    const qreal s = scale();
    const QSizeF paper = QSizeF(paperPixels()) * s;
    // Centred while narrower than the view, else scrolled.
    const qreal left = paper.width() + 2 * kGap < viewport()->width()
        ? (viewport()->width() - paper.width()) / 2
        : kGap - horizontalScrollBar()->value();
    const QRectF sheet(QPointF(left, kGap - verticalScrollBar()->value()), paper);

    QPainter painter(viewport());
    painter.fillRect(sheet.translated(3, 3), palette().color(QPalette::Shadow));
    painter.fillRect(sheet, Qt::white);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(sheet);
    painter.setClipRect(sheet);
    // The picture records changes from a new painter's state, so it plays back on one.
    painter.setPen(QPen());
    painter.setBrush(QBrush());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(sheet.topLeft());
    painter.scale(s, s);
    painter.drawPicture(m_page.paintRectPixels(m_resolution).topLeft(), *m_picture);
}

void PagePreview::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    if (m_mode != CustomZoom)
        emit previewChanged();
}

void PagePreview::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageDown: turnTo(m_current + 1, false); break;
    case Qt::Key_PageUp: turnTo(m_current - 1, false); break;
    case Qt::Key_Home: turnTo(1, false); break;
    case Qt::Key_End: turnTo(m_pageCount, false); break;
    default: QAbstractScrollArea::keyPressEvent(event);
    }
}

void PagePreview::wheelEvent(QWheelEvent *event)
{
    const int dy = event->angleDelta().y();
    QScrollBar *bar = verticalScrollBar();
    if (dy < 0 && bar->value() == bar->maximum() && m_current < m_pageCount)
        turnTo(m_current + 1, false);
    else if (dy > 0 && bar->value() == bar->minimum() && m_current > 1)
        turnTo(m_current - 1, true);
    else
        QAbstractScrollArea::wheelEvent(event);
    event->accept();
}
