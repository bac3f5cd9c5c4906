#include <QApplication>
#include <QScreen>

#include "shell/Main.h"
#include "styling/FlatMenuStyle.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmarsh's Editor"));
    // The flat menus of every window, made now or later.
    QApplication::setStyle(new FlatMenuStyle);

    TMainForm mainForm(QApplication::arguments());
    mainForm.createHiddenForms();
    // Also where no window manager maximises for us.
    if (QScreen *screen = mainForm.screen())
        mainForm.setGeometry(screen->availableGeometry());
    mainForm.showMaximized();
    return app.exec();
}
