#include "host/ActionRegistry.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

// The registry of commands and menus by component name.
class TestActionRegistry : public QObject
{
    Q_OBJECT
private slots:
    // A taken name is refused by every way of adding, and nothing is created for it.
    void takenNamesAreRefused()
    {
        QMenuBar bar;
        ActionRegistry r;
        auto *file = new QMenu(QStringLiteral("&File"), &bar);
        file->setObjectName(QStringLiteral("File1"));
        bar.addMenu(file);
        QVERIFY(r.addMenu(file));
        QAction *save = r.addItem(file, QStringLiteral("Save1"), QStringLiteral("S&ave"));
        QVERIFY(save);
        QCOMPARE(save->objectName(), QStringLiteral("Save1"));
        QCOMPARE(r.action(QStringLiteral("Save1")), save);

        const int before = file->actions().size();
        QVERIFY(!r.addItem(file, QStringLiteral("Save1"), QStringLiteral("Again")));
        QVERIFY(!r.addSeparator(file, QStringLiteral("Save1")));
        QVERIFY(!r.addSubmenu(file, QStringLiteral("Save1"), QStringLiteral("Sub")));
        QVERIFY(!r.addItem(file, QString(), QStringLiteral("No name")));
        auto *stray = new QAction(QStringLiteral("Stray"), file);
        stray->setObjectName(QStringLiteral("File1")); // a menu's name is taken too
        QVERIFY(!r.add(stray));
        QCOMPARE(file->actions().size(), before);
        QCOMPARE(r.action(QStringLiteral("Save1")), save);
        QCOMPARE(r.action(QStringLiteral("File1")), file->menuAction());
        QCOMPARE(r.refusedNames(), QStringList({"Save1", "Save1", "Save1", QString(), "File1"}));
    }

    // Items go where asked; submenus are found as menus and as actions.
    void buildsMenus()
    {
        QMenuBar bar;
        ActionRegistry r;
        auto *edit = new QMenu(QStringLiteral("&Edit"), &bar);
        edit->setObjectName(QStringLiteral("Edit1"));
        bar.addMenu(edit);
        r.addMenu(edit);
        r.addItem(edit, QStringLiteral("Cut1"), QStringLiteral("Cut"));
        r.addItem(edit, QStringLiteral("Paste1"), QStringLiteral("Paste"));
        r.addItem(QStringLiteral("Edit1"), QStringLiteral("Copy1"), QStringLiteral("Copy"), 1);
        QMenu *sub = r.addSubmenu(edit, QStringLiteral("More1"), QStringLiteral("More"));
        r.addSeparator(sub, QStringLiteral("N1"));
        r.addItem(sub, QStringLiteral("Last1"), QStringLiteral("Last"));
        QVERIFY(
            !r.addItem(QStringLiteral("NoSuchMenu"), QStringLiteral("X1"), QStringLiteral("X")));

        QCOMPARE(r.menu(QStringLiteral("More1")), sub);
        QCOMPARE(r.action(QStringLiteral("More1")), sub->menuAction());
        QStringList order;
        for (QAction *a : r.inMenuOrder(&bar))
            order << a->objectName();
        QCOMPARE(order, QStringList({"Edit1", "Cut1", "Copy1", "Paste1", "More1", "N1", "Last1"}));
        QCOMPARE(r.names(),
                 QStringList({"Edit1", "Cut1", "Paste1", "Copy1", "More1", "N1", "Last1"}));
    }

    // A destroyed action leaves the registry, and its name may be used again.
    void destroyedActionsGo()
    {
        QMenu menu;
        ActionRegistry r;
        QPointer<QAction> a = r.addItem(&menu, QStringLiteral("Item1"), QStringLiteral("Item"));
        delete a.data();
        QVERIFY(!r.action(QStringLiteral("Item1")));
        QVERIFY(!r.contains(QStringLiteral("Item1")));
        QVERIFY(r.addItem(&menu, QStringLiteral("Item1"), QStringLiteral("Item again")));
        QCOMPARE(r.names(), QStringList({"Item1"}));
    }
};

QTEST_MAIN(TestActionRegistry)
#include "tst_actionregistry.moc"
