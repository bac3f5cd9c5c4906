// The editor's search and its large edits: the search against the text's own, Replace All,
// compound edits and undo.
#include "ScintillaOf.h"
#include "editor/EditorAdapter.h"
#include "editor/highlighting/Highlighter.h"

#include <QSignalSpy>
#include <QTest>

class TestEditorSearch : public QObject
{
    Q_OBJECT
private slots:
    void matchesOfTheCaseFoldedText_data();
    void matchesOfTheCaseFoldedText();
    void replaceAll();
    void compoundEditsReportOnce();
    void undoKeysTakeTheQuietWay();
    void stylesAfterAnEditInsideAWord();
};

void TestEditorSearch::matchesOfTheCaseFoldedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    const QString mixed =
        QStringLiteral("Key key_k KEY\nt\u00e9st k\u00e9y KEY\u00e9 \u212Aey sKey\n"
                       "\U0001F600key key\U0001F600 k-key\nSTRASSE stra\u00dfe key");
    QTest::newRow("ascii word") << mixed << "key";
    QTest::newRow("one letter") << mixed << "k";
    QTest::newRow("letter before non-ascii") << mixed << "ke";
    QTest::newRow("across a line break") << mixed << "KEY\nt";
    QTest::newRow("non-ascii needle") << mixed << QStringLiteral("\u00e9");
    QTest::newRow("plain ascii text") << QStringLiteral("a key, the keys; key_1 key") << "key";
    const QString accented =
        QStringLiteral("caf\u00e9 \u00e9t\u00e9 CAF\u00c9 b\u00e4r B\u00c4R "
                       "\u03a3\u039f\u03a6\u039f\u03a3 \u03c3\u03bf\u03c6\u03cc\u03c2");
    QTest::newRow("accented capital") << accented << QStringLiteral("\u00c9");
    QTest::newRow("accented small") << accented << QStringLiteral("\u00e4r");
    QTest::newRow("greek capital") << accented << QStringLiteral("\u03a3");
    QTest::newRow("greek word") << accented << QStringLiteral("\u03a3\u039f\u03a6\u038c\u03a3");
}

// Every match, forward from the start and backward from the end, with each of the four option
// sets, is the one the text's own case-insensitive search finds (whole words: no letter, digit
// or "_" on either side).
void TestEditorSearch::matchesOfTheCaseFoldedText()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    EditorAdapter editor;
    editor.setText(text);
    QsciScintilla *sci = scintillaOf(editor);
    auto isWord = [&text](qsizetype i) {
        return i >= 0 && i < text.size() && (text.at(i).isLetterOrNumber() || text.at(i) == u'_');
    };
    auto bytes = [&text](qsizetype i) { return long(text.left(i).toUtf8().size()); };
    for (int flags = 0; flags < 8; ++flags) {
        const bool matchCase = flags & 1;
        const bool wholeWord = flags & 2;
        const bool forward = flags & 4;
        const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
        QList<QPair<long, long>> expected;
        qsizetype from = forward ? 0 : text.size() - needle.size();
        while (from >= 0) {
            const qsizetype i =
                forward ? text.indexOf(needle, from, cs) : text.lastIndexOf(needle, from, cs);
            if (i < 0)
                break;
            const qsizetype end = i + needle.size();
            const bool whole = !isWord(i - 1) && !isWord(end);
            if (!wholeWord || whole)
                expected.append({bytes(i), bytes(end)});
            from = forward ? (!wholeWord || whole ? end : i + 1)
                           : (!wholeWord || whole ? i - needle.size() : i - 1);
        }
        QList<QPair<long, long>> actual;
        bool found = editor.findText(needle, matchCase, wholeWord, forward, false);
        while (found) {
            actual.append({sci->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART),
                           sci->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND)});
            found = editor.findText(needle, matchCase, wholeWord, forward, true);
        }
        QVERIFY2(actual == expected, qPrintable(QString::number(flags)));
    }
}

