#include "ShellFixture.h"
#include "completion/JavaMemberCompletion.h"
#include "completion/MemberListPopup.h"

#include <QTreeWidget>
#include <QtTest>

// On a real display (run through tests/support/run-in-xvfb), where the call tip's window leaves
// the keyboard with the editor: the parameter hint follows the commas typed, closes on Escape
// and where no call is open, comes back with Ctrl+Shift+Space, and shows 400 ms after "(".
class TestParamsHint : public QObject
{
    Q_OBJECT

private slots:
    void hintFollowsTheCaret()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display");
        ShellFixture f("[Tips]\r\ndoShow=0\r\n");
        f.write(QStringLiteral("completion/String.cmp"),
                "public String substring(int beginIndex, int endIndex)\r\n");
        f.start();
        TEditForm *w = f.main->LoadFile(
            f.write(QStringLiteral("A.java"), "class A {\n void m() {\n  String s;\n  \n }\n}"));
        f.main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.main.get()));
        EditorAdapter *e = w->editor();
        e->widget()->setFocus();
        e->setCaret(4, 3);
        auto type = [e](const QString &text) { QTest::keyClicks(e->widget(), text); };

        type(QStringLiteral("s."));
        auto *members = w->findChild<TCustomSynAutoComplete *>(QStringLiteral("JavaCompletion"));
        QTRY_VERIFY(members->isListShown());
        QTest::keyClick(members->Form->List, Qt::Key_Return);
        QCOMPARE(e->line(4), QStringLiteral("  s.substring()"));
        QTRY_VERIFY(e->widget()->hasFocus());
        QTRY_COMPARE(e->callTipHighlight(), QStringLiteral("int beginIndex"));

        // The popup's closing takes the keyboard from the window for a moment; the hint
        // outlasts it. (The sync takes in what the X server sent about it, however late.)
        QGuiApplication::sync();
        QTRY_COMPARE(e->callTipHighlight(), QStringLiteral("int beginIndex"));
        type(QStringLiteral("a, "));
        QTRY_COMPARE(e->callTipHighlight(), QStringLiteral("int endIndex"));
        QTest::keyClick(e->widget(), Qt::Key_Escape);
        QTRY_VERIFY(!e->isCallTipActive());
        QTest::keyClick(e->widget(), Qt::Key_Space, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(e->callTipHighlight(), QStringLiteral("int endIndex"));
        QTest::keyClick(e->widget(), Qt::Key_End); // past ")": the search fails
        QTRY_VERIFY(!e->isCallTipActive());

        type(QStringLiteral("; t.substring("));
        QVERIFY(!e->isCallTipActive());
        QTRY_COMPARE(e->callTipHighlight(), QStringLiteral("int beginIndex"));
        QCOMPARE(e->callTipText(), QStringLiteral("int beginIndex, int endIndex"));
    }
};

QTEST_MAIN(TestParamsHint)
#include "xvfb_paramshint.moc"
