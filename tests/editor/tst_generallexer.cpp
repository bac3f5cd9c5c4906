// The general lexer: the styles of a line, the state it carries to the next, and the
// restyling of a document when its language changes (and only then) or an edit reaches the
// following lines.
#include "ScintillaOf.h"
#include "editor/EditorAdapter.h"
#include "editor/highlighting/GeneralLexer.h"
#include "editor/highlighting/Highlighter.h"

#include <QTest>

namespace {

using G = GeneralLexer;

struct Styled {
    EditorAdapter editor;
    Highlighter highlighter {Highlighter::General};
    G *lexer() { return highlighter.generalLexer(); }
    QsciScintilla *sci() { return scintillaOf(editor); }
    long endStyled() { return sci()->SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED); }
    long length() { return sci()->SendScintilla(QsciScintillaBase::SCI_GETLENGTH); }
    int styleAt(long pos)
    {
        return int(sci()->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, pos));
    }
    void styleAll()
    {
        sci()->recolor();
        QCOMPARE(endStyled(), length());
    }
};

} // namespace

class TestGeneralLexer : public QObject
{
    Q_OBJECT
private slots:
    void tokens_data();
    void tokens();
    void carriesBlockComments();
    void keywordCase();
    void restylesOnlyOnChange_data();
    void restylesOnlyOnChange();
    void stylesFollowAKeywordChange();
    void restylesFollowingLines();
};

void TestGeneralLexer::tokens_data()
{
    QTest::addColumn<int>("comments");
    QTest::addColumn<char>("delimiter");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("styles"); // one digit per byte, GeneralLexer::Style
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

void TestGeneralLexer::tokens()
{
    QFETCH(int, comments);
    QFETCH(char, delimiter);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, styles);
    G lexer;
    lexer.setKeywords({QStringLiteral("begin"), QStringLiteral("end")});
    lexer.setCommentStyles(G::CommentStyles(comments));
    lexer.setStringDelimiter(delimiter);
    int state = 0;
    QByteArray got = lexer.styleLine(line, state);
    for (char &c : got)
        c = char('0' + c);
    QCOMPARE(got, styles);
    QCOMPARE(state, 0);
}

// A block comment carries over lines; the end of another comment style does not close it.
void TestGeneralLexer::carriesBlockComments()
{
    G lexer;
    lexer.setCommentStyles(G::CComments | G::PascalComments);
    int state = 0;
    lexer.styleLine("a /* open\n", state);
    QVERIFY(state != 0);
    const QByteArray inside = lexer.styleLine("still } in\n", state);
    QCOMPARE(inside.count(char(G::Comment)), 10); // all but the line break
    QVERIFY(state != 0);
    const QByteArray closing = lexer.styleLine("*/ b", state);
    QCOMPARE(state, 0);
    QCOMPARE(int(closing.at(0)), int(G::Comment));
    QCOMPARE(int(closing.at(3)), int(G::Identifier));
}

void TestGeneralLexer::keywordCase()
{
    G lexer;
    lexer.setKeywords({QStringLiteral("größe"), QStringLiteral("Var")});
    int state = 0;
    const QByteArray styles = lexer.styleLine(QStringLiteral("GRÖSSE GRÖßE var").toUtf8(), state);
    // "GRÖSSE" is no spelling of the keyword; "GRÖßE" and "var" are.
    QCOMPARE(int(styles.at(0)), int(G::Identifier));
    QCOMPARE(int(styles.at(8)), int(G::ReservedWord));
    QCOMPARE(int(styles.at(styles.size() - 1)), int(G::ReservedWord));

    lexer.setCaseSensitive(true);
    QCOMPARE(int(lexer.styleLine("var", state).at(0)), int(G::Identifier));
    QCOMPARE(int(lexer.styleLine("Var", state).at(0)), int(G::ReservedWord));
    QVERIFY(Highlighter(Highlighter::General).generalLexer());
    QVERIFY(!Highlighter(Highlighter::Java).generalLexer());
}

void TestGeneralLexer::restylesOnlyOnChange_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("comments");
    QTest::addColumn<char>("quote");
    QTest::addColumn<bool>("changes");
    // The lexer starts with "begin", C comments and the double quote.
    const QStringList begin {"begin"};
    const int c = int(G::CComments | G::CppComments);
    QTest::newRow("same again") << begin << c << '"' << false;
    QTest::newRow("another keyword") << QStringList {"begin", "end"} << c << '"' << true;
    QTest::newRow("keywords reordered") << QStringList {"end", "begin"} << c << '"' << true;
    QTest::newRow("comment style") << begin << int(G::PascalComments) << '"' << true;
    QTest::newRow("quote") << begin << c << '\'' << true;
}

