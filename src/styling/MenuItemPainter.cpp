#include "styling/MenuItemPainter.h"

#include "styling/FlatColors.h"
#include "styling/GlyphImage.h"
#include "styling/MenuItemInfo.h"
#include "styling/MenuTextMetrics.h"
#include "styling/PenCanvas.h"

#include <QPainter>

using namespace FlatColors;

namespace {
const QRgb black = qRgb(0, 0, 0);
}

MenuItemPainter::MenuItemPainter(const FlatMenuProperties &properties, const WorkingColors &colors,
                                 const MenuTextMetrics &metrics, bool deepScreen, bool ntPlatform)
    : m_p(properties), m_c(colors), m_metrics(metrics), m_deep(deepScreen), m_nt(ntPlatform)
{}

MenuItemPainter::Edges MenuItemPainter::edgesOf(QSize itemSize, bool barItem)
{
    if (barItem)
        return {0, 0, itemSize.width(), itemSize.height()};
    return {4, 0, itemSize.width() + 4, itemSize.height() + 1};
}

QSize MenuItemPainter::paint(const MenuItemInfo &item, QSize itemSize, QImage &buffer,
                             QPoint *offset) const
{
    const Edges e = edgesOf(itemSize, item.barItem);
    const QSize imageSize =
        item.barItem ? itemSize : QSize(itemSize.width() + 4, itemSize.height());
    if (offset)
        *offset = item.barItem ? QPoint(0, 0) : QPoint(-4, 0);
    if (imageSize.isEmpty())
        return imageSize;
    if (buffer.width() < imageSize.width() || buffer.height() < imageSize.height()
        || buffer.format() != QImage::Format_RGB32)
        buffer = QImage(imageSize.expandedTo(buffer.size()), QImage::Format_RGB32);
    QImage &image = buffer;
    PenCanvas canvas(image, QRect(QPoint(0, 0), imageSize));
    GlyphImage glyph(item.icon);
    const Areas a = areasOf(item, e, glyph);

    // Background.
    if (item.barItem)
        canvas.fillRect(0, 0, imageSize.width(), imageSize.height(), m_c.menuBar);
    else
        paintPopupBackground(canvas, e, item.rightToLeft);

    // Selection, or the hover feedback of a menu-bar item.
    const bool hover = !(item.selected && m_p.DrawSelect) && item.barItem && item.enabled
        && (item.hot || item.selected) && m_nt;
    if (item.selected && m_p.DrawSelect) {
        if (item.barItem)
            paintSelectedBarItem(canvas, e, item.rightToLeft);
        else if (item.enabled)
            canvas.rectangle(e.L, e.T + 1, m_p.FlatMenu ? e.R - 1 : e.R, e.B - 1,
                             m_c.selectionFrame, m_c.selectionFill);
    } else if (hover) {
        canvas.rectangle(e.L, e.T, e.R - 7, e.B, m_c.selectionFrame, m_c.selectionFill);
    }

    if (item.checked)
        paintCheck(canvas, item, a.check, !glyph.isEmpty());

    MenuItemInfo shown = item;
    shown.hot = hover; // highlighted: selected, or a bar item with the hover feedback
    if (!glyph.isEmpty())
        paintGlyph(canvas, shown, a, glyph);

    if (item.separator)
        paintSeparator(canvas, e, a.text, item.rightToLeft);
    else
        paintText(canvas, item, a.text);
    return imageSize;
}

MenuItemPainter::Areas MenuItemPainter::areasOf(const MenuItemInfo &item, const Edges &e,
                                                const GlyphImage &glyph) const
{
    const int iconWidth = m_p.IconWidth;
    const bool rtl = item.rightToLeft;
    const int gw = glyph.isEmpty() ? 0 : glyph.width();
    Areas a;
    a.glyph = rtl ? Edges {e.R - iconWidth, e.T, e.R, e.B} : Edges {e.L, e.T, e.L + iconWidth, e.B};

    Edges &c = a.check;
    if (!glyph.isEmpty()) {
        c = {a.glyph.L + 1, a.glyph.T + 2, a.glyph.R - 3, a.glyph.B - 2};
        if (gw > iconWidth) {
            if (rtl)
                c.L = c.R - gw;
            else
                c.R = c.L + gw;
        }
    } else {
        c.L = a.glyph.L + (iconWidth - 10) / 2;
        c.T = a.glyph.T + ((a.glyph.B - a.glyph.T) - 10) / 2;
        c.R = c.L + 10;
        c.B = c.T + 10;
    }
    if (item.barItem)
        c.T -= 1;

    const int column = item.barItem ? 4 : iconWidth;
    Edges &t = a.text;
    if (rtl) {
        t = {e.L, e.T, e.R - column, e.B};
        if (gw > column)
            t.R = e.R - gw - 8;
    } else {
        t = {e.L + column, e.T, e.R, e.B};
        if (gw > column)
            t.L = e.L + gw + 4;
    }
    if (item.barItem) {
        if (glyph.isEmpty())
            t = e;
        else if (rtl)
            t.R += 5;
        else
            t.L -= 5;
    }
    return a;
}

