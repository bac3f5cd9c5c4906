#include "FlatMenuKit.h"
#include "ShellFixture.h"
#include "app/Features.h"
#include "styling/FlatMenuManager.h"
#include "styling/MenuItemInfo.h"
#include "styling/MenuItemMeasure.h"
#include "styling/MenuTextMetrics.h"

#include <QDialog>
#include <QStyleFactory>
#include <QTest>

// The components of the main window and the document windows, which of them draws which menu,
// and the manager's choice of the component for every other window.
class TestFlatMenuInstances : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mainAndDocumentWindowsHaveTheirOwn();
    void storedValues();
    void windowMadeLaterTakesTheMainWindowsLook();
    void keptOutMenusDrawAsFusion();
    void droppingPopupMenusGivesThemBack();
    void itemsAddedLaterAreStyled();
    void managerChoosesTheActiveComponent();
    void settersTakeEffect();

private:
    std::unique_ptr<QStyle> fusion;
};

namespace {
QImage shown(QMenu *menu)
{
    menu->popup(QPoint(40, 40));
    if (!QTest::qWaitForWindowExposed(menu))
        qWarning("menu not exposed");
    QImage image = menu->grab().toImage().convertToFormat(QImage::Format_RGB32);
    menu->hide();
    return image;
}

// A menu of the same items that Fusion alone draws.
QMenu *fusionCopy(QMenu *menu, QWidget *parent, QStyle *fusion)
{
    auto *copy = new QMenu(parent);
    copy->setStyle(fusion);
    copy->addActions(menu->actions());
    return copy;
}

void fill(QMenu *menu)
{
    menu->addAction(QStringLiteral("&Open"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    menu->addAction(QStringLiteral("Text file"));
    menu->addAction(QStringLiteral("Close"));
}

TFlatMenu *flatMenuOn(QWidget *window)
{
    return window->findChild<TFlatMenu *>(QStringLiteral("FlatMenu1"), Qt::FindDirectChildrenOnly);
}

int flatItemHeight(const TFlatMenu *flat)
{
    MenuItemInfo item;
    item.caption = QStringLiteral("x");
    return measureMenuItem(item, MenuTextMetrics(flat->font()), flat->iconWidth()).height();
}
} // namespace

void TestFlatMenuInstances::initTestCase()
{
    QApplication::setStyle(new FlatMenuStyle);
    fusion.reset(QStyleFactory::create(QStringLiteral("Fusion")));
}

// The main window's component is the active one; a document window gets its own, whose
// pop-up has the gradient. The start-up step switches the component off and on: it stays on.
void TestFlatMenuInstances::mainAndDocumentWindowsHaveTheirOwn()
{
    ShellFixture fx;
    TMainForm *m = fx.start();
    m->action(QStringLiteral("HTMLdocument1"))->trigger();
    TFlatMenu *mainFlat = flatMenuOn(m);
    QVERIFY(mainFlat && flatMenuOn(fx.active()));
    QCOMPARE(fx.features().flatMenu, mainFlat);
    QCOMPARE(TFlatMenuManager::existing()->activeFlatMenu(), mainFlat);
    fx.features().restartFlatMenu();
    QVERIFY(mainFlat->isActive());

    // Ten columns into the first item: on the gradient 202 lightened by 31 percent, in a plain
    // menu the icon column.
    const QImage document = shown(fx.active()->PopupMenu1);
    QCOMPARE(px(document, 13, 5), gray(218));
    QVERIFY(qGreen(document.pixel(60, 5)) > qGreen(document.pixel(30, 5)));
    const QImage file = shown(m->findChild<QMenu *>(QStringLiteral("File1")));
    QCOMPARE(px(file, 13, 5), gray(202));
    QCOMPARE(px(file, 60, 5), gray(246));
    QCOMPARE(px(shown(fx.child<QMenu>("PopupMenu3")), 13, 5), gray(202));
}

void TestFlatMenuInstances::storedValues()
{
    FlatWindow main, doc(true);
    TFlatMenu *mainFlat = main.flat, *docFlat = doc.flat;
    // Published values on the main window and on a document window (whose pop-up has the
    // gradient).
    const QString values = QStringLiteral(
        "Active=true FlatMenu=true DrawMenuBar=false AutoDetect=false DrawSelect=true "
        "UseSystemColors=true UseDimColor=false OverrideOwnerDraw=false DisableSubclassing=false "
        "IconWidth=24 DimLevel=30 GrayLevel=10 Color=clBtnFace IconBackColor=clBtnFace "
        "MenuBarColor=clBtnFace SeparatorColor=clBtnFace SelectColor=clHighlight "
        "SelectBorderColor=clHighlight CheckedColor=clHighlight DisabledColor=clInactiveCaption");
    auto text = [](const QVariant &v) {
        return v.metaType() == QMetaType::fromType<TColor>() ? v.value<TColor>().toString()
                                                             : v.toString();
    };
    for (const QString &value : values.split(u' ')) {
        const QString name = value.section(u'=', 0, 0);
        QCOMPARE(name + u'=' + text(mainFlat->property(qPrintable(name))), value);
        QCOMPARE(name + u'=' + text(docFlat->property(qPrintable(name))), value);
    }
    QCOMPARE(mainFlat->property("Gradient"), QVariant(false));
    QCOMPARE(docFlat->property("Gradient"), QVariant(true));

    // Both: Tahoma of 11 pixels in the menu text colour; the sets.
    for (TFlatMenu *f : {mainFlat, docFlat}) {
        QCOMPARE(f->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(f->font().pixelSize(), 11);
        QCOMPARE(f->fontColor(), TColor(std::int32_t(0x80000007)));
    }
    // Both: Tahoma of 11 pixels in the menu text colour; the sets.
    for (TFlatMenu *f : {mainFlat, docFlat}) {
        QCOMPARE(f->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(f->font().pixelSize(), 11);
        QCOMPARE(f->fontColor(), TColor(std::int32_t(0x80000007)));
    }
    QCOMPARE(mainFlat->flatControls(),
             (TFlatControls {TFlatControl::fcMainMenu, TFlatControl::fcPopupMenu,
                             TFlatControl::fcHotKey}));
    QCOMPARE(mainFlat->flatContainers().size(), 10);
    QCOMPARE(docFlat->flatControls(), TFlatControls {TFlatControl::fcPopupMenu});
    QVERIFY(docFlat->flatContainers().isEmpty());
}

void TestFlatMenuInstances::windowMadeLaterTakesTheMainWindowsLook()
{
    FlatWindow w;
    QWidget later;
    later.show();
    QMenu *menu = new QMenu(&later);
    fill(menu);
    QCOMPARE(TFlatMenuManager::existing()->stylingOf(menu).flatMenu, w.flat);
    const QImage image = shown(menu);
    QCOMPARE(px(image, 13, 5), gray(202));          // icon column
    QCOMPARE(px(image, 0, 0), qRgb(102, 104, 102)); // flat frame
    QVERIFY(!menu->mask().isEmpty());
    QCOMPARE(menu->actionGeometry(menu->actions().first()).height(), flatItemHeight(w.flat));
}

void TestFlatMenuInstances::keptOutMenusDrawAsFusion()
{
    FlatWindow w;
    // A window with tag 999 is not styled by the manager.
    QDialog dialog(&w.window);
    dialog.setProperty("tag", 999);
    QMenu menu(&dialog);
    fill(&menu);
    menu.addSeparator();
    QAction *check = menu.addAction(QStringLiteral("Check"));
    check->setCheckable(true);
    check->setChecked(true);
    menu.addMenu(QStringLiteral("More"))->addAction(QStringLiteral("x"));
    QMenu *reference = fusionCopy(&menu, &dialog, fusion.get());
    QCOMPARE(shown(&menu), shown(reference));
    QVERIFY(menu.mask().isEmpty());

    // The window's menus with its component switched off.
    QMenu *popup = w.menu;
    fill(popup);
    QMenu *popupReference = fusionCopy(popup, &w.window, fusion.get());
    w.flat->setActive(false);
    QCOMPARE(shown(popup), shown(popupReference));
    w.flat->setActive(true);
    QVERIFY(shown(popup) != shown(popupReference));

    // One item with tag 999 among flat siblings.
    QAction *text = popup->actions().at(1);
    text->setProperty("tag", 999);
    QEvent change(QEvent::StyleChange);
    QApplication::sendEvent(popup, &change);
    const QImage mixed = shown(popup);
    const QRect own = popup->actionGeometry(text);
    const QRect sibling = popup->actionGeometry(popup->actions().first());
    QCOMPARE(px(mixed, 5, sibling.center().y()), gray(202));
    QCOMPARE(px(mixed, 5, own.center().y()), gray(246)); // no icon column
    QVERIFY(own.height() != sibling.height());
}

void TestFlatMenuInstances::droppingPopupMenusGivesThemBack()
{
    FlatWindow w;
    fill(w.menu);
    QMenu *reference = fusionCopy(w.menu, &w.window, fusion.get());
    QMenu *file = w.bar->addMenu(QStringLiteral("&File"));
    fill(file);

    w.flat->setFlatControls({TFlatControl::fcMainMenu, TFlatControl::fcHotKey});
    QCOMPARE(shown(w.menu), shown(reference));
    QCOMPARE(px(shown(file), 13, 5), gray(202)); // the main menu stays flat
    QCOMPARE(TFlatMenuManager::existing()->stylingOf(file).kind, TFlatControl::fcMainMenu);

    w.flat->setFlatControls({TFlatControl::fcPopupMenu});
    QCOMPARE(px(shown(w.menu), 13, 5), gray(202));
    QVERIFY(px(shown(file), 13, 5) != gray(202));
}

void TestFlatMenuInstances::itemsAddedLaterAreStyled()
{
    FlatWindow w;
    fill(w.menu);
    shown(w.menu);
    QAction *later = w.menu->addAction(QStringLiteral("/tmp/Later.java"));
    shown(w.menu);
    const int flat = flatItemHeight(w.flat);
    for (QAction *a : w.menu->actions())
        QCOMPARE(w.menu->actionGeometry(a).height(), flat);
    QMenu *reference = fusionCopy(w.menu, &w.window, fusion.get());
    shown(reference);
    QVERIFY(reference->actionGeometry(later).height() != flat);
}

void TestFlatMenuInstances::managerChoosesTheActiveComponent()
{
    QVERIFY(!TFlatMenuManager::existing());
    {
        QWidget w1, w2, w3;
        auto *f1 = new TFlatMenu(&w1); // inactive when it registers
        f1->loaded();
        auto *f2 = TFlatMenu::makeDocumentFlatMenu(&w2);
        auto *f3 = TFlatMenu::makeMainWindowFlatMenu(&w3);
        TFlatMenuManager *manager = TFlatMenuManager::existing();
        QCOMPARE(manager->flatMenus(), (QList<TFlatMenu *> {f1, f2, f3}));
        QCOMPARE(manager->activeFlatMenu(), f2);
        QCOMPARE(manager->FindActive(f2), f3);

        // A window of its own component or of tag 999 is not the manager's to style; a menu
        // of neither (and one without window) is the active component's.
        QWidget plain, kept;
        kept.setProperty("tag", 999);
        QVERIFY(!manager->stylesForm(&w1));
        QVERIFY(!manager->stylesForm(&kept));
        QVERIFY(manager->stylesForm(&plain));
        QMenu onPlain(&plain), onKept(&kept), onW1(&w1), alone;
        QCOMPARE(manager->stylingOf(&onPlain).flatMenu, f2);
        QCOMPARE(manager->stylingOf(&alone).flatMenu, f2);
        QCOMPARE(manager->stylingOf(&onKept).flatMenu, nullptr);
        QCOMPARE(manager->stylingOf(&onW1).flatMenu, f1); // its own, inactive: Fusion

        // DisableSubclassing always reads false; setting it makes the manager look again.
        f2->setDisableSubclassing(true);
        QCOMPARE(f2->disableSubclassing(), false);
        QCOMPARE(manager->activeFlatMenu(), f3);

        delete f3; // the active one leaves: the next active one takes over
        QCOMPARE(manager->activeFlatMenu(), f2);
        f2->setActive(false);
        QCOMPARE(manager->activeFlatMenu(), f2); // only Add, Remove and the setter switch
        delete f2;
        QCOMPARE(manager->activeFlatMenu(), nullptr);
        QCOMPARE(manager->flatMenus(), QList<TFlatMenu *> {f1});
    }
    // The last component took the manager with it.
    QVERIFY(!TFlatMenuManager::existing());
}

void TestFlatMenuInstances::settersTakeEffect()
{
    FlatWindow w;
    TFlatMenu *flat = w.flat;
    // A colour setter derives the working colours again.
    flat->setUseSystemColors(false);
    flat->setSelectColor(TColor::clRed);
    QCOMPARE(flat->workingColors().selectionFill, qRgb(255, 0, 0));
    flat->setUseDimColor(true);
    flat->setSelectColor(TColor::clRed);
    QCOMPARE(flat->workingColors().selectionFill, qRgb(255, 173, 173));
    flat->setUseSystemColors(true);
    QCOMPARE(flat->workingColors().selectionFill, qRgb(173, 173, 214));

    // Switching the component measures its shown menus again.
    QMenu *popup = w.menu;
    fill(popup);
    shown(popup);
    const QSize flatSize = popup->sizeHint();
    flat->setActive(false);
    QVERIFY(popup->sizeHint() != flatSize);
    flat->setActive(true);
    QCOMPARE(popup->sizeHint(), flatSize);
}

QTEST_MAIN(TestFlatMenuInstances)
#include "tst_flatmenuinstances.moc"
