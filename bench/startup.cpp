// Start-up speed of the main window against a bare QMainWindow holding one QsciScintilla:
// the time until the window is on screen and painted, empty and with a 4 MB Java file given
// on the command line (shown and highlighted). Each case runs in its own process, five times;
// the medians are compared.
#include "app/Features.h"
#include "editor/EditorAdapter.h"
#include "shell/EditFrmUnit.h"
#include "shell/Main.h"
#include "styling/FlatMenuStyle.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWindow>
#include <Qsci/qscilexerjava.h>
#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <cstdio>

namespace {

QElapsedTimer g_clock;

void waitExposed(QWidget *w)
{
    while (!w->windowHandle() || !w->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Paints the whole window now (styling the visible text) and reports the time.
int finish(QWidget *window)
{
    window->repaint();
    QCoreApplication::processEvents();
    const qint64 ms = g_clock.nsecsElapsed() / 1000;
    std::printf("%lld\n", static_cast<long long>(ms));
    return 0;
}

void place(QWidget *w)
{
    w->setGeometry(w->screen()->availableGeometry());
    w->show();
}

int runBare(const QString &file)
{
    QMainWindow window;
    auto *editor = new QsciScintilla(&window);
    window.setCentralWidget(editor);
    if (!file.isEmpty()) {
        editor->setUtf8(true);
        editor->setLexer(new QsciLexerJava(editor));
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            return 1;
        editor->setText(QString::fromUtf8(f.readAll()));
    }
    place(&window);
    waitExposed(&window);
    return finish(&window);
}

int runMain(const QString &file)
{
    QStringList args {QCoreApplication::applicationFilePath()};
    if (!file.isEmpty())
        args << file;
    QApplication::setStyle(new FlatMenuStyle); // as the program block does
    TMainForm window(args, makeFeatures());
    place(&window);
    waitExposed(&window);
    while (!file.isEmpty() && !window.GetActiveEditor())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return finish(&window);
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

double measure(const QString &mode, const QString &file)
{
    QList<double> times;
    for (int i = 0; i < 5; ++i) {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(QCoreApplication::applicationFilePath(), {mode, file});
        p.waitForFinished(120000);
        bool ok = false;
        const double us = QString::fromLatin1(p.readAllStandardOutput()).trimmed().toDouble(&ok);
        if (ok)
            times << us / 1000.0;
    }
    return times.isEmpty() ? -1 : median(times);
}

// The program folder of the build: QMEDITOR_DATA when given, else bin beside bench.
QString programData()
{
    const QString data = qEnvironmentVariable("QMEDITOR_DATA");
    return data.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/../bin")
                          : data;
}

// Copies the data files of a program folder (not the program, not the settings file).
void copyData(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString name = source.relativeFilePath(file);
        if (QFileInfo(file).isExecutable() || name == QLatin1String("qmEditor.ini"))
            continue;
        const QString target = to + u'/' + name;
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}

QString makeJavaFile(const QString &folder)
{
    const QString name = folder + QStringLiteral("/Big.java");
    QFile f(name);
    f.open(QIODevice::WriteOnly);
    QByteArray chunk;
    chunk += "public class Big {\n";
    int n = 0;
    while (chunk.size() < 4 * 1024 * 1024) {
        chunk += "    /* method number " + QByteArray::number(n) + " */\n";
        chunk += "    public int method" + QByteArray::number(n) + "(int a, String s) {\n";
        chunk += "        if (a > 10) { return a * 2 + s.length(); } // a comment\n";
        chunk += "        String t = \"text \" + a;\n        return t.length();\n    }\n";
        ++n;
    }
    chunk += "}\n";
    f.write(chunk);
    return name;
}

} // namespace

int main(int argc, char **argv)
{
    g_clock.start();
    if (argc >= 2 && QByteArray(argv[1]) != "all") {
        QApplication app(argc, argv);
        const QString mode = QString::fromLocal8Bit(argv[1]);
        const QString file = argc >= 3 ? QString::fromLocal8Bit(argv[2]) : QString();
        if (mode == QLatin1String("bare"))
            return runBare(file);
        if (mode == QLatin1String("main"))
            return runMain(file);
        return 2;
    }

    QCoreApplication app(argc, argv);
    // A program folder with the shipped data (tips, dictionary) but no settings file, as a
    // first start finds it.
    QTemporaryDir home;
    copyData(programData(), home.path());
    qputenv("QMEDITOR_HOME", QFile::encodeName(home.path()));
    const QString big = makeJavaFile(home.path());

    const double bare = measure(QStringLiteral("bare"), QString());
    const double main = measure(QStringLiteral("main"), QString());
    const double bareFile = measure(QStringLiteral("bare"), big);
    const double mainFile = measure(QStringLiteral("main"), big);
    std::printf("empty window:   bare %.1f ms, main window %.1f ms, ratio %.2f (limit 1.5)\n", bare,
                main, main / bare);
    // The main window opens a command-line file from its 100 ms start-up timer, after the
    // window is complete; the bare window has no such wait, so the ratio leaves it out (as
    // the figures taken from outside do).
    const double timer = 100.0;
    const double mainFileWork = mainFile - timer;
    std::printf("4 MB Java file: bare %.1f ms, main window %.1f ms (%.1f ms less the %.0f ms "
                "start-up timer), ratio %.2f (limit 2.0)\n",
                bareFile, mainFile, mainFileWork, timer, mainFileWork / bareFile);
    const bool ok = bare > 0 && main > 0 && main / bare <= 1.5 && bareFile > 0 && mainFile > 0
        && mainFileWork / bareFile <= 2.0;
    std::printf("%s\n", ok ? "within limits" : "OVER LIMIT");

    // For scripts/run-startup-bench, which puts these beside the figures taken from outside.
    const QString results =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../bench-results");
    QDir().mkpath(results);
    QFile out(results + QStringLiteral("/startup-in-process.json"));
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(QStringLiteral("{\"empty\": {\"bare\": %1, \"main\": %2}, "
                                 "\"java\": {\"bare\": %3, \"main\": %4}}\n")
                      .arg(bare)
                      .arg(main)
                      .arg(bareFile)
                      .arg(mainFile)
                      .toUtf8());
    return ok ? 0 : 1;
}
