#include "editor/tokenizers/HtmlTokenizer.h"

#include <QRandomGenerator>
#include <QtTest>

using Tok = HtmlTokenizer;

namespace {

const char *kindName(Tok::Kind kind)
{
    static const char *const names[] = {"sym",  "tag", "utag", "attr", "val",
                                        "text", "ent", "com",  "sp",   "oth"};
    return names[kind];
}

// The rest of the current line as "kind:text|kind:text", checking that the tokens cover the
// line from where reading stands, without gaps or empty tokens, and that each says its own
// column.
QString rest(Tok &tok, QStringView line, int from = 0)
{
    QStringList out;
    int pos = from;
    for (; !tok.atEnd(); tok.next()) {
        if (tok.column() != pos + 1 || tok.length() <= 0 || tok.token().size() != tok.length()
            || tok.token().data() != line.data() + pos)
            return QStringLiteral("bad token at column %1").arg(pos + 1);
        pos += tok.length();
        out << QLatin1String(kindName(tok.kind())) + u':' + tok.token().toString();
    }
    return pos == line.size() ? out.join(u'|') : QStringLiteral("line not covered");
}

bool sound(const QString &tokens)
{
    return !tokens.startsWith(QLatin1String("bad")) && tokens != QLatin1String("line not covered");
}

} // namespace

class TestHtmlTokenizer : public QObject
{
    Q_OBJECT
private slots:
    void oneLine_data();
    void oneLine();
    void acrossLines_data();
    void acrossLines();
    void carriedState();
    void linesCutAtEveryColumn();
    void knownTags();
    void randomAndTruncatedInput();
};

void TestHtmlTokenizer::oneLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("endState");
    QTest::addColumn<QString>("tokens");
    const int text = int(Tok::Content);

    QTest::newRow("empty line") << QString() << text << QString();
    QTest::newRow("a lone < is text") << "a < b <1 <" << text << "text:a < b <1 <";
    QTest::newRow("start and end tag")
        << "<p>Hi there</p>" << text << "sym:<|tag:p|sym:>|text:Hi there|sym:<|tag:/p|sym:>";
    QTest::newRow("unknown names, mixed case")
        << "<FOO Bar=1></foo><Td>" << text
        << "sym:<|utag:FOO|sp: "
           "|attr:Bar|sym:=|val:1|sym:>|sym:<|utag:/foo|sym:>|sym:<|tag:Td|sym:>";
    QTest::newRow("names with odd characters")
        << "<o:p><h1><my-tag.x_y>" << text
        << "sym:<|utag:o:p|sym:>|sym:<|tag:h1|sym:>|sym:<|utag:my-tag.x_y|sym:>";
    QTest::newRow("quoted values")
        << "<a href=\"x y\" title='it\"s'>" << text
        << "sym:<|tag:a|sp: |attr:href|sym:=|val:\"x y\"|sp: |attr:title|sym:=|val:'it\"s'|sym:>";
    QTest::newRow("unquoted values, blanks around =")
        << "<img src = pic.gif\talt=a\"b>c" << text
        << "sym:<|tag:img|sp: |attr:src|sp: |sym:=|sp: |val:pic.gif|sp:\t|attr:alt|sym:=|"
           "val:a\"b|sym:>|text:c";
    QTest::newRow("unquoted value keeps a slash")
        << "<p class=x/>" << text << "sym:<|tag:p|sp: |attr:class|sym:=|val:x/|sym:>";
    QTest::newRow("empty element, valueless attributes")
        << "<br/><input checked disabled />" << text
        << "sym:<|tag:br|sym:/>|sym:<|tag:input|sp: |attr:checked|sp: |attr:disabled|sp: |sym:/>";
    QTest::newRow("stray characters in a tag")
        << "<a / <b></></ i>" << text
        << "sym:<|tag:a|sp: |oth:/|sp: |oth:<|attr:b|sym:>|sym:<|sym:/>|sym:<|oth:/|sp: |attr:i|"
           "sym:>";
    QTest::newRow("comment between text")
        << "a<!-- <b> & -->b<!---->" << text << "text:a|com:<!-- <b> & -->|text:b|com:<!---->";
    QTest::newRow("comment left open")
        << "x <!-- open" << int(Tok::InComment) << "text:x |com:<!-- open";
    QTest::newRow("<!--> does not close") << "<!-->a" << int(Tok::InComment) << "com:<!-->a";
    QTest::newRow("doctype and processing instruction")
        << "<!DOCTYPE html><?xml version=\"1.0\"?>x" << text
        << "oth:<!DOCTYPE html>|oth:<?xml version=\"1.0\"?>|text:x";
    QTest::newRow("entities") << "A&amp;B&#160;&#xA0;&X2;" << text
                              << "text:A|ent:&amp;|text:B|ent:&#160;|ent:&#xA0;|ent:&X2;";
    QTest::newRow("an & that starts no entity is text")
        << "&nope &; &#; &#x; &#12 &2a; & <b>" << text
        << "text:&nope &; &#; &#x; &#12 &2a; & |sym:<|tag:b|sym:>";
    QTest::newRow("text keeps its blanks")
        << "<td>  two  words </td>" << text
        << "sym:<|tag:td|sym:>|text:  two  words |sym:<|tag:/td|sym:>";
    QTest::newRow("script is text like any other")
        << "<script>if (a<b && c>d) x();</script>" << text
        << "sym:<|tag:script|sym:>|text:if (a|sym:<|tag:b|sp: |attr:&&|sp: |attr:c|sym:>|"
           "text:d) x();|sym:<|tag:/script|sym:>";
    QTest::newRow("tag left open at the line end")
        << "<table border=1" << int(Tok::InTag) << "sym:<|tag:table|sp: |attr:border|sym:=|val:1";
    QTest::newRow("= at the line end")
        << "<p align=" << int(Tok::AfterEquals) << "sym:<|tag:p|sp: |attr:align|sym:=";
    QTest::newRow("non-ASCII text and NUL")
        << QString::fromUtf8("é<b>中") + QChar(0) + QStringLiteral("x</b>") << text
        << QString::fromUtf8("text:é|sym:<|tag:b|sym:>|text:中") + QChar(0)
            + QStringLiteral("x|sym:<|tag:/b|sym:>");
    QTest::newRow("a non-ASCII letter opens no markup")
        << QString::fromUtf8("<é>") << text << QString::fromUtf8("text:<é>");
}

