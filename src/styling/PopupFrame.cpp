#include "styling/PopupFrame.h"

#include "styling/MenuItemPainter.h"
#include "styling/PenCanvas.h"
#include "styling/WorkingColors.h"

#include <QImage>
#include <QPainter>

namespace PopupFrame {

QRegion mask(QSize size)
{
    const int w = size.width(), h = size.height();
    return QRegion(0, 0, w - 2, h - 2) + QRegion(2, 2, w - 2, h - 2);
}

void paint(QPainter *painter, QSize size, const WorkingColors &colors, bool rightToLeft,
           const MenuItemPainter &items, int firstItemX, int firstItemWidth)
{
    const int w = size.width(), h = size.height();
    if (w < 6 || h < 6)
        return;
    const QColor light = QColor::fromRgb(colors.borderLight);
    const QColor icon = QColor::fromRgb(colors.iconColumn);

    // The frame round the drawing area (W - 2) x (H - 2).
    painter->fillRect(0, 0, w - 2, 1, light);
    painter->fillRect(0, h - 3, w - 2, 1, light);
    painter->fillRect(0, 0, 1, h - 2, light);
    painter->fillRect(w - 3, 0, 1, h - 2, light);

    // The icon column's colour inside the frame.
    if (rightToLeft)
        painter->fillRect(w - 3, 2, 1, h - 3, icon);
    else
        painter->fillRect(1, 2, 2, h - 3, icon);

    // Rows 1 and 2 repeat row 3: the frame, the strip and the first item's top row.
    QImage row(w - 2, 1, QImage::Format_RGB32);
    row.fill(colors.menuBackground);
    row.setPixel(0, 0, colors.borderLight);
    row.setPixel(w - 3, 0, rightToLeft ? colors.iconColumn : colors.borderLight);
    if (!rightToLeft) {
        row.setPixel(1, 0, colors.iconColumn);
        row.setPixel(2, 0, colors.iconColumn);
    }
    if (firstItemWidth > 0) {
        QImage item(firstItemWidth + 4, 1, QImage::Format_RGB32);
        PenCanvas canvas(item);
        items.paintPopupBackground(canvas, {4, 0, firstItemWidth + 4, 2}, rightToLeft);
        const int from = qMax(firstItemX, 1);
        const int to = qMin(firstItemX + firstItemWidth, w - 3); // excluded
        for (int x = from; x < to; ++x)
            row.setPixel(x, 0, item.pixel(x - firstItemX + 4, 0));
    }
    painter->drawImage(0, 1, row);
    painter->drawImage(0, 2, row);

    // The shadow.
    const QColor dark = QColor::fromRgb(colors.borderDark);
    painter->fillRect(2, h - 2, w - 2, 2, dark);
    painter->fillRect(w - 2, 2, 2, h - 2, dark);
}

} // namespace PopupFrame
