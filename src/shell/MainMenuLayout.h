#pragma once

class TMainForm;

// The main window's menus as data. An entry is an item, a submenu (children set; an empty list
// for a submenu its features fill) or a separator (caption "-"); every list ends with an entry
// whose caption is nullptr. An item without a handler is bound by the feature that owns it.
namespace MainMenuLayout {

using Handler = void (TMainForm::*)();

enum Flag : unsigned {
    Disabled = 1,  // made disabled
    Checkable = 2, // made checkable, unchecked
    Checked = 4,   // made checkable and checked
    OwnCheck = 8,  // the handler sets the check itself: the action's own toggle is undone first
};

struct Item {
    const char *name; // component name (objectName)
    const char *caption;
    Handler handler;
    const Item *children;
    unsigned flags;
};

bool isSeparator(const Item &item);

// The menu bar's menus, left to right; the type-specific ones get their items from features.
const Item *menuBar();
// The pop-up of the side tabs' new-document buttons; its entries are not registered actions.
const Item *newDocumentPopup();

// The tables themselves: the main window's friend, since they name its handlers.
struct Tables;

} // namespace MainMenuLayout
