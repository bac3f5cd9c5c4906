#pragma once

#include "styling/FlatMenuProperties.h"

#include <QList>
#include <QPointer>

class QAction;
class QWidget;
class TFlatMenu;

// The one manager of the flat menu components: keeps every component in the order it was
// registered and the active one, which styles every window that has no component of its own
// and whose tag is not 999 (all dialogs and tool windows, also those made later). The menu
// style asks it at paint time which component draws a menu.
class TFlatMenuManager
{
public:
    // What draws a menu, a menu bar or one of their items.
    struct Styling {
        TFlatMenu *flatMenu = nullptr; // nullptr: the platform's look
        TFlatControl kind = TFlatControl::fcPopupMenu;
        const QWidget *menuBar = nullptr; // the menu bar a main menu is reached from
    };

    // The manager, made on first use and freed when the last component leaves.
    static TFlatMenuManager *get();
    // The manager while one exists, else nullptr.
    static TFlatMenuManager *existing();

    void Add(TFlatMenu *flatMenu);
    void Remove(TFlatMenu *flatMenu);
    // The first component in registration order that is active, does not disable
    // subclassing and is not excluded.
    TFlatMenu *FindActive(TFlatMenu *excluded) const;
    // Another component becomes the active one (or none remains).
    void SwitchActive(TFlatMenu *leaving);
    // A component's DisableSubclassing was set to another value.
    void DisableSubclassingChanged(TFlatMenu *flatMenu);

    TFlatMenu *activeFlatMenu() const { return m_active; }
    QList<TFlatMenu *> flatMenus() const { return m_flatMenus; }

    // The component a window carries itself; nullptr when it has none.
    TFlatMenu *flatMenuOn(const QWidget *window) const;
    // Whether the active component styles a window: it carries no component of its own and its
    // tag is not 999.
    bool stylesForm(const QWidget *window) const;

    // Which component draws a menu or menu bar (and its kind): the nearest window up the
    // parent chain (a sub-menu goes through the menu that opens it) that carries a
    // component, else the active one for a window it styles or for a menu without window.
    // A menu reached from a menu bar is of the main menu.
    Styling stylingOf(const QWidget *menuOrBar) const;
    // Whether that component draws the item of action: it is active, selects the menu's
    // kind, and neither the item nor the menu bar has tag 999.
    static bool draws(const Styling &styling, const QAction *action);

    // The tag of an object (the dynamic property "tag"; 0 when unset).
    static int tagOf(const QObject *object);

private:
    TFlatMenuManager() = default;

    QList<TFlatMenu *> m_flatMenus;
    TFlatMenu *m_active = nullptr;
    bool m_suspended = false; // suspends styling other windows; nothing sets it
};
