#pragma once

#include <QString>

class EditorAdapter;
class QAction;
class QMenu;
class QWidget;

// What the HTML commands need of the main window: the active document's editor, the menus
// they fill, the action registry and the "HTML" tool tab.
class HtmlCommandHost
{
public:
    virtual ~HtmlCommandHost() = default;

    // Owner of the drop-down menus and the wizards.
    virtual QWidget *window() const = 0;
    // The active document's editor; nullptr when no document is open.
    virtual EditorAdapter *activeEditor() const = 0;
    // A registered main-menu menu by component name ("Insert2", "Modify1", "ools2", "New1").
    virtual QMenu *menu(const QString &name) const = 0;
    // A registered main-menu command by component name; nullptr when there is none.
    virtual QAction *action(const QString &name) const = 0;
    // Main-menu entries, each created with its component name as objectName and registered
    // under it (a submenu as a menu, too): appended to the given menu.
    virtual QMenu *addSubmenu(QMenu *parent, const QString &name, const QString &caption) = 0;
    virtual QAction *addItem(QMenu *menu, const QString &name, const QString &caption) = 0;
    virtual QAction *addSeparator(QMenu *menu, const QString &name) = 0;
    // The "HTML" tool tab of the side panel.
    virtual QWidget *htmlSheet() const = 0;
};
