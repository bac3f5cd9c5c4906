#include "styling/WorkingColors.h"

#include "styling/FlatColors.h"

using namespace FlatColors;

WorkingColors WorkingColors::derive(const FlatMenuProperties &p, bool deepScreen)
{
    const QRgb btnFace = rgbOf(FlatMenuProperties::sysColor(15));
    const QRgb btnShadow = rgbOf(FlatMenuProperties::sysColor(16));
    const QRgb highlight = rgbOf(FlatMenuProperties::sysColor(13));
    const QRgb white = qRgb(255, 255, 255);
    const QRgb fontColor = rgbOf(p.FontColor);

    WorkingColors w;
    // The control borders are the same on deep screens whatever the settings.
    w.borderLight = deepScreen ? Darken(btnFace, 90) : btnShadow;
    w.borderDark = deepScreen ? Darken(btnFace, 76) : btnShadow;

    if (p.UseSystemColors && deepScreen) {
        w.menuBackground = Lighten(btnFace, 86);
        w.iconColumn = Lighten(btnFace, 16);
        w.selectionFill = Lighten(highlight, 68);
        w.selectionFrame = highlight;
        w.selectedText = fontColor;
        w.checkFill = Lighten(highlight, 80);
        w.checkFillSelected = Lighten(highlight, 50);
        w.checkFrame = highlight;
        w.menuBar = btnFace;
        w.disabledText = Lighten(btnShadow, 10);
        w.separator = Lighten(btnShadow, 25);
    } else if (p.UseSystemColors) {
        w.menuBackground = white;
        w.iconColumn = btnFace;
        w.selectionFill = white;
        w.selectionFrame = highlight;
        w.selectedText = fontColor;
        w.checkFill = white;
        w.checkFillSelected = white;
        w.checkFrame = highlight;
        w.menuBar = btnFace;
        w.disabledText = btnShadow;
        w.separator = btnShadow;
    } else if (deepScreen) {
        const QRgb select = rgbOf(p.SelectColor);
        w.menuBackground = rgbOf(p.Color);
        w.iconColumn = rgbOf(p.IconBackColor);
        w.selectionFill = p.UseDimColor ? Lighten(select, 68) : select;
        w.selectionFrame = rgbOf(p.SelectBorderColor);
        w.selectedText = rgbOf(p.SelectFontColor);
        w.checkFill = p.UseDimColor ? Lighten(select, 80) : select;
        w.checkFillSelected = p.UseDimColor ? Lighten(select, 50) : select;
        w.checkFrame = rgbOf(p.CheckedColor);
        w.menuBar = rgbOf(p.MenuBarColor);
        w.disabledText = rgbOf(p.DisabledColor);
        w.separator = rgbOf(p.SeparatorColor);
    } else {
        w.menuBackground = rgbOf(p.Color);
        w.iconColumn = rgbOf(p.IconBackColor);
        w.selectionFill = rgbOf(p.SelectColor);
        w.selectionFrame = rgbOf(p.SelectBorderColor);
        w.selectedText = rgbOf(p.SelectFontColor);
        w.checkFill = white;
        w.checkFillSelected = qRgb(192, 192, 192);
        w.checkFrame = rgbOf(p.CheckedColor);
        w.menuBar = rgbOf(p.MenuBarColor);
        w.disabledText = rgbOf(p.DisabledColor);
        w.separator = rgbOf(p.SeparatorColor);
    }
    return w;
}
