#include "shell/Main.h"

#include "app/Features.h"
#include "styling/FlatMenuStyle.h"

#include <QApplication>
#include <QScreen>
#include <QThreadPool>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The raster engine hands every large fill (a window's background) to the global thread
    // pool in pieces and waits for all of them. For windows of this size the hand-offs cost
    // more than the fills, and on a busy machine the wait for the helpers is the larger part of
    // painting; the program uses the pool for nothing else.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    QApplication::setApplicationName(QStringLiteral("Quillmarsh's Editor"));
    // The flat menus of every window, made now or later.
    QApplication::setStyle(new FlatMenuStyle);

    TMainForm mainForm(QApplication::arguments(), makeFeatures());
    mainForm.createHiddenForms();
    // Also where no window manager maximises for us.
    if (QScreen *screen = mainForm.screen())
        mainForm.setGeometry(screen->availableGeometry());
    mainForm.showMaximized();
    return app.exec();
}
