// The debugger's output path: a 1 MB jdb transcript (some 20,000 lines, 5 watches, one of them
// an object) through the reader, the log and the variables pane, in the bursts jdb answers in
// (a stop, then each dump); the pane rebuilt after each burst. Medians of 5 runs. For
// comparison, the same with the pane scanning the whole log after each burst.
#include "java/debug/DebugLogEdit.h"
#include "java/debug/DebugVarsPane.h"
#include "java/debug/DebugVarsScanner.h"
#include "java/debug/JdbOutputReader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QStringList watches {"Hello.count", "Hello.total", "Hello.name", "Hello.pt", "Hello.flag"};

// Bursts of a session: each stop (with the program's output before it), then each answer.
QStringList transcript(qsizetype *bytes, int *lines)
{
    QStringList bursts;
    qsizetype size = 0;
    for (int n = 0; size < 1024 * 1024; ++n) {
        QString stop = QStringLiteral("main[1] > ");
        for (int k = 0; k < 3; ++k)
            stop += QStringLiteral("count is %1: the program's own output shares the pipe with "
                                   "the debugger, a line of some one hundred and sixty characters "
                                   "as a program might print it\n")
                        .arg(n * 3 + k);
        stop += QStringLiteral("> \nBreakpoint hit: \"thread=main\", Hello.main(), line=7 bci=7\n"
                               "7                count = count + 3;\n\n");
        bursts << stop;
        bursts << QStringLiteral("main[1] main[1]  Hello.count = %1\n").arg(n * 3)
               << QStringLiteral("main[1] main[1]  Hello.total = %1\n").arg(n * 7)
               << QStringLiteral("main[1] main[1]  Hello.name = \"step %1\"\n").arg(n)
               << QStringLiteral("main[1] main[1]  Hello.pt = {\n    x: %1\n    y: 2\n}\n").arg(n)
               << QStringLiteral("main[1] main[1]  Hello.flag = true\nmain[1] ");
        for (qsizetype i = bursts.size() - 6; i < bursts.size(); ++i)
            size += bursts.at(i).size();
    }
    *bytes = 0;
    *lines = 0;
    for (const QString &b : bursts) {
        *bytes += b.toUtf8().size();
        *lines += int(b.count(u'\n'));
    }
    return bursts;
}

qint64 run(const QStringList &bursts, bool wholeLogEachTime, QString *paneText)
{
    // The two pages side by side on screen, as while debugging.
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    DebugLogEdit log(&window);
    DebugVarsPane pane(&log, &window);
    layout->addWidget(&log);
    layout->addWidget(pane.REDebugVar);
    window.resize(1200, 300);
    window.show();
    QApplication::processEvents();
    JdbOutputReader reader;
    QElapsedTimer t;
    t.start();
    for (const QString &burst : bursts) {
        QList<JdbOutputReader::Event> events;
        reader.feed(burst, events);
        QStringList lines;
        for (const JdbOutputReader::Event &e : std::as_const(events))
            if (e.kind != JdbOutputReader::Event::Initializing)
                lines << e.text;
        log.addLines(lines);
        if (wholeLogEachTime)
            pane.REDebugVar->setPlainText(
                DebugVarsScanner::scan(log.toPlainText().split(u'\n'), watches).join(u'\n'));
        else
            pane.rebuild(watches);
    }
    QApplication::processEvents(); // the pages painted
    const qint64 ns = t.nsecsElapsed();
    *paneText = pane.REDebugVar->toPlainText();
    return ns;
}

double medianMs(std::vector<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    return ns[ns.size() / 2] / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    qsizetype bytes = 0;
    int lines = 0;
    const QStringList bursts = transcript(&bytes, &lines);

    std::vector<qint64> ours;
    QString pane;
    for (int round = 0; round < 5; ++round)
        ours.push_back(run(bursts, false, &pane));
    std::printf("jdb transcript of %.2f MB (%d lines, %lld bursts, %lld watches) through reader, "
                "log and pane: %.0f ms (target < 1000 ms), %lld pane lines\n",
                bytes / (1024.0 * 1024.0), lines, qlonglong(bursts.size()),
                qlonglong(watches.size()), medianMs(ours), qlonglong(pane.count(u'\n') + 1));

    // The whole log scanned after each burst: a tenth of the transcript is enough to show it.
    const QStringList tenth = bursts.mid(0, bursts.size() / 10);
    QString whole;
    const qint64 rescan = run(tenth, true, &whole);
    std::printf("the same tenth (%.2f MB) with the whole log scanned after each burst: %.0f ms\n",
                bytes / 10 / (1024.0 * 1024.0), rescan / 1e6);
    return 0;
}
