#include "editor/EditorAdapter.h"

#include <QTest>

// The Tab key with smart tabs and tabs to spaces, and auto-indent on Enter.
class TestTypingAids : public QObject
{
    Q_OBJECT
private slots:
    void tabKey_data();
    void tabKey();
    void autoIndent();
};

void TestTypingAids::tabKey_data()
{
    QTest::addColumn<bool>("smart");
    QTest::addColumn<bool>("spaces");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("lineAfter");
    QTest::addColumn<int>("columnAfter");

    // Under the next word of the line above.
    QTest::newRow("first word") << true << true << "int  count = 1;\n\nend" << 2 << 1 << "     "
                                << 6;
    QTest::newRow("from inside a word")
        << true << true << "int  count = 1;\nab" << 2 << 3 << "ab   " << 6;
    QTest::newRow("empty lines skipped") << true << true << "    x = 1;\n\n   \n"
                                         << 3 << 1 << "       " << 5;
    // No word right of the caret above: an ordinary tab, as blanks.
    QTest::newRow("past the words")
        << true << true << "x = 1;\nabcdefg" << 2 << 8 << "abcdefg " << 9;
    QTest::newRow("first line") << true << true << "ab" << 1 << 3 << "ab      " << 9;
    QTest::newRow("smart tabs off")
        << false << true << "int  count;\n\nend" << 2 << 1 << "        " << 9;
    QTest::newRow("tab character")
        << false << false << "a\nb" << 2 << 2 << "b\t" << 3; // columns count characters
}

void TestTypingAids::tabKey()
{
    QFETCH(bool, smart);
    QFETCH(bool, spaces);
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QString, lineAfter);
    QFETCH(int, columnAfter);
    EditorAdapter editor;
    editor.setSmartTabs(smart);
    editor.setTabsToSpaces(spaces);
    editor.setText(text);
    editor.setCaret(line, column);
    QTest::keyClick(editor.widget(), Qt::Key_Tab);
    QCOMPARE(editor.line(line), lineAfter);
    QCOMPARE(editor.caretColumn(), columnAfter);
    QCOMPARE(editor.caretLine(), line);
}

void TestTypingAids::autoIndent()
{
    for (bool on : {true, false}) {
        EditorAdapter editor;
        editor.setAutoIndent(on);
        editor.setText("   x");
        editor.setCaret(1, 5);
        QTest::keyClick(editor.widget(), Qt::Key_Return);
        QTest::keyClicks(editor.widget(), "y");
        QCOMPARE(editor.line(2), on ? QString("   y") : QString("y"));
    }
}

QTEST_MAIN(TestTypingAids)
#include "tst_typingaids.moc"
