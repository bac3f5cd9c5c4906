// The tip of the day: the tips file, the window's choice of tips with a scripted random
// source, "Show tip on startup", and the shipped tips.txt.
#include "ScriptedRng.h"
#include "ShellFixture.h"
#include "app/Features.h"
#include "shell/help/HelpCommands.h"
#include "shell/help/TipWindowFrm.h"
#include "shell/help/TipsFile.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>

namespace {

QByteArray tipsText(int count, int tips)
{
    QByteArray text = "Tips\r\nfree line\r\n" + QByteArray::number(count) + "\r\n";
    for (int i = 1; i <= tips; ++i)
        text += "#" + QByteArray::number(i) + "%\r\nTip number " + QByteArray::number(i) + "\r\n";
    return text;
}

TTipWindowFrm *openTips(TMainForm *m)
{
    m->action(QStringLiteral("ipoftheday1"))->trigger();
    return m->findChild<TTipWindowFrm *>();
}

} // namespace

class TestTips : public QObject
{
    Q_OBJECT

private slots:
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

    void countLine_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("problem");
        QTest::newRow("count") << QStringList {"a", "b", "25"} << true << 25 << "";
        QTest::newRow("two lines")
            << QStringList {"a", "b"} << false << 0 << "Read beyond end of file";
        QTest::newRow("no integer") << QStringList {"a", "b", "many"} << false << 0
                                    << "'many' is not a valid integer value";
    }
    void countLine()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, ok);
        QFETCH(int, count);
        QFETCH(QString, problem);
        int got = 0;
        QString why;
        QCOMPARE(TipsFile::countOf(lines, got, &why), ok);
        if (ok)
            QCOMPARE(got, count);
        QCOMPARE(why, problem);
    }

    // The drawn tip is the current one; the window shows the one after it, wrapping to 1.
    void choiceOfTips_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("drawn"); // what the random source gives (0-based)
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("middle") << 5 << 1 << QStringList {"Tip number 3", "Tip number 4"};
        QTest::newRow("last wraps to first")
            << 5 << 3 << QStringList {"Tip number 5", "Tip number 1", "Tip number 2"};
        QTest::newRow("one tip shows it again")
            << 1 << 0 << QStringList {"Tip number 1", "Tip number 1", "Tip number 1"};
    }
    void choiceOfTips()
    {
        QFETCH(int, count);
        QFETCH(int, drawn);
        QFETCH(QStringList, shown);
        ShellFixture f;
        f.write(QStringLiteral("tips.txt"), tipsText(count, count));
        ScriptedRng rng({drawn});
        TMainForm *m = f.start();
        TTipWindowFrm *tips = openTips(m);
        QVERIFY(tips && tips->isVisible());
        QCOMPARE(tips->windowTitle(), QStringLiteral("Tip of the day"));
        QVERIFY(!tips->Image1->pixmap().isNull());
        QCOMPARE(rng.ranges, QList<int> {count});
        QStringList seen {tips->tipText()};
        for (int i = 1; i < shown.size(); ++i) {
            tips->NextButton->click();
            seen << tips->tipText();
        }
        QCOMPARE(seen, shown);
        QVERIFY(f.prompter.calls.isEmpty());
    }

    void tipWithoutTextKeepsThePreviousOne()
    {
        ShellFixture f;
        f.write(QStringLiteral("tips.txt"),
                "a\r\nb\r\n3\r\n#1%\r\none\r\n#2%\r\n# two\r\n#3%\r\nthree\r\n");
        ScriptedRng rng({2}); // current 3, shows 1
        TMainForm *m = f.start();
        TTipWindowFrm *tips = openTips(m);
        QCOMPARE(tips->tipText(), QStringLiteral("one"));
        tips->NextButton->click(); // tip 2 has no text
        QCOMPARE(tips->currentTip(), 2);
        QCOMPARE(tips->tipText(), QStringLiteral("one"));
        tips->NextButton->click();
        QCOMPARE(tips->tipText(), QStringLiteral("three"));
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
        ShellFixture f("[Tips]\r\ndoShow=1\r\n");
        if (!file.isNull())
            f.write(QStringLiteral("tips.txt"), file);
        ScriptedRng rng({3});
        TMainForm *m = f.start();
        TTipWindowFrm *tips = openTips(m);
        QVERIFY(tips && tips->isVisible());
        QVERIFY(rng.ranges.isEmpty());
        if (says.isEmpty()) {
            QVERIFY(f.prompter.calls.isEmpty());
        } else {
            QCOMPARE(f.prompter.calls.size(), 1);
            QVERIFY(f.prompter.calls.first().text.contains(f.path(QStringLiteral("tips.txt"))));
            QVERIFY2(f.prompter.calls.first().text.contains(says),
                     qPrintable(f.prompter.calls.first().text));
        }
        QCOMPARE(tips->tipText(), QString());
        tips->NextButton->click();
        QCOMPARE(tips->tipText(), QString());
        QVERIFY(tips->CheckBox1->isChecked());
        tips->CloseButton->click();
        QVERIFY(f.iniText().contains("doShow=1"));
        QVERIFY(!f.iniText().contains("doShow=0"));
    }

    void showOnStartupIsWrittenOnClose()
    {
        {
            ShellFixture f;
            f.write(QStringLiteral("tips.txt"), tipsText(3, 3));
            f.startUpTips = true;
            TMainForm *m = f.start();
            TTipWindowFrm *tips = m->findChild<TTipWindowFrm *>();
            QVERIFY(tips && tips->isVisible()); // the start-up tip
            QVERIFY(tips->CheckBox1->isChecked());
            tips->CheckBox1->setChecked(false);
            tips->close();
            QVERIFY(f.iniText().contains("[Tips]\r\ndoShow=0\r\n"));

            // The next start-up opens no tip window.
            ShellFixture g(f.iniText());
            g.write(QStringLiteral("tips.txt"), tipsText(3, 3));
            g.startUpTips = true;
            TMainForm *again = g.start();
            QVERIFY(!again->findChild<TTipWindowFrm *>());
            // The Help menu still opens it, unticked.
            TTipWindowFrm *asked = openTips(again);
            QVERIFY(asked && !asked->CheckBox1->isChecked());
        }
    }

    void shippedTipsFileIsWellFormed()
    {
        const QString source = qEnvironmentVariable("QMEDITOR_SOURCE");
        if (source.isEmpty())
            QSKIP("QMEDITOR_SOURCE is not set");
        TextFile::Content content;
        QVERIFY(TextFile::load(source + QStringLiteral("/data/tips.txt"), content));
        const QStringList lines = EditorAdapter::splitLines(content.text);
        int count = 0;
        QVERIFY(TipsFile::countOf(lines, count, nullptr));
        QVERIFY(count >= 20 && count <= 30);
        static const QRegularExpression marker(QStringLiteral("#(\\d+)%"));
        QList<int> markers;
        for (int i = 3; i < lines.size(); ++i) {
            const QRegularExpressionMatch mm = marker.match(lines.at(i));
            if (mm.hasMatch()) {
                markers << mm.captured(1).toInt();
                QVERIFY(i + 1 < lines.size());
                QVERIFY(!lines.at(i + 1).trimmed().isEmpty());
                QVERIFY(!lines.at(i + 1).contains(u'#'));
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

QTEST_MAIN(TestTips)
#include "tst_tips.moc"
