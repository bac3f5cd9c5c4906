#include <QTest>

#include "styling/FlatColors.h"
#include "styling/WorkingColors.h"

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

uint gray(int g)
{
    return qRgb(g, g, g);
}
} // namespace

void TestFlatColors::workingColors_data()
{
    QTest::addColumn<bool>("systemColors");
    QTest::addColumn<bool>("dim");
    QTest::addColumn<int>("depth");
    // background, icon column, selection fill and frame, selected text, check fill, check
    // fill selected, check frame, menu bar, disabled text, separator, light and dark border.
    QTest::addColumn<QList<uint>>("expected");

    const uint navy = qRgb(0, 0, 128), white = gray(255), black = gray(0);
    QTest::newRow("system, deep") << true << false << 32 << QList<uint> {gray(246),
                                                                         gray(202),
                                                                         qRgb(173, 173, 214),
                                                                         navy,
                                                                         black,
                                                                         qRgb(204, 204, 230),
                                                                         qRgb(128, 128, 192),
                                                                         navy,
                                                                         gray(192),
                                                                         gray(141),
                                                                         gray(160),
                                                                         qRgb(102, 104, 102),
                                                                         qRgb(116, 118, 116)};
    QTest::newRow("system, 8 bits")
        << true << false << 8
        << QList<uint> {white, gray(192), white,     navy,      black,     white,    white,
                        navy,  gray(192), gray(128), gray(128), gray(128), gray(128)};
    const uint background = qRgb(48, 32, 16), icon = qRgb(96, 80, 64), select = qRgb(0, 128, 255);
    const uint red = qRgb(255, 0, 0), green = qRgb(0, 128, 0), olive = qRgb(128, 128, 0);
    const uint teal = qRgb(0, 128, 128), maroon = qRgb(128, 0, 0);
    QTest::newRow("own, deep") << false << false << 16
                               << QList<uint> {background,
                                               icon,
                                               select,
                                               red,
                                               green,
                                               select,
                                               select,
                                               olive,
                                               teal,
                                               maroon,
                                               navy,
                                               qRgb(102, 104, 102),
                                               qRgb(116, 118, 116)};
    QTest::newRow("own, deep, dimmed") << false << true << 24
                                       << QList<uint> {background,
                                                       icon,
                                                       qRgb(173, 214, 255),
                                                       red,
                                                       green,
                                                       qRgb(204, 230, 255),
                                                       qRgb(128, 192, 255),
                                                       olive,
                                                       teal,
                                                       maroon,
                                                       navy,
                                                       qRgb(102, 104, 102),
                                                       qRgb(116, 118, 116)};
    QTest::newRow("own, 8 bits, dimming has no effect")
        << false << true << 8
        << QList<uint> {background, icon, select, red,  green,     white,    gray(192),
                        olive,      teal, maroon, navy, gray(128), gray(128)};
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
