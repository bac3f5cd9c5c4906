#pragma once

#include "platform/TColor.h"

#include <QFont>
#include <QSet>

// The kinds of parent the styling walk may enter, in their declared order. Stored and
// published only: nothing in this program selects by them.
enum class TFlatContainer {
    fccForm,
    fccFrame,
    fccToolbar,
    fccCoolbar,
    fccControlbar,
    fccPanel,
    fccScrollBox,
    fccGroupBox,
    fccTabSheet,
    fccPageScroller
};

// The kinds of component to style, in their declared order. Only the main menu and the pop-up
// menus are ever drawn by the styling; the other members are stored.
enum class TFlatControl {
    fcMainMenu,
    fcPopupMenu,
    fcToolbar,
    fcControlbar,
    fcCombo,
    fcListBox,
    fcEdit,
    fcMaskEdit,
    fcMemo,
    fcRichEdit,
    fcMiscEdit,
    fcCheckBox,
    fcRadioButton,
    fcButton,
    fcBitBtn,
    fcSpeedButton,
    fcUpDown,
    fcPanel,
    fcGroupBox,
    fcTreeView,
    fcListView,
    fcProgressBar,
    fcHotKey
};

using TFlatContainers = QSet<TFlatContainer>;
using TFlatControls = QSet<TFlatControl>;

inline size_t qHash(TFlatContainer c, size_t seed = 0) noexcept
{
    return ::qHash(int(c), seed);
}
inline size_t qHash(TFlatControl c, size_t seed = 0) noexcept
{
    return ::qHash(int(c), seed);
}

// Every member of each set, as a new component has them.
TFlatContainers allFlatContainers();
TFlatControls allFlatControls();

// The styling component's published values, with the defaults a new component sets (the font
// is filled in by the component: a copy of the menu font).
struct FlatMenuProperties {
    bool Active = false;
    bool AutoDetect = false;
    TColor CheckedColor = sysColor(13); // clHighlight
    TColor Color = sysColor(15);        // clBtnFace
    int DimLevel = 30;
    TColor DisabledColor = sysColor(3); // clInactiveCaption
    bool DrawMenuBar = false;
    bool DrawSelect = true;
    bool FlatMenu = false;
    QFont Font;
    TColor FontColor = sysColor(8); // the font's colour: clWindowText
    bool Gradient = false;
    int GrayLevel = 10;
    TColor IconBackColor = sysColor(15);
    int IconWidth = 24;
    TColor MenuBarColor = sysColor(15);
    bool OverrideOwnerDraw = false;
    TColor SelectBorderColor = sysColor(13);
    TColor SelectColor = sysColor(13);
    TColor SelectFontColor = sysColor(8); // the font's colour at creation
    TColor SeparatorColor = sysColor(15);
    bool UseDimColor = false;
    bool UseSystemColors = true;
    TFlatContainers FlatContainers = allFlatContainers();
    TFlatControls FlatControls = allFlatControls();

    static constexpr TColor sysColor(int index)
    {
        return TColor(std::int32_t(0x80000000u | unsigned(index)));
    }
};
