// The Java block commands: the text functions, and the commands on an editor with their
// messages, caret and undo.
#include "FakePrompter.h"
#include "editor/EditorAdapter.h"
#include "shell/commands/BlockCommands.h"
#include "shell/commands/BlockEdit.h"

#include <QTest>

using Sel = QList<int>; // line1, col1, line2, col2 (anchor, caret); {line, col}: no selection

namespace {

const QString kComment = QStringLiteral("Comment");
const QString kUncomment = QStringLiteral("Uncomment");
const QString kIndent = QStringLiteral("Indent");
const QString kUnindent = QStringLiteral("Unindent");

const QString kRefusal = QStringLiteral(
    "Can't unindent this code because one of the lines in the code does not contain enought "
    "empty characters to perform the unindentation.");

void run(const QString &command, EditorAdapter &editor)
{
    if (command == kComment)
        BlockCommands::comment(nullptr, editor);
    else if (command == kUncomment)
        BlockCommands::uncomment(nullptr, editor);
    else if (command == kIndent)
        BlockCommands::indent(editor);
    else
        BlockCommands::unindent(nullptr, editor);
}

} // namespace

class TestBlockEdit : public QObject
{
    Q_OBJECT
private slots:
    void uncomment_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const char *rows[][2] = {{"/*int x;*/", "int x;"},
                                 {"// note", " note"},
                                 {"a // b /* c */ d", "a  b  c  d"},
                                 {"/*\n  x = 1;\n*/\n", "\n  x = 1;\n\n"},
                                 {"http://x", "http:x"},
                                 {"/*/", "/"},
                                 {"**/", "*"},
                                 {"///", "/"}};
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString(row[0]) << QString(row[1]);
        // A lone marker character stays, wherever it stands.
        for (const char *lone : {"x*y", "a/b", "/a", "*a", "a/", "a*", "/"})
            QTest::newRow(lone) << QString(lone) << QString(lone);
    }

    void uncomment()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(BlockEdit::uncomment(text), expected);
        QCOMPARE(BlockEdit::uncomment(BlockEdit::comment(text)), BlockEdit::uncomment(text));
    }

    void commands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Sel>("selection");
        QTest::addColumn<QString>("expected"); // empty: unchanged
        QTest::addColumn<Sel>("caret");        // after the command
        QTest::addColumn<QString>("message");  // empty: none

        const QString doc = QStringLiteral("first\n   one\n   two\nlast");
        const QString indented = QStringLiteral("first\n     one\n     two\nlast");
        const QString unindented = QStringLiteral("first\none\ntwo\nlast");
        auto row = [](const char *name, const QString &command, const QString &text, const Sel &sel,
                      const QString &expected, const Sel &caret,
                      const QString &message = QString()) {
            QTest::newRow(name) << command << text << sel << expected << caret << message;
        };
        row("comment", kComment, doc, {2, 4, 2, 7}, "first\n   /*one*/\n   two\nlast", {2, 11});
        row("comment without selection", kComment, doc, {2, 5}, {}, {2, 5},
            "You have to select the text you want to comment out!");
        row("uncomment", kUncomment, "a /*b*/ c", {1, 3, 1, 8}, "a b c", {1, 4});
        row("uncomment without selection", kUncomment, doc, {1, 1}, {}, {1, 1},
            "You have to select the text you want to uncomment!");

        row("indent to a line end", kIndent, doc, {2, 1, 3, 7}, indented, {3, 9});
        row("indent to column 1 of the next line", kIndent, doc, {2, 1, 4, 1}, indented, {4, 1});
        row("indent to mid-line", kIndent, doc, {2, 1, 3, 5}, indented, {3, 7});
        row("indent upwards selection", kIndent, doc, {4, 1, 2, 1}, indented, {4, 1});
        row("indent with a blank line", kIndent, "a\n\nb", {1, 1, 3, 2}, "  a\n  \n  b", {3, 4});
        row("indent without selection", kIndent, doc, {2, 4}, "first\n      one\n   two\nlast",
            {2, 7});
        row("indent an empty document", kIndent, "", {1, 1}, "   ", {1, 4});

        row("unindent to a line end", kUnindent, doc, {2, 1, 3, 7}, unindented, {3, 1});
        row("unindent to column 1 of the next line", kUnindent, doc, {2, 1, 4, 1}, unindented,
            {4, 1});
        row("unindent to mid-line", kUnindent, "   one\n   two\nx", {1, 1, 2, 6}, "one\ntwo\nx",
            {2, 1});
        row("unindent keeps what is after the blanks", kUnindent, "     one\n       two",
            {1, 1, 2, 10}, "  one\n    two", {2, 4});
        row("unindent tabs and control characters", kUnindent, "\t\t\tone\n\t \x01two",
            {1, 1, 2, 7}, "one\ntwo", {2, 1});
        row("unindent blank lines", kUnindent, "   a\n \n\n   b", {1, 1, 4, 5}, "a\n\n\nb", {4, 1});
        row("unindent without selection", kUnindent, doc, {3, 6}, "first\n   one\ntwo\nlast",
            {3, 3});
        row("unindent without selection near the start", kUnindent, doc, {3, 2},
            "first\n   one\ntwo\nlast", {3, 1});
        row("unindent a selection within a line", kUnindent, doc, {2, 4, 2, 7},
            "first\none\n   two\nlast", {2, 4});
        row("unindent one line to column 1 of the next", kUnindent, doc, {2, 1, 3, 1},
            "first\none\n   two\nlast", {3, 1});
        row("unindent refuses two blanks", kUnindent, "   one\n  two\nx", {1, 1, 2, 6}, {}, {2, 6},
            kRefusal);
        row("unindent refuses a short line", kUnindent, "   one\nab\n   two", {1, 1, 3, 7}, {},
            {3, 7}, kRefusal);
        row("unindent refuses the caret line", kUnindent, "x\n  y", {2, 4}, {}, {2, 4}, kRefusal);
    }

    void commands()
    {
        QFETCH(QString, command);
        QFETCH(QString, text);
        QFETCH(Sel, selection);
        QFETCH(QString, expected);
        QFETCH(Sel, caret);
        QFETCH(QString, message);

        FakePrompter prompter;
        EditorAdapter editor;
        editor.setText(text);
        if (selection.size() == 4)
            editor.setSelection(selection[0], selection[1], selection[2], selection[3]);
        else
            editor.setCaret(selection[0], selection[1]);
        const QString selectedBefore = editor.selectedText();

        run(command, editor);
        QCOMPARE((Sel {editor.caretLine(), editor.caretColumn()}), caret);

        if (message.isEmpty()) {
            QVERIFY(prompter.calls.isEmpty());
            QCOMPARE(editor.text(), expected);
            QVERIFY(!editor.hasSelection());
            // One undo step brings the text back.
            editor.undo();
            QCOMPARE(editor.text(), text);
        } else {
            QCOMPARE(prompter.calls.size(), 1);
            QCOMPARE(prompter.calls[0].caption, QStringLiteral("Information"));
            QCOMPARE(prompter.calls[0].text, message);
            QCOMPARE(prompter.calls[0].icon, Prompter::Information);
            QCOMPARE(editor.text(), text);
            QVERIFY(!editor.isModified());
            QCOMPARE(editor.selectedText(), selectedBefore);
        }
    }

    void lineBreaksOfTheDocumentStay()
    {
        FakePrompter prompter;
        EditorAdapter editor;
        TextFile::Format crlf;
        crlf.lineEnding = TextFile::LineEnding::CRLF;
        editor.setFormat(crlf);
        editor.setText(QStringLiteral("a\r\n   b\r\n   c\r\nd\r\n"));
        editor.setSelection(2, 1, 4, 1);
        BlockCommands::indent(editor);
        QCOMPARE(editor.text(), QStringLiteral("a\r\n     b\r\n     c\r\nd\r\n"));
        editor.setSelection(2, 1, 4, 1);
        BlockCommands::unindent(nullptr, editor);
        QCOMPARE(editor.text(), QStringLiteral("a\r\n  b\r\n  c\r\nd\r\n"));
        QCOMPARE(BlockEdit::indentBlock(QStringLiteral("x\ry\r\n")),
                 QStringLiteral("  x\r  y\r\n"));
    }
};

QTEST_MAIN(TestBlockEdit)
#include "tst_blockedit.moc"
