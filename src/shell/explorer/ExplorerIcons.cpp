#include "shell/explorer/ExplorerIcons.h"

#include "platform/GridIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace {

enum class Picture { OpenFolder, ClosedFolder, File };

// Draws the picture on a 16 x 16 grid.
void draw(QPainter &p, Picture picture)
{
    const QPen outline(QColor(0x8a, 0x6a, 0x1c), 1.0);
    const QColor back(0xe0, 0xb4, 0x4c);
    const QColor front(0xf6, 0xd3, 0x78);
    // A folder's body: the tab on the left, up to the given right edge.
    const auto folder = [](double right) {
        return QPolygonF(
            {{1.5, 3.5}, {6.0, 3.5}, {7.5, 5.0}, {right, 5.0}, {right, 13.5}, {1.5, 13.5}});
    };
    switch (picture) {
    case Picture::ClosedFolder:
        p.setPen(outline);
        p.setBrush(front);
        p.drawPolygon(folder(14.5));
        break;
    case Picture::OpenFolder:
        p.setPen(outline);
        p.setBrush(back);
        p.drawPolygon(folder(13.5));
        p.setBrush(front);
        p.drawPolygon(QPolygonF({{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}}));
        break;
    case Picture::File:
        p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.0));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({{3.5, 1.5}, {9.5, 1.5}, {12.5, 4.5}, {12.5, 14.5}, {3.5, 14.5}}));
        p.drawPolyline(QPolygonF({{9.5, 1.5}, {9.5, 4.5}, {12.5, 4.5}}));
        p.setPen(QPen(QColor(0xa8, 0xb8, 0xd0), 1.0));
        for (double y = 7.5; y < 13; y += 2)
            p.drawLine(QPointF(5.0, y), QPointF(11.0, y));
        break;
    }
}

QIcon icon(Picture picture)
{
    return gridIcon([picture](QPainter &p) { draw(p, picture); });
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
