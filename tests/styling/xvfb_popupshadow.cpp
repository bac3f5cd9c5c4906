#include "FlatMenuKit.h"
#include "ProcessWait.h"

#include <QScreen>
#include <QTest>

// On a real display (run through tests/support/run-in-xvfb): an open flat menu over a green
// window shows its frame and shadow bands on the screen, and the green window in its two cut
// corners.
class TestPopupShadow : public QObject
{
    Q_OBJECT

private slots:
    void shadowAndCutCornersOnScreen();
};

void TestPopupShadow::shadowAndCutCornersOnScreen()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X display");
    QApplication::setStyle(new FlatMenuStyle);

    QWidget backdrop(nullptr, Qt::FramelessWindowHint);
    QPalette green;
    green.setColor(QPalette::Window, Qt::green);
    backdrop.setPalette(green);
    backdrop.setAutoFillBackground(true);
    backdrop.setGeometry(0, 0, 400, 300);
    backdrop.show();
    QVERIFY(QTest::qWaitForWindowExposed(&backdrop));

    FlatWindow w;
    w.menu->addAction(QStringLiteral("&Open"));
    w.menu->addSeparator();
    w.menu->addAction(QStringLiteral("Quit"));
    w.menu->popup(QPoint(60, 60));
    QVERIFY(QTest::qWaitForWindowExposed(w.menu));
    const QRect g = w.menu->geometry();
    QVERIFY(QRect(0, 0, 400, 300).contains(g));

    const QRgb light = qRgb(102, 104, 102), dark = qRgb(116, 118, 116);
    const QRgb below = qRgb(0, 255, 0);
    QImage screen;
    // The server draws asynchronously: look until the menu is there.
    QTRY_VERIFY_WITH_TIMEOUT((screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage(),
                              px(screen, g.left(), g.top()) == light),
                             ProcessWait);
    QCOMPARE(px(screen, g.right(), g.top() + 5), dark);
    QCOMPARE(px(screen, g.left() + 5, g.bottom()), dark);
    QCOMPARE(px(screen, g.right(), g.bottom()), dark);
    QCOMPARE(px(screen, g.right() - 2, g.top() + 5), light);
    // The cut corners show the window below.
    for (const QPoint &p : {QPoint(g.right(), g.top()), QPoint(g.right() - 1, g.top() + 1),
                            QPoint(g.left(), g.bottom()), QPoint(g.left() + 1, g.bottom() - 1)})
        QCOMPARE(px(screen, p.x(), p.y()), below);
    // Beside the menu, the window too.
    QCOMPARE(px(screen, g.right() + 1, g.top() + 5), below);
}

QTEST_MAIN(TestPopupShadow)
#include "xvfb_popupshadow.moc"
