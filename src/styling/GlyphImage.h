#pragma once

#include <QIcon>
#include <QImage>
#include <QRgb>

class PenCanvas;

// A private copy of a menu item's glyph that dimming, graying and the shadow work on; the
// action's icon is never touched. A pixel belongs to the glyph when it is not fully
// transparent (its colour differs from the background of the copy).
class GlyphImage
{
public:
    GlyphImage() = default;
    // The icon at its own size (the first it offers; 16 x 16 for a scalable one).
    explicit GlyphImage(const QIcon &icon);
    explicit GlyphImage(const QImage &image);

    bool isEmpty() const { return m_image.isNull(); }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    const QImage &image() const { return m_image; }

    // The size a glyph of this icon has; an empty size when there is none.
    static QSize sizeOf(const QIcon &icon);

    // Every pixel lightened by percent (at most 100).
    void dim(int percent);
    // Every pixel made gray (GrayColor with level), then lightened by 40 percent.
    void gray(int level);

    // The glyph's shape painted at (x, y) in one colour.
    void paintShadow(PenCanvas &canvas, int x, int y, QRgb color) const;
    // The glyph drawn at (x, y) over what is there.
    void draw(QImage &target, int x, int y) const;

private:
    template <typename Convert>
    void convert(Convert convert);

    QImage m_image;
};
