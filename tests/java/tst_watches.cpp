#include "FakeHelpViewer.h"
#include "ShellFixture.h"
#include "app/Features.h"
#include "java/debug/DebugCommands.h"
#include "java/debug/VariableTracker.h"
#include "java/debug/WatchCommands.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QByteArray program = "public class A {\n"
                           "    private int total = 0;\n"
                           "    static int count;\n"
                           "    public static void main(String[] args) {\n"
                           "        System.out.println(total);\n"
                           "    }\n"
                           "}\n";

struct WatchFixture : ShellFixture {
    TEditForm *doc = nullptr;
    WatchCommands *commands = nullptr;
    int shown = 0;
    std::function<int(TVarTrackerFrm &)> answer;

    explicit WatchFixture(const QByteArray &text = program) : ShellFixture("[Tips]\r\ndoShow=0\r\n")
    {
        start();
        commands = features().watches;
        commands->setExecDialog([this](TVarTrackerFrm &dlg) {
            ++shown;
            return answer ? answer(dlg) : int(QDialog::Rejected);
        });
        doc = main->LoadFile(write("A.java", text));
    }

    QStringList watches() const { return features().debugger->watches(doc); }

    QStringList rows(QTreeWidget *view) const
    {
        QStringList texts;
        for (int i = 0; i < view->topLevelItemCount(); ++i)
            texts << view->topLevelItem(i)->text(0);
        return texts;
    }

    // Clicks a row of a list as the user does.
    static void choose(QTreeWidget *view, int row)
    {
        QTreeWidgetItem *item = view->topLevelItem(row);
        view->setCurrentItem(item);
        emit view->itemClicked(item, 0);
    }
};

} // namespace

class TestWatches : public QObject
{
    Q_OBJECT
private slots:
    void trackerNeedsAMainClass();
    void trackerListsAndOkReversesTheRows();
    void addAndDeleteInTheTracker();
    void memberName_data();
    void memberName();
    void addToDebuggerWatch_data();
    void addToDebuggerWatch();
    void popupItemFollowsTheCaretLine();

private:
    static void trackerSteps(WatchFixture &f, TVarTrackerFrm &dlg);
    static void noneFound(WatchFixture &f, TVarTrackerFrm &dlg);
};

void TestWatches::trackerNeedsAMainClass()
{
    WatchFixture f("class A {\n    int x;\n}\n");
    f.main->action("Variabletracker1")->trigger();
    QCOMPARE(f.shown, 0);
    QCOMPARE(f.prompter.calls.size(), 1);
    QCOMPARE(f.prompter.calls.first().caption, QStringLiteral("Information"));
    QCOMPARE(f.prompter.calls.first().text,
             QStringLiteral("No main class found! Can't run variable tracker."));
    QCOMPARE(f.prompter.calls.first().icon, Prompter::Information);
}

void TestWatches::trackerListsAndOkReversesTheRows()
{
    WatchFixture f;
    f.features().debugger->setWatches(f.doc, {"A.x", "A.y"});
    f.answer = [&](TVarTrackerFrm &dlg) {
        [&] {
            QCOMPARE(dlg.windowTitle(), QStringLiteral("Variable value tracker"));
            QCOMPARE(f.rows(dlg.ListView1), QStringList {"A"});
            QCOMPARE(f.rows(dlg.ListView3), (QStringList {"A.x", "A.y"}));
            QCOMPARE(dlg.ListView3->headerItem()->text(0), QStringLiteral("Variable names:"));
            QVERIFY(dlg.ListView2->isHeaderHidden());
        }();
        dlg.Button1->click();
        return dlg.result();
    };
    QToolButton *button = f.main->findChild<QToolButton *>("SpeedButton44");
    QVERIFY(f.page(Page::Java)->isAncestorOf(button));
    QCOMPARE(button->toolTip(), QStringLiteral("Variabel value tracker"));
    button->click();
    QCOMPARE(f.shown, 1);
    QCOMPARE(f.watches(), (QStringList {"A.y", "A.x"}));

    // Cancel keeps the list; so does the pop-up's item, which opens the same dialog.
    f.answer = [](TVarTrackerFrm &dlg) {
        dlg.ListView3->clear();
        dlg.Button4->click();
        return dlg.result();
    };
    f.doc->popupMenu("Debugging1")->findChild<QAction *>("Variabletracker1")->trigger();
    QCOMPARE(f.shown, 2);
    QCOMPARE(f.watches(), (QStringList {"A.y", "A.x"}));
}

void TestWatches::addAndDeleteInTheTracker()
{
    WatchFixture f;
    FakeHelpViewer help;
    f.answer = [&](TVarTrackerFrm &dlg) {
        trackerSteps(f, dlg);
        return dlg.result();
    };
    f.main->action("Variabletracker1")->trigger();
    QCOMPARE(help.pages, QStringList {"HID_VARTRACKERDLG"});
    QCOMPARE(f.watches(), (QStringList {"A.count", "A.count", "A.count", "A.count"}));

    // A class without members offers "None found!", which is never added.
    WatchFixture empty("public class B {\n    public static void main(String[] a) {\n    }\n}\n");
    empty.answer = [&](TVarTrackerFrm &dlg) {
        noneFound(f, dlg);
        return int(QDialog::Rejected);
    };
    empty.main->action("Variabletracker1")->trigger();
    QCOMPARE(empty.shown, 1);
}

