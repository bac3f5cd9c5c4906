#include "editor/EditorAdapter.h"
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

class TestPageInsertion : public QObject
{
    Q_OBJECT

private slots:
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
    }
};

QTEST_MAIN(TestPageInsertion)
#include "tst_pageinsertion.moc"
