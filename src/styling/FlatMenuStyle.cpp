#include "styling/FlatMenuStyle.h"

#include "styling/FlatMenu.h"
#include "styling/FlatMenuManager.h"
#include "styling/MenuItemInfo.h"
#include "styling/MenuItemMeasure.h"
#include "styling/MenuItemPainter.h"
#include "styling/MenuTextMetrics.h"
#include "styling/PopupFrame.h"

#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace {

bool isItem(const QStyleOptionMenuItem &option)
{
    switch (option.menuItemType) {
    case QStyleOptionMenuItem::Normal:
    case QStyleOptionMenuItem::DefaultItem:
    case QStyleOptionMenuItem::SubMenu:
    case QStyleOptionMenuItem::Separator: return true;
    default: return false;
    }
}

bool textMatches(const QString &optionText, const QAction *action)
{
    const QString text = action->text();
    return optionText == text
        || (optionText.startsWith(text) && optionText.size() > text.size()
            && optionText.at(text.size()) == QLatin1Char('\t'));
}

// The action an item option describes: the one at the item's place when it has one, else the
// first with its text.
const QAction *actionOf(const QStyleOptionMenuItem &option, const QWidget *widget, bool atPlace)
{
    if (!widget)
        return nullptr;
    if (atPlace) {
        const QAction *at = nullptr;
        if (auto *menu = qobject_cast<const QMenu *>(widget))
            at = menu->actionAt(option.rect.center());
        else if (auto *bar = qobject_cast<const QMenuBar *>(widget))
            at = bar->actionAt(option.rect.center());
        if (at)
            return at;
    }
    const bool separator = option.menuItemType == QStyleOptionMenuItem::Separator;
    const QList<QAction *> actions = widget->actions();
    for (const QAction *a : actions) {
        if (a->isSeparator() != separator)
            continue;
        if (separator || textMatches(option.text, a))
            return a;
    }
    return nullptr;
}

TFlatMenu *flatMenuDrawing(const QStyleOptionMenuItem &option, const QWidget *widget, bool atPlace)
{
    TFlatMenuManager *manager = TFlatMenuManager::existing();
    if (!manager || !isItem(option))
        return nullptr;
    const TFlatMenuManager::Styling styling = manager->stylingOf(widget);
    if (!TFlatMenuManager::draws(styling, actionOf(option, widget, atPlace)))
        return nullptr;
    return styling.flatMenu;
}

MenuItemPainter painterOf(const TFlatMenu *f)
{
    return MenuItemPainter(f->properties(), f->workingColors(), f->textMetrics(), f->deepScreen(),
                           f->isNT());
}

} // namespace

int FlatMenuStyle::itemAllowance(const MenuTextMetrics &metrics)
{
    return 2 * metrics.averageCharWidth();
}

FlatMenuStyle::FlatMenuStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
    setObjectName(QStringLiteral("FlatMenuStyle"));
}

TFlatMenu *FlatMenuStyle::flatMenuFor(const QStyleOptionMenuItem &option, const QWidget *widget)
{
    return flatMenuDrawing(option, widget, true);
}

TFlatMenu *FlatMenuStyle::framingFlatMenu(const QWidget *widget)
{
    TFlatMenuManager *manager = TFlatMenuManager::existing();
    if (!manager || !qobject_cast<const QMenu *>(widget))
        return nullptr;
    const TFlatMenuManager::Styling styling = manager->stylingOf(widget);
    if (!TFlatMenuManager::draws(styling, nullptr) || !styling.flatMenu->flatMenu())
        return nullptr;
    return styling.flatMenu;
}

