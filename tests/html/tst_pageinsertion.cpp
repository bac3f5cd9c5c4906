#include "editor/EditorAdapter.h"
#include "html/commands/HtmlInsertCommands.h"
#include "html/text/PageInsertion.h"

#include <QtTest>

namespace {

QStringList numbered(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("line %1").arg(i);
    return lines;
}

void load(EditorAdapter &editor, const QStringList &lines, int line, int column)
{
    editor.setText(lines.join(QLatin1Char('\n')));
    editor.setCaret(line, column);
}

} // namespace

// The editing services of the HTML commands: the insert and wrapping commands at the caret,
// and the blocks and attributes put into a page's tags.
class TestPageInsertion : public QObject
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
    // Each row: a document, the caret (and optionally a selection), one command handler, and
    // the lines and caret the command leaves.
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
        load(editor, lines, caret.at(0), caret.at(1));
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

    void soekOgLeggInn_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("expectedLine");
        QTest::addColumn<int>("expectedColumn");

        const QStringList page {"<html>", "<HEAD>", "</head>", "<body>", "</body>"};
        QTest::newRow("capital tag rewritten")
            << page << 4 << 3 << "<head>" << 2
            << QStringList {"<html>", "<head>", "f1", "  f2", "</head>", "<body>", "</body>"} << 6
            << 1;
        QTest::newRow("rest of tag line follows the block")
            << QStringList {"<head><title>T</title>", "</head>"} << 2 << 1 << "<head>" << 0
            << QStringList {"<head>", "f1", "  f2<title>T</title>", "</head>"} << 2 << 1;
        QStringList long40 = numbered(40);
        long40[4] = QStringLiteral("<head>");
        QStringList long40After = long40;
        long40After.insert(5, QStringLiteral("  f2"));
        long40After.insert(5, QStringLiteral("f1"));
        QTest::newRow("line 20 offset 15")
            << long40 << 20 << 5 << "<head>" << 15 << long40After << 35 << 1;
        QTest::newRow("offset past the end clamps to the last line")
            << page << 5 << 1 << "<head>" << 30
            << QStringList {"<html>", "<head>", "f1", "  f2", "</head>", "<body>", "</body>"} << 7
            << 1;
        QTest::newRow("missing tag leaves caret on first line")
            << page << 4 << 4 << "<script>" << 0 << page << 1 << 4;
        QTest::newRow("tag left of caret column on line 1 is passed over")
            << QStringList {"<head> first", "x", "<head> second"} << 2 << 3 << "<head>" << 0
            << QStringList {"<head> first", "x", "<head>", "f1", "  f2 second"} << 2 << 1;
        QTest::newRow("tag at caret column on line 1 is found")
            << QStringList {"ab<head>", "x"} << 2 << 3 << "<head>" << 0
            << QStringList {"ab<head>", "f1", "  f2", "x"} << 2 << 1;
        QTest::newRow("caret past line 1 end starts at its end")
            << QStringList {"ab", "<head>"} << 2 << 40 << "<head>" << 1
            << QStringList {"ab", "<head>", "f1", "  f2"} << 3 << 1;
        QTest::newRow("empty document")
            << QStringList {} << 1 << 1 << "<head>" << 0 << QStringList {} << 1 << 1;
    }

    void soekOgLeggInn()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(QString, tag);
        QFETCH(int, offset);
        QFETCH(QStringList, expected);

        EditorAdapter editor;
        load(editor, lines, line, column);
        PageInsertion::SoekOgLeggInn(&editor, tag, QStringLiteral("f1\r  f2"), offset);
        QCOMPARE(editor.lines(), expected);
        QTEST(editor.caretLine(), "expectedLine");
        QTEST(editor.caretColumn(), "expectedColumn");
        if (expected != lines) {
            QVERIFY(editor.isModified());
            editor.undo();
            QCOMPARE(editor.lines(), lines); // one undo step
        }
    }

    void leggInnTekstITag_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("breaks");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("expectedLine");

        const QStringList page {"<html>", "<BODY bgcolor=\"red\">", "</body>"};
        QTest::newRow("attribute before existing ones")
            << page << 3 << 0 << " onload=\"go()\""
            << QStringList {"<html>", "<body onload=\"go()\" bgcolor=\"red\">", "</body>"} << 3;
        QTest::newRow("attribute before closing bracket")
            << QStringList {"<body>"} << 1 << 0 << " onload=\"go()\""
            << QStringList {"<body onload=\"go()\">"} << 1;
        QTest::newRow("two line breaks")
            << page << 1 << 2 << "x"
            << QStringList {"<html>", "<body", "", "x bgcolor=\"red\">", "</body>"} << 3;
        QTest::newRow("missing tag") << QStringList {"<html>", "</html>"} << 2 << 1 << "x"
                                     << QStringList {"<html>", "</html>"} << 1;
    }

    void leggInnTekstITag()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, line);
        QFETCH(int, breaks);
        QFETCH(QString, text);

        EditorAdapter editor;
        load(editor, lines, line, 1);
        PageInsertion::LeggInnTekstITag(&editor, QStringLiteral("<body"), text, breaks);
        QTEST(editor.lines(), "expected");
        QTEST(editor.caretLine(), "expectedLine");
        QCOMPARE(editor.caretColumn(), 1);
    }

    void noDocument()
    {
        PageInsertion::SoekOgLeggInn(nullptr, QStringLiteral("<head>"), QStringLiteral("x"), 1);
        PageInsertion::LeggInnTekstITag(nullptr, QStringLiteral("<body"), QStringLiteral("x"), 0);
        PageInsertion::AlignmentTekst(nullptr, QStringLiteral("Left"));
        PageInsertion::StartEndTagTekst(nullptr, QStringLiteral("<i>"), QStringLiteral("</i>"));
        QVERIFY(PageInsertion::GetActiveEditorText(nullptr).isEmpty());
        QVERIFY(!HtmlInsert::run(nullptr, QStringLiteral("Table1Click")));
        EditorAdapter editor;
        QVERIFY(!HtmlInsert::run(&editor, QStringLiteral("Unknown1Click")));
        QCOMPARE(editor.lineCount(), 0);
    }
};

QTEST_MAIN(TestPageInsertion)
#include "tst_pageinsertion.moc"
