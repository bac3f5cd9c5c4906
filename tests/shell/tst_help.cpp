// The Help menu and the Window menu's launches of other programs, with a recording shell and
// help viewer; the tip of the day: the tips file, the window's choice of tips with a scripted
// random source, "Show tip on startup", and the shipped tips.txt.
#include "FakeFeatureHost.h"
#include "FakeHelpViewer.h"
#include "FakeShell.h"
#include "ScriptedRng.h"
#include "ShellFixture.h"
#include "shell/help/AboutFrm.h"
#include "shell/help/HelpCommands.h"
#include "shell/help/ShellLaunchCommands.h"
#include "shell/help/TipWindowFrm.h"
#include "shell/help/TipsFile.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

namespace {

QByteArray tipsText(int count, int tips)
{
    QByteArray text = "Tips\r\nfree line\r\n" + QByteArray::number(count) + "\r\n";
    for (int i = 1; i <= tips; ++i)
        text += "#" + QByteArray::number(i) + "%\r\nTip number " + QByteArray::number(i) + "\r\n";
    return text;
}

// The Help and launch commands on a host whose program folder holds the tips file given (none
// when null), with the random source drawing the numbers given.
struct Help {
    FakePrompter prompter;
    FakeShell shell;
    FakeHelpViewer viewer;
    ScriptedRng rng;
    FakeFeatureHost host;
    HelpCommands help {host};
    ShellLaunchCommands launches {host};

    explicit Help(const QByteArray &file = {}, const QList<int> &drawn = {},
                  const QByteArray &ini = {})
        : rng(drawn), host(ini)
    {
        if (!file.isNull())
            host.folder.writeFile("tips.txt", file);
    }
    void trigger(const char *item) { host.actions().action(QLatin1String(item))->trigger(); }
    TTipWindowFrm *open()
    {
        trigger("ipoftheday1");
        return host.window()->findChild<TTipWindowFrm *>();
    }
    // The tips shown: the first, then after each "Next tip".
    QStringList shown(TTipWindowFrm *tips, int count)
    {
        QStringList seen {tips->tipText()};
        while (seen.size() < count) {
            tips->NextButton->click();
            seen << tips->tipText();
        }
        return seen;
    }
};

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void menus()
    {
        FakeFeatureHost host;
        auto items = [&host](const char *menu) {
            QStringList out;
            for (QAction *a : host.actions().menu(QLatin1String(menu))->actions())
                if (!a->isSeparator())
                    out << a->objectName() + "=" + a->text();
            return out;
        };
        QCOMPARE(items("Help1"),
                 (QStringList {"ipoftheday1=Tip of the day", "Content1=Contents", "Index1=Index",
                               "Homepage1=Homepage", "About1=About.."}));
        QCOMPARE(items("Windows1").mid(items("Windows1").size() - 3),
                 (QStringList {"WindowsExplorer1=Windows Explorer", "Showdospromt1=Show dos promt",
                               "Viewpageinbrowser1=View page in browser"}));
    }

    void launchesRecordTheirCall()
    {
        Help l;
        for (const char *item :
             {"WindowsExplorer1", "Showdospromt1", "Homepage1", "Content1", "Index1"})
            l.trigger(item);
        QCOMPARE(l.shell.calls.size(), 3);
        QCOMPARE(l.shell.calls.at(0).kind, FakeShell::Explore);
        QCOMPARE(l.shell.calls.at(0).target, QDir::homePath());
        QCOMPARE(l.shell.calls.at(1).kind, FakeShell::Terminal);
        QCOMPARE(l.shell.calls.at(1).target, QDir::currentPath());
        QVERIFY(l.shell.calls.at(1).command.isEmpty());
        QCOMPARE(l.shell.calls.at(2).kind, FakeShell::OpenUrl);
        QVERIFY(l.shell.calls.at(2).target.startsWith("https://www.example.org/"));
        QCOMPARE(l.viewer.pages, (QStringList {"contents", "index"}));
        QCOMPARE(HelpViewer::helpFile(), l.host.folder.filePath("qmEditor.HLP"));
        QVERIFY(l.prompter.calls.isEmpty());

        // Programs that cannot be started are named.
        l.shell.result = false;
        l.trigger("WindowsExplorer1");
        l.trigger("Showdospromt1");
        QCOMPARE(l.prompter.calls.size(), 2);
        QVERIFY(l.prompter.calls.at(0).text.contains("xdg-open"));
        QVERIFY(l.prompter.calls.at(1).text.startsWith("No terminal could be started ("));
    }