QSize FlatMenuStyle::sizeFromContents(ContentsType type, const QStyleOption *option,
                                      const QSize &size, const QWidget *widget) const
{
    if (type == CT_MenuItem || type == CT_MenuBarItem) {
        if (auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
            if (TFlatMenu *f = flatMenuDrawing(*item, widget, false)) {
                const MenuItemInfo info = MenuItemInfo::fromOption(*item, type == CT_MenuBarItem);
                const MenuTextMetrics &metrics = f->textMetrics();
                return measureMenuItem(info, metrics, f->iconWidth())
                    + QSize(itemAllowance(metrics), 0);
            }
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void FlatMenuStyle::drawControl(ControlElement element, const QStyleOption *option,
                                QPainter *painter, const QWidget *widget) const
{
    if (element == CE_MenuItem || element == CE_MenuBarItem) {
        if (auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
            if (TFlatMenu *f = flatMenuDrawing(*item, widget, true)) {
                drawItem(f, *item, painter, element == CE_MenuBarItem);
                return;
            }
        }
    } else if (element == CE_MenuEmptyArea) {
        if (TFlatMenu *f = framingFlatMenu(widget)) {
            painter->fillRect(option->rect, QColor::fromRgb(f->workingColors().menuBackground));
            return;
        }
    } else if (element == CE_MenuBarEmptyArea) {
        // The bar around and between the items takes the items' fill: one surface.
        TFlatMenuManager *manager = TFlatMenuManager::existing();
        const auto styling = manager ? manager->stylingOf(widget) : TFlatMenuManager::Styling();
        if (TFlatMenuManager::draws(styling, nullptr)) {
            painter->fillRect(option->rect,
                              QColor::fromRgb(styling.flatMenu->workingColors().menuBar));
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void FlatMenuStyle::drawItem(TFlatMenu *f, const QStyleOptionMenuItem &option, QPainter *painter,
                             bool barItem) const
{
    const MenuItemInfo item = MenuItemInfo::fromOption(option, barItem);
    const MenuItemPainter items = painterOf(f);
    QPoint offset;
    const QSize size = items.paint(item, option.rect.size(), m_itemImage, &offset);
    painter->drawImage(option.rect.topLeft() + offset, m_itemImage, QRect(QPoint(0, 0), size));
    // The menu system's own arrow, as Fusion draws it.
    if (!barItem && item.subMenu)
        drawSubMenuArrow(option, painter, nullptr, items.textColor(item));
}

void FlatMenuStyle::drawSubMenuArrow(const QStyleOptionMenuItem &option, QPainter *painter,
                                     const QWidget *widget, QRgb color) const
{
    const QRect &r = option.rect;
    const int dim = (r.height() - 4) / 2;
    const int x = r.left() + r.width() - 3 - dim;
    const QRect arrow =
        visualRect(option.direction, r, QRect(x, r.top() + r.height() / 2 - dim / 2, dim, dim));
    QStyleOptionMenuItem arrowOption = option;
    arrowOption.rect = arrow;
    arrowOption.state = (option.state & State_Enabled) ? State_Enabled : State_None;
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        arrowOption.palette.setColor(role, QColor::fromRgb(color));
    baseStyle()->drawPrimitive(option.direction == Qt::RightToLeft ? PE_IndicatorArrowLeft
                                                                   : PE_IndicatorArrowRight,
                               &arrowOption, painter, widget);
}

void FlatMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                  QPainter *painter, const QWidget *widget) const
{
    if (element == PE_PanelMenu || element == PE_FrameMenu) {
        if (TFlatMenu *f = framingFlatMenu(widget)) {
            const WorkingColors &colors = f->workingColors();
            if (element == PE_PanelMenu) {
                painter->fillRect(option->rect, QColor::fromRgb(colors.menuBackground));
                return;
            }
            auto *menu = static_cast<const QMenu *>(widget);
            QRect first;
            const QList<QAction *> actions = menu->actions();
            for (QAction *a : actions) {
                const QRect r = menu->actionGeometry(a);
                if (r.isValid() && r.top() <= PopupFrame::borderWidth
                    && r.bottom() >= PopupFrame::borderWidth) {
                    first = r;
                    break;
                }
            }
            PopupFrame::paint(painter, widget->size(), colors,
                              widget->layoutDirection() == Qt::RightToLeft, painterOf(f), first.x(),
                              first.isValid() ? first.width() : 0);
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int FlatMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                               const QWidget *widget) const
{
    switch (metric) {
    case PM_MenuPanelWidth:
        if (framingFlatMenu(widget))
            return PopupFrame::borderWidth;
        break;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
        if (framingFlatMenu(widget))
            return 0;
        break;
    default: break;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int FlatMenuStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                             QStyleHintReturn *returnData) const
{
    if (hint == SH_Menu_Mask && framingFlatMenu(widget)) {
        if (auto *mask = qstyleoption_cast<QStyleHintReturnMask *>(returnData)) {
            const QSize size = option ? option->rect.size() : widget->size();
            mask->region = PopupFrame::mask(size);
        }
        return 1;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon FlatMenuStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                  const QWidget *widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // ">>" (or "v v" for a vertical bar), 10 x 10, in the text colour.
    const QColor ink = (widget ? widget->palette() : QPalette()).color(QPalette::ButtonText);
    QIcon result;
    for (int side : {10, 20}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(side / 10.0, side / 10.0);
        if (icon == SP_ToolBarVerticalExtensionButton) {
            p.translate(10, 0);
            p.rotate(90);
        }
        p.setPen(QPen(ink, 1.2));
        for (double x : {2.0, 5.5}) {
            p.drawLine(QPointF(x, 2.0), QPointF(x + 3.0, 5.0));
            p.drawLine(QPointF(x + 3.0, 5.0), QPointF(x, 8.0));
        }
        p.end();
        result.addPixmap(pixmap);
    }
    return result;
}
