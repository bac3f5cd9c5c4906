#include "FlatMenuKit.h"

#include <QStyleFactory>
#include <QTest>

// The flat frame of a real pop-up menu, offscreen: its window mask, and the frame, icon-column
// strip and shadow pixels of the menu as it paints itself.
class TestPopupFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(new FlatMenuStyle); }
    void maskCutsTwoCorners();
    void frameAndShadow_data();
    void frameAndShadow();
    void rightToLeftStrip();
    void withoutFlatMenuFusionFrames();
};

namespace {
const QRgb light = qRgb(102, 104, 102), dark = qRgb(116, 118, 116);

void fill(QMenu *menu)
{
    menu->addAction(QStringLiteral("&Open"));
    menu->addSeparator();
    menu->addAction(QStringLiteral("Close"))->setEnabled(false);
    menu->addAction(QStringLiteral("Quit"));
}

QImage shown(QMenu *menu)
{
    menu->popup(QPoint(30, 30));
    if (!QTest::qWaitForWindowExposed(menu))
        qWarning("menu not exposed");
    return menu->grab().toImage().convertToFormat(QImage::Format_RGB32);
}
} // namespace

void TestPopupFrame::maskCutsTwoCorners()
{
    FlatWindow w;
    fill(w.menu);
    shown(w.menu);
    const int W = w.menu->width(), H = w.menu->height();
    QCOMPARE(w.menu->mask(), QRegion(0, 0, W - 2, H - 2) + QRegion(2, 2, W - 2, H - 2));
    QVERIFY(!w.menu->mask().contains(QPoint(W - 1, 0)));
    QVERIFY(!w.menu->mask().contains(QPoint(1, H - 1)));
    QVERIFY(w.menu->mask().contains(QPoint(W - 1, H - 1)));
    // The items lie within the 3-pixel border.
    const QRect first = w.menu->actionGeometry(w.menu->actions().first());
    QCOMPARE(first.topLeft(), QPoint(3, 3));
    QCOMPARE(first.width(), W - 6);
}

void TestPopupFrame::frameAndShadow_data()
{
    QTest::addColumn<bool>("document");
    QTest::newRow("main window's look") << false;
    QTest::newRow("document's gradient") << true;
}

void TestPopupFrame::frameAndShadow()
{
    QFETCH(bool, document);
    FlatWindow w(document);
    fill(w.menu);
    const QImage image = shown(w.menu);
    const int W = image.width(), H = image.height();
    QCOMPARE(px(image, 0, 0), light);
    QCOMPARE(px(image, W - 3, 0), light);
    QCOMPARE(px(image, 0, H - 3), light);
    QCOMPARE(px(image, W - 3, H / 2), light);
    QCOMPARE(px(image, 5, H - 3), light);
    // The strip inside the frame also covers the frame's bottom row.
    QCOMPARE(px(image, 1, H / 2), gray(202));
    QCOMPARE(px(image, 2, H / 2), gray(202));
    QCOMPARE(px(image, 1, H - 3), gray(202));
    // The shadow bands.
    QCOMPARE(px(image, W - 1, 2), dark);
    QCOMPARE(px(image, W - 2, H / 2), dark);
    QCOMPARE(px(image, 2, H - 1), dark);
    QCOMPARE(px(image, W - 1, H - 1), dark);
    // Rows 1 and 2 repeat row 3 (the first item's top row) across the frame.
    for (int x = 0; x <= W - 3; ++x) {
        QCOMPARE(px(image, x, 1), px(image, x, 3));
        QCOMPARE(px(image, x, 2), px(image, x, 3));
    }
    if (document) {
        QCOMPARE(px(image, 3, 3), gray(203)); // the gradient starts at the items' left
    } else {
        QCOMPARE(px(image, 3, 3), gray(202));
        QCOMPARE(px(image, 40, 3), gray(246));
    }
}

void TestPopupFrame::rightToLeftStrip()
{
    FlatWindow w;
    w.menu->setLayoutDirection(Qt::RightToLeft);
    fill(w.menu);
    const QImage image = shown(w.menu);
    const int W = image.width(), H = image.height();
    QCOMPARE(px(image, W - 3, H / 2), gray(202));
    QCOMPARE(px(image, W - 4, H / 2), gray(202)); // the icon column at the right
    QCOMPARE(px(image, 1, H / 2), gray(246));
    QCOMPARE(px(image, 0, H / 2), light);
    QCOMPARE(px(image, W - 1, H / 2), dark);
}

void TestPopupFrame::withoutFlatMenuFusionFrames()
{
    FlatWindow w;
    w.flat->setFlatMenu(false);
    fill(w.menu);
    const QImage image = shown(w.menu);
    QVERIFY(w.menu->mask().isEmpty());
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QCOMPARE(w.menu->style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, w.menu),
             fusion->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, w.menu));
    QVERIFY(px(image, 0, 0) != light);
    // The items are still flat.
    const QRect first = w.menu->actionGeometry(w.menu->actions().first());
    QCOMPARE(px(image, first.left() + 5, first.top() + 2), gray(202));
}

QTEST_MAIN(TestPopupFrame)
#include "tst_popupframe.moc"