void TestHtmlTokenizer::oneLine()
{
    QFETCH(QString, line);
    QFETCH(int, endState);
    QFETCH(QString, tokens);
    Tok tok;
    tok.setLine(line);
    QCOMPARE(rest(tok, line), tokens);
    QCOMPARE(int(tok.state()), endState);
}

void TestHtmlTokenizer::acrossLines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("tokens"); // each line's, read from the start of the page

    QTest::newRow("tag over two lines")
        << QStringList {"<a", "  href=\"x\">Go</a>"}
        << QStringList {"sym:<|tag:a",
                        "sp:  |attr:href|sym:=|val:\"x\"|sym:>|text:Go|sym:<|tag:/a|sym:>"};
    QTest::newRow("quoted value over three lines")
        << QStringList {"<p title='one", "", "two' id=x>t"}
        << QStringList {"sym:<|tag:p|sp: |attr:title|sym:=|val:'one", "",
                        "val:two'|sp: |attr:id|sym:=|val:x|sym:>|text:t"};
    QTest::newRow("value after = on the next line")
        << QStringList {"<p align=", "center>x"}
        << QStringList {"sym:<|tag:p|sp: |attr:align|sym:=", "val:center|sym:>|text:x"};
    QTest::newRow("comment over three lines, only the first holds <!--")
        << QStringList {"a<!-- one", "", "<b> two --> b"}
        << QStringList {"text:a|com:<!-- one", "", "com:<b> two -->|text: b"};
    QTest::newRow("doctype over two lines")
        << QStringList {"<!DOCTYPE HTML PUBLIC", " \"-//W3C//DTD\">x"}
        << QStringList {"oth:<!DOCTYPE HTML PUBLIC", "oth: \"-//W3C//DTD\">|text:x"};
}

void TestHtmlTokenizer::acrossLines()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, tokens);
    Tok tok;
    QStringList read;
    for (const QString &line : lines) {
        tok.setLine(line);
        read << rest(tok, line);
    }
    QCOMPARE(read, tokens);
}

void TestHtmlTokenizer::carriedState()
{
    // A caller that stops early still carries the state of the whole line.
    Tok tok;
    const QString first = QStringLiteral("x <a title=\"q");
    tok.setLine(first);
    QCOMPARE(tok.token().toString(), QStringLiteral("x "));
    const QString second = QStringLiteral("y\">z");
    tok.setLine(second);
    QCOMPARE(rest(tok, second), QStringLiteral("val:y\"|sym:>|text:z"));

    // A saved state starts a line where it was taken.
    const QString inComment = QStringLiteral("rest --><b>");
    tok.setLine(inComment, Tok::InComment);
    QCOMPARE(rest(tok, inComment), QStringLiteral("com:rest -->|sym:<|tag:b|sym:>"));
    const QString afterLt = QStringLiteral("/td>");
    tok.setLine(afterLt, Tok::TagOpen);
    QCOMPARE(rest(tok, afterLt), QStringLiteral("tag:/td|sym:>"));

    // The state after each token can be saved and read on from.
    const QString line = QStringLiteral("<a href='x'>t<!-- c");
    tok.setLine(line, Tok::Content);
    for (int i = 0; i < 5; ++i) // "<", "a", " ", "href", "="
        tok.next();
    QCOMPARE(tok.token().toString(), QStringLiteral("'x'"));
    const Tok::State saved = tok.state();
    const int column = tok.column() + tok.length();
    Tok again;
    again.setLine(QStringView(line).mid(column - 1), saved);
    QCOMPARE(rest(again, QStringView(line).mid(column - 1)),
             QStringLiteral("sym:>|text:t|com:<!-- c"));
    QCOMPARE(again.state(), Tok::InComment);

    tok.reset();
    tok.setLine(u"a");
    QCOMPARE(tok.kind(), Tok::Text);
}

