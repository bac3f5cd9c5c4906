// Speed of the flat menus against Fusion alone: opening the program's largest menu (measuring
// every item) and painting it whole, and moving the selection from item to item (repainting
// the two items). The largest menu is drawn by the application's flat menu style; a menu of
// the same items with Fusion set on it is the comparison. The two take turns, round by round;
// medians are compared.
#include "ProgramFolder.h"
#include "app/Features.h"
#include "shell/Main.h"
#include "styling/FlatMenuStyle.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? -1 : v.at(v.size() / 2);
}

// The menu of the menu bar (sub-menus included) with the most items.
QMenu *largestMenu(QMenuBar *bar)
{
    QMenu *largest = nullptr;
    QList<QMenu *> menus;
    for (QAction *a : bar->actions())
        if (a->menu())
            menus << a->menu();
    while (!menus.isEmpty()) {
        QMenu *m = menus.takeFirst();
        if (!largest || m->actions().size() > largest->actions().size())
            largest = m;
        for (QAction *a : m->actions())
            if (a->menu())
                menus << a->menu();
    }
    return largest;
}

void waitExposed(QMenu *menu)
{
    QElapsedTimer t;
    t.start();
    while ((!menu->windowHandle() || !menu->windowHandle()->isExposed()) && t.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Milliseconds to open the menu with every item measured again and paint it whole.
double openAndPaint(QMenu *menu)
{
    QEvent change(QEvent::StyleChange); // forget the measured items
    QApplication::sendEvent(menu, &change);
    QElapsedTimer t;
    t.start();
    menu->popup(QPoint(200, 40));
    menu->repaint();
    const double ms = t.nsecsElapsed() / 1e6;
    waitExposed(menu);
    menu->hide();
    QCoreApplication::processEvents();
    return ms;
}

// Milliseconds for each move of the selection one item down, repainting both items.
QList<double> moveSelection(QMenu *menu)
{
    menu->popup(QPoint(200, 40));
    waitExposed(menu);
    QList<double> times;
    QAction *previous = nullptr;
    for (QAction *a : menu->actions()) {
        if (a->isSeparator() || !a->isVisible())
            continue;
        QElapsedTimer t;
        t.start();
        menu->setActiveAction(a);
        QRegion changed(menu->actionGeometry(a));
        if (previous)
            changed += menu->actionGeometry(previous);
        menu->repaint(changed);
        times << t.nsecsElapsed() / 1e6;
        previous = a;
    }
    menu->hide();
    QCoreApplication::processEvents();
    return times;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    if (!useQuietProgramFolder(home))
        return 1;
    QApplication app(argc, argv);
    QApplication::setStyle(new FlatMenuStyle);

    TMainForm window({}, makeFeatures());
    window.resize(1000, 700);
    window.show();
    if (QAction *html = window.action(QStringLiteral("HTMLdocument1")))
        html->trigger(); // with a document the items are enabled
    QMenu *flat = largestMenu(window.menuBar());
    if (!flat)
        return 2;
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QMenu fusionMenu(&window);
    fusionMenu.setStyle(fusion.get());
    fusionMenu.addActions(flat->actions());
    std::printf("largest menu: \"%s\", %lld items\n",
                qPrintable(flat->title().remove(QLatin1Char('&'))),
                static_cast<long long>(flat->actions().size()));

    QList<double> flatOpen, fusionOpen, flatMove, fusionMove;
    for (int round = 0; round < 60; ++round) {
        flatOpen << openAndPaint(flat);
        fusionOpen << openAndPaint(&fusionMenu);
    }
    for (int round = 0; round < 10; ++round) {
        flatMove << moveSelection(flat);
        fusionMove << moveSelection(&fusionMenu);
    }

    const double ratio = median(flatOpen) / median(fusionOpen);
    std::sort(flatMove.begin(), flatMove.end());
    const double ninetieth = flatMove.at(flatMove.size() * 9 / 10);
    std::printf("open and paint: flat %.2f ms, Fusion %.2f ms, ratio %.2f (limit 1.5)\n",
                median(flatOpen), median(fusionOpen), ratio);
    std::printf("selection move: flat %.3f ms (9 in 10 within %.3f), Fusion %.3f ms (limit 2 ms)\n",
                median(flatMove), ninetieth, median(fusionMove));
    const bool ok = ratio <= 1.5 && median(flatMove) <= 2.0;
    std::printf("%s\n", ok ? "within limits" : "OVER LIMIT");
    return ok ? 0 : 1;
}