void MenuItemPainter::paintPopupBackground(PenCanvas &canvas, const Edges &e,
                                           bool rightToLeft) const
{
    const QRect &all = canvas.bounds();
    if (m_p.Gradient && m_deep) {
        // Left of the item the image is covered by the menu's frame.
        canvas.fillRect(0, 0, e.L, all.bottom() + 1, m_c.menuBackground);
        paintGradient(canvas, e, rightToLeft);
        return;
    }
    canvas.fillRect(0, 0, all.right() + 1, all.bottom() + 1, m_c.menuBackground);
    const int iconWidth = m_p.IconWidth;
    if (rightToLeft)
        canvas.fillRect(e.R - iconWidth, e.T, e.R, e.B, m_c.iconColumn);
    else
        canvas.fillRect(e.L, e.T, e.L + iconWidth, e.B, m_c.iconColumn);
}

void MenuItemPainter::paintGradient(PenCanvas &canvas, const Edges &e, bool rightToLeft) const
{
    // Steeply from the icon column's colour over the column and 5 pixels beyond, then gently
    // towards white. Right-to-left menus mirror it.
    int level = 0;
    const int columns = e.R - e.L;
    for (int i = 0; i < columns; ++i) {
        level += (i >= 1 && i <= m_p.IconWidth + 4) ? 3 : 1;
        level = qMin(level, 96);
        const int x = rightToLeft ? e.R - 1 - i : e.L + i;
        canvas.fillRect(x, e.T, x + 1, e.B, Lighten(m_c.iconColumn, level));
    }
}

void MenuItemPainter::paintSelectedBarItem(PenCanvas &canvas, const Edges &e,
                                           bool rightToLeft) const
{
    const int L = e.L, T = e.T, R = e.R, B = e.B;
    canvas.fillRect(L, T, R, B, m_c.selectionFill);
    const QRgb frame = m_c.selectionFrame;
    if (!rightToLeft && m_deep) {
        const QRgb m = m_c.menuBar;
        canvas.polyline({{L, B - 1}, {L, T}, {R - 8, T}, {R - 8, B}}, frame);
        // The shadow band at the right, darker inwards, with a rounded top.
        canvas.fillRect(R - 7, T, R, B, Darken(m, 10));
        canvas.fillRect(R - 7, T + 3, R - 2, B, Darken(m, 30));
        canvas.fillRect(R - 7, T + 5, R - 3, B, Darken(m, 60));
        canvas.fillRect(R - 7, T + 6, R - 5, B, Darken(m, 100));
        canvas.polyline({{R - 5, T + 1}, {R - 1, T + 1}, {R - 1, T + 6}}, m);
        canvas.polyline({{R - 3, T + 2}, {R - 2, T + 2}, {R - 2, T + 3}, {R - 3, T + 3}}, m);
        canvas.polyline(
            {{R - 6, T + 3}, {R - 3, T + 3}, {R - 3, T + 6}, {R - 4, T + 6}, {R - 4, T + 3}},
            Darken(m, 10));
        canvas.polyline({{R - 5, T + 5}, {R - 4, T + 5}, {R - 4, T + 9}}, Darken(m, 30));
        canvas.polyline({{R - 6, T + 5}, {R - 6, T + 7}}, Darken(m, 40));
        return;
    }
    const QRgb bar = rgbOf(m_p.MenuBarColor);
    canvas.polyline({{L, B - 1}, {L, T}, {R - 3, T}, {R - 3, B}}, frame);
    canvas.fillRect(R - 2, T + 2, R, B, Darken(bar, 70));
    canvas.fillRect(R - 2, T, R, T + 2, bar);
}

void MenuItemPainter::paintCheck(PenCanvas &canvas, const MenuItemInfo &item, const Edges &c,
                                 bool hasGlyph) const
{
    const QRgb brush = item.selected ? m_c.checkFillSelected : m_c.checkFill;
    const QRgb pen = item.enabled ? m_c.selectionFrame : m_c.disabledText;
    if (item.radio) {
        if (hasGlyph) {
            canvas.roundRect(c.L, c.T, c.R, c.B, 6, pen, brush);
        } else {
            canvas.ellipse(c.L, c.T, c.R, c.B, pen, brush);
            canvas.ellipse(c.L + 2, c.T + 2, c.R - 2, c.B - 2, pen, pen);
        }
        return;
    }
    if (hasGlyph) {
        canvas.rectangle(c.L, c.T, c.R, c.B, pen, brush);
        return;
    }
    canvas.rectangle(c.L, c.T, c.R, c.B, item.enabled ? m_c.checkFrame : m_c.disabledText, brush);
    const QRgb tick = item.enabled ? black : m_c.disabledText;
    const int L = c.L, T = c.T, R = c.R, B = c.B;
    canvas.polyline({{L + 1, T + 5}, {L + 4, B - 2}}, tick);
    canvas.polyline({{L + 2, T + 5}, {L + 4, B - 3}}, tick);
    canvas.polyline({{L + 2, T + 4}, {L + 5, B - 3}}, tick);
    canvas.polyline({{L + 4, B - 3}, {R + 2, T - 1}}, tick); // reaches past the square
    canvas.polyline({{L + 4, B - 2}, {R - 2, T + 3}}, tick);
}

