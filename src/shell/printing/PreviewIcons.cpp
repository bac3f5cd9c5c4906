#include "shell/printing/PreviewIcons.h"

#include "platform/GridIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace PreviewIcons {

namespace {

const QColor ink(0x40, 0x40, 0x40);
const QColor arrow(0x2f, 0x64, 0xa8);

// A sheet of paper with a folded corner and three lines of text.
void paper(QPainter &p, const QRectF &sheet)
{
    p.setPen(QPen(ink, 1.0));
    p.setBrush(Qt::white);
    const double fold = 3.0;
    p.drawPolygon(QPolygonF({sheet.topLeft(),
                             {sheet.right() - fold, sheet.top()},
                             {sheet.right(), sheet.top() + fold},
                             sheet.bottomRight(),
                             sheet.bottomLeft()}));
    p.setPen(QPen(QColor(0xa0, 0xa8, 0xb8), 1.0));
    for (double y = sheet.top() + 4; y < sheet.bottom() - 1; y += 2.5)
        p.drawLine(QPointF(sheet.left() + 2, y), QPointF(sheet.right() - 2, y));
}

// A magnifying glass, with a plus or a minus in its lens.
void magnifier(QPainter &p, bool plus)
{
    p.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.0, 10.0), QPointF(14.0, 14.0));
    p.setPen(QPen(ink, 1.2));
    p.setBrush(QColor(0xe8, 0xf0, 0xfa));
    p.drawEllipse(QPointF(6.5, 6.5), 4.8, 4.8);
    p.setPen(QPen(arrow, 1.6));
    p.drawLine(QPointF(4.2, 6.5), QPointF(8.8, 6.5));
    if (plus)
        p.drawLine(QPointF(6.5, 4.2), QPointF(6.5, 8.8));
}

// Arrow heads pointing left (-1) or right (1), with a bar at the end for the first and last
// page.
void pageStep(QPainter &p, int direction, bool toEnd)
{
    const double tip = direction < 0 ? 4.0 : 12.0;
    const double back = direction < 0 ? 11.0 : 5.0;
    p.setPen(Qt::NoPen);
    p.setBrush(arrow);
    p.drawPolygon(QPolygonF({{tip, 8.0}, {back, 3.0}, {back, 13.0}}));
    if (toEnd)
        p.drawRect(QRectF(direction < 0 ? 2.0 : 12.5, 3.0, 1.5, 10.0));
}

void draw(QPainter &p, Picture picture)
{
    switch (picture) {
    case Picture::Print:
        paper(p, QRectF(4.5, 1.5, 7.0, 6.0));
        p.setPen(QPen(ink, 1.0));
        p.setBrush(QColor(0xc8, 0xc8, 0xc8));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13.0, 6.0), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7.0, 4.0));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x3c, 0xa0, 0x3c));
        p.drawRect(QRectF(12.0, 8.0, 1.5, 1.5));
        break;
    case Picture::ZoomOut: magnifier(p, false); break;
    case Picture::ZoomIn: magnifier(p, true); break;
    case Picture::FullPage: paper(p, QRectF(3.5, 1.5, 9.0, 13.0)); break;
    case Picture::FillWindow: {
        paper(p, QRectF(3.5, 1.5, 9.0, 13.0));
        p.setPen(QPen(arrow, 1.4));
        p.drawLine(QPointF(1.0, 10.5), QPointF(15.0, 10.5));
        p.setPen(Qt::NoPen);
        p.setBrush(arrow);
        p.drawPolygon(QPolygonF({{0.5, 10.5}, {3.5, 8.0}, {3.5, 13.0}}));
        p.drawPolygon(QPolygonF({{15.5, 10.5}, {12.5, 8.0}, {12.5, 13.0}}));
        break;
    }
    case Picture::FirstPage: pageStep(p, -1, true); break;
    case Picture::PreviousPage: pageStep(p, -1, false); break;
    case Picture::NextPage: pageStep(p, 1, false); break;
    case Picture::LastPage: pageStep(p, 1, true); break;
    }
}

} // namespace

QIcon icon(Picture picture)
{
    return gridIcon([picture](QPainter &p) { draw(p, picture); });
}

} // namespace PreviewIcons
