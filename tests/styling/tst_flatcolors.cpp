#include "styling/FlatColors.h"
#include "styling/WorkingColors.h"

#include <QTest>

using namespace FlatColors;

// The colour arithmetic and the working colours, against values worked out by hand from the
// classic system colours (button face 192 gray, button shadow 128 gray, highlight navy).
class TestFlatColors : public QObject
{
    Q_OBJECT

private slots:
    void lighten_data();
    void lighten();
    void darkenGrayAverage();
    void workingColors_data();
    void workingColors();
};

void TestFlatColors::lighten_data()
{
    QTest::addColumn<uint>("color");
    QTest::addColumn<int>("percent");
    QTest::addColumn<uint>("expected");
    QTest::newRow("button face 86") << uint(qRgb(192, 192, 192)) << 86 << uint(qRgb(246, 246, 246));
    QTest::newRow("button face 16") << uint(qRgb(192, 192, 192)) << 16 << uint(qRgb(202, 202, 202));
    QTest::newRow("highlight 68") << uint(qRgb(0, 0, 128)) << 68 << uint(qRgb(173, 173, 214));
    // 127.5 and 63.5: halves go to the even number.
    QTest::newRow("highlight 50") << uint(qRgb(0, 0, 128)) << 50 << uint(qRgb(128, 128, 192));
    QTest::newRow("2.5 down, 3.5 up")
        << uint(qRgb(230, 220, 255)) << 10 << uint(qRgb(232, 224, 255));
    QTest::newRow("red 30") << uint(qRgb(255, 0, 0)) << 30 << uint(qRgb(255, 76, 76));
    QTest::newRow("over 100 is 100") << uint(qRgb(1, 2, 3)) << 150 << uint(qRgb(255, 255, 255));
    QTest::newRow("zero") << uint(qRgb(1, 2, 3)) << 0 << uint(qRgb(1, 2, 3));
}

void TestFlatColors::lighten()
{
    QFETCH(uint, color);
    QFETCH(int, percent);
    QFETCH(uint, expected);
    QCOMPARE(uint(Lighten(color, percent)), expected);
}

void TestFlatColors::darkenGrayAverage()
{
    // Green is darkened by 2 less than red and blue; every channel stays within 0..255.
    QCOMPARE(uint(Darken(qRgb(192, 192, 192), 90)), uint(qRgb(102, 104, 102)));
    QCOMPARE(uint(Darken(qRgb(192, 192, 192), 100)), uint(qRgb(92, 94, 92)));
    QCOMPARE(uint(Darken(qRgb(10, 0, 255), 20)), uint(qRgb(0, 0, 235)));
    QCOMPARE(uint(Darken(qRgb(0, 254, 0), 0)), uint(qRgb(0, 255, 0)));

    QCOMPARE(uint(GrayColor(qRgb(30, 60, 91), 10)), uint(qRgb(70, 70, 70)));
    QCOMPARE(uint(GrayColor(qRgb(255, 0, 0), 10)), uint(qRgb(95, 95, 95)));
    QCOMPARE(uint(GrayColor(qRgb(255, 255, 255), 10)), uint(qRgb(240, 240, 240)));

    QCOMPARE(uint(Average({qRgb(10, 20, 30), qRgb(21, 0, 0)})), uint(qRgb(15, 10, 15)));
    QCOMPARE(uint(Average({})), uint(qRgb(0, 0, 0)));

    // System colours are resolved from the fixed table.
    QCOMPARE(uint(rgbOf(TColor(std::int32_t(0x8000000F)))), uint(qRgb(192, 192, 192)));
    QCOMPARE(uint(rgbOf(TColor(0x00102030))), uint(qRgb(0x30, 0x20, 0x10)));
}

namespace {
// Distinct own colours, so that each working colour shows where it comes from.
FlatMenuProperties ownColors(bool useDimColor)
{
    FlatMenuProperties p;
    p.UseSystemColors = false;
    p.UseDimColor = useDimColor;
    p.Color = TColor(0x00102030);
    p.IconBackColor = TColor(0x00405060);
    p.SelectColor = TColor(0x00FF8000);
    p.SelectBorderColor = TColor::clRed;
    p.SelectFontColor = TColor::clGreen;
    p.CheckedColor = TColor::clOlive;
    p.MenuBarColor = TColor::clTeal;
    p.DisabledColor = TColor::clMaroon;
    p.SeparatorColor = TColor::clNavy;
    return p;
}

QList<uint> listOf(const WorkingColors &w)
{
    return {w.menuBackground, w.iconColumn,   w.selectionFill,     w.selectionFrame,
            w.selectedText,   w.checkFill,    w.checkFillSelected, w.checkFrame,
            w.menuBar,        w.disabledText, w.separator,         w.borderLight,
            w.borderDark};
}

// Colours written "r,g,b" or, for a gray, "g"; separated by blanks.
QList<uint> colors(const char *text)
{
    QList<uint> result;
    for (const QString &c : QString::fromLatin1(text).split(u' ', Qt::SkipEmptyParts)) {
        const QStringList rgb = c.split(u',');
        result << (rgb.size() == 3 ? qRgb(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt())
                                   : qRgb(c.toInt(), c.toInt(), c.toInt()));
    }
    return result;
}
} // namespace

void TestFlatColors::workingColors_data()
{
    QTest::addColumn<bool>("systemColors");
    QTest::addColumn<bool>("dim");
    QTest::addColumn<int>("depth");
    // Menu, icon column, selection fill and frame, selected text, check fill, check fill
    // selected, check frame, menu bar, disabled text, separator, light and dark border.
    QTest::addColumn<QList<uint>>("expected");
    QTest::newRow("system, deep") << true << false << 32
                                  << colors("246 202 173,173,214 0,0,128 0 204,204,230 "
                                            "128,128,192 0,0,128 192 141 160 102,104,102 "
                                            "116,118,116");
    QTest::newRow("system, 8 bits")
        << true << false << 8
        << colors("255 192 255 0,0,128 0 255 255 0,0,128 192 128 128 128 128");
    QTest::newRow("own, deep") << false << false << 16
                               << colors("48,32,16 96,80,64 0,128,255 255,0,0 0,128,0 0,128,255 "
                                         "0,128,255 128,128,0 0,128,128 128,0,0 0,0,128 "
                                         "102,104,102 116,118,116");
    QTest::newRow("own, deep, dimmed")
        << false << true << 24
        << colors("48,32,16 96,80,64 173,214,255 255,0,0 0,128,0 204,230,255 128,192,255 "
                  "128,128,0 0,128,128 128,0,0 0,0,128 102,104,102 116,118,116");
    QTest::newRow("own, 8 bits, dimming has no effect")
        << false << true << 8
        << colors("48,32,16 96,80,64 0,128,255 255,0,0 0,128,0 255 192 128,128,0 0,128,128 "
                  "128,0,0 0,0,128 128 128");
}

void TestFlatColors::workingColors()
{
    QFETCH(bool, systemColors);
    QFETCH(bool, dim);
    QFETCH(int, depth);
    QFETCH(QList<uint>, expected);
    FlatMenuProperties p = systemColors ? FlatMenuProperties() : ownColors(dim);
    p.FontColor = TColor::clBlack;
    QCOMPARE(listOf(WorkingColors::derive(p, depth >= 16)), expected);
}

QTEST_MAIN(TestFlatColors)
#include "tst_flatcolors.moc"
