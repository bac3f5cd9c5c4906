#pragma once

// Shared by the flat menu tests: a window carrying a flat menu component, hand-built item
// options, solid glyphs and an item drawn by the style into an image.
#include "styling/FlatMenu.h"
#include "styling/FlatMenuStyle.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionMenuItem>

#include <memory>

// A window with its own component (the main window's values, or a document window's with the
// gradient), an empty pop-up menu and a menu bar.
struct FlatWindow {
    QWidget window;
    TFlatMenu *flat;
    QMenu *menu;
    QMenuBar *bar;

    explicit FlatWindow(bool document = false)
    {
        flat = document ? TFlatMenu::makeDocumentFlatMenu(&window)
                        : TFlatMenu::makeMainWindowFlatMenu(&window);
        menu = new QMenu(&window);
        bar = new QMenuBar(&window);
    }
};

inline QStyleOptionMenuItem itemOption(const QString &text, QSize size = QSize(150, 22))
{
    QStyleOptionMenuItem o;
    o.rect = QRect(QPoint(0, 0), size);
    o.text = text;
    o.state = QStyle::State_Enabled;
    o.menuItemType = QStyleOptionMenuItem::Normal;
    o.checkType = QStyleOptionMenuItem::NotCheckable;
    o.palette = QApplication::palette();
    o.direction = Qt::LeftToRight;
    o.font = QApplication::font();
    o.fontMetrics = QFontMetrics(o.font);
    return o;
}

// A glyph of one colour over a transparent margin of margin pixels.
inline QIcon solidGlyph(QSize size, QColor color, int margin = 0)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter(&image).fillRect(QRect(QPoint(0, 0), size).adjusted(margin, margin, -margin, -margin),
                              color);
    return QIcon(QPixmap::fromImage(image));
}

// The item as the style draws it over magenta, in an image of the item's size.
inline QImage drawnItem(const QStyle &style, const QStyleOptionMenuItem &option,
                        const QWidget *widget, bool barItem = false)
{
    QImage image(option.rect.size(), QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 255));
    QPainter p(&image);
    style.drawControl(barItem ? QStyle::CE_MenuBarItem : QStyle::CE_MenuItem, &option, &p, widget);
    return image;
}

inline QRgb px(const QImage &image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000u;
}

inline QRgb gray(int g)
{
    return qRgb(g, g, g);
}
