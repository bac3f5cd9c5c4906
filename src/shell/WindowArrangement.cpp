#include "shell/WindowArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace {

void tile(QMdiArea *area, const QList<QMdiSubWindow *> &windows, bool stacked)
{
    QList<QMdiSubWindow *> shown;
    int minimizedRow = 0;
    for (QMdiSubWindow *w : windows) {
        if (w->isMinimized()) {
            minimizedRow = qMax(minimizedRow, w->height());
            continue;
        }
        if (w->isMaximized())
            w->showNormal();
        shown.append(w);
    }
    if (shown.isEmpty())
        return;
    // The whole frame: once the windows are tiled inside it, its scroll bars go.
    QRect space(QPoint(0, 0), area->contentsRect().size());
    space.setBottom(space.bottom() - minimizedRow);
    const int n = int(shown.size());
    const int length = stacked ? space.height() : space.width();
    int from = stacked ? space.top() : space.left();
    for (int i = 0; i < n; ++i) {
        // The last window takes what the division leaves.
        const int size =
            i == n - 1 ? (stacked ? space.bottom() : space.right()) - from + 1 : length / n;
        const QRect r = stacked ? QRect(space.left(), from, space.width(), size)
                                : QRect(from, space.top(), size, space.height());
        shown.at(i)->setGeometry(r);
        from += size;
    }
}

} // namespace

namespace WindowArrangement {

void tileHorizontally(QMdiArea *area, const QList<QMdiSubWindow *> &windows)
{
    tile(area, windows, true);
}

void tileVertically(QMdiArea *area, const QList<QMdiSubWindow *> &windows)
{
    tile(area, windows, false);
}

void minimizeAll(const QList<QMdiSubWindow *> &windows)
{
    for (QMdiSubWindow *w : windows)
        w->showMinimized();
}

QMdiSubWindow *neighbour(const QList<QMdiSubWindow *> &windows, QMdiSubWindow *current, bool next)
{
    if (windows.isEmpty())
        return nullptr;
    const int n = int(windows.size());
    const int i = int(windows.indexOf(current));
    if (i < 0)
        return next ? windows.first() : windows.last();
    return windows.at((i + (next ? 1 : n - 1)) % n);
}

} // namespace WindowArrangement
