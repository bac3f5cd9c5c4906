#pragma once

#include "styling/FlatMenuProperties.h"

#include <QRgb>

// The colours a menu is drawn with, derived from the component's values, the system colours
// and the screen depth.
struct WorkingColors {
    QRgb menuBackground = 0;
    QRgb iconColumn = 0;
    QRgb selectionFill = 0;
    QRgb selectionFrame = 0;
    QRgb selectedText = 0;
    QRgb checkFill = 0;
    QRgb checkFillSelected = 0;
    QRgb checkFrame = 0;
    QRgb menuBar = 0;
    QRgb disabledText = 0;
    QRgb separator = 0;
    QRgb borderLight = 0;
    QRgb borderDark = 0;

    // deepScreen: the screen has at least 16 bits per pixel.
    static WorkingColors derive(const FlatMenuProperties &p, bool deepScreen);
};
