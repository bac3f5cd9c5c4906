#pragma once

#include "styling/FlatMenuProperties.h"
#include "styling/WorkingColors.h"

#include <QImage>
#include <QPoint>
#include <QSize>

class PenCanvas;
class GlyphImage;
class MenuTextMetrics;
struct MenuItemInfo;

// Draws one flat menu item into an image of its own: background or gradient with the icon
// column, the framed selection (with its shadow band for a menu-bar item), check marks, the
// glyph (dimmed, grayed, or lifted over its shadow), the caption and the shortcut, or the
// separator line.
//
// Shapes are placed by the item's edges L, T, R, B in the image. A popup item's image is 4
// pixels wider than the item and lies 4 pixels left of it, so L is 4, R the item's width + 4,
// and B one row below the image. A menu-bar item's image is the item itself.
class MenuItemPainter
{
public:
    struct Edges {
        int L, T, R, B;
    };

    MenuItemPainter(const FlatMenuProperties &properties, const WorkingColors &colors,
                    const MenuTextMetrics &metrics, bool deepScreen, bool ntPlatform);

    // Draws the item's image into the top-left corner of buffer (made larger when it is too
    // small) and returns the image's size; offset tells where its top-left corner goes
    // relative to the item's.
    QSize paint(const MenuItemInfo &item, QSize itemSize, QImage &buffer, QPoint *offset) const;

    // The edges of an item of this size in its image.
    static Edges edgesOf(QSize itemSize, bool barItem);
    // A popup item's background (gradient, or menu colour with the icon column), alone.
    void paintPopupBackground(PenCanvas &canvas, const Edges &e, bool rightToLeft) const;
    // The colour of the item's caption (and of its sub-menu arrow).
    QRgb textColor(const MenuItemInfo &item) const;

private:
    struct Areas {
        Edges glyph;
        Edges check;
        Edges text; // before its final move inwards and its vertical centring
    };
    Areas areasOf(const MenuItemInfo &item, const Edges &e, const GlyphImage &glyph) const;

    void paintGradient(PenCanvas &canvas, const Edges &e, bool rightToLeft) const;
    void paintSelectedBarItem(PenCanvas &canvas, const Edges &e, bool rightToLeft) const;
    void paintCheck(PenCanvas &canvas, const MenuItemInfo &item, const Edges &c,
                    bool hasGlyph) const;
    void paintGlyph(PenCanvas &canvas, const MenuItemInfo &item, const Areas &a,
                    GlyphImage &glyph) const;
    void paintText(PenCanvas &canvas, const MenuItemInfo &item, Edges text) const;
    void paintSeparator(PenCanvas &canvas, const Edges &e, const Edges &text,
                        bool rightToLeft) const;

    const FlatMenuProperties &m_p;
    const WorkingColors &m_c;
    const MenuTextMetrics &m_metrics;
    bool m_deep;
    bool m_nt;
};
