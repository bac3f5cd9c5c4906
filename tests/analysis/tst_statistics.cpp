#include "FakeFeatureHost.h"
#include "ShellFixture.h"
#include "analysis/GeneralStatisticsDialog.h"
#include "analysis/HtmlStatisticsDialog.h"
#include "analysis/JavaStatisticsDialog.h"
#include "analysis/StatisticsCommand.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {

QList<QDialog *> openDialogs(QWidget *window)
{
    QList<QDialog *> out;
    for (QDialog *d : window->findChildren<QDialog *>(Qt::FindDirectChildrenOnly)) {
        if (d->objectName().contains(QLatin1String("Statistic")))
            out << d;
    }
    return out;
}

// Group titles, then each value label as "name=text", in the dialog's order.
QStringList layoutOf(QDialog *dialog)
{
    QStringList out;
    for (QGroupBox *g : dialog->findChildren<QGroupBox *>()) {
        out << g->title();
        for (QLabel *l : g->findChildren<QLabel *>()) {
            if (!l->objectName().isEmpty())
                out << l->objectName() + u'=' + l->text();
        }
    }
    return out;
}

} // namespace

class TestStatistics : public QObject
{
    Q_OBJECT
private slots:
    void dialogsShowZeroUntilCounted();
    void dialogByDocument_data();
    void dialogByDocument();
    void menuItemOpensOneDialogEachTime();
};

void TestStatistics::dialogsShowZeroUntilCounted()
{
    TStatisticsFrm java(nullptr);
    QCOMPARE(java.windowTitle(), QStringLiteral("Java document statistics"));
    QCOMPARE(layoutOf(&java),
             (QStringList {"Classes:", "Label2=0", "Language elements:", "IDsLabel=0",
                           "KeywordsLabel=0", "CommentsLabel=0", "NumbersLabel=0", "StringsLabel=0",
                           "Editor:", "WordsLabel=0", "LettersLabel=0", "Label19=0"}));
    TStatisticsHTMLFrm html(nullptr);
    QCOMPARE(html.windowTitle(), QStringLiteral("Statistics for HTML documents"));
    QCOMPARE(layoutOf(&html),
             (QStringList {"Tags:", "TagCountLabel=0", "IDsLabel=0", "Language elements:",
                           "AmpersandLabel=0", "UndefCountLabel=0", "CommentsLabel=0",
                           "Editor:", "WordsLabel=0", "LettersLabel=0", "Label19=0"}));
    TGeneralStatistics general(nullptr);
    QCOMPARE(general.windowTitle(), QStringLiteral("General Statistics"));
    QCOMPARE(layoutOf(&general),
             (QStringList {"Editor:", "WordsLabel=0", "LettersLabel=0", "Label19=0"}));
    for (QDialog *d : {static_cast<QDialog *>(&java), static_cast<QDialog *>(&html),
                       static_cast<QDialog *>(&general)}) {
        auto *close = d->findChild<QPushButton *>(QStringLiteral("Button1"));
        QVERIFY(close);
        QCOMPARE(close->text(), QStringLiteral("Close"));
    }
}

void TestStatistics::dialogByDocument_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QStringList>("values"); // label=value

    QTest::newRow("html page") << "page.html"
                               << "<p class=\"a\">x &amp; y</p>\n<foo>\n"
                               << "StatisticsHTMLFrm"
                               << QStringList {"Tags:",
                                               "TagCountLabel=1",
                                               "IDsLabel=1",
                                               "Language elements:",
                                               "AmpersandLabel=1",
                                               "UndefCountLabel=1",
                                               "CommentsLabel=0",
                                               "Editor:",
                                               "WordsLabel=15",
                                               "LettersLabel=31",
                                               "Label19=2"};
    QTest::newRow("java source") << "x.java"
                                 << "class X {\n  int x = 5; // c\n}\n"
                                 << "StatisticsFrm"
                                 << QStringList {
                                        "Classes:",       "Label2=1",        "Language elements:",
                                        "IDsLabel=2",     "KeywordsLabel=2", "CommentsLabel=1",
                                        "NumbersLabel=1", "StringsLabel=0",  "Editor:",
                                        "WordsLabel=10",  "LettersLabel=27", "Label19=3"};
    QTest::newRow("text file") << "notes.txt"
                               << "one two  three\n"
                               << "GeneralStatistics"
                               << QStringList {"Editor:", "WordsLabel=3", "LettersLabel=14",
                                               "Label19=1"};
}

// The dialog of the active document, counted, shown without blocking; none without one.
void TestStatistics::dialogByDocument()
{
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(QString, dialog);
    QFETCH(QStringList, values);
    FakeFeatureHost host;
    StatisticsCommand command(host);
    QVERIFY(!command.Statistics1Click());
    host.open(caption, text);
    QDialog *d = command.Statistics1Click();
    QCOMPARE(openDialogs(host.window()), QList<QDialog *>({d}));
    QCOMPARE(d->objectName(), dialog);
    QVERIFY(d->isVisible());
    QVERIFY(!d->isModal());
    QVERIFY(d->isWindow());
    QCOMPARE(layoutOf(d), values);
}

void TestStatistics::menuItemOpensOneDialogEachTime()
{
    ShellFixture f;
    TMainForm *main = f.start();
    QAction *statistics = main->action(QStringLiteral("Statistics1"));
    statistics->trigger();
    QVERIFY(openDialogs(main).isEmpty());
    QVERIFY(f.prompter.calls.isEmpty());

    main->LoadFile(f.write("x.java", "class X {}\n"));
    statistics->trigger();
    main->LoadFile(f.write("page.htm", "<p>\n"));
    statistics->trigger();
    statistics->trigger();
    QList<QDialog *> dialogs = openDialogs(main);
    QCOMPARE(dialogs.size(), 3);
    QCOMPARE(dialogs.first()->objectName(), QStringLiteral("StatisticsFrm"));
    QPointer<QDialog> first = dialogs.first();
    QVERIFY(
        std::all_of(dialogs.cbegin(), dialogs.cend(), [](QDialog *d) { return d->isVisible(); }));

    first->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QCOMPARE(openDialogs(main).size(), 2);
}

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
