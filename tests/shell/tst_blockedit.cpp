// The Java block commands: the text functions, and the commands on an editor with their
// messages, caret and undo.
#include "FakePrompter.h"
#include "editor/EditorAdapter.h"
#include "shell/commands/BlockCommands.h"
#include "shell/commands/BlockEdit.h"

#include <QTest>

using Sel = QList<int>; // line1, col1, line2, col2 (anchor, caret); {line, col}: no selection

class TestBlockEdit : public QObject
{
    Q_OBJECT
private slots:
    void uncomment_data();
    void uncomment();
    void commands_data();
    void commands();
    void lineBreaksOfTheDocumentStay();
};

void TestBlockEdit::uncomment_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("block comment") << "/*int x;*/"
                                   << "int x;";
    QTest::newRow("line comment") << "// note"
                                  << " note";
    QTest::newRow("markers in the middle") << "a // b /* c */ d"
                                           << "a  b  c  d";
    QTest::newRow("over lines") << "/*\n  x = 1;\n*/\n"
                                << "\n  x = 1;\n\n";
    QTest::newRow("lone star in the middle") << "x*y"
                                             << "x*y";
    QTest::newRow("lone slash in the middle") << "a/b"
                                              << "a/b";
    QTest::newRow("slash at the start") << "/a"
                                        << "/a";
    QTest::newRow("star at the start") << "*a"
                                       << "*a";
    QTest::newRow("slash at the end") << "a/"
                                      << "a/";
    QTest::newRow("star at the end") << "a*"
                                     << "a*";
    QTest::newRow("lone slash") << "/"
                                << "/";
    QTest::newRow("address") << "http://x"
                             << "http:x";
    QTest::newRow("left to right") << "/*/"
                                   << "/";
    QTest::newRow("stars before the end") << "**/"
                                          << "*";
    QTest::newRow("three slashes") << "///"
                                   << "/";
}

void TestBlockEdit::uncomment()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(BlockEdit::uncomment(text), expected);
    QCOMPARE(BlockEdit::uncomment(BlockEdit::comment(text)), BlockEdit::uncomment(text));
}

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

void TestBlockEdit::commands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Sel>("selection");
    QTest::addColumn<QString>("expected"); // empty: unchanged
    QTest::addColumn<Sel>("caret");        // after the command
    QTest::addColumn<QString>("message");  // empty: none

    const QString doc = QStringLiteral("first\n   one\n   two\nlast");
    const QString none;

    QTest::newRow("comment") << kComment << doc << Sel {2, 4, 2, 7}
                             << "first\n   /*one*/\n   two\nlast" << Sel {2, 11} << none;
    QTest::newRow("comment without selection")
        << kComment << doc << Sel {2, 5} << none << Sel {2, 5}
        << "You have to select the text you want to comment out!";
    QTest::newRow("uncomment") << kUncomment << "a /*b*/ c" << Sel {1, 3, 1, 8} << "a b c"
                               << Sel {1, 4} << none;
    QTest::newRow("uncomment without selection")
        << kUncomment << doc << Sel {1, 1} << none << Sel {1, 1}
        << "You have to select the text you want to uncomment!";

    QTest::newRow("indent to a line end")
        << kIndent << doc << Sel {2, 1, 3, 7} << "first\n     one\n     two\nlast" << Sel {3, 9}
        << none;
    QTest::newRow("indent to column 1 of the next line")
        << kIndent << doc << Sel {2, 1, 4, 1} << "first\n     one\n     two\nlast" << Sel {4, 1}
        << none;
    QTest::newRow("indent to mid-line") << kIndent << doc << Sel {2, 1, 3, 5}
                                        << "first\n     one\n     two\nlast" << Sel {3, 7} << none;
    QTest::newRow("indent upwards selection")
        << kIndent << doc << Sel {4, 1, 2, 1} << "first\n     one\n     two\nlast" << Sel {4, 1}
        << none;
    QTest::newRow("indent with a blank line")
        << kIndent << "a\n\nb" << Sel {1, 1, 3, 2} << "  a\n  \n  b" << Sel {3, 4} << none;
    QTest::newRow("indent without selection")
        << kIndent << doc << Sel {2, 4} << "first\n      one\n   two\nlast" << Sel {2, 7} << none;
    QTest::newRow("indent an empty document")
        << kIndent << "" << Sel {1, 1} << "   " << Sel {1, 4} << none;

    QTest::newRow("unindent to a line end")
        << kUnindent << doc << Sel {2, 1, 3, 7} << "first\none\ntwo\nlast" << Sel {3, 1} << none;
    QTest::newRow("unindent to column 1 of the next line")
        << kUnindent << doc << Sel {2, 1, 4, 1} << "first\none\ntwo\nlast" << Sel {4, 1} << none;
    QTest::newRow("unindent to mid-line") << kUnindent << "   one\n   two\nx" << Sel {1, 1, 2, 6}
                                          << "one\ntwo\nx" << Sel {2, 1} << none;
    QTest::newRow("unindent keeps what is after the blanks")
        << kUnindent << "     one\n       two" << Sel {1, 1, 2, 10} << "  one\n    two"
        << Sel {2, 4} << none;
    QTest::newRow("unindent tabs and control characters")
        << kUnindent << "\t\t\tone\n\t \x01two" << Sel {1, 1, 2, 7} << "one\ntwo" << Sel {2, 1}
        << none;
    QTest::newRow("unindent blank lines")
        << kUnindent << "   a\n \n\n   b" << Sel {1, 1, 4, 5} << "a\n\n\nb" << Sel {4, 1} << none;
    QTest::newRow("unindent without selection")
        << kUnindent << doc << Sel {3, 6} << "first\n   one\ntwo\nlast" << Sel {3, 3} << none;
    QTest::newRow("unindent without selection near the start")
        << kUnindent << doc << Sel {3, 2} << "first\n   one\ntwo\nlast" << Sel {3, 1} << none;
    QTest::newRow("unindent a selection within a line")
        << kUnindent << doc << Sel {2, 4, 2, 7} << "first\none\n   two\nlast" << Sel {2, 4} << none;
    QTest::newRow("unindent one line to column 1 of the next")
        << kUnindent << doc << Sel {2, 1, 3, 1} << "first\none\n   two\nlast" << Sel {3, 1} << none;
    QTest::newRow("unindent refuses two blanks")
        << kUnindent << "   one\n  two\nx" << Sel {1, 1, 2, 6} << none << Sel {2, 6} << kRefusal;
    QTest::newRow("unindent refuses a short line")
        << kUnindent << "   one\nab\n   two" << Sel {1, 1, 3, 7} << none << Sel {3, 7} << kRefusal;
    QTest::newRow("unindent refuses the caret line")
        << kUnindent << "x\n  y" << Sel {2, 4} << none << Sel {2, 4} << kRefusal;
}

void TestBlockEdit::commands()
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

void TestBlockEdit::lineBreaksOfTheDocumentStay()
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
    QCOMPARE(BlockEdit::indentBlock(QStringLiteral("x\ry\r\n")), QStringLiteral("  x\r  y\r\n"));
}

QTEST_MAIN(TestBlockEdit)
#include "tst_blockedit.moc"
