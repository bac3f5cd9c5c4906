#include "ExplorerIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

enum class Picture { OpenFolder, ClosedFolder, File };

// Draws the picture on a 16 x 16 grid, scaled to side pixels.
QPixmap paint(Picture picture, int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 16.0, side / 16.0);
    const QPen outline(QColor(0x8a, 0x6a, 0x1c), 1.0);
    const QColor back(0xe0, 0xb4, 0x4c);
    const QColor front(0xf6, 0xd3, 0x78);
    switch (picture) {
    case Picture::ClosedFolder: {
        QPainterPath body;
        body.moveTo(1.5, 3.5);
        body.lineTo(6.0, 3.5);
        body.lineTo(7.5, 5.0);
        body.lineTo(14.5, 5.0);
        body.lineTo(14.5, 13.5);
        body.lineTo(1.5, 13.5);
        body.closeSubpath();
        p.setPen(outline);
        p.setBrush(front);
        p.drawPath(body);
        break;
    }
    case Picture::OpenFolder: {
        QPainterPath rear;
        rear.moveTo(1.5, 3.5);
        rear.lineTo(6.0, 3.5);
        rear.lineTo(7.5, 5.0);
        rear.lineTo(13.5, 5.0);
        rear.lineTo(13.5, 13.5);
        rear.lineTo(1.5, 13.5);
        rear.closeSubpath();
        p.setPen(outline);
        p.setBrush(back);
        p.drawPath(rear);
        QPainterPath flap;
        flap.moveTo(3.5, 7.5);
        flap.lineTo(15.5, 7.5);
        flap.lineTo(13.5, 13.5);
        flap.lineTo(1.5, 13.5);
        flap.closeSubpath();
        p.setBrush(front);
        p.drawPath(flap);
        break;
    }
    case Picture::File: {
        QPainterPath page;
        page.moveTo(3.5, 1.5);
        page.lineTo(9.5, 1.5);
        page.lineTo(12.5, 4.5);
        page.lineTo(12.5, 14.5);
        page.lineTo(3.5, 14.5);
        page.closeSubpath();
        p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.0));
        p.setBrush(Qt::white);
        p.drawPath(page);
        p.drawPolyline(QPolygonF({QPointF(9.5, 1.5), QPointF(9.5, 4.5), QPointF(12.5, 4.5)}));
        p.setPen(QPen(QColor(0xa8, 0xb8, 0xd0), 1.0));
        for (double y = 7.5; y < 13; y += 2)
            p.drawLine(QPointF(5.0, y), QPointF(11.0, y));
        break;
    }
    }
    return pixmap;
}

QIcon icon(Picture picture)
{
    QIcon result;
    result.addPixmap(paint(picture, 16));
    result.addPixmap(paint(picture, 32));
    return result;
}

} // namespace

namespace ExplorerIcons {

QIcon openFolder()
{
    return icon(Picture::OpenFolder);
}

QIcon closedFolder()
{
    return icon(Picture::ClosedFolder);
}

QIcon file()
{
    return icon(Picture::File);
}

} // namespace ExplorerIcons
