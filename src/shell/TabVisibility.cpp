#include "shell/TabVisibility.h"

#include <QTabBar>
#include <QTabWidget>

void TabVisibility::setShown(QTabWidget *pages, QWidget *page, bool shown)
{
    const int index = pages->indexOf(page);
    if (index < 0)
        return;
    pages->tabBar()->setTabEnabled(index, shown);
    pages->setTabVisible(index, shown);
}
