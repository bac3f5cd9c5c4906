#include "ScintillaOf.h"
#include "editor/EditorAdapter.h"
#include "editor/highlighting/GeneralLexer.h"
#include "editor/highlighting/Highlighter.h"
#include "platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>

class TestHighlighter : public QObject
{
    Q_OBJECT

private slots:
    void javaAttributeNames()
    {
        Highlighter h(Highlighter::Java);
        QCOMPARE(h.attributeNames(),
                 (QStringList {"Comment", "Documentation", "Identifier", "Invalid symbol",
                               "Reserved word", "Number", "Space", "String", "Symbol"}));
        QCOMPARE(h.languageName(), QStringLiteral("Java"));
        QCOMPARE(h.indexOfAttribute(QStringLiteral("Reserved word")), 4);
        QCOMPARE(h.indexOfAttribute(QStringLiteral("reserved word")), -1);
    }

    void everyKindHasLexerSampleAndAttributes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("lexerName");
        QTest::newRow("Java") << int(Highlighter::Java) << "Java" << QByteArray("cpp");
        QTest::newRow("HTML") << int(Highlighter::HTML) << "HTML" << QByteArray("hypertext");
        QTest::newRow("CSS") << int(Highlighter::CSS) << "CSS" << QByteArray("css");
        QTest::newRow("XML") << int(Highlighter::XML) << "XML" << QByteArray("xml");
        QTest::newRow("Perl") << int(Highlighter::Perl) << "Perl" << QByteArray("perl");
        QTest::newRow("PHP") << int(Highlighter::PHP) << "PHP" << QByteArray("phpscript");
        QTest::newRow("General") << int(Highlighter::General) << "General" << QByteArray();
    }
    void everyKindHasLexerSampleAndAttributes()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QByteArray, lexerName);
        Highlighter h {Highlighter::Kind(kind)};
        QCOMPARE(h.languageName(), name);
        QCOMPARE(QByteArray(h.lexer()->lexer()), lexerName);
        QVERIFY(!h.sampleSource().isEmpty());
        QVERIFY(h.attributeCount() >= 7);
        QCOMPARE(h.attributeNames().removeDuplicates(), 0);
    }

    void attributesPaintTheirLexerStyles()
    {
        Highlighter h(Highlighter::Java);
        const int i = h.indexOfAttribute(QStringLiteral("String"));
        h.setAttribute(i, TColor(0x0000FF), TColor(0x00FFFF),
                       Highlighter::Bold | Highlighter::Italic);
        for (int style : h.attribute(i).lexerStyles) {
            QCOMPARE(h.lexer()->color(style), QColor(255, 0, 0));
            QCOMPARE(h.lexer()->paper(style), QColor(255, 255, 0));
            QVERIFY(h.lexer()->font(style).bold());
            QVERIFY(h.lexer()->font(style).italic());
        }
    }

    void phpHighlightsWithoutOpeningTag()
    {
        EditorAdapter ed;
        Highlighter php(Highlighter::PHP);
        ed.setHighlighter(&php);
        ed.setText(QStringLiteral("$name = 'x';"));
        scintillaOf(ed)->recolor();
        const int style = int(scintillaOf(ed)->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, 1));
        QVERIFY(php.attribute(php.indexOfAttribute(QStringLiteral("Variable")))
                    .lexerStyles.contains(style));
    }

    void attributeAtEditorPosition_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("name");
        QTest::newRow("line comment") << 1 << 4 << "Comment";
        QTest::newRow("javadoc") << 2 << 5 << "Documentation";
        QTest::newRow("keyword") << 3 << 1 << "Reserved word";
        QTest::newRow("identifier") << 3 << 7 << "Identifier";
        QTest::newRow("number") << 4 << 14 << "Number";
        QTest::newRow("string") << 6 << 25 << "String";
        QTest::newRow("past line end") << 8 << 5 << "Space";
    }
    void attributeAtEditorPosition()
    {
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(QString, name);
        EditorAdapter ed;
        QCOMPARE(ed.attributeNameAt(1, 1), QString()); // no highlighter
        Highlighter java(Highlighter::Java);
        ed.setHighlighter(&java);
        ed.setText(java.sampleSource());
        QCOMPARE(ed.attributeNameAt(line, column), name);
    }

    void colourFileRoundTrip()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Java.ini"));
        Highlighter a(Highlighter::Java);
        a.setAttribute(0, TColor(0x00123456), TColor::clWindow, 2 | 8);
        a.setAttribute(8, TColor::clBtnFace, TColor(0), 1);
        QVERIFY(a.saveToFile(file));

        const IniFile ini(file);
        QCOMPARE(ini.readString(QStringLiteral("Comment"), QStringLiteral("Background"), QString()),
                 QStringLiteral("-2147483643")); // system colours are negative decimals
        QCOMPARE(ini.readString(QStringLiteral("Comment"), QStringLiteral("Foreground"), QString()),
                 QString::number(0x00123456));
        QCOMPARE(ini.readSections().size(), a.attributeCount());

        Highlighter b(Highlighter::Java);
        QVERIFY(b.loadFromFile(file));
        for (int i = 0; i < a.attributeCount(); ++i) {
            QCOMPARE(b.attribute(i).foreground, a.attribute(i).foreground);
            QCOMPARE(b.attribute(i).background, a.attribute(i).background);
            QCOMPARE(b.attribute(i).style, a.attribute(i).style);
        }
    }

    void partialColourFileLeavesTheRest()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("partial.ini"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(
            "[String]\r\nForeground=255\r\n[Symbol]\r\n[Number]\r\nStyle=4\r\nBackground=junk\r\n"
            "[Unknown]\r\nStyle=1\r\n");
        f.close();

        Highlighter h(Highlighter::Java);
        const Highlighter pristine(Highlighter::Java);
        QVERIFY(h.loadFromFile(file));
        const int str = h.indexOfAttribute(QStringLiteral("String"));
        const int num = h.indexOfAttribute(QStringLiteral("Number"));
        QCOMPARE(h.attribute(str).foreground, TColor(255));
        QCOMPARE(h.attribute(str).background, pristine.attribute(str).background);
        QCOMPARE(h.attribute(str).style, pristine.attribute(str).style);
        QCOMPARE(h.attribute(num).style, 4);
        QCOMPARE(h.attribute(num).background, pristine.attribute(num).background);
        for (const char *untouched : {"Symbol", "Comment"}) {
            const int i = h.indexOfAttribute(QString::fromLatin1(untouched));
            QCOMPARE(h.attribute(i).foreground, pristine.attribute(i).foreground);
            QCOMPARE(h.attribute(i).style, pristine.attribute(i).style);
        }
        QVERIFY(!h.loadFromFile(dir.filePath(QStringLiteral("missing.ini"))));
    }

    void generalLexerTokens_data()
    {
        QTest::addColumn<int>("comments");
        QTest::addColumn<char>("delimiter");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("styles"); // one digit per byte, GeneralLexer::Style
        using G = GeneralLexer;
        QTest::newRow("keyword ignores case")
            << int(G::NoComments) << '\'' << QByteArray("Begin x1") << QByteArray("33333022");
        QTest::newRow("number and symbol")
            << int(G::NoComments) << '\'' << QByteArray("a=12.5;") << QByteArray("2644446");
        QTest::newRow("single-quote string")
            << int(G::NoComments) << '\'' << QByteArray("'a\"b' \"") << QByteArray("5555506");
        QTest::newRow("C block and line") << int(G::CComments | G::CppComments) << '"'
                                          << QByteArray("/*x*/a//b") << QByteArray("111112111");
        QTest::newRow("Pascal braces")
            << int(G::PascalComments) << '\'' << QByteArray("{c}a") << QByteArray("1112");
        QTest::newRow("Ansi") << int(G::AnsiComments) << '\'' << QByteArray("(*c*)(")
                              << QByteArray("111116");
        QTest::newRow("Asm and Basic") << int(G::AsmComments | G::BasicComments) << '"'
                                       << QByteArray("a;b 'c") << QByteArray("211111");
        QTest::newRow("unterminated string")
            << int(G::NoComments) << '"' << QByteArray("\"ab\n") << QByteArray("5550");
        QTest::newRow("no styles set")
            << int(G::NoComments) << '\'' << QByteArray("//") << QByteArray("66");
    }
    void generalLexerTokens()
    {
        QFETCH(int, comments);
        QFETCH(char, delimiter);
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, styles);
        GeneralLexer lexer;
        lexer.setKeywords({QStringLiteral("begin"), QStringLiteral("end")});
        lexer.setCommentStyles(GeneralLexer::CommentStyles(comments));
        lexer.setStringDelimiter(delimiter);
        int state = 0;
        QByteArray got = lexer.styleLine(line, state);
        for (char &c : got)
            c = char('0' + c);
        QCOMPARE(got, styles);
        QCOMPARE(state, 0);
    }

    void generalLexerCarriesBlockComments()
    {
        GeneralLexer lexer;
        lexer.setCommentStyles(GeneralLexer::CComments | GeneralLexer::PascalComments);
        int state = 0;
        lexer.styleLine("a /* open\n", state);
        QVERIFY(state != 0);
        const QByteArray inside = lexer.styleLine("still } in\n", state);
        QCOMPARE(inside.count(char(GeneralLexer::Comment)), 10); // all but the line break
        QVERIFY(state != 0);
        const QByteArray closing = lexer.styleLine("*/ b", state);
        QCOMPARE(state, 0);
        QCOMPARE(int(closing.at(0)), int(GeneralLexer::Comment));
        QCOMPARE(int(closing.at(3)), int(GeneralLexer::Identifier));
    }

    void generalLexerRestylesFollowingLines()
    {
        EditorAdapter ed;
        Highlighter h(Highlighter::General);
        h.generalLexer()->setCommentStyles(GeneralLexer::CComments);
        h.setKeywords({QStringLiteral("end")});
        ed.setHighlighter(&h);
        ed.setText(QStringLiteral("x\ny\nend"));
        QsciScintilla *w = scintillaOf(ed);
        auto styleAt = [w](long pos) {
            return int(w->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, pos));
        };
        w->recolor();
        QCOMPARE(styleAt(4), int(GeneralLexer::ReservedWord));
        ed.setCaret(1, 1);
        ed.insertAtCaret(QStringLiteral("/*")); // opens a comment over every following line
        w->recolor(0, 4);                       // styling asked for the first line only
        QCOMPARE(styleAt(7), int(GeneralLexer::Comment));
        ed.setCaret(2, 2);
        ed.insertAtCaret(QStringLiteral("*/"));
        w->recolor(4, 8);
        QCOMPARE(styleAt(9), int(GeneralLexer::ReservedWord));
    }

    void generalCaseSensitiveKeywords()
    {
        Highlighter h(Highlighter::General);
        QVERIFY(h.generalLexer());
        h.setKeywords({QStringLiteral("Begin")});
        QCOMPARE(h.keywords(), QStringList {QStringLiteral("Begin")});
        h.generalLexer()->setCaseSensitive(true);
        int state = 0;
        QCOMPARE(int(h.generalLexer()->styleLine("begin", state).at(0)),
                 int(GeneralLexer::Identifier));
        QCOMPARE(int(h.generalLexer()->styleLine("Begin", state).at(0)),
                 int(GeneralLexer::ReservedWord));
        QVERIFY(!Highlighter(Highlighter::Java).generalLexer());
    }
};

QTEST_MAIN(TestHighlighter)
#include "tst_Highlighter.moc"
