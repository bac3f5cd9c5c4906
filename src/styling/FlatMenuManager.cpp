#include "styling/FlatMenuManager.h"

#include "styling/FlatMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
TFlatMenuManager *theManager = nullptr;

// The menu or menu bar that shows a sub-menu: a visible one first.
QWidget *openerOf(const QMenu *menu)
{
    QWidget *first = nullptr;
    const QList<QObject *> owners = menu->menuAction()->associatedObjects();
    for (QObject *owner : owners) {
        auto *w = qobject_cast<QWidget *>(owner);
        if (!w || w == menu || !(qobject_cast<QMenu *>(w) || qobject_cast<QMenuBar *>(w)))
            continue;
        if (w->isVisible())
            return w;
        if (!first)
            first = w;
    }
    return first;
}
} // namespace

TFlatMenuManager *TFlatMenuManager::get()
{
    if (!theManager)
        theManager = new TFlatMenuManager;
    return theManager;
}

TFlatMenuManager *TFlatMenuManager::existing()
{
    return theManager;
}

void TFlatMenuManager::Add(TFlatMenu *flatMenu)
{
    if (m_flatMenus.contains(flatMenu))
        return;
    m_flatMenus.append(flatMenu);
    if (!m_active && flatMenu->isActive() && !flatMenu->disableSubclassing() && !m_suspended)
        m_active = flatMenu;
}

void TFlatMenuManager::Remove(TFlatMenu *flatMenu)
{
    if (flatMenu == m_active)
        SwitchActive(flatMenu);
    m_flatMenus.removeAll(flatMenu);
    if (m_flatMenus.isEmpty() && theManager == this) {
        theManager = nullptr;
        delete this;
    }
}

TFlatMenu *TFlatMenuManager::FindActive(TFlatMenu *excluded) const
{
    if (m_suspended)
        return nullptr;
    for (TFlatMenu *f : m_flatMenus)
        if (f != excluded && f->isActive() && !f->disableSubclassing())
            return f;
    return nullptr;
}

void TFlatMenuManager::SwitchActive(TFlatMenu *leaving)
{
    m_active = FindActive(leaving);
}

void TFlatMenuManager::DisableSubclassingChanged(TFlatMenu *flatMenu)
{
    if (flatMenu == m_active)
        SwitchActive(flatMenu);
    else if (!m_active && !flatMenu->disableSubclassing())
        SwitchActive(nullptr);
}

TFlatMenu *TFlatMenuManager::flatMenuOn(const QWidget *window) const
{
    for (TFlatMenu *f : m_flatMenus)
        if (f->window() == window)
            return f;
    return nullptr;
}

bool TFlatMenuManager::stylesForm(const QWidget *window) const
{
    return window && tagOf(window) != 999 && !flatMenuOn(window);
}

int TFlatMenuManager::tagOf(const QObject *object)
{
    return object ? object->property("tag").toInt() : 0;
}

TFlatMenuManager::Styling TFlatMenuManager::stylingOf(const QWidget *menuOrBar) const
{
    Styling s;
    const QWidget *w = menuOrBar;
    while (w) {
        if (auto *menu = qobject_cast<const QMenu *>(w)) {
            if (QWidget *opener = openerOf(menu)) {
                w = opener;
                continue;
            }
            w = w->parentWidget();
            continue;
        }
        if (qobject_cast<const QMenuBar *>(w)) {
            s.kind = TFlatControl::fcMainMenu;
            s.menuBar = w;
        }
        if (TFlatMenu *own = flatMenuOn(w)) {
            s.flatMenu = own;
            return s;
        }
        if (w->isWindow())
            break;
        w = w->parentWidget();
    }
    // A window of its own (a dialog, a tool window) or a menu without window.
    if (!w || stylesForm(w))
        s.flatMenu = m_active;
    return s;
}

bool TFlatMenuManager::draws(const Styling &styling, const QAction *action)
{
    if (!styling.flatMenu || !styling.flatMenu->isActive()
        || !styling.flatMenu->selects(styling.kind))
        return false;
    if (action && tagOf(action) == 999)
        return false;
    return tagOf(styling.menuBar) != 999;
}