void TestEditorSearch::replaceAll()
{
    EditorAdapter editor;
    editor.setText(QStringLiteral("a b a\n\u00e9a a\u00e9 A"));
    editor.setCaret(1, 2);
    // "é" is a letter: "éa" and "aé" are no whole "a".
    QCOMPARE(editor.replaceAll(QStringLiteral("a"), QStringLiteral("aa"), true, true), 1);
    QCOMPARE(editor.text(), QStringLiteral("a b aa\n\u00e9a a\u00e9 A"));
    QCOMPARE(editor.caretLine(), 1);
    QCOMPARE(editor.caretColumn(), 7);
    editor.setCaret(1, 1);
    QCOMPARE(editor.replaceAll(QStringLiteral("A"), QString(), false, false), 6);
    QCOMPARE(editor.text(), QStringLiteral(" b \n\u00e9 \u00e9 "));
    QCOMPARE(editor.replaceAll(QStringLiteral("zz"), QStringLiteral("y"), false, false), 0);
}

void TestEditorSearch::compoundEditsReportOnce()
{
    EditorAdapter editor;
    editor.setText(QStringLiteral("one\ntwo\nthree"));
    QSignalSpy changed(&editor, &EditorAdapter::textChanged);
    QSignalSpy moved(&editor, &EditorAdapter::caretMoved);
    editor.beginCompoundEdit();
    editor.replaceLine(2, QStringLiteral("2"));
    editor.setCaret(3, 2);
    editor.insertAtCaret(QStringLiteral("x"));
    QCOMPARE(changed.size(), 0);
    QCOMPARE(moved.size(), 0);
    editor.endCompoundEdit();
    QCOMPARE(changed.size(), 1);
    QCOMPARE(moved.size(), 1);
    QCOMPARE(editor.text(), QStringLiteral("one\n2\ntxhree"));
    editor.undo();
    QCOMPARE(editor.text(), QStringLiteral("one\ntwo\nthree"));
    QCOMPARE(changed.size(), 2);

    // Nothing changed: no report.
    editor.beginCompoundEdit();
    editor.setCaret(1, 1);
    editor.endCompoundEdit();
    QCOMPARE(changed.size(), 2);
}

void TestEditorSearch::undoKeysTakeTheQuietWay()
{
    QWidget window;
    EditorAdapter editor(&window);
    window.show();
    editor.setText(QStringLiteral("a a a"));
    editor.replaceAll(QStringLiteral("a"), QStringLiteral("b"), false, false);
    QSignalSpy changed(&editor, &EditorAdapter::textChanged);
    QTest::keyClick(editor.widget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor.text(), QStringLiteral("a a a"));
    QCOMPARE(changed.size(), 1);
    QTest::keyClick(editor.widget(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(editor.text(), QStringLiteral("b b b"));
    QCOMPARE(changed.size(), 2);
    editor.undo();
    editor.undo(); // nothing left: no report
    QCOMPARE(changed.size(), 3);
}

// A comment put right after a keyword: the highlighter restyles from the line's start, so the
// text after it is not taken for the rest of that keyword.
void TestEditorSearch::stylesAfterAnEditInsideAWord()
{
    QWidget window;
    EditorAdapter editor(&window);
    Highlighter java(Highlighter::Java);
    editor.setHighlighter(&java);
    editor.setText(QStringLiteral("  int i = 0;\nint j;"));
    const QString keyword = editor.attributeNameAt(1, 3);
    const QString identifier = editor.attributeNameAt(1, 7);
    QVERIFY(!keyword.isEmpty() && keyword != identifier);
    editor.setSelection(1, 6, 1, 7);
    editor.insertAtCaret(QStringLiteral("/* */"));
    QCOMPARE(editor.attributeNameAt(1, 11), identifier); // "i"
    QVERIFY(editor.attributeNameAt(1, 6) != keyword);    // "/*"
    QCOMPARE(editor.attributeNameAt(2, 1), keyword);
}

QTEST_MAIN(TestEditorSearch)
#include "tst_editorsearch.moc"