void MenuItemPainter::paintGlyph(PenCanvas &canvas, const MenuItemInfo &item, const Areas &a,
                                 GlyphImage &glyph) const
{
    const int iconWidth = m_p.IconWidth;
    const int w = glyph.width();
    const Edges &g = a.glyph;
    int y = g.T + 3;
    int x;
    if (item.barItem)
        x = item.rightToLeft ? g.R - w - 5 : g.L + 1;
    else if (w < iconWidth)
        x = g.L + (iconWidth - w) / 2 - 1;
    else
        x = item.rightToLeft ? g.R - w - 2 : g.L + 2;

    const bool highlighted = item.selected || item.hot;
    if (highlighted && item.enabled) {
        if (item.barItem) {
            x -= 1;
            y -= 2;
        } else if (!item.checked) {
            x -= 1;
            y -= 1;
        }
    }

    if (!item.enabled)
        glyph.gray(m_p.GrayLevel);
    else if (!highlighted && !item.checked && m_deep)
        glyph.dim(qMin(m_p.DimLevel, 100));

    if (highlighted && item.enabled && !item.checked)
        glyph.paintShadow(canvas, x + 2, y + 2, Darken(m_c.selectionFill, 50));
    glyph.draw(canvas.image(), x, y);
}

QRgb MenuItemPainter::textColor(const MenuItemInfo &item) const
{
    const QRgb font = rgbOf(m_p.FontColor);
    if (!item.enabled)
        return m_c.disabledText;
    if (item.barItem && item.selected && m_p.UseSystemColors) {
        const QRgb icon = m_c.iconColumn;
        const bool dark = qRed(icon) + qBlue(icon) <= 300 && qGreen(icon) <= 200;
        return dark ? Lighten(icon, 90) : font;
    }
    return item.selected ? m_c.selectedText : font;
}

void MenuItemPainter::paintText(PenCanvas &canvas, const MenuItemInfo &item, Edges t) const
{
    if (item.rightToLeft)
        t.R -= 3;
    else
        t.L += 3;
    t.T += ((t.B - t.T) - m_metrics.height()) / 2;

    QImage &image = canvas.image();
    const QRect &bounds = canvas.bounds();
    QPainter p(&image);
    p.setFont(m_p.Font);
    p.setLayoutDirection(item.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    const int side = Qt::AlignAbsolute | (item.rightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    const int flags = side | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextExpandTabs;
    const QString caption = QLatin1Char(' ') + item.caption;
    auto rectOf = [](const Edges &e) { return QRect(e.L, e.T, e.R - e.L, e.B - e.T); };

    if (item.defaultItem && item.enabled) {
        // A soft shadow: the caption four times, each darker than what lies under it.
        struct Pass {
            int dx, dy, dr, darken;
        };
        static const Pass passes[] = {{1, 0, 0, 30}, {1, 2, 1, 30}, {0, 1, 0, 40}, {1, 1, 1, 60}};
        for (const Pass &pass : passes) {
            const Edges s {t.L + pass.dx, t.T + pass.dy, t.R + pass.dr, t.B};
            const QPoint corner(qBound(0, s.L, bounds.right()), qBound(0, s.T, bounds.bottom()));
            const QRgb under = image.pixel(corner);
            p.setPen(QColor::fromRgb(Darken(under, pass.darken)));
            p.drawText(rectOf(s), flags, caption);
        }
    }
    p.setPen(QColor::fromRgb(textColor(item)));
    p.drawText(rectOf(t), flags, caption);

    if (item.shortcut.isEmpty())
        return;
    Edges s = t;
    int shortcutSide = Qt::AlignAbsolute;
    if (item.rightToLeft) {
        s.L += 10;
        shortcutSide |= Qt::AlignLeft;
    } else {
        s.R -= 10;
        shortcutSide |= Qt::AlignRight;
    }
    p.drawText(rectOf(s), shortcutSide | Qt::AlignTop | Qt::TextShowMnemonic,
               item.shortcut + QLatin1Char(' '));
}

void MenuItemPainter::paintSeparator(PenCanvas &canvas, const Edges &e, const Edges &text,
                                     bool rightToLeft) const
{
    const int y = e.T + roundHalfEven(e.B - e.T, 2);
    if (rightToLeft)
        canvas.polyline({{text.L, y}, {text.R - 7, y}}, m_c.separator);
    else
        canvas.polyline({{text.L + 7, y}, {text.R, y}}, m_c.separator);
}
