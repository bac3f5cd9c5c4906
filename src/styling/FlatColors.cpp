#include "styling/FlatColors.h"

#include <algorithm>

namespace FlatColors {

namespace {
int clampChannel(int c)
{
    return std::clamp(c, 0, 255);
}
} // namespace

QRgb rgbOf(TColor color)
{
    return color.toQColor().rgb() | 0xFF000000u;
}

int roundHalfEven(int numerator, int denominator)
{
    int q = numerator / denominator;
    const int twice = 2 * (numerator % denominator);
    if (twice > denominator || (twice == denominator && (q % 2) != 0))
        ++q;
    return q;
}

QRgb Lighten(QRgb color, int percent)
{
    const int p = std::clamp(percent, 0, 100);
    auto up = [p](int c) { return c + roundHalfEven((255 - c) * p, 100); };
    return qRgb(up(qRed(color)), up(qGreen(color)), up(qBlue(color)));
}

QRgb Darken(QRgb color, int n)
{
    return qRgb(clampChannel(qRed(color) - n), clampChannel(qGreen(color) - n + 2),
                clampChannel(qBlue(color) - n));
}

QRgb GrayColor(QRgb color, int n)
{
    const int g = std::min((qRed(color) + qGreen(color) + qBlue(color)) / 3 + n, 240);
    return qRgb(g, g, g);
}

QRgb Average(const QList<QRgb> &colors)
{
    if (colors.isEmpty())
        return qRgb(0, 0, 0);
    int r = 0, g = 0, b = 0;
    for (QRgb c : colors) {
        r += qRed(c);
        g += qGreen(c);
        b += qBlue(c);
    }
    const int n = int(colors.size());
    return qRgb(r / n, g / n, b / n);
}

} // namespace FlatColors
