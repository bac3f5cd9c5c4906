#include <QApplication>
#include <QScreen>

#include "shell/Main.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmarsh's Editor"));

    TMainForm mainForm(QApplication::arguments());
    mainForm.createHiddenForms();
    // Also where no window manager maximises for us.
    if (QScreen *screen = mainForm.screen())
        mainForm.setGeometry(screen->availableGeometry());
    mainForm.showMaximized();
    return app.exec();
}
