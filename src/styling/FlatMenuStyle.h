#pragma once

#include <QProxyStyle>

class QAction;
class MenuTextMetrics;
class QMenu;
class QStyleOptionMenuItem;
class TFlatMenu;

// The application's style: Fusion, with the menu items, menu-bar items and pop-up menu frames
// of the flat menu components. At every measure and paint it asks the manager which component
// (if any) draws the menu; everything else is Fusion's. A menu bar whose items a component
// draws is filled with their menu-bar colour around them too, so the bar is one surface.
class FlatMenuStyle : public QProxyStyle
{
    Q_OBJECT
public:
    FlatMenuStyle();

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;
    // The menu bar's extension button (shown when the menus do not fit) gets a painted
    // double arrow: Fusion's picture is an image file, and reading the first image file wakes
    // every image format plug-in, which costs the start-up more than the whole menu bar.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option,
                       const QWidget *widget) const override;

    // What the menu system adds to the width a flat menu measures for an item: twice the
    // average character width of the menu's font. The measured width alone leaves no room for
    // the blank before the caption, the selection's shadow band or the sub-menu arrow.
    static int itemAllowance(const MenuTextMetrics &metrics);

    // The component that draws this item of a menu or menu bar; nullptr leaves it to Fusion.
    static TFlatMenu *flatMenuFor(const QStyleOptionMenuItem &option, const QWidget *widget);
    // The component that frames this pop-up menu flat; nullptr for Fusion's frame.
    static TFlatMenu *framingFlatMenu(const QWidget *widget);

private:
    void drawItem(TFlatMenu *flatMenu, const QStyleOptionMenuItem &option, QPainter *painter,
                  bool barItem) const;
    void drawSubMenuArrow(const QStyleOptionMenuItem &option, QPainter *painter,
                          const QWidget *widget, QRgb color) const;

    mutable QImage m_itemImage; // reused for every item drawn
};
