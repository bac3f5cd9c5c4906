// qmdatagen: makes the data files the build ships beside the editor.
//   qmdatagen colors OUTPUT          colors/lang/*.ini, the presets and colors/toc.col
//   qmdatagen members JAVAP LIST OUTPUT
//                                    completion/*.cmp and completion/toc.cmp for the classes of
//                                    LIST, read with the JDK tool JAVAP
// OUTPUT is the folder the files go below; the build copies them beside the executable.

#include "ColorFiles.h"
#include "MemberFiles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>

namespace {

int usage()
{
    QTextStream(stderr) << "usage: qmdatagen colors OUTPUT\n"
                           "       qmdatagen members JAVAP CLASSLIST OUTPUT\n";
    return 2;
}

int fail(const QString &error)
{
    QTextStream(stderr) << "qmdatagen: " << error << '\n';
    return 1;
}

QString folderOf(const QString &path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}

int makeColors(const QString &output)
{
    const QString colors = folderOf(output) + QStringLiteral("colors/");
    QString error;
    if (!ColorFiles::writeLanguageFiles(colors, &error)
        || !ColorFiles::writePresets(colors, &error))
        return fail(error);
    return 0;
}

int makeMembers(const QString &javap, const QString &classList, const QString &output)
{
    QElapsedTimer timer;
    timer.start();
    QString error;
    const QStringList classes = MemberFiles::readClassList(classList, &error);
    if (classes.isEmpty())
        return fail(classList + QStringLiteral(": ") + (error.isEmpty() ? "no classes" : error));
    MemberFiles::Figures figures;
    if (!MemberFiles::generate(javap, classes, folderOf(output) + QStringLiteral("completion/"),
                               figures, &error))
        return fail(error);
    QTextStream out(stdout);
    out << "qmdatagen: " << figures.classes << " member files, " << figures.memberLines
        << " member lines; " << figures.classesRead << " classes read in " << figures.javapRuns
        << " javap runs, " << timer.elapsed() << " ms\n";
    if (!figures.notFound.isEmpty())
        out << "qmdatagen: javap does not know " << figures.notFound.join(QStringLiteral(", "))
            << '\n';
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("colors") && argc == 3) {
        // The highlighters hold fonts and lexers: they need a GUI application, never a screen.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return makeColors(QString::fromLocal8Bit(argv[2]));
    }
    if (mode == QLatin1String("members") && argc == 5) {
        QCoreApplication app(argc, argv);
        return makeMembers(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                           QString::fromLocal8Bit(argv[4]));
    }
    return usage();
}
