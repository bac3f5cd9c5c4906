#pragma once

#include <QAbstractScrollArea>
#include <QPageLayout>

#include <memory>

class PrintEngine;
class PrintPage;

// The print preview's page view: one page of a laid-out print job at a time, as white paper
// on a grey ground, scaled to the whole page, the page width or a zoom factor (1 is the
// paper's real size). Only the page shown is drawn (when it is first shown), so a job of
// many pages shows at once. Page Up and Page Down (and the wheel past a page's end) turn the
// pages.
class PagePreview : public QAbstractScrollArea
{
    Q_OBJECT
public:
    enum ZoomMode { FitInView, FitToWidth, CustomZoom };

    explicit PagePreview(QWidget *parent = nullptr);
    ~PagePreview() override;

    // The job whose pages are shown, laid out for page at resolution; no pages until
    // setPageCount.
    void setJob(PrintEngine *engine, const QPageLayout &page, int resolution);
    // The pages ready to show; the current page stays within them.
    void setPageCount(int count);
    int pageCount() const { return m_pageCount; }

    int currentPage() const { return m_current; }
    void setCurrentPage(int page);

    ZoomMode zoomMode() const { return m_mode; }
    void setZoomMode(ZoomMode mode);
    qreal zoomFactor() const;
    void setZoomFactor(qreal factor);

signals:
    // The current page or the scale changed.
    void previewChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    // Screen pixels per printer pixel.
    qreal scale() const;
    QSize paperPixels() const;
    void updateScrollBars();
    // Turns to page, showing its top (or its bottom when coming from below).
    void turnTo(int page, bool showBottom);

    PrintEngine *m_engine = nullptr;
    QPageLayout m_page;
    int m_resolution = 1200;
    int m_pageCount = 0;
    int m_current = 0;
    ZoomMode m_mode = FitInView;
    qreal m_factor = 1.0;                 // of CustomZoom
    std::unique_ptr<PrintPage> m_picture; // the current page, drawn
    int m_pictureOf = 0;
};
