#include "styling/GlyphImage.h"

#include "styling/FlatColors.h"
#include "styling/PenCanvas.h"

#include <QPainter>

QSize GlyphImage::sizeOf(const QIcon &icon)
{
    if (icon.isNull())
        return QSize();
    const QList<QSize> sizes = icon.availableSizes();
    return sizes.isEmpty() ? QSize(16, 16) : sizes.first();
}

GlyphImage::GlyphImage(const QIcon &icon)
{
    const QSize size = sizeOf(icon);
    if (size.isEmpty())
        return;
    m_image = icon.pixmap(size, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    if (m_image.size() != size)
        m_image = m_image.scaled(size).convertToFormat(QImage::Format_ARGB32);
}

GlyphImage::GlyphImage(const QImage &image)
{
    if (!image.isNull())
        m_image = image.convertToFormat(QImage::Format_ARGB32);
}

template <typename Convert>
void GlyphImage::convert(Convert convert)
{
    // Runs of one colour (the background above all) are converted once.
    QRgb lastIn = 0, lastOut = 0;
    bool haveLast = false;
    for (int y = 0; y < m_image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        for (int x = 0; x < m_image.width(); ++x) {
            const QRgb in = line[x] | 0xFF000000u;
            if (!haveLast || in != lastIn) {
                lastIn = in;
                lastOut = convert(in);
                haveLast = true;
            }
            line[x] = (lastOut & 0x00FFFFFFu) | (line[x] & 0xFF000000u);
        }
    }
}

void GlyphImage::dim(int percent)
{
    convert([percent](QRgb c) { return FlatColors::Lighten(c, percent); });
}

void GlyphImage::gray(int level)
{
    convert([level](QRgb c) { return FlatColors::Lighten(FlatColors::GrayColor(c, level), 40); });
}

void GlyphImage::paintShadow(PenCanvas &canvas, int x, int y, QRgb color) const
{
    QImage &target = canvas.image();
    for (int row = 0; row < m_image.height(); ++row) {
        const auto *line = reinterpret_cast<const QRgb *>(m_image.constScanLine(row));
        for (int col = 0; col < m_image.width(); ++col) {
            const int alpha = qAlpha(line[col]);
            if (alpha == 0)
                continue;
            const int tx = x + col, ty = y + row;
            if (!canvas.bounds().contains(tx, ty))
                continue;
            if (alpha == 255) {
                canvas.setPixel(tx, ty, color);
                continue;
            }
            // Soft edges of the glyph give a soft shadow edge.
            const QRgb under = target.pixel(tx, ty);
            auto mix = [alpha](int a, int b) { return (a * alpha + b * (255 - alpha)) / 255; };
            canvas.setPixel(tx, ty,
                            qRgb(mix(qRed(color), qRed(under)), mix(qGreen(color), qGreen(under)),
                                 mix(qBlue(color), qBlue(under))));
        }
    }
}

void GlyphImage::draw(QImage &target, int x, int y) const
{
    if (isEmpty())
        return;
    QPainter p(&target);
    p.drawImage(x, y, m_image);
}
