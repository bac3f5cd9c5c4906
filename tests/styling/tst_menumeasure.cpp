#include "FlatMenuKit.h"
#include "styling/MenuItemInfo.h"
#include "styling/MenuItemMeasure.h"
#include "styling/MenuTextMetrics.h"

#include <QStyleFactory>
#include <QTest>

// Item sizes: the caption's width + 5 (one "&" less), the shortcut with "WWW" before it, 6
// for a sub-menu arrow, the icon column or a wider glyph; the text's height and three
// quarters of it (halves to even), at least the glyph's height + 6; separators 4 high.
class TestMenuMeasure : public QObject
{
    Q_OBJECT

private slots:
    void widths();
    void heights();
    void separatorIsFourHigh();
    void styleMeasuresStyledMenusOnly();
};

namespace {
MenuItemInfo popupItem(const QString &caption, const QString &shortcut = QString())
{
    MenuItemInfo item;
    item.caption = caption;
    item.shortcut = shortcut;
    return item;
}
} // namespace

void TestMenuMeasure::widths()
{
    const QFontMetrics fm(QApplication::font());
    const MenuTextMetrics metrics(QApplication::font());
    const int iconWidth = 24;
    auto width = [&](const MenuItemInfo &item) {
        return measureMenuItem(item, metrics, iconWidth).width();
    };

    QCOMPARE(width(popupItem("Save")), fm.horizontalAdvance("Save") + 5 + 24);
    // A shortcut adds its text and "WWW"; a blank shortcut adds nothing.
    QCOMPARE(width(popupItem("Save", "Ctrl+S")), fm.horizontalAdvance("SaveCtrl+SWWW") + 5 + 24);
    QCOMPARE(width(popupItem("Save", "  ")), width(popupItem("Save")));
    // One "&" is taken off, however many there are.
    QCOMPARE(width(popupItem("&Save")),
             fm.horizontalAdvance("&Save") + 5 - fm.horizontalAdvance("&") + 24);
    QCOMPARE(width(popupItem("A&&B")),
             fm.horizontalAdvance("A&&B") + 5 - fm.horizontalAdvance("&") + 24);

    MenuItemInfo sub = popupItem("Reopen");
    sub.subMenu = true;
    QCOMPARE(width(sub), width(popupItem("Reopen")) + 6);
    // Menu-bar items have neither the arrow allowance nor the icon column.
    sub.barItem = true;
    QCOMPARE(width(sub), fm.horizontalAdvance("Reopen") + 5);

    // A glyph wider than the icon column counts with its own width.
    MenuItemInfo wide = popupItem("Save");
    wide.icon = solidGlyph(QSize(32, 16), Qt::red);
    QCOMPARE(width(wide), fm.horizontalAdvance("Save") + 5 + 32);
    MenuItemInfo narrow = popupItem("Save");
    narrow.icon = solidGlyph(QSize(16, 16), Qt::red);
    QCOMPARE(width(narrow), width(popupItem("Save")));
}

void TestMenuMeasure::heights()
{
    // Text heights whose three quarters end in a half, and the height each gives.
    const QHash<int, int> halves {{10, 18}, {14, 24}, {18, 32}, {22, 38}, {26, 46}, {30, 52}};
    QFont font = QApplication::font();
    int textHeight = 0;
    for (int pixels = 6; pixels < 40 && !halves.contains(textHeight); ++pixels) {
        font.setPixelSize(pixels);
        textHeight = QFontMetrics(font).height();
    }
    QVERIFY2(halves.contains(textHeight), "a font with such a height");
    const MenuTextMetrics metrics(font);
    QCOMPARE(measureMenuItem(popupItem("Save"), metrics, 24).height(), halves.value(textHeight));

    MenuItemInfo glyph = popupItem("Save");
    glyph.icon = solidGlyph(QSize(32, 32), Qt::red);
    const int withGlyph = measureMenuItem(glyph, metrics, 24).height();
    QCOMPARE(withGlyph, qMax(halves.value(textHeight), 38));
    font.setPixelSize(8);
    QCOMPARE(measureMenuItem(glyph, MenuTextMetrics(font), 24).height(), 38);
}

void TestMenuMeasure::separatorIsFourHigh()
{
    MenuItemInfo separator;
    separator.separator = true;
    separator.caption = QStringLiteral("ignored");
    for (int pixels : {6, 11, 40}) {
        QFont font = QApplication::font();
        font.setPixelSize(pixels);
        const QSize size = measureMenuItem(separator, MenuTextMetrics(font), 24);
        QCOMPARE(size, QSize(5 + 24, 4));
    }
}

void TestMenuMeasure::styleMeasuresStyledMenusOnly()
{
    FlatWindow w;
    FlatMenuStyle style;
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QAction *save = w.menu->addAction(QStringLiteral("Save"));
    QStyleOptionMenuItem o = itemOption(QStringLiteral("Save\tCtrl+S"));
    o.rect = w.menu->rect(); // as a menu measures: the option does not tell the item's place

    // The measured size and what the menu system adds to an item's width.
    const QFontMetrics fm(w.flat->font());
    const QSize flat(
        fm.horizontalAdvance("SaveCtrl+SWWW") + 5 + 24 + 2 * fm.averageCharWidth(),
        measureMenuItem(popupItem("Save"), MenuTextMetrics(w.flat->font()), 24).height());
    QCOMPARE(style.sizeFromContents(QStyle::CT_MenuItem, &o, QSize(300, 300), w.menu), flat);

    // Fusion's size when the item, the window or the component is kept out.
    const QSize fusionSize =
        fusion->sizeFromContents(QStyle::CT_MenuItem, &o, QSize(40, 20), w.menu);
    save->setProperty("tag", 999);
    QCOMPARE(style.sizeFromContents(QStyle::CT_MenuItem, &o, QSize(40, 20), w.menu), fusionSize);
    save->setProperty("tag", 0);
    w.flat->setActive(false);
    QCOMPARE(style.sizeFromContents(QStyle::CT_MenuItem, &o, QSize(40, 20), w.menu), fusionSize);
    w.flat->setActive(true);
    w.flat->setFlatControls({TFlatControl::fcMainMenu});
    QCOMPARE(style.sizeFromContents(QStyle::CT_MenuItem, &o, QSize(40, 20), w.menu), fusionSize);
}

QTEST_MAIN(TestMenuMeasure)
#include "tst_menumeasure.moc"
