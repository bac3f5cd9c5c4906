#include "platform/TColor.h"

#include <QTest>

class TestTColor : public QObject
{
    Q_OBJECT

private slots:
    void toString_data();
    void toString();
    void fromString_data();
    void fromString();
    void invalidText_data();
    void invalidText();
    void toQColor_data();
    void toQColor();
};

void TestTColor::toString_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("black") << 0 << "clBlack";
    QTest::newRow("red") << 0x0000FF << "clRed";
    QTest::newRow("white") << 0xFFFFFF << "clWhite";
    QTest::newRow("cream") << 0xF0FBFF << "clCream";
    QTest::newRow("med gray") << 0xA4A0A0 << "clMedGray";
    QTest::newRow("scroll bar") << int(0x80000000u) << "clScrollBar";
    QTest::newRow("window") << int(0x80000005u) << "clWindow";
    QTest::newRow("highlight") << int(0x8000000Du) << "clHighlight";
    QTest::newRow("btn face") << int(0x8000000Fu) << "clBtnFace";
    QTest::newRow("info bk") << int(0x80000018u) << "clInfoBk";
    QTest::newRow("none") << 0x1FFFFFFF << "clNone";
    QTest::newRow("default") << 0x20000000 << "clDefault";
    QTest::newRow("unnamed") << 0xC0FFEE << "$00C0FFEE";
    QTest::newRow("unnamed system") << int(0x80000030u) << "$80000030";
}

void TestTColor::toString()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(TColor(value).toString(), text);
    TColor back;
    QVERIFY(TColor::fromString(text, back));
    QCOMPARE(back.value(), value);
}

void TestTColor::fromString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("lower-case name") << "clbtnface" << int(0x8000000Fu);
    QTest::newRow("upper-case name") << "CLRED" << 0x0000FF;
    QTest::newRow("decimal") << "255" << 255;
    QTest::newRow("negative system colour") << "-2147483643" << int(0x80000005u);
    QTest::newRow("hex") << "$00C0FFEE" << 0xC0FFEE;
    QTest::newRow("sign") << "+16" << 16;
    QTest::newRow("3D light") << "cl3DLight" << int(0x80000016u);
}

void TestTColor::fromString()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    TColor c;
    QVERIFY(TColor::fromString(text, c));
    QCOMPARE(c.value(), value);
    QCOMPARE(TColor::fromStringDef(text, TColor::clNone).value(), value);
}

void TestTColor::invalidText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("unknown name") << "clPink";
    QTest::newRow("name with blank") << " clRed";
    QTest::newRow("trailing text") << "12px";
    QTest::newRow("too big") << "$123456789";
    QTest::newRow("0x") << "0xFF";
}

void TestTColor::invalidText()
{
    QFETCH(QString, text);
    TColor c = TColor::clLime;
    QVERIFY(!TColor::fromString(text, c));
    QCOMPARE(c, TColor::clLime);
    QCOMPARE(TColor::fromStringDef(text, TColor::clAqua), TColor::clAqua);
}

void TestTColor::toQColor_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QColor>("color");
    QTest::newRow("red is the low byte") << 0x0000FF << QColor(255, 0, 0);
    QTest::newRow("BBGGRR") << 0x123456 << QColor(0x56, 0x34, 0x12);
    QTest::newRow("btn face") << TColor::clBtnFace.value() << QColor(192, 192, 192);
    QTest::newRow("window") << TColor::clWindow.value() << QColor(255, 255, 255);
    QTest::newRow("highlight") << TColor::clHighlight.value() << QColor(0, 0, 128);
    QTest::newRow("info bk") << int(0x80000018u) << QColor(255, 255, 225);
}

void TestTColor::toQColor()
{
    QFETCH(int, value);
    QFETCH(QColor, color);
    QCOMPARE(TColor(value).toQColor(), color);
    if (value >= 0) // plain colours come back; system colours become their RGB
        QCOMPARE(TColor::fromQColor(color).value(), value);
}

QTEST_APPLESS_MAIN(TestTColor)
#include "tst_tcolor.moc"
