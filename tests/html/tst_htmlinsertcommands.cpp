#include "editor/EditorAdapter.h"
#include "html/commands/HtmlInsertCommands.h"

#include <QtTest>

// Each row: a document, the caret (and optionally a selection), one command handler, and
// the lines and caret the command leaves.
class TestHtmlInsertCommands : public QObject
{
    Q_OBJECT

private:
    static void row(const char *name, const char *handler, const QStringList &lines,
                    const QList<int> &caret, const QStringList &expected, int line, int column)
    {
        QTest::newRow(name) << QString::fromLatin1(handler) << lines << caret << expected << line
                            << column;
    }

private slots:
    void commands_data()
    {
        QTest::addColumn<QString>("handler");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<int>>("caret"); // line, column [, selection end line, column]
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("expectedLine");
        QTest::addColumn<int>("expectedColumn");

        // Skeletons, with and without indentation of the caret line.
        row("table", "Table1Click", {}, {1, 1},
            {"<table>", "  <tr>", "    <td></td>", "  </tr>", "</table>"}, 3, 9);
        row("table indented", "Table1Click", {"    "}, {1, 5},
            {"    <table>", "      <tr>", "        <td></td>", "      </tr>", "    </table>"}, 3,
            13);
        row("table after text", "Table1Click", {"  x", "y"}, {1, 4},
            {"  x<table>", "    <tr>", "      <td></td>", "    </tr>", "  </table>", "y"}, 3, 11);
        row("table tab is no indentation", "Table1Click", {"\tx"}, {1, 3},
            {"\tx<table>", "  <tr>", "    <td></td>", "  </tr>", "</table>"}, 3, 9);
        row("frameset indented", "Frameset11Click", {"  "}, {1, 3},
            {"  <frameset>", "    <frame src=\"\">", "  </frameset>"}, 2, 17);
        row("ordered list", "OrdnetListe1Click", {}, {1, 1}, {"<ol>", "  <li></li>", "</ol>"}, 2,
            7);
        row("unordered list indented", "Uordnetliste1Click", {"   "}, {1, 4},
            {"   <ul>", "     <li></li>", "   </ul>"}, 2, 10);
        row("select is never indented", "Selectfield1Click", {"    "}, {1, 5},
            {"    <select>", "  <option>", "</select>"}, 2, 11);
        row("form body", "Formbodyformform1Click", {}, {1, 1},
            {"<form method=\"POST\">", "", "</form>"}, 2, 4);
        row("form body indented", "Formbodyformform1Click", {"  "}, {1, 3},
            {"  <form method=\"POST\">", "  ", "  </form>"}, 2, 6);

        // One-line tags and the caret between quotes.
        row("image", "Bilde1Click", {"ab"}, {1, 2}, {"a<img src=\"\">b"}, 1, 12);
        row("link", "Lenke1Click", {}, {1, 1}, {"<a href=\"\"></a>"}, 1, 10);
        row("comment", "Kommentar1Click", {}, {1, 1}, {"<!--  -->"}, 1, 6);
        row("ruler", "Horisonallinjal1Click", {"x"}, {1, 1}, {"<hr>x"}, 1, 5);
        row("send button", "Button1Click", {}, {1, 1},
            {"<input type=\"submit\" value=\"Submit\" name=\"\">"}, 1, 43);
        row("caret past line end", "Bilde1Click", {"ab"}, {1, 5}, {"ab  <img src=\"\">"}, 1, 15);

        // The selection is replaced, except by Font.
        row("field replaces selection", "extfield2Click", {"xSELy"}, {1, 2, 1, 5},
            {"x<input type=\"text\" name=\"\">y"}, 1, 27);
        row("entity replaces selection", "Perthousand1Click", {"axyzb"}, {1, 2, 1, 5}, {"a&#137;b"},
            1, 8);
        row("list replaces two-line selection", "OrdnetListe1Click", {"  ab", "  cd"}, {1, 4, 2, 4},
            {"  a<ol>", "    <li></li>", "  </ol>d"}, 2, 9);
        row("font", "Font2Click", {}, {1, 1}, {"<font name=\"\"></font>"}, 1, 13);
        row("font around selection", "Font2Click", {"abc"}, {1, 1, 1, 4},
            {"<font name=\"\">abc</font>"}, 1, 16);

        // Entities keep their exact characters.
        row("tilde", "ilde1Click", {}, {1, 1}, {"&#152;"}, 1, 7);

        // Wrapping commands.
        row("centered", "Centered1Click", {"ab"}, {1, 1, 1, 3}, {"<div align=\"Center\">ab</div>"},
            1, 29);
        row("left, two lines", "LeftAligned1Click", {"a", "b"}, {1, 1, 2, 2},
            {"<div align=\"Left\">a", "b</div>"}, 2, 8);
        row("bold", "Bold1Click", {"x"}, {1, 2}, {"x<b></b>"}, 1, 9);
        row("italics and bold", "ItalicsAndBold1Click", {"x"}, {1, 1, 1, 2}, {"<b><i>x</i></b>"}, 1,
            16);
    }

    void commands()
    {
        QFETCH(QString, handler);
        QFETCH(QStringList, lines);
        QFETCH(QList<int>, caret);

        EditorAdapter editor;
        editor.setText(lines.join(QLatin1Char('\n')));
        editor.setCaret(caret.at(0), caret.at(1));
        if (caret.size() == 4)
            editor.setSelection(caret.at(0), caret.at(1), caret.at(2), caret.at(3));

        QVERIFY(HtmlInsert::run(&editor, handler));
        QTEST(editor.lines(), "expected");
        QTEST(editor.caretLine(), "expectedLine");
        QTEST(editor.caretColumn(), "expectedColumn");
        QVERIFY(editor.isModified());
        editor.undo();
        QCOMPARE(editor.lines(), lines); // one undo step
    }

    void noDocument()
    {
        QVERIFY(!HtmlInsert::run(nullptr, QStringLiteral("Table1Click")));
        EditorAdapter editor;
        QVERIFY(!HtmlInsert::run(&editor, QStringLiteral("Unknown1Click")));
        QCOMPARE(editor.lineCount(), 0);
    }
};

QTEST_MAIN(TestHtmlInsertCommands)
#include "tst_htmlinsertcommands.moc"