void TestHtmlTokenizer::linesCutAtEveryColumn()
{
    const QStringList samples {"<a href=\"x y\" title='q'>Go &amp; see</a> &#xA0;&#12;",
                               "<!DOCTYPE html><!-- c -->text<br/><img src=a.gif alt = b>",
                               "a < b &c <?x?> </td ><p\tclass=x/>"};
    for (const QString &line : samples) {
        for (int cut = 0; cut <= line.size(); ++cut) {
            // A view into the longer line, against a copy holding only the cut part.
            const QStringView view = QStringView(line).left(cut);
            const QString copy = view.toString();
            Tok inPlace, alone;
            inPlace.setLine(view);
            alone.setLine(copy);
            const QString got = rest(inPlace, view);
            QCOMPARE(got, rest(alone, copy));
            QVERIFY2(sound(got), qPrintable(QStringLiteral("cut at %1 of %2").arg(cut).arg(line)));
            QCOMPARE(inPlace.state(), alone.state());
        }
    }
}

void TestHtmlTokenizer::knownTags()
{
    // Every tag the attribute completion serves, and the era's own elements.
    const QStringList names =
        QStringLiteral(
            "tbody tfoot thead body applet area a basefont base caption div embed font form "
            "frameset frame h1 h2 h3 h4 h5 h6 p hr img input link map meta ol option object "
            "param script style select table td th textarea tr ul bgsound iframe layer label "
            "button col colgroup legend marquee multicol spacer blink nobr wbr noembed ilayer "
            "html head title li br span blockquote acronym tt noframes optgroup fieldset isindex "
            "dir menu")
            .split(u' ');
    for (const QString &name : names) {
        for (const QString &written : {name, name.toUpper(), "/" + name, "/" + name.toUpper()}) {
            const QString line = "<" + written + ">";
            Tok tok;
            tok.setLine(line);
            tok.next();
            QVERIFY2(tok.kind() == Tok::Tag && tok.token() == written, qPrintable(line));
        }
        QVERIFY(Tok::isKnownTag(name));
    }
    for (const char *name : {"abbrx", "foo", "h7", "blockquotes", "x", "li2", "", "ab"})
        QVERIFY2(!Tok::isKnownTag(QString::fromLatin1(name)), name);
    QVERIFY(!Tok::isKnownTag(u"/p")); // the table holds names without their "/"
    QVERIFY(!Tok::isKnownTag(QString::fromUtf8("pé")));
}

void TestHtmlTokenizer::randomAndTruncatedInput()
{
    // Pieces that open and close every state, broken off anywhere, with NUL and non-ASCII.
    QStringList pieces =
        QStringLiteral("<|&|\"|'|<!--|-->|<!|<?|>|/>|/|=| |\t|a|td|&amp;|&#|&#x|;|x|</|<a href=|"
                       "<!DOCTYPE")
            .split(u'|');
    pieces << QString(QChar(0)) << QString::fromUtf8("é") << QString::fromUtf8("中")
           << QString(QChar(0xD800));
    QRandomGenerator rng(20240518);
    for (int page = 0; page < 300; ++page) {
        Tok tok;
        for (int l = 0; l < 8; ++l) {
            QString line;
            const int count = int(rng.bounded(12));
            for (int i = 0; i < count; ++i)
                line += pieces.at(int(rng.bounded(pieces.size())));
            // Read a view of a random length: nothing beyond it may be touched.
            const QStringView view = QStringView(line).left(int(rng.bounded(line.size() + 1)));
            tok.setLine(view);
            QVERIFY2(sound(rest(tok, view)), qPrintable(line));
            QVERIFY(int(tok.state()) <= int(Tok::InOther));
        }
    }
}

QTEST_APPLESS_MAIN(TestHtmlTokenizer)
#include "tst_htmltokenizer.moc"
