#pragma once

// The HTML menus as data. An item is a command (handler set), a submenu (children set) or a
// separator (caption "-"); every list ends with an item whose caption is nullptr.
namespace HtmlMenuLayout {

struct Item {
    const char *name; // component name (objectName); nullptr: reuse the command's main-menu item
    const char *caption;
    const char *handler;
    const Item *children;
};

// Main menu "&Insert" (Insert2).
extern const Item insertMenu[];
// Main menu "&Modify" (Modify1).
extern const Item modifyMenu[];
// Main menu "Tools" (ools2), its HTML part.
extern const Item toolsMenu[];
// The main window's pop-up behind "Paste Code.."; its commands reuse the "&Insert" items.
extern const Item htmlElementMenu[];
// The clock pop-up.
extern const Item clockMenu[];
// The HTML group of a document window's pop-up: the five submenus' items.
extern const Item documentCommon[];
extern const Item documentSpecialCharacters[];
extern const Item documentForm[];
extern const Item documentAlignment[];
extern const Item documentFont[];

// The File, New item that opens the frameset wizard.
extern const Item newFramesetItem;

// A button of the "HTML" tool tab, named by its hint: it runs handler, or triggers the main
// window's command action when handler is nullptr. Its icon is ":/html/icons/<icon>.svg".
struct ToolButton {
    const char *name;
    const char *hint;
    const char *handler;
    const char *action;
    const char *icon;
};

// A group box of the tool tab; the list ends with a group whose title is nullptr, each
// button list with a button whose hint is nullptr.
struct ToolGroup {
    const char *name;
    const char *title;
    const ToolButton *buttons;
};
extern const ToolGroup toolGroups[];

// The handlers that drop down a pop-up menu at their button.
extern const char *const pasteCodeHandler; // HTMLElement
extern const char *const clockHandler;     // PopupMenu6

// Handlers that open their wizard only while a document is open.
bool needsDocument(const char *handler);

} // namespace HtmlMenuLayout
