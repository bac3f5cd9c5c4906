// The menu bar of the main window and the new-document pop-up, built from MainMenuLayout.
// Every menu-bar entry is created with its component name as objectName and registered in the
// action registry under that name.
#include "shell/Main.h"

#include "shell/MainMenuLayout.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

QMenu *TMainForm::addTopMenu(const QString &name, const QString &caption)
{
    auto *m = new QMenu(caption, menuBar());
    m->setObjectName(name);
    menuBar()->addMenu(m);
    m_registry.addMenu(m);
    return m;
}

void TMainForm::buildMenus()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    for (const MainMenuLayout::Item *top = MainMenuLayout::menuBar(); top->caption; ++top)
        addMenuItems(addTopMenu(QLatin1String(top->name), QString::fromUtf8(top->caption)),
                     top->children, &m_registry);

    PopupMenu3 = new QMenu(this);
    PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
    addMenuItems(PopupMenu3, MainMenuLayout::newDocumentPopup(), nullptr);
    Customlanguages2 = PopupMenu3->findChild<QMenu *>(QStringLiteral("Customlanguages2"));
}

void TMainForm::addMenuItems(QMenu *menu, const MainMenuLayout::Item *items,
                             ActionRegistry *registry)
{
    using namespace MainMenuLayout;
    for (const Item *item = items; item->caption; ++item) {
        const QString name = QLatin1String(item->name);
        const QString caption = QString::fromUtf8(item->caption);
        if (MainMenuLayout::isSeparator(*item)) {
            if (registry)
                registry->addSeparator(menu, name);
            else
                menu->addSeparator()->setObjectName(name);
            continue;
        }
        if (item->children) {
            QMenu *sub = nullptr;
            if (registry) {
                sub = registry->addSubmenu(menu, name, caption);
            } else {
                sub = menu->addMenu(caption);
                sub->setObjectName(name);
                sub->menuAction()->setObjectName(name);
            }
            if (sub)
                addMenuItems(sub, item->children, registry);
            continue;
        }
        QAction *a = registry ? registry->addItem(menu, name, caption) : menu->addAction(caption);
        if (!a)
            continue;
        a->setObjectName(name);
        a->setEnabled(!(item->flags & Disabled));
        a->setCheckable(item->flags & (Checkable | Checked));
        a->setChecked(item->flags & Checked);
        if (!item->handler)
            continue;
        if (item->flags & OwnCheck) {
            connect(a, &QAction::triggered, this, [this, a, handler = item->handler] {
                a->setChecked(!a->isChecked());
                (this->*handler)();
            });
        } else {
            connect(a, &QAction::triggered, this, item->handler);
        }
    }
}
