#include "host/ActionRegistry.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtDebug>

QAction *ActionRegistry::action(const QString &name) const
{
    return m_actions.value(name);
}

QMenu *ActionRegistry::menu(const QString &name) const
{
    return m_menus.value(name);
}

bool ActionRegistry::contains(const QString &name) const
{
    const auto it = m_actions.constFind(name);
    return it != m_actions.constEnd() && it.value();
}

bool ActionRegistry::refuse(const QString &name)
{
    m_refused.append(name);
    qCritical("ActionRegistry: the name \"%s\" is %s", qPrintable(name),
              name.isEmpty() ? "empty" : "already registered");
    return false;
}

bool ActionRegistry::add(QAction *action)
{
    if (!action)
        return false;
    const QString name = action->objectName();
    if (name.isEmpty() || contains(name))
        return refuse(name);
    m_actions.insert(name, action);
    m_order.removeAll(name); // a name whose action was destroyed may come back
    m_order.append(name);
    return true;
}

bool ActionRegistry::addMenu(QMenu *menu)
{
    if (!menu)
        return false;
    menu->menuAction()->setObjectName(menu->objectName());
    if (!add(menu->menuAction()))
        return false;
    m_menus.insert(menu->objectName(), menu);
    return true;
}

QMenu *ActionRegistry::addSubmenu(QMenu *parent, const QString &name, const QString &caption)
{
    if (!parent || name.isEmpty() || contains(name)) {
        refuse(name);
        return nullptr;
    }
    auto *sub = new QMenu(caption, parent);
    sub->setObjectName(name);
    parent->addMenu(sub);
    addMenu(sub);
    return sub;
}

QAction *ActionRegistry::addItem(QMenu *menu, const QString &name, const QString &caption,
                                 int position)
{
    if (!menu || name.isEmpty() || contains(name)) {
        refuse(name);
        return nullptr;
    }
    auto *a = new QAction(caption, menu);
    a->setObjectName(name);
    const QList<QAction *> existing = menu->actions();
    if (position >= 0 && position < existing.size())
        menu->insertAction(existing.at(position), a);
    else
        menu->addAction(a);
    add(a);
    return a;
}

QAction *ActionRegistry::addItem(const QString &menuName, const QString &name,
                                 const QString &caption, int position)
{
    QMenu *m = menu(menuName);
    return m ? addItem(m, name, caption, position) : nullptr;
}

QAction *ActionRegistry::addSeparator(QMenu *menu, const QString &name)
{
    if (!menu || name.isEmpty() || contains(name)) {
        refuse(name);
        return nullptr;
    }
    QAction *a = menu->addSeparator();
    a->setObjectName(name);
    add(a);
    return a;
}

QList<QAction *> ActionRegistry::actionsWithShortcut(const QKeySequence &key) const
{
    QList<QAction *> out;
    if (key.isEmpty())
        return out;
    for (const QPointer<QAction> &a : m_actions)
        if (a && a->shortcuts().contains(key))
            out.append(a);
    return out;
}

void ActionRegistry::collect(const QWidget *menuOrBar, QList<QAction *> &out) const
{
    for (QAction *a : menuOrBar->actions()) {
        if (contains(a->objectName()) && m_actions.value(a->objectName()) == a)
            out.append(a);
        if (QMenu *sub = a->menu())
            collect(sub, out);
    }
}

QList<QAction *> ActionRegistry::inMenuOrder(const QWidget *root) const
{
    QList<QAction *> out;
    if (root)
        collect(root, out);
    return out;
}

QStringList ActionRegistry::names() const
{
    QStringList live;
    for (const QString &name : m_order)
        if (contains(name))
            live.append(name);
    return live;
}
