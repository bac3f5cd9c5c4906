#pragma once

#include <QSize>

class MenuTextMetrics;
struct MenuItemInfo;

// The size a flat menu gives an item: the caption (with its shortcut and room for the gap
// before it), the sub-menu arrow, the icon column or glyph, and a height of one and three
// quarters of the text's height, at least the glyph's height and 6.
QSize measureMenuItem(const MenuItemInfo &item, const MenuTextMetrics &metrics, int iconWidth);