void TestGeneralLexer::restylesOnlyOnChange()
{
    QFETCH(QStringList, words);
    QFETCH(int, comments);
    QFETCH(char, quote);
    QFETCH(bool, changes);

    for (int setter = 0; setter < 2; ++setter) { // one call, then the three setters
        Styled s;
        s.lexer()->setLanguage({"begin"}, G::CComments | G::CppComments, '"');
        s.editor.setHighlighter(&s.highlighter);
        s.editor.setText(QStringLiteral("begin x /* c */ \"s\"\nend 'q'\n"));
        s.styleAll();
        if (setter == 0) {
            QCOMPARE(s.lexer()->setLanguage(words, G::CommentStyles(comments), quote), changes);
        } else {
            s.lexer()->setKeywords(words);
            s.lexer()->setCommentStyles(G::CommentStyles(comments));
            s.lexer()->setStringDelimiter(quote);
        }
        // A change marks the styling stale from the start; no change leaves it whole.
        QCOMPARE(s.endStyled(), changes ? 0L : s.length());
        QCOMPARE(s.lexer()->keywords(), words);
        QCOMPARE(int(s.lexer()->commentStyles()), comments);
        QCOMPARE(s.lexer()->stringDelimiter(), quote);
    }
}

void TestGeneralLexer::stylesFollowAKeywordChange()
{
    Styled s;
    s.editor.setHighlighter(&s.highlighter);
    s.lexer()->setLanguage({"begin"}, G::CComments | G::CppComments, '"');
    s.editor.setText(QStringLiteral("BEGIN end // x\n\"a b\" 'c'\n/* open\nend */ end"));
    s.styleAll();
    const long second = s.sci()->positionFromLineIndex(1, 0);
    const long fourth = s.sci()->positionFromLineIndex(3, 0);
    QCOMPARE(s.styleAt(0), int(G::ReservedWord));
    QCOMPARE(s.styleAt(6), int(G::Identifier));
    QCOMPARE(s.styleAt(10), int(G::Comment));
    QCOMPARE(s.styleAt(second), int(G::String));
    QCOMPARE(s.styleAt(second + 6), int(G::Symbol)); // a single quote is no string here
    QCOMPARE(s.styleAt(fourth), int(G::Comment));    // the block comment carried on
    QCOMPARE(s.styleAt(fourth + 7), int(G::Identifier));

    s.lexer()->setLanguage({"end"}, G::CComments | G::CppComments, '\'');
    s.styleAll();
    QCOMPARE(s.styleAt(0), int(G::Identifier));
    QCOMPARE(s.styleAt(6), int(G::ReservedWord));
    QCOMPARE(s.styleAt(second), int(G::Symbol));
    QCOMPARE(s.styleAt(second + 6), int(G::String));
    QCOMPARE(s.styleAt(fourth), int(G::Comment));
    QCOMPARE(s.styleAt(fourth + 7), int(G::ReservedWord));
}

// An edit that opens or closes a block comment restyles the lines after it, though the
// styling asked for covers only the edited line.
void TestGeneralLexer::restylesFollowingLines()
{
    Styled s;
    s.lexer()->setCommentStyles(G::CComments);
    s.highlighter.setKeywords({QStringLiteral("end")});
    s.editor.setHighlighter(&s.highlighter);
    s.editor.setText(QStringLiteral("x\ny\nend"));
    s.sci()->recolor();
    QCOMPARE(s.styleAt(4), int(G::ReservedWord));
    s.editor.setCaret(1, 1);
    s.editor.insertAtCaret(QStringLiteral("/*"));
    s.sci()->recolor(0, 4);
    QCOMPARE(s.styleAt(7), int(G::Comment));
    s.editor.setCaret(2, 2);
    s.editor.insertAtCaret(QStringLiteral("*/"));
    s.sci()->recolor(4, 8);
    QCOMPARE(s.styleAt(9), int(G::ReservedWord));
}

QTEST_MAIN(TestGeneralLexer)
#include "tst_generallexer.moc"
