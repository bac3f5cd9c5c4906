// Strip HTML on a generated 4 MB page (tables, links, lists, comments, entities, long values):
// the HTML tokenizer's speed over the page's lines, the strip pass alone, and the whole command
// in the main window from the answer Yes to the new text shown.
#include "html/text/StripHtml.h"

#include "app/Features.h"
#include "editor/EditorAdapter.h"
#include "editor/tokenizers/HtmlTokenizer.h"
#include "platform/DelphiStrings.h"
#include "platform/Prompter.h"
#include "shell/EditFrmUnit.h"
#include "shell/Main.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace {

QByteArray makePage()
{
    QByteArray page = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
                      "<html>\n<head>\n<title>A long page</title>\n"
                      "<link rel=\"stylesheet\" href=\"style.css\">\n"
                      "<style type=\"text/css\">\n  td { padding: 2px }\n</style>\n"
                      "</head>\n<body bgcolor=\"#FFFFFF\" text=\"#000000\">\n";
    const QByteArray longValue(200, 'v');
    int n = 0;
    while (page.size() < 4 * 1024 * 1024) {
        const QByteArray i = QByteArray::number(n++);
        page += "<!-- section " + i + ", written by hand\n     and checked -->\n";
        page += "<h2>Section " + i + " &amp; more&nbsp;text &#169; &#xA0;</h2>\n";
        page += "<table border=\"1\" cellpadding=2 width=\"100%\" summary=\"" + longValue + "\">\n";
        for (int r = 0; r < 3; ++r)
            page += "  <tr><td align=\"left\" nowrap>Cell " + i + "." + QByteArray::number(r)
                + "</td><td><a href=\"page" + i + ".htm#row" + QByteArray::number(r)
                + "\" title='Row " + QByteArray::number(r) + "'>Row link</a></td></tr>\n";
        page += "</table>\n<ul>\n  <li>First item of " + i
            + "\n  <li>Second &lt;item&gt;\n"
              "</ul>\n<ol>\n  <li>One<li>Two<br>\n</ol>\n";
        page += "<p>Plain text with a < sign, an & sign and a <b>bold</b> word.</p>\n";
    }
    page += "</body>\n</html>\n";
    return page;
}

// Answers Yes and starts the clock as the dialog closes.
class YesPrompter : public Prompter
{
public:
    QElapsedTimer clock;
    int messageBox(QWidget *, const QString &, const QString &, Icon, Buttons) override
    {
        clock.start();
        return Yes;
    }
    int messageDlg(QWidget *, const QString &, Icon, Buttons) override { return Ok; }
    bool inputQuery(QWidget *, const QString &, const QString &, QString &) override
    {
        return false;
    }
};

double best(QList<double> v)
{
    return *std::min_element(v.cbegin(), v.cend());
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir home; // an empty program folder: no settings file
    qputenv("QMEDITOR_HOME", QFile::encodeName(home.path()));

    const QByteArray page = makePage();
    const QStringList lines = Delphi::textToLines(QString::fromUtf8(page));
    const double megabytes = page.size() / (1024.0 * 1024.0);

    // The tokenizer alone, as attribute completion runs it: every token read, nothing kept.
    QList<double> tokenizeMs;
    qsizetype tokens = 0;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer t;
        t.start();
        HtmlTokenizer tok;
        tokens = 0;
        for (const QString &line : lines)
            for (tok.setLine(line); !tok.atEnd(); tok.next())
                ++tokens;
        tokenizeMs << t.nsecsElapsed() / 1e6;
    }

    QList<double> passMs;
    int outLines = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer t;
        t.start();
        outLines = int(StripHtml::strip(lines).size());
        passMs << t.nsecsElapsed() / 1e6;
    }

    // The command: the page loaded in the main window, stripped, and painted.
    const QString file = home.filePath(QStringLiteral("big.htm"));
    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly) || f.write(page) != page.size())
            return 2;
    }
    YesPrompter yes;
    Prompter::setInstance(&yes);
    QList<double> commandMs;
    {
        TMainForm window({}, makeFeatures());
        window.setGeometry(window.screen()->availableGeometry());
        window.show();
        while (!window.windowHandle() || !window.windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        for (int run = 0; run < 3; ++run) {
            TEditForm *w = window.LoadFile(file);
            QCoreApplication::processEvents();
            window.action(QStringLiteral("StripHTMLcode1"))->trigger();
            window.repaint();
            QCoreApplication::processEvents();
            commandMs << yes.clock.nsecsElapsed() / 1e6;
            if (w->caption() != QLatin1String("big.txt"))
                return 3;
            w->IsModified = false; // closes without asking
            w->subWindow()->close();
            QCoreApplication::processEvents();
        }
    }
    Prompter::setInstance(nullptr);

    const double rate = megabytes / (best(tokenizeMs) / 1000.0);
    std::printf("page: %.2f MB, %lld lines, %lld tokens\n", megabytes,
                static_cast<long long>(lines.size()), static_cast<long long>(tokens));
    std::printf("tokenizer: %.1f ms, %.0f MB/s (target >= 100 MB/s)\n", best(tokenizeMs), rate);
    std::printf("strip pass alone: %.1f ms, %d lines out\n", best(passMs), outLines);
    std::printf("strip command, Yes to text shown: %.1f ms median of 3 (target < 300 ms)\n",
                median(commandMs));
    const bool ok = rate >= 100 && median(commandMs) < 300;
    std::printf("%s\n", ok ? "within limits" : "OVER LIMIT");
    return ok ? 0 : 1;
}
