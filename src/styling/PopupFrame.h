#pragma once

#include <QRegion>
#include <QRgb>
#include <QSize>

class QPainter;
class MenuItemPainter;
struct WorkingColors;

// The flat frame of a pop-up menu window of W x H pixels: the menu is drawn within
// (W - 2) x (H - 2), framed in the light border colour, with a strip of the icon column's
// colour inside the frame, and a 2-pixel shadow band in the dark border colour along the
// bottom and down the right side. The top-right and bottom-left 2 x 2 corners are cut away so
// that what lies below shows there.
namespace PopupFrame {

// The border the frame and shadow take round the items.
constexpr int borderWidth = 3;

// The window's shape: (0, 0, W - 2, H - 2) and the same moved 2 pixels right and down.
QRegion mask(QSize size);

// The frame and shadow on a menu of this size. firstItemX and firstItemWidth give the first
// item's columns; rows 1 and 2 repeat row 3, whose item part is that item's background
// (nothing when firstItemWidth is 0).
void paint(QPainter *painter, QSize size, const WorkingColors &colors, bool rightToLeft,
           const MenuItemPainter &items, int firstItemX, int firstItemWidth);

} // namespace PopupFrame
