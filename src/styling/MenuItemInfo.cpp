#include "styling/MenuItemInfo.h"

#include <QStyleOptionMenuItem>

MenuItemInfo MenuItemInfo::fromOption(const QStyleOptionMenuItem &option, bool barItem)
{
    MenuItemInfo item;
    item.barItem = barItem;
    item.separator = option.menuItemType == QStyleOptionMenuItem::Separator;
    const qsizetype tab = option.text.indexOf(QLatin1Char('\t'));
    item.caption = tab < 0 ? option.text : option.text.left(tab);
    item.shortcut = tab < 0 ? QString() : option.text.mid(tab + 1);
    item.enabled = option.state & QStyle::State_Enabled;
    item.checked = option.checkType != QStyleOptionMenuItem::NotCheckable && option.checked;
    item.radio = option.checkType == QStyleOptionMenuItem::Exclusive;
    item.defaultItem = option.menuItemType == QStyleOptionMenuItem::DefaultItem;
    item.subMenu = option.menuItemType == QStyleOptionMenuItem::SubMenu;
    const bool current = option.state & QStyle::State_Selected;
    if (barItem) {
        // The menu bar marks its current item selected, and sunken while its menu is open.
        const bool open = option.state & QStyle::State_Sunken;
        item.selected = current && open;
        item.hot = current && !open;
    } else {
        item.selected = current;
    }
    item.rightToLeft = option.direction == Qt::RightToLeft;
    item.icon = option.icon;
    return item;
}
