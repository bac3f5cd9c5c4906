#include "styling/FlatMenuStyle.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

// The menu bar's extension button, which appears when the menus do not fit, has its double
// arrow at both sizes; other standard pictures are the base style's.
class TestMenuBarExtension : public QObject
{
    Q_OBJECT

private slots:
    void extensionButtonHasItsPicture()
    {
        FlatMenuStyle style;
        for (QStyle::StandardPixmap sp : {QStyle::SP_ToolBarHorizontalExtensionButton,
                                          QStyle::SP_ToolBarVerticalExtensionButton}) {
            const QIcon icon = style.standardIcon(sp, nullptr, nullptr);
            QVERIFY(!icon.pixmap(10, 10).isNull());
            QVERIFY(!icon.pixmap(20, 20).isNull());
        }
        QVERIFY(!style.standardIcon(QStyle::SP_DialogOkButton, nullptr, nullptr).isNull());

        QMainWindow window;
        window.menuBar()->setStyle(&style);
        for (int i = 0; i < 12; ++i)
            window.menuBar()->addMenu(QStringLiteral("Menu number %1").arg(i));
        window.resize(200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *extension = window.menuBar()->findChild<QToolButton *>();
        QVERIFY(extension);
        QTRY_VERIFY(extension->isVisible());
        QVERIFY(!extension->icon().isNull());
    }
};

QTEST_MAIN(TestMenuBarExtension)
#include "tst_menubarextension.moc"
