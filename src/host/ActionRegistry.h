#pragma once

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>

class QAction;
class QKeySequence;
class QMenu;
class QObject;
class QWidget;

// Commands and menus by component name. The main window keeps one registry for its menu bar,
// each document window one for its pop-up menu. Every entry is created with its name as
// objectName. A name is taken once: a second entry of the same name is refused (nothing is
// created and nullptr is returned), in every build.
class ActionRegistry
{
public:
    ActionRegistry() = default;
    ActionRegistry(const ActionRegistry &) = delete;
    ActionRegistry &operator=(const ActionRegistry &) = delete;

    QAction *action(const QString &name) const;
    QMenu *menu(const QString &name) const;
    bool contains(const QString &name) const;

    // Registers an existing action (a menu's menuAction too) under its objectName.
    // False, and nothing registered, when the name is empty or taken.
    bool add(QAction *action);
    // Registers a menu under its objectName, with its menuAction under the same name.
    bool addMenu(QMenu *menu);

    // Appends a registered submenu, item or separator to menu. An item goes before the
    // action at position when that is given and within the menu.
    QMenu *addSubmenu(QMenu *parent, const QString &name, const QString &caption);
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption, int position = -1);
    QAction *addSeparator(QMenu *menu, const QString &name);
    // The same, into the menu registered as menuName; nullptr when there is none.
    QAction *addItem(const QString &menuName, const QString &name, const QString &caption,
                     int position = -1);

    // The registered actions one of whose shortcuts is key.
    QList<QAction *> actionsWithShortcut(const QKeySequence &key) const;

    // Registered actions in the order a user meets them: the menus of root from top to bottom,
    // each submenu's items following its own entry.
    QList<QAction *> inMenuOrder(const QWidget *root) const;
    // Every registered name, in registration order.
    QStringList names() const;

    // Names refused because they were taken (a build error a test looks for).
    QStringList refusedNames() const { return m_refused; }

private:
    bool refuse(const QString &name);
    void collect(const QWidget *menuOrBar, QList<QAction *> &out) const;

    QHash<QString, QPointer<QAction>> m_actions;
    QHash<QString, QPointer<QMenu>> m_menus;
    QStringList m_order;
    QStringList m_refused;
};
