#include "styling/PenCanvas.h"

#include <QPainter>
#include <QPainterPath>

#include <cstdlib>

void PenCanvas::setPixel(int x, int y, QRgb color)
{
    if (m_bounds.contains(x, y))
        reinterpret_cast<QRgb *>(m_image.scanLine(y))[x] = color;
}

void PenCanvas::fillRect(int l, int t, int r, int b, QRgb color)
{
    const QRect area = QRect(QPoint(l, t), QPoint(r - 1, b - 1)) & m_bounds;
    if (area.isEmpty())
        return;
    uchar *bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(bits + y * stride);
        std::fill(line + area.left(), line + area.right() + 1, color);
    }
}

void PenCanvas::rectangle(int l, int t, int r, int b, QRgb pen, QRgb brush)
{
    if (r - l < 1 || b - t < 1)
        return;
    fillRect(l, t, r, b, pen);
    fillRect(l + 1, t + 1, r - 1, b - 1, brush);
}

void PenCanvas::lineTo(int x, int y, QRgb pen)
{
    // Bresenham from the pen position up to, but not including, (x, y).
    int x0 = m_pos.x(), y0 = m_pos.y();
    const int dx = std::abs(x - x0), dy = -std::abs(y - y0);
    const int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    while (x0 != x || y0 != y) {
        setPixel(x0, y0, pen);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    m_pos = QPoint(x, y);
}

void PenCanvas::polyline(std::initializer_list<QPoint> points, QRgb pen)
{
    bool first = true;
    for (const QPoint &p : points) {
        if (first)
            moveTo(p.x(), p.y());
        else
            lineTo(p.x(), p.y(), pen);
        first = false;
    }
}

namespace {
// The shape filled in brush, then its outline in pen, both aliased.
void paintShape(QImage &image, const QRect &bounds, const QPainterPath &path, QRgb pen, QRgb brush)
{
    QPainter p(&image);
    p.setClipRect(bounds);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor::fromRgb(pen), 0));
    p.setBrush(QColor::fromRgb(brush));
    p.drawPath(path);
}
} // namespace

void PenCanvas::ellipse(int l, int t, int r, int b, QRgb pen, QRgb brush)
{
    if (r - l < 1 || b - t < 1)
        return;
    QPainterPath path;
    path.addEllipse(QRectF(l, t, r - l - 1, b - t - 1));
    paintShape(m_image, m_bounds, path, pen, brush);
}

void PenCanvas::roundRect(int l, int t, int r, int b, int corner, QRgb pen, QRgb brush)
{
    if (r - l < 1 || b - t < 1)
        return;
    QPainterPath path;
    path.addRoundedRect(QRectF(l, t, r - l - 1, b - t - 1), corner / 2.0, corner / 2.0);
    paintShape(m_image, m_bounds, path, pen, brush);
}
