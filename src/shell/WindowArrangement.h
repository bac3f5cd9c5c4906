#pragma once

#include <QList>

class QMdiArea;
class QMdiSubWindow;

// Arranging the document windows of the main window's frame.
namespace WindowArrangement {

// The windows that are not minimised, restored when maximised, one above another at the
// frame's full width (horizontally) or side by side at its full height (vertically), in the
// order given. Minimised windows keep their row at the bottom of the frame.
void tileHorizontally(QMdiArea *area, const QList<QMdiSubWindow *> &windows);
void tileVertically(QMdiArea *area, const QList<QMdiSubWindow *> &windows);

// Every window minimised.
void minimizeAll(const QList<QMdiSubWindow *> &windows);

// The window after (or before) current in windows, wrapping around; nullptr when windows is
// empty. The first (or last) window when current is not among them.
QMdiSubWindow *neighbour(const QList<QMdiSubWindow *> &windows, QMdiSubWindow *current, bool next);

} // namespace WindowArrangement
