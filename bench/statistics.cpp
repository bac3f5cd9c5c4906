// Statistics of a generated 2 MB Java file and a 2 MB HTML page (the counting alone over the
// lines, and View, Statistics in the main window from the command to the dialog shown), and the
// quick-find member list of a 5,000-line class (from the class chosen to the list filled).
#include "ProgramFolder.h"
#include "analysis/QuickFind.h"
#include "analysis/StatisticsCommand.h"
#include "analysis/StatisticsCount.h"
#include "app/Features.h"
#include "editor/EditorAdapter.h"
#include "shell/EditFrmUnit.h"
#include "shell/Main.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int TwoMegabytes = 2 * 1024 * 1024;

QByteArray makeJava()
{
    QByteArray text = "import java.awt.*;\nimport java.io.*;\n\n";
    int n = 0;
    while (text.size() < TwoMegabytes) {
        const QByteArray i = QByteArray::number(n++);
        text += "/**\n * Shape number " + i + ", with { braces } in its documentation.\n */\n";
        text += "public class Shape" + i + " extends Component implements Runnable {\n";
        text += "    private int count = " + i + ";\n    String name = \"shape " + i
            + " { not a brace }\", other;\n    static final double SCALE = 1.5e-3;\n";
        text += "    /* a block comment\n       over two lines */\n";
        text += "    public void paint(Graphics g) throws IOException {\n"
                "        for (int k = 0; k < count; k++) { // draw each one\n"
                "            g.drawLine(k, 0x1F, k * 2, 'x' == 'y' ? 1 : 2);\n"
                "        }\n    }\n";
        text += "    public void run() {\n        count += " + i + ";\n    }\n}\n\n";
    }
    return text;
}

QByteArray makeHtml()
{
    QByteArray page = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
                      "<html>\n<head>\n<title>A long page</title>\n</head>\n<body>\n";
    int n = 0;
    while (page.size() < TwoMegabytes) {
        const QByteArray i = QByteArray::number(n++);
        page += "<!-- section " + i + ", written by hand\n     and checked -->\n";
        page += "<h2>Section " + i + " &amp; more&nbsp;text &#169;</h2>\n";
        page += "<table border=\"1\" cellpadding=2 width=\"100%\">\n";
        for (int r = 0; r < 3; ++r)
            page += "  <tr><td align=\"left\" nowrap>Cell " + i + "</td><td><a href=\"page" + i
                + ".htm\" title='Row'>Row link</a></td></tr>\n";
        page += "</table>\n<p>Plain text with a <blink>made-up</blink> tag.</p>\n";
    }
    page += "</body>\n</html>\n";
    return page;
}

// A class of 5,000 lines: two fields and a method of three lines, over and over.
QByteArray makeBigClass()
{
    QByteArray text = "public class Big {\n";
    int lines = 1;
    for (int n = 0; lines + 5 < 5000; ++n) {
        const QByteArray i = QByteArray::number(n);
        text += "    private int count" + i + " = 0;\n    String name" + i + ";\n";
        text += "    public int get" + i
            + "(int x, int y) throws Exception {\n        return x;\n"
              "    }\n";
        lines += 5;
    }
    for (; lines < 4999; ++lines)
        text += "    int last" + QByteArray::number(lines) + ";\n";
    return text + "}\n";
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

double timeMs(const std::function<void()> &f)
{
    QElapsedTimer t;
    t.start();
    f();
    return t.nsecsElapsed() / 1e6;
}

bool write(const QString &file, const QByteArray &bytes)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir home;
    if (!useQuietProgramFolder(home))
        return 1;

    const QByteArray java = makeJava();
    const QByteArray html = makeHtml();
    const QString javaFile = home.filePath(QStringLiteral("Big.java"));
    const QString htmlFile = home.filePath(QStringLiteral("big.htm"));
    const QString classFile = home.filePath(QStringLiteral("Big5000.java"));
    if (!write(javaFile, java) || !write(htmlFile, html) || !write(classFile, makeBigClass()))
        return 2;

    Features *root = nullptr;
    TMainForm window({}, makeFeatures(&root));
    window.setGeometry(window.screen()->availableGeometry());
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    StatisticsCommand *statistics = root->statistics;

    struct Result {
        QString name;
        double megabytes;
        int lines;
        double countMs;
        double commandMs;
    };
    QList<Result> results;
    for (const QString &file : {javaFile, htmlFile}) {
        TEditForm *w = window.LoadFile(file);
        QCoreApplication::processEvents();
        const QStringList lines = w->editor()->lines();
        const bool isJava = file == javaFile;
        QList<double> count, command;
        for (int run = 0; run < 7; ++run) {
            count << timeMs([&] {
                if (isJava)
                    StatisticsCount::java(lines);
                else
                    StatisticsCount::html(lines);
            });
            QDialog *dialog = nullptr;
            command << timeMs([&] {
                dialog = statistics->Statistics1Click();
                dialog->repaint();
            });
            delete dialog;
        }
        results << Result {w->caption(), QFileInfo(file).size() / (1024.0 * 1024.0),
                           int(lines.size()), median(count), median(command)};
    }

    // Quick find: the class list entered, then the class chosen.
    TEditForm *big = window.LoadFile(classFile);
    QCoreApplication::processEvents();
    QuickFind *qf = root->quickFind;
    QList<double> enter, fill;
    for (int run = 0; run < 7; ++run) {
        enter << timeMs([&] { qf->ClassNameCompoBox1Enter(); });
        qf->classList()->setCurrentIndex(0);
        fill << timeMs([&] {
            emit qf->classList()->activated(0);
            qf->memberList()->repaint();
        });
    }

    bool ok = true;
    for (const Result &r : results) {
        std::printf("%s: %.2f MB, %d lines: counting %.1f ms, View Statistics to dialog shown "
                    "%.1f ms (median of 7; target < 300 ms)\n",
                    qPrintable(r.name), r.megabytes, r.lines, r.countMs, r.commandMs);
        ok = ok && r.commandMs < 300;
    }
    std::printf("quick find, class of %d lines: class list %.1f ms, member list of %d entries "
                "filled %.1f ms (median of 7; target < 30 ms)\n",
                big->editor()->lineCount(), median(enter), qf->memberList()->count(), median(fill));
    ok = ok && median(fill) < 30;
    std::printf("%s\n", ok ? "within limits" : "OVER LIMIT");
    return ok ? 0 : 1;
}
