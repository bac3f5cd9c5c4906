#include "editor/EditorAdapter.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

// The editor's key filters, driven by real key events through the focused editor, and its
// marks by handle.
class TestKeysAndMarks : public QObject
{
    Q_OBJECT

    struct Window {
        QWidget widget;
        EditorAdapter *editor;
        Window() : editor(new EditorAdapter(&widget))
        {
            auto *layout = new QVBoxLayout(&widget);
            layout->addWidget(editor->widget());
            widget.resize(400, 300);
            widget.show();
            editor->widget()->setFocus();
        }
        // A key as the user types it: to the focused widget, press and release.
        void type(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
        {
            QWidget *target = QApplication::focusWidget();
            QVERIFY(target);
            QTest::keyClick(target, Qt::Key(key), mods);
        }
    };

private slots:
    void initTestCase()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.widget));
    }

    void filtersSeeKeysFirstAndMayConsumeThem()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.widget));
        QObject first;
        QObject second;
        QStringList seen;
        // The first consumes "x", the second (asked before it) consumes "y".
        w.editor->addKeyFilter(
            &first,
            [&](QKeyEvent *e) {
                seen << "first press " + e->text();
                return e->key() == Qt::Key_X;
            },
            [&](QKeyEvent *e) {
                seen << "first release " + e->text();
                return false;
            });
        w.editor->addKeyFilter(&second, [&](QKeyEvent *e) {
            seen << "second press " + e->text();
            return e->key() == Qt::Key_Y;
        });

        w.type(Qt::Key_A);
        w.type(Qt::Key_X);
        w.type(Qt::Key_Y);
        QCOMPARE(w.editor->text(), QStringLiteral("a"));
        QCOMPARE(seen,
                 (QStringList {"second press a", "first press a", "first release a",
                               "second press x", "first press x", "first release x",
                               "second press y", "first release y"}));
    }

    void filterGoesWithItsOwner()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.widget));
        auto owner = std::make_unique<QObject>();
        int calls = 0;
        w.editor->addKeyFilter(owner.get(), [&](QKeyEvent *) {
            ++calls;
            return true;
        });
        w.type(Qt::Key_B);
        QCOMPARE(calls, 1);
        QCOMPARE(w.editor->text(), QString());

        owner.reset();
        w.type(Qt::Key_B);
        QCOMPARE(calls, 1);
        QCOMPARE(w.editor->text(), QStringLiteral("b"));

        // A filter that ends its own owner while it runs.
        auto *selfEnding = new QObject;
        w.editor->addKeyFilter(selfEnding, [&](QKeyEvent *) {
            delete selfEnding;
            return false;
        });
        QObject other;
        w.editor->addKeyFilter(&other, {}, [](QKeyEvent *) { return false; });
        w.type(Qt::Key_C);
        w.type(Qt::Key_D);
        QCOMPARE(w.editor->text(), QStringLiteral("bcd"));

        w.editor->removeKeyFilters(&other);
        w.type(Qt::Key_E);
        QCOMPARE(w.editor->text(), QStringLiteral("bcde"));
    }

    void commandKeysGoToTheWindowsShortcuts()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.widget));
        auto *load = new QAction(&w.widget);
        load->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
        w.widget.addAction(load);
        int loads = 0;
        connect(load, &QAction::triggered, [&loads] { ++loads; });
        QObject feature;
        int filtered = 0;
        w.editor->addKeyFilter(&feature, [&filtered](QKeyEvent *e) {
            filtered += e->key() == Qt::Key_L;
            return false;
        });
        w.editor->setText(QStringLiteral("one\ntwo"));

        // Without a test the editor claims its own binding of Ctrl+L: the line is cut.
        w.type(Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(w.editor->lines(), QStringList({"two"}));
        QCOMPARE(loads, 0);
        QCOMPARE(filtered, 1);

        // With it, the window's shortcut runs; neither the editor nor the filter sees the key.
        QStringList asked;
        w.editor->setCommandKeys([&asked](const QKeySequence &key) {
            asked << key.toString(QKeySequence::PortableText);
            return key == QKeySequence(Qt::CTRL | Qt::Key_L);
        });
        w.type(Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(loads, 1);
        QCOMPARE(w.editor->lines(), QStringList({"two"}));
        QCOMPARE(filtered, 1);
        QVERIFY(asked.contains(QStringLiteral("Ctrl+L")));
        // Also when the command cannot run: the key is still not the editor's.
        load->setEnabled(false);
        w.type(Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(loads, 1);
        QCOMPARE(w.editor->lines(), QStringList({"two"}));
        QCOMPARE(filtered, 1);
        // Other keys are the editor's as before.
        w.type(Qt::Key_X);
        QCOMPARE(w.editor->lines(), QStringList({"xtwo"}));
    }

    void marksByHandleFollowTheirLines()
    {
        EditorAdapter ed;
        ed.setText(QStringLiteral("l1\nl2\nl3\nl4\nl5"));
        QCOMPARE(ed.addMarkerHandle(2, 1), -1); // not defined yet
        QPixmap glyph(8, 8);
        glyph.fill(Qt::blue);
        ed.defineMarker(1, glyph);
        ed.defineMarker(3, glyph);
        const int a = ed.addMarkerHandle(2, 1);
        const int b = ed.addMarkerHandle(2, 3); // a second mark on the same line
        const int c = ed.addMarkerHandle(4, 1);
        QVERIFY(a >= 0 && b >= 0 && c >= 0);
        QCOMPARE(QSet<int>({a, b, c}).size(), 3);
        QCOMPARE(ed.addMarkerHandle(0, 1), -1);
        QCOMPARE(ed.addMarkerHandle(7, 1), -1);
        QCOMPARE(ed.addMarkerHandle(1, 24), -1); // the editor's own marks are not lent out
        QCOMPARE(ed.markerLines(1), (QList<int> {2, 4}));

        // Two lines inserted above: every mark moves down with its text.
        ed.setCaret(1, 1);
        ed.insertAtCaret(QStringLiteral("new\nnew\n"));
        QCOMPARE(ed.markerLineOfHandle(a), 4);
        QCOMPARE(ed.markerLineOfHandle(b), 4);
        QCOMPARE(ed.markerLineOfHandle(c), 6);

        // The line of a and b deleted: they go to the line taking its place.
        ed.setSelection(4, 1, 5, 1);
        ed.insertAtCaret(QString());
        QCOMPARE(ed.line(4), QStringLiteral("l3"));
        QCOMPARE(ed.markerLineOfHandle(a), 4);
        QCOMPARE(ed.markerLineOfHandle(c), 5);

        ed.deleteMarkerHandle(a);
        QCOMPARE(ed.markerLineOfHandle(a), 0);
        QCOMPARE(ed.markerLineOfHandle(b), 4);
        QCOMPARE(ed.markerLineOfHandle(-1), 0);
    }
};

QTEST_MAIN(TestKeysAndMarks)
#include "tst_keysandmarks.moc"