    // The browser gets the page only after it was saved.
    void viewPageInBrowserSavesFirst()
    {
        Help l;
        l.trigger("Viewpageinbrowser1"); // no document
        FakeDocument *page = l.host.open("page.html", "<p>");
        l.trigger("Viewpageinbrowser1"); // not saved: no file
        QVERIFY(l.shell.calls.isEmpty());

        const QString file = l.host.folder.filePath("page.html");
        page->setFileName(file);
        page->setIsModified(true);
        l.trigger("Viewpageinbrowser1");
        QVERIFY(!page->isModified() && QFileInfo::exists(file));
        QCOMPARE(l.shell.calls.size(), 1);
        QCOMPARE(l.shell.calls.first().kind, FakeShell::OpenUrl);
        QCOMPARE(l.shell.calls.first().target, file);
    }

    void aboutBox()
    {
        Help l;
        l.trigger("About1");
        auto *about = l.host.window()->findChild<TAbout *>();
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->windowTitle(), "About Quillmarsh's Editor");
        QVERIFY(about->ProgramInfo->text().contains("Version 3.3"));
        QVERIFY(about->ProgramInfo->text().contains("Quillmarsh"));
        QCOMPARE(about->WebLabel->cursor().shape(), Qt::PointingHandCursor);
        about->WebLabelClick();
        QCOMPARE(l.shell.calls.size(), 1);
        QVERIFY(about->WebLabel->text().contains(l.shell.calls.first().target));
        QPointer<TAbout> guard(about);
        about->OKButton->click();
        QTRY_VERIFY(!guard);
    }

    void tipLookup_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        const int found = int(TipsFile::Tip::Found), none = int(TipsFile::Tip::NoMarker),
                  empty = int(TipsFile::Tip::NoText);
        QTest::newRow("found") << QStringList {"a", "b", "2", "#1%", "one", "#2%", "two"} << 2
                               << found << "two";
        QTest::newRow("12 is not 1")
            << QStringList {"a", "b", "12", "#12%", "twelve", "#1%", "one"} << 1 << found << "one";
        QTest::newRow("marker inside blanks")
            << QStringList {"a", "b", "1", "  #1%  ", "one"} << 1 << found << "one";
        QTest::newRow("next line holds #")
            << QStringList {"a", "b", "2", "#1%", "#2%", "two"} << 1 << empty << "";
        QTest::newRow("marker on the last line")
            << QStringList {"a", "b", "1", "#1%"} << 1 << empty << "";
        QTest::newRow("no marker") << QStringList {"a", "b", "3", "#1%", "one"} << 3 << none << "";
    }
    void tipLookup()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, n);
        QFETCH(int, result);
        QFETCH(QString, text);
        QString got;
        QCOMPARE(int(TipsFile::tipOf(lines, n, got)), result);
        QCOMPARE(got, text);
    }

    // The drawn tip is the current one; the window shows the one after it, wrapping to 1. A tip
    // without text leaves the one before on show.
    void choiceOfTips_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("drawn"); // what the random source gives (0-based)
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("middle") << tipsText(5, 5) << 5 << 1
                                << QStringList {"Tip number 3", "Tip number 4"};
        QTest::newRow("last wraps to first")
            << tipsText(5, 5) << 5 << 3
            << QStringList {"Tip number 5", "Tip number 1", "Tip number 2"};
        QTest::newRow("one tip shows it again")
            << tipsText(1, 1) << 1 << 0 << QStringList {"Tip number 1", "Tip number 1"};
        QTest::newRow("tip 2 has no text")
            << QByteArray("a\r\nb\r\n3\r\n#1%\r\none\r\n#2%\r\n# two\r\n#3%\r\nthree\r\n") << 3 << 2
            << QStringList {"one", "one", "three"};
    }
    void choiceOfTips()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, count);
        QFETCH(int, drawn);
        QFETCH(QStringList, shown);
        Help t(file, {drawn});
        TTipWindowFrm *tips = t.open();
        QVERIFY(tips && tips->isVisible());
        QCOMPARE(tips->windowTitle(), "Tip of the day");
        QVERIFY(!tips->Image1->pixmap().isNull());
        QCOMPARE(t.rng.ranges, QList<int> {count});
        QCOMPARE(t.shown(tips, int(shown.size())), shown);
        QVERIFY(t.prompter.calls.isEmpty());
    }

    // A missing or malformed file: one message naming it, no tip, "Next tip" does nothing,
    // the random source is not asked, and closing leaves "doShow" as it was.
    void badTipsFile_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: no file
        QTest::addColumn<QString>("says");
        QTest::newRow("missing") << QByteArray() << "Cannot open file";
        QTest::newRow("two lines") << QByteArray("a\r\nb\r\n") << "Read beyond end of file";
        QTest::newRow("no count") << QByteArray("a\r\nb\r\nlots\r\n#1%\r\none\r\n")
                                  << "'lots' is not a valid integer value";
        QTest::newRow("count 0") << QByteArray("a\r\nb\r\n0\r\n#1%\r\none\r\n") << "";
        QTest::newRow("count -3") << QByteArray("a\r\nb\r\n-3\r\n#1%\r\none\r\n") << "";
    }
    void badTipsFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, says);
        Help t(file, {3}, "[Tips]\r\ndoShow=1\r\n");
        TTipWindowFrm *tips = t.open();
        QVERIFY(tips && tips->isVisible());
        QVERIFY(t.rng.ranges.isEmpty());
        QCOMPARE(t.prompter.calls.size(), says.isEmpty() ? 0 : 1);
        for (const FakePrompter::Call &call : t.prompter.calls)
            QVERIFY2(call.text.contains(t.host.folder.filePath("tips.txt"))
                         && call.text.contains(says),
                     qPrintable(call.text));
        QCOMPARE(t.shown(tips, 2), QStringList({QString(), QString()}));
        QVERIFY(tips->CheckBox1->isChecked());
        tips->CloseButton->click();
        QVERIFY(t.host.folder.readFile("qmEditor.ini").contains("doShow=1"));
    }

    // The tip window at start-up; unticking "Show tip on startup" keeps the next start-up
    // without it, and the Help menu still opens it, unticked.
    void showOnStartup()
    {
        ShellFixture f;
        f.write("tips.txt", tipsText(3, 3));
        f.startUpTips = true;
        TTipWindowFrm *tips = f.start()->findChild<TTipWindowFrm *>();
        QVERIFY(tips && tips->isVisible() && tips->CheckBox1->isChecked());
        tips->CheckBox1->setChecked(false);
        tips->close();
        QVERIFY(f.iniText().contains("[Tips]\r\ndoShow=0\r\n"));

        TMainForm *again = f.restart();
        QVERIFY(!again->findChild<TTipWindowFrm *>());
        f.trigger("ipoftheday1");
        QVERIFY(!again->findChild<TTipWindowFrm *>()->CheckBox1->isChecked());
    }

    void shippedTipsFileIsWellFormed()
    {
        const QString source = qEnvironmentVariable("QMEDITOR_SOURCE");
        if (source.isEmpty())
            QSKIP("QMEDITOR_SOURCE is not set");
        TextFile::Content content;
        QVERIFY(TextFile::load(source + "/data/tips.txt", content));
        const QStringList lines = EditorAdapter::splitLines(content.text);
        int count = 0;
        QVERIFY(TipsFile::countOf(lines, count, nullptr));
        QVERIFY(count >= 20 && count <= 30);
        static const QRegularExpression marker("#(\\d+)%");
        QList<int> markers;
        for (int i = 3; i < lines.size(); ++i) {
            const QRegularExpressionMatch mm = marker.match(lines.at(i));
            if (mm.hasMatch()) {
                markers << mm.captured(1).toInt();
                QVERIFY(i + 1 < lines.size());
                QVERIFY(!lines.at(i + 1).trimmed().isEmpty() && !lines.at(i + 1).contains(u'#'));
            }
        }
        QCOMPARE(markers.size(), count);
        for (int n = 1; n <= count; ++n) {
            QString text;
            QCOMPARE(TipsFile::tipOf(lines, n, text), TipsFile::Tip::Found);
            QCOMPARE(markers.count(n), 1);
        }
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
