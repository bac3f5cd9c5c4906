#pragma once

#include "platform/TColor.h"

#include <QList>
#include <QRgb>

// The colour arithmetic of the flat menus. Every helper works on plain RGB values (system
// colours resolved first, alpha ignored and returned opaque); rounding is the class library's:
// halves go to the even number.
namespace FlatColors {

// A colour's RGB value: plain colours as they are, system colours from the fixed table.
QRgb rgbOf(TColor color);

// round(n / d) for n >= 0, d > 0, halves to even.
int roundHalfEven(int numerator, int denominator);

// Each channel c becomes c + round((255 - c) * p / 100), p at most 100.
QRgb Lighten(QRgb color, int percent);
// Red and blue less n, green less n - 2, each held to 0..255.
QRgb Darken(QRgb color, int n);
// The gray (g, g, g) with g = min((R + G + B) div 3 + n, 240).
QRgb GrayColor(QRgb color, int n);
// Each channel the integer mean of that channel; black for an empty list.
QRgb Average(const QList<QRgb> &colors);

} // namespace FlatColors
