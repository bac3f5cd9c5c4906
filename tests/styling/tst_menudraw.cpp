#include "FlatMenuKit.h"

#include <QTest>

// Flat menu items drawn by the style from hand-built options, pixel by pixel. Positions are
// relative to the item (a 150 x 22 popup item, a 60 x 22 menu-bar item); colours are the
// working colours of the classic system colours: menu 246 gray, icon column 202 gray,
// selection fill (173, 173, 214) framed navy, disabled text 141 gray, separator 160 gray.
class TestMenuDraw : public QObject
{
    Q_OBJECT

private slots:
    void popupBackgroundAndSelection();
    void disabledTextOverSelection();
    void gradientRisesTowardsWhite();
    void glyphs();
    void wideGlyphPushesCaption();
    void checkMarks();
    void separatorRow();
    void barItems();
    void barIsOneSurface();
    void defaultItemShadow();
    void eightBitFallbacks();

private:
    FlatMenuStyle style;
};

namespace {
const QRgb navy = qRgb(0, 0, 128);
const QRgb fill = qRgb(173, 173, 214);
const QRgb red = qRgb(255, 0, 0);

struct Probe {
    int x, y;
    QRgb color;
    const char *what;
};

QString name(QRgb c)
{
    return QStringLiteral("(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

bool pixelsAre(const QImage &image, std::initializer_list<Probe> probes, QString *failure)
{
    for (const Probe &p : probes) {
        const QRgb got = px(image, p.x, p.y);
        if (got != (p.color | 0xFF000000u)) {
            *failure = QStringLiteral("%1 at (%2, %3): %4, expected %5")
                           .arg(QLatin1String(p.what))
                           .arg(p.x)
                           .arg(p.y)
                           .arg(name(got), name(p.color));
            return false;
        }
    }
    return true;
}

#define EXPECT_PIXELS(image, ...)                                                                  \
    do {                                                                                           \
        QString failure;                                                                           \
        QVERIFY2(pixelsAre(image, __VA_ARGS__, &failure), qPrintable(failure));                    \
    } while (false)

// The darkest pixel of an area (by its green channel: all our text colours are grays).
QRgb darkest(const QImage &image, const QRect &area)
{
    QRgb result = qRgb(255, 255, 255);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGreen(image.pixel(x, y)) < qGreen(result))
                result = image.pixel(x, y) | 0xFF000000u;
    return result;
}
} // namespace

void TestMenuDraw::popupBackgroundAndSelection()
{
    FlatWindow w;
    QStyleOptionMenuItem o = itemOption(QStringLiteral("Ab"));
    EXPECT_PIXELS(drawnItem(style, o, w.menu),
                  {{0, 0, gray(202), "icon column"},
                   {23, 21, gray(202), "icon column end"},
                   {24, 1, gray(246), "menu"},
                   {149, 21, gray(246), "menu at the right"}});

    // The selection leaves the top row; with the flat frame it ends a pixel short.
    o.state |= QStyle::State_Selected;
    EXPECT_PIXELS(drawnItem(style, o, w.menu),
                  {{5, 0, gray(202), "top row"},
                   {30, 0, gray(246), "top row"},
                   {0, 1, navy, "frame top left"},
                   {148, 21, navy, "frame bottom right"},
                   {149, 10, gray(246), "right of the frame"},
                   {5, 10, fill, "fill over the icon column"},
                   {140, 10, fill, "fill"}});
    w.flat->setFlatMenu(false);
    EXPECT_PIXELS(drawnItem(style, o, w.menu), {{149, 10, navy, "frame at the right edge"}});
}

void TestMenuDraw::disabledTextOverSelection()
{
    FlatWindow w;
    // Without antialiasing every text pixel has the text colour.
    QFont font = w.flat->font();
    font.setStyleStrategy(QFont::NoAntialias);
    w.flat->setFont(font);
    QStyleOptionMenuItem o = itemOption(QStringLiteral("IIII HHHH"));
    o.state = QStyle::State_Selected; // disabled
    // A disabled pop-up item gets no selection; its text is the disabled colour.
    QImage image = drawnItem(style, o, w.menu);
    EXPECT_PIXELS(image, {{140, 10, gray(246), "no fill"}, {0, 1, gray(202), "no frame"}});
    QCOMPARE(name(darkest(image, QRect(24, 0, 120, 22))), name(gray(141)));

    // A menu-bar item whose menu is open keeps the selection, with the disabled text over it.
    QStyleOptionMenuItem b = itemOption(QStringLiteral("IIII"), QSize(60, 22));
    b.state = QStyle::State_Selected | QStyle::State_Sunken;
    image = drawnItem(style, b, w.bar, true);
    EXPECT_PIXELS(image, {{2, 20, fill, "fill"}});
    QCOMPARE(name(darkest(image, QRect(1, 1, 50, 20))), name(gray(141)));
}

void TestMenuDraw::gradientRisesTowardsWhite()
{
    FlatWindow w(true);
    // From the icon column's 202 gray: one level, then 3 a column over the icon column and 5
    // pixels beyond, then one a column up to 96.
    QStyleOptionMenuItem o = itemOption(QStringLiteral("Ab"));
    EXPECT_PIXELS(drawnItem(style, o, w.menu),
                  {{0, 1, gray(203), "first column"},
                   {1, 1, gray(204), "second column"},
                   {28, 1, gray(247), "last steep column"},
                   {29, 1, gray(248), "first gentle column"},
                   {39, 21, gray(253), "at 96"},
                   {149, 1, gray(253), "at the right"}});
    o.direction = Qt::RightToLeft;
    EXPECT_PIXELS(drawnItem(style, o, w.menu),
                  {{149, 1, gray(203), "mirrored first column"},
                   {121, 1, gray(247), "mirrored steep end"},
                   {0, 1, gray(253), "mirrored end"}});
}

void TestMenuDraw::glyphs()
{
    FlatWindow w;
    QStyleOptionMenuItem o = itemOption(QStringLiteral("Ab"));
    o.icon = solidGlyph(QSize(16, 16), Qt::red);
    // A 16-pixel glyph stands at (3, 3) in the 24-pixel column, dimmed by 30 percent.
    EXPECT_PIXELS(drawnItem(style, o, w.menu),
                  {{3, 3, qRgb(255, 76, 76), "dimmed glyph"},
                   {18, 18, qRgb(255, 76, 76), "dimmed glyph"},
                   {19, 19, gray(202), "below the glyph"}});

    // Disabled: gray (85 + 10), lightened by 40 percent.
    o.state = QStyle::State_None;
    EXPECT_PIXELS(drawnItem(style, o, w.menu), {{10, 10, gray(159), "gray glyph"}});

    // Selected: lifted a pixel up and left over its shadow, in its own colours.
    o.state = QStyle::State_Enabled | QStyle::State_Selected;
    const QRgb shadow = qRgb(123, 125, 164);
    EXPECT_PIXELS(drawnItem(style, o, w.menu),
                  {{2, 2, red, "lifted glyph"},
                   {17, 17, red, "lifted glyph"},
                   {19, 19, shadow, "shadow"},
                   {19, 4, shadow, "shadow"},
                   {18, 3, fill, "beside the shadow"}});

    // Checked and selected: neither lifted nor shadowed, on the selected check fill.
    o.checkType = QStyleOptionMenuItem::NonExclusive;
    o.checked = true;
    EXPECT_PIXELS(drawnItem(style, o, w.menu),
                  {{3, 3, red, "glyph in place"},
                   {2, 2, navy, "check frame"},
                   {19, 19, qRgb(128, 128, 192), "no shadow"}});
}

void TestMenuDraw::wideGlyphPushesCaption()
{
    FlatWindow w;
    QStyleOptionMenuItem o = itemOption(QStringLiteral("HHHH"));
    o.icon = solidGlyph(QSize(32, 16), Qt::red);
    const QImage image = drawnItem(style, o, w.menu);
    // The glyph from x = 2 to 33; the caption after the glyph's width + 4, the blank and 3.
    EXPECT_PIXELS(image,
                  {{2, 10, qRgb(255, 76, 76), "glyph"}, {33, 10, qRgb(255, 76, 76), "glyph"}});
    for (int x = 34; x < 39; ++x)
        for (int y = 0; y < 22; ++y)
            QVERIFY2(px(image, x, y) == gray(246), qPrintable(QString::number(x)));
    QVERIFY(qGreen(darkest(image, QRect(39, 0, 60, 22))) < 100);
}

void TestMenuDraw::checkMarks()
{
    FlatWindow w;
    // Without a glyph: a 10 x 10 square at (7, 6) with a tick whose long stroke reaches past
    // its top right corner.
    QStyleOptionMenuItem o = itemOption(QStringLiteral("Ab"));
    o.checkType = QStyleOptionMenuItem::NonExclusive;
    o.checked = true;
    const QRgb black = qRgb(0, 0, 0);
    EXPECT_PIXELS(drawnItem(style, o, w.menu),
                  {{7, 6, navy, "square"},
                   {16, 15, navy, "square"},
                   {8, 7, qRgb(204, 204, 230), "check fill"},
                   {8, 11, black, "tick"},
                   {10, 13, black, "tick"},
                   {14, 10, black, "tick"},
                   {18, 6, black, "tick past the square"},
                   {19, 5, gray(202), "tick end left out"}});
    o.state |= QStyle::State_Selected;
    EXPECT_PIXELS(drawnItem(style, o, w.menu), {{8, 7, qRgb(128, 128, 192), "selected fill"}});
    o.state = QStyle::State_None;
    EXPECT_PIXELS(drawnItem(style, o, w.menu),
                  {{7, 6, gray(141), "disabled square"}, {9, 12, gray(141), "disabled tick"}});

    // A radio item: a dot in the frame colour; unchecked, nothing.
    o = itemOption(QStringLiteral("Ab"));
    o.checkType = QStyleOptionMenuItem::Exclusive;
    o.checked = true;
    EXPECT_PIXELS(drawnItem(style, o, w.menu),
                  {{12, 11, navy, "dot"}, {8, 11, qRgb(204, 204, 230), "round the dot"}});
    o.checked = false;
    EXPECT_PIXELS(drawnItem(style, o, w.menu), {{12, 11, gray(202), "no dot"}});
}

void TestMenuDraw::separatorRow()
{
    FlatWindow w;
    QStyleOptionMenuItem o = itemOption(QString(), QSize(150, 4));
    o.menuItemType = QStyleOptionMenuItem::Separator;
    // Row 2 (2.5 rounded to even), from 7 pixels right of the text area to the right edge.
    EXPECT_PIXELS(drawnItem(style, o, w.menu),
                  {{31, 2, gray(160), "line start"},
                   {149, 2, gray(160), "line end"},
                   {30, 2, gray(246), "before the line"},
                   {31, 1, gray(246), "above"},
                   {31, 3, gray(246), "below"},
                   {5, 2, gray(202), "icon column"}});
}

void TestMenuDraw::barItems()
{
    FlatWindow w;
    QStyleOptionMenuItem o = itemOption(QStringLiteral("Ab"), QSize(60, 22));
    // Open: framed on three sides up to R - 8, with the shadow band in the last 7 columns.
    o.state = QStyle::State_Enabled | QStyle::State_Selected | QStyle::State_Sunken;
    EXPECT_PIXELS(drawnItem(style, o, w.bar, true),
                  {{0, 21, navy, "frame left"},
                   {30, 0, navy, "frame top"},
                   {52, 21, navy, "frame right"},
                   {2, 20, fill, "fill"},
                   {53, 21, qRgb(92, 94, 92), "band"},
                   {55, 21, qRgb(132, 134, 132), "band"},
                   {57, 21, qRgb(162, 164, 162), "band"},
                   {59, 21, qRgb(182, 184, 182), "band"},
                   {56, 0, qRgb(182, 184, 182), "band top"},
                   {59, 3, gray(192), "rounded top"}});
    // Hovered with its menu closed: a framed fill that leaves the band's place.
    o.state = QStyle::State_Enabled | QStyle::State_Selected;
    EXPECT_PIXELS(drawnItem(style, o, w.bar, true),
                  {{0, 0, navy, "frame"},
                   {52, 10, navy, "frame right"},
                   {2, 20, fill, "fill"},
                   {53, 10, gray(192), "menu bar"}});
    // Right to left: the 2-pixel strip instead of the band.
    o.state = QStyle::State_Enabled | QStyle::State_Selected | QStyle::State_Sunken;
    o.direction = Qt::RightToLeft;
    EXPECT_PIXELS(drawnItem(style, o, w.bar, true),
                  {{57, 10, navy, "frame right"},
                   {58, 5, qRgb(122, 124, 122), "strip"},
                   {59, 1, gray(192), "strip top"}});
    // An item of the main menu bar is left alone by a component without the main menu.
    w.flat->setFlatControls({TFlatControl::fcPopupMenu});
    QCOMPARE(FlatMenuStyle::flatMenuFor(o, w.bar), nullptr);
}

// The whole menu bar, its items and the space around and beside them, is the items' colour.
void TestMenuDraw::barIsOneSurface()
{
    FlatWindow w;
    w.bar->setStyle(&style);
    w.bar->addMenu(QStringLiteral("&File"));
    w.bar->addMenu(QStringLiteral("&Edit"));
    w.bar->resize(300, w.bar->sizeHint().height());
    const QImage image = w.bar->grab().toImage();
    const QRect first = w.bar->actionGeometry(w.bar->actions().first());
    const QRect last = w.bar->actionGeometry(w.bar->actions().last());
    EXPECT_PIXELS(image,
                  {{first.left(), first.top(), gray(192), "item"},
                   {last.right() + 1, last.center().y(), gray(192), "right of the items"},
                   {250, 0, gray(192), "top row"},
                   {250, image.height() - 1, gray(192), "bottom row"},
                   {0, image.height() - 1, gray(192), "bottom left"}});
}

void TestMenuDraw::defaultItemShadow()
{
    FlatWindow w;
    QStyleOptionMenuItem o = itemOption(QStringLiteral("HHHH"));
    const QImage plain = drawnItem(style, o, w.menu);
    o.menuItemType = QStyleOptionMenuItem::DefaultItem;
    const QImage shadowed = drawnItem(style, o, w.menu);
    // The shadow passes lie right of and below the caption.
    int darker = 0;
    for (int y = 0; y < 22; ++y)
        for (int x = 24; x < 150; ++x)
            if (qGreen(shadowed.pixel(x, y)) < qGreen(plain.pixel(x, y)))
                ++darker;
    QVERIFY(darker > 10);
}

void TestMenuDraw::eightBitFallbacks()
{
    FlatWindow doc(true);
    doc.flat->setScreenDepth(8);
    QStyleOptionMenuItem o = itemOption(QStringLiteral("Ab"));
    o.icon = solidGlyph(QSize(16, 16), Qt::red);
    // No gradient, no dimming: white menu, button-face icon column, the glyph as it is.
    EXPECT_PIXELS(
        drawnItem(style, o, doc.menu),
        {{0, 0, gray(192), "icon column"}, {30, 1, gray(255), "menu"}, {10, 10, red, "glyph"}});
    o.state = QStyle::State_None;
    EXPECT_PIXELS(drawnItem(style, o, doc.menu), {{10, 10, gray(159), "still gray"}});

    FlatWindow w;
    w.flat->setScreenDepth(8);
    QStyleOptionMenuItem b = itemOption(QStringLiteral("Ab"), QSize(60, 22));
    b.state = QStyle::State_Enabled | QStyle::State_Selected | QStyle::State_Sunken;
    EXPECT_PIXELS(drawnItem(style, b, w.bar, true),
                  {{57, 10, navy, "frame right"},
                   {58, 5, qRgb(122, 124, 122), "strip"},
                   {59, 1, gray(192), "strip top"},
                   {2, 20, gray(255), "white fill"}});
}

QTEST_MAIN(TestMenuDraw)
#include "tst_menudraw.moc"
