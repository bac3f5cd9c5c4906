#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

// Drawing on an image with the rules of the old device contexts: rectangles are given by their
// edges (left, top, right, bottom) with the right and bottom edges excluded, and a pen line
// leaves out its end point. Everything is aliased and one pixel wide.
class PenCanvas
{
public:
    // Drawing stays within bounds (the whole image when they are empty).
    explicit PenCanvas(QImage &image, const QRect &bounds = QRect())
        : m_image(image), m_bounds(bounds.isEmpty() ? image.rect() : bounds & image.rect())
    {}

    QImage &image() { return m_image; }
    const QRect &bounds() const { return m_bounds; }

    // Fills (l, t, r, b), right and bottom excluded.
    void fillRect(int l, int t, int r, int b, QRgb color);
    // The outline of (l, t, r, b) in pen, its inside filled with brush.
    void rectangle(int l, int t, int r, int b, QRgb pen, QRgb brush);
    // The ellipse within (l, t, r, b), outlined in pen and filled with brush.
    void ellipse(int l, int t, int r, int b, QRgb pen, QRgb brush);
    // A rectangle with corners rounded by an ellipse of corner x corner pixels.
    void roundRect(int l, int t, int r, int b, int corner, QRgb pen, QRgb brush);

    // The pen position and lines from it; a line leaves out its end point.
    void moveTo(int x, int y) { m_pos = QPoint(x, y); }
    void lineTo(int x, int y, QRgb pen);
    // moveTo the first point, then lineTo each further one.
    void polyline(std::initializer_list<QPoint> points, QRgb pen);

    void setPixel(int x, int y, QRgb color);

private:
    QImage &m_image;
    QRect m_bounds;
    QPoint m_pos;
};