void TestWatches::trackerSteps(WatchFixture &f, TVarTrackerFrm &dlg)
{
    // No class chosen yet: Add adds nothing.
    dlg.Button2->click();
    QCOMPARE(dlg.ListView3->topLevelItemCount(), 0);

    f.choose(dlg.ListView1, 0);
    QCOMPARE(f.rows(dlg.ListView2), (QStringList {"private int total", "static int count"}));
    QVERIFY(!dlg.ListView2->topLevelItem(0)->icon(0).isNull());
    QCOMPARE(dlg.ListView2->columnWidth(0), 198);
    f.choose(dlg.ListView2, 0);
    dlg.Button2->click();
    f.choose(dlg.ListView2, 1);
    dlg.Button2->click();
    QCOMPARE(f.rows(dlg.ListView3), (QStringList {"A.total", "A.count"}));
    for (int i = 0; i < 3; ++i)
        dlg.Button2->click();
    QCOMPARE(dlg.ListView3->topLevelItemCount(), 5);
    QCOMPARE(dlg.ListView3->columnWidth(0), 340);

    dlg.ListView3->setCurrentItem(dlg.ListView3->topLevelItem(0));
    dlg.Button3->click();
    QCOMPARE(dlg.ListView3->topLevelItemCount(), 4);
    QCOMPARE(dlg.ListView3->columnWidth(0), 357);
    dlg.ListView3->clearSelection();
    dlg.Button3->click(); // nothing chosen: nothing deleted
    QCOMPARE(dlg.ListView3->topLevelItemCount(), 4);

    dlg.Button5->click();
    dlg.Button1->click();
}

void TestWatches::noneFound(WatchFixture &f, TVarTrackerFrm &dlg)
{
    f.choose(dlg.ListView1, 0);
    QCOMPARE(f.rows(dlg.ListView2), QStringList {"None found!"});
    QVERIFY(dlg.ListView2->topLevelItem(0)->icon(0).isNull());
    f.choose(dlg.ListView2, 0);
    dlg.Button2->click();
    QCOMPARE(dlg.ListView3->topLevelItemCount(), 0);
}

void TestWatches::memberName_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("name");
    QTest::newRow("declaration") << "private int total"
                                 << "total";
    QTest::newRow("bare name") << "count"
                               << "count";
    QTest::newRow("method") << "public void run()"
                            << "run()";
    QTest::newRow("control characters dropped") << "int\tx\r"
                                                << "intx";
}

void TestWatches::memberName()
{
    QFETCH(QString, row);
    QFETCH(QString, name);
    QCOMPARE(TVarTrackerFrm::memberName(row), name);
}

void TestWatches::addToDebuggerWatch_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("watch"); // empty: nothing added
    QTest::newRow("declaration") << "        int count = 0;"
                                 << "A.count";
    QTest::newRow("call: the last identifier before the first symbol") << "System.out.println(x);"
                                                                       << "A.System";
    QTest::newRow("keywords are no names") << "static int total;"
                                           << "A.total";
    QTest::newRow("a brace first") << "}"
                                   << "A.";
    QTest::newRow("no symbol") << "int count"
                               << "";
    QTest::newRow("comment") << "// int x = 1;"
                             << "";
}

void TestWatches::addToDebuggerWatch()
{
    QFETCH(QString, line);
    QFETCH(QString, watch);
    WatchFixture f(program + line.toUtf8() + "\n");
    f.doc->editor()->setCaret(8, 1);
    f.doc->popupAction("Addtodebuggerwatch1")->trigger();
    if (watch.isEmpty()) {
        QVERIFY(f.watches().isEmpty());
        QVERIFY(f.prompter.calls.isEmpty());
        return;
    }
    QCOMPARE(f.watches(), QStringList {watch});
    QCOMPARE(f.prompter.calls.size(), 1);
    const FakePrompter::Call call = f.prompter.calls.first();
    QCOMPARE(call.caption, QStringLiteral("Information"));
    QCOMPARE(call.icon, Prompter::NoIcon);
    QCOMPARE(call.text,
             QStringLiteral("The variable \"") + watch.mid(2)
                 + QStringLiteral("\", have now been added to the list of variables "
                                  "beeing tracked! To see the full list of variables "
                                  "beeing tracked for this editor window, goto the "
                                  "variable tracker dialogbox."));
}

void TestWatches::popupItemFollowsTheCaretLine()
{
    WatchFixture f;
    QAction *add = f.doc->popupAction("Addtodebuggerwatch1");
    QCOMPARE(add->text(), QStringLiteral("Add to debugger watch"));
    for (const auto &[line, enabled] :
         {std::pair {2, true}, std::pair {1, false}, std::pair {5, true}, std::pair {6, false}}) {
        f.doc->editor()->setCaret(line, 1);
        emit f.doc->PopupMenu1->aboutToShow();
        QVERIFY2(add->isEnabled() == enabled, qPrintable(QString::number(line)));
    }
}

QTEST_MAIN(TestWatches)
#include "tst_watches.moc"
