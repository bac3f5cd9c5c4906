#include "ShellFixture.h"
#include "analysis/GeneralStatisticsDialog.h"
#include "analysis/HtmlStatisticsDialog.h"
#include "analysis/JavaStatisticsDialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {

QList<QDialog *> openDialogs(TMainForm *main)
{
    QList<QDialog *> out;
    for (QDialog *d : main->findChildren<QDialog *>(Qt::FindDirectChildrenOnly)) {
        if (d->objectName().contains(QLatin1String("Statistic")))
            out << d;
    }
    return out;
}

QString valueOf(QDialog *dialog, const char *label)
{
    auto *l = dialog->findChild<QLabel *>(QLatin1String(label));
    return l ? l->text() : QStringLiteral("no label");
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
    void severalOpenAndFreedOnClose();
    void nothingWithoutDocument();
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
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QStringList>("values"); // label=value

    QTest::newRow("html page") << "page.html" << QByteArray("<p class=\"a\">x &amp; y</p>\n<foo>\n")
                               << "StatisticsHTMLFrm"
                               << QStringList {"TagCountLabel=1",  "IDsLabel=1",
                                               "AmpersandLabel=1", "UndefCountLabel=1",
                                               "CommentsLabel=0",  "WordsLabel=15",
                                               "LettersLabel=31",  "Label19=2"};
    QTest::newRow("java source") << "x.java" << QByteArray("class X {\n  int x = 5; // c\n}\n")
                                 << "StatisticsFrm"
                                 << QStringList {
                                        "Label2=1",        "IDsLabel=2",      "KeywordsLabel=2",
                                        "CommentsLabel=1", "NumbersLabel=1",  "StringsLabel=0",
                                        "WordsLabel=10",   "LettersLabel=27", "Label19=3"};
    QTest::newRow("text file") << "notes.txt" << QByteArray("one two  three\n")
                               << "GeneralStatistics"
                               << QStringList {"WordsLabel=3", "LettersLabel=14", "Label19=1"};
    QTest::newRow("user language")
        << "prog.pas" << QByteArray("begin x := 'a'; end.\n") << "GeneralStatistics"
        << QStringList {"WordsLabel=10", "LettersLabel=20", "Label19=1"};
    QTest::newRow("empty java file")
        << "Empty.java" << QByteArray() << "StatisticsFrm"
        << QStringList {"Label2=0", "WordsLabel=0", "LettersLabel=0", "Label19=0"};
}

void TestStatistics::dialogByDocument()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, text);
    QFETCH(QString, dialog);
    QFETCH(QStringList, values);

    ShellFixture f;
    TMainForm *main = f.start();
    main->LoadFile(f.write(fileName, text));
    main->action(QStringLiteral("Statistics1"))->trigger();

    const QList<QDialog *> dialogs = openDialogs(main);
    QCOMPARE(dialogs.size(), 1);
    QDialog *d = dialogs.first();
    QCOMPARE(d->objectName(), dialog);
    QVERIFY(d->isVisible());
    QVERIFY(!d->isModal());
    QVERIFY(d->isWindow());
    for (const QString &v : values)
        QCOMPARE(v.section(u'=', 0, 0) + u'=' + valueOf(d, qPrintable(v.section(u'=', 0, 0))), v);
}

void TestStatistics::severalOpenAndFreedOnClose()
{
    ShellFixture f;
    TMainForm *main = f.start();
    main->LoadFile(f.write("x.java", "class X {}\n"));
    QAction *statistics = main->action(QStringLiteral("Statistics1"));
    statistics->trigger();
    main->LoadFile(f.write("page.htm", "<p>\n"));
    statistics->trigger();
    statistics->trigger();
    QList<QDialog *> dialogs = openDialogs(main);
    QCOMPARE(dialogs.size(), 3);
    QPointer<QDialog> first = dialogs.first();
    QVERIFY(
        std::all_of(dialogs.cbegin(), dialogs.cend(), [](QDialog *d) { return d->isVisible(); }));

    first->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QCOMPARE(openDialogs(main).size(), 2);
}

void TestStatistics::nothingWithoutDocument()
{
    ShellFixture f;
    TMainForm *main = f.start();
    main->action(QStringLiteral("Statistics1"))->trigger();
    QVERIFY(openDialogs(main).isEmpty());
    QVERIFY(f.prompter.calls.isEmpty());
}

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
