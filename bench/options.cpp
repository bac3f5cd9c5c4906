// The Options dialog: from Edit, "Options.." to the dialog on screen and painted, and OK with
// a Java document open (every settings key in one replace of the settings file, the Java
// colours, the templates, the colour file, the document set up again). The shipped data
// (colors, completion) is copied into a temporary program folder first; without it, a set of
// the same size is made. Ten rounds; medians and the slowest.
#include "app/Features.h"
#include "settings/options/OptionsFeature.h"
#include "settings/options/OptionsFrmUnit.h"
#include "shell/Main.h"
#include "shell/help/HelpCommands.h"
#include "styling/FlatMenuStyle.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}

void write(const QString &file, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

// Data like the shipped set: templates, 20 classes with members, three presets.
void makeData(const QString &home)
{
    QByteArray templates;
    for (const char *word : {"for", "while", "if", "switch", "try", "main", "println"})
        templates += QByteArray("%") + word + "\r\n" + word + " (|) {\r\n}\r\n#\r\n";
    write(home + "completion/auto.cmp", templates);
    QByteArray classes;
    for (int c = 0; c < 20; ++c) {
        const QByteArray name = "Class" + QByteArray::number(c);
        classes += name + "\r\n";
        QByteArray members;
        for (int m = 0; m < 60; ++m)
            members += "public static int member" + QByteArray::number(m) + "(int)\r\n";
        write(home + "completion/" + name + ".cmp", members);
    }
    write(home + "completion/toc.cmp", classes);
    write(home + "colors/toc.col", "Classic\r\nNight\r\nPaper\r\n");
}

void waitExposed(QWidget *w)
{
    while (!w->windowHandle() || !w->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(new FlatMenuStyle);
    QTemporaryDir dir;
    const QString home = dir.path() + u'/';
    const QString data = qEnvironmentVariable("QMEDITOR_DATA");
    const bool shipped = !data.isEmpty() && QFileInfo::exists(data + "/completion/auto.cmp");
    if (shipped) {
        for (const char *folder : {"colors", "completion", "dictionaries"})
            copyTree(data + u'/' + QLatin1String(folder), home + QLatin1String(folder) + u'/');
    } else {
        makeData(home);
    }
    write(home + "qmEditor.ini", "[Tips]\r\ndoShow=0\r\n");
    qputenv("QMEDITOR_HOME", QFile::encodeName(home));

    HelpCommands::setStartUpTipsAllowed(false);
    Features *root = nullptr;
    TMainForm main({}, makeFeatures(&root));
    main.resize(1200, 800);
    main.show();
    waitExposed(&main);
    // The start-up timer fires.
    QMetaObject::invokeMethod(main.findChild<QTimer *>(QStringLiteral("OneTimeTimer")), "timeout");
    main.action("NyApplikasjonkode1")->trigger();
    QCoreApplication::processEvents();

    std::vector<double> shown, ok;
    for (int round = 0; round < 10; ++round) {
        QElapsedTimer t;
        t.start();
        main.action(QStringLiteral("Options2"))->trigger();
        TOptionsFrm *dialog = root->options->dialog();
        waitExposed(dialog);
        dialog->repaint();
        QCoreApplication::processEvents();
        shown.push_back(t.nsecsElapsed() / 1e6);

        t.restart();
        dialog->Button1->click();
        ok.push_back(t.nsecsElapsed() / 1e6);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    std::printf("Options dialog (%s data): shown %.1f ms median, %.1f ms slowest (target < 150 "
                "ms)\n",
                shipped ? "shipped" : "generated", median(shown),
                *std::max_element(shown.begin(), shown.end()));
    std::printf("Options OK with a Java document: %.1f ms median, %.1f ms slowest (target < 50 "
                "ms)\n",
                median(ok), *std::max_element(ok.begin(), ok.end()));
    return 0;
}
