#include "styling/MenuItemMeasure.h"

#include "styling/FlatColors.h"
#include "styling/GlyphImage.h"
#include "styling/MenuItemInfo.h"
#include "styling/MenuTextMetrics.h"

QSize measureMenuItem(const MenuItemInfo &item, const MenuTextMetrics &metrics, int iconWidth)
{
    QString s = item.separator ? QString() : item.caption;
    if (!item.separator && !item.shortcut.trimmed().isEmpty())
        s = item.caption + item.shortcut + QStringLiteral("WWW");

    int w = metrics.width(s) + 5;
    if (s.contains(QLatin1Char('&')))
        w -= metrics.width(QStringLiteral("&")); // one mark only
    if (!item.barItem && item.subMenu)
        w += 6; // the sub-menu arrow

    QSize glyph = GlyphImage::sizeOf(item.icon);
    if (glyph.isEmpty())
        glyph = QSize(0, 0);
    int glyphWidth = glyph.width();
    if (!item.barItem)
        glyphWidth = qMax(glyphWidth, iconWidth);
    w += glyphWidth;

    if (item.separator)
        return QSize(w, 4);
    const int textHeight = metrics.height();
    int h = textHeight + FlatColors::roundHalfEven(3 * textHeight, 4);
    h = qMax(h, glyph.height() + 6);
    return QSize(w, h);
}
