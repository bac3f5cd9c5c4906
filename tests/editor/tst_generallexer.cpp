// The general lexer restyles a document when its language changes, and only then.
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
    void restylesOnlyOnChange_data();
    void restylesOnlyOnChange();
    void stylesFollowAKeywordChange();
    void keywordsIgnoreCaseBeyondAscii();
};

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

void TestGeneralLexer::keywordsIgnoreCaseBeyondAscii()
{
    G lexer;
    lexer.setKeywords({QStringLiteral("größe"), QStringLiteral("Var")});
    int state = 0;
    const QByteArray styles = lexer.styleLine(QStringLiteral("GRÖSSE GRÖßE var").toUtf8(), state);
    // "GRÖSSE" is no spelling of the keyword; "GRÖßE" and "var" are.
    QCOMPARE(int(styles.at(0)), int(G::Identifier));
    QCOMPARE(int(styles.at(8)), int(G::ReservedWord));
    QCOMPARE(int(styles.at(styles.size() - 1)), int(G::ReservedWord));
}

QTEST_MAIN(TestGeneralLexer)
#include "tst_generallexer.moc"
