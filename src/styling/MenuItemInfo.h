#pragma once

#include <QIcon>
#include <QString>

class QStyleOptionMenuItem;

// One menu item as the flat menus measure and draw it.
struct MenuItemInfo {
    QString caption;  // with its "&" accelerator marks
    QString shortcut; // the shortcut's text; empty when there is none
    bool separator = false;
    bool enabled = true;
    bool checked = false;
    bool radio = false;
    bool defaultItem = false;
    bool subMenu = false;
    bool barItem = false;  // a top-level item of a main menu, drawn in the menu bar
    bool selected = false; // a popup item under the selection; a bar item whose menu is open
    bool hot = false;      // a bar item under the mouse (or the keyboard) with its menu closed
    bool rightToLeft = false;
    QIcon icon;

    // The item a menu or menu bar describes in its style option: the caption is the text
    // before the first tab, the shortcut the text after it.
    static MenuItemInfo fromOption(const QStyleOptionMenuItem &option, bool barItem);
};
