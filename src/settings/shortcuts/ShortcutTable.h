#pragma once

#include <array>

// The 89 main-menu commands the user may give a keyboard shortcut of their own: the main
// window sets each row's menu item from the "ShortCutList" key named by the row's index, and
// the Options dialog's "Shortcuts" page lists the rows by their list text. A default is a
// shortcut text ("Ctrl+L", "Shift+Ctrl+P", "F12"); an empty default is no shortcut.
struct ShortcutRow {
    int index;               // also the row's key in the settings file, in decimal
    const char *menuItem;    // component name of the main-menu item
    const char *listText;    // the row's text in the Options list
    const char *defaultText; // the shortcut when the settings file has none
};

inline constexpr int ShortcutRowCount = 89;

extern const std::array<ShortcutRow, ShortcutRowCount> ShortcutTable;
