#include "shell/SubWindowKeys.h"

#include "host/ActionRegistry.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>

namespace {

// The keys Qt gave the action, kept on it the first time they are narrowed.
const char *const OwnKeys = "qmOwnShortcuts";

} // namespace

void SubWindowKeys::yieldTo(const ActionRegistry &mainMenu, QMdiSubWindow *window)
{
    const QMenu *menu = window ? window->systemMenu() : nullptr;
    if (!menu)
        return;
    for (QAction *a : menu->actions()) {
        if (!a->property(OwnKeys).isValid())
            a->setProperty(OwnKeys, QVariant::fromValue(a->shortcuts()));
        const auto own = a->property(OwnKeys).value<QList<QKeySequence>>();
        QList<QKeySequence> keys;
        for (const QKeySequence &key : own)
            if (mainMenu.actionsWithShortcut(key).isEmpty())
                keys.append(key);
        if (keys != a->shortcuts())
            a->setShortcuts(keys);
    }
}
