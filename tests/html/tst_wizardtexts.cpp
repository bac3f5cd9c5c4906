// The texts of the comment, table, list, font, object and horizontal-rule wizards, at an
// unindented and an indented caret line. Expected texts are written with "|" between lines and
// "~" for the caret line's indentation.
#include "html/text/WizardTexts.h"

#include <QtTest>

using namespace WizardTexts;

namespace {

const QStringList indents {QString(), QStringLiteral("    ")};

QString expand(const QString &pattern, const QString &indent)
{
    QString text = pattern;
    return text.replace(QLatin1Char('|'), QLatin1Char('\r')).replace(QLatin1Char('~'), indent);
}

// One data row per indentation: value, the indentation and pattern expanded.
template <class T>
void addRows(const char *name, const T &value, const QString &pattern)
{
    for (const QString &indent : indents)
        QTest::addRow("%s, %s", name, indent.isEmpty() ? "unindented" : "indented")
            << value << indent << expand(pattern, indent);
}

QString rows(int count, const QString &row)
{
    return row.repeated(count);
}

struct ListCase {
    char kind; // 'o' ordered, 'u' unordered, 's' selection list
    int type;
    QString start;
    QStringList entries;
    QString name = {};
    QString length = {};
    bool multiline = false;
};

} // namespace

Q_DECLARE_METATYPE(ListCase)
Q_DECLARE_METATYPE(WizardTexts::TableFields)
Q_DECLARE_METATYPE(WizardTexts::FontFields)

class TestWizardTexts : public QObject
{
    Q_OBJECT

private slots:
    void comment_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("indent");
        QTest::addColumn<QString>("expected");
        const auto add = &addRows<QString>;
        add("empty", "", "<!--  -->");
        add("one line", "Remember this", "<!-- Remember this -->");
        // A final line break starts no line: still one line, written whole on one piece.
        add("one line and a break", "Remember\n", "<!-- Remember\n -->");
        add("two lines", "first\nsecond", "<!-- |~  first|~  second|~-->");
        add("two lines and a break", "first\r\nsecond\r\n", "<!-- |~  first|~  second|~-->");
        add("empty middle line", "a\n\nb", "<!-- |~  a|~  |~  b|~-->");
    }
    void comment()
    {
        QFETCH(QString, memo);
        QFETCH(QString, indent);
        QFETCH(QString, expected);
        QCOMPARE(WizardTexts::comment(memo, indent), expected);
    }

    void table_data()
    {
        QTest::addColumn<TableFields>("fields");
        QTest::addColumn<QString>("indent");
        QTest::addColumn<QString>("expected"); // "!" + message when refused
        const auto add = &addRows<TableFields>;
        const QString cell = "~     <td>&nbsp;</td>|";
        add("initial fields", TableFields(),
            "<table width=\"75%\" border=\"1\">|"
                + rows(3, "~  <tr>|" + rows(3, cell) + "~  </tr>|") + "~</table>");

        add("every option", {"1", "2", "2", "4", "75", 0, "50", 1, false, 2, "000000", "prices"},
            "<table width=\"75\" height=\"50%\" cellspacing=\"2\" cellpadding=\"4\" "
            "align=\"Center\" bgcolor=\"#000000\" name=\"prices\" border=\"0\">|~  <tr>|"
                + rows(2, cell) + "~  </tr>|~</table>");
        add("percent width, height without unit, rows 0",
            {"0", "3", "", "", "75", 1, "20", -1, true, 0, "", ""},
            "<table width=\"75%\" height=\"20\" align=\"Left\" border=\"1\">|~</table>");
        add("no width, unit of an empty height", {"1", "1", "", "", "", -1, "", 0, true, 1, "", ""},
            "<table align=\"Right\" border=\"1\">|~  <tr>|" + cell + "~  </tr>|~</table>");

        // Only the counts set.
        const auto counts = [&](const char *name, const char *r, const char *c,
                                const QString &pattern) {
            TableFields fields;
            fields.rows = r;
            fields.columns = c;
            add(name, fields, pattern);
        };
        counts("rows without cells", "2", "0",
               "<table width=\"75%\" border=\"1\">|~  <tr>|~  </tr>|~  <tr>|~  </tr>|~</table>");
        counts("negative counts", "-2000", "-2000", "<table width=\"75%\" border=\"1\">|~</table>");
        counts("class library integers", "$1", "+1",
               "<table width=\"75%\" border=\"1\">|~  <tr>|" + cell + "~  </tr>|~</table>");
        counts("bad row count first", "abc", "x", "!'abc' is not a valid integer value");
        counts("blanks around the counts", " 2", "1  ",
               "<table width=\"75%\" border=\"1\">|" + rows(2, "~  <tr>|" + cell + "~  </tr>|")
                   + "~</table>");
        counts("blanks around a sign and a $", "  +1 ", " $1 ",
               "<table width=\"75%\" border=\"1\">|~  <tr>|" + cell + "~  </tr>|~</table>");
        counts("bad column count", "3", "3 x", "!'3 x' is not a valid integer value");
        counts("blank inside", "1 2", "1", "!'1 2' is not a valid integer value");
        counts("blank after the sign", "1", "- 2", "!'- 2' is not a valid integer value");
        counts("blanks only", "  ", "1", "!'  ' is not a valid integer value");
        counts("tab before", "\t2", "1", "!'\t2' is not a valid integer value");
        counts("line break after", "2\n", "1", "!'2\n' is not a valid integer value");
        counts("empty row count", "", "3", "!'' is not a valid integer value");
        const QString tooLarge = "!The table is too large (more than 1000000 cells).";
        counts("too large", "1001", "1000", tooLarge);
        counts("too large without overflow", "2147483647", "2147483647", tooLarge);
        counts("too many rows without cells", "1000001", "0", tooLarge);
        counts("too large with blanks", " 1001 ", " 1000", tooLarge);
    }
    void table()
    {
        QFETCH(TableFields, fields);
        QFETCH(QString, indent);
        QFETCH(QString, expected);
        QString text = "unchanged";
        QString error;
        const bool built = WizardTexts::table(fields, indent, text, &error);
        if (expected.startsWith('!')) {
            QVERIFY(!built);
            QCOMPARE(error, expected.mid(1));
        } else {
            QVERIFY(built);
            QCOMPARE(text, expected);
        }
    }

    // The largest table allowed is built whole.
    void largestTable()
    {
        TableFields fields;
        fields.rows = "1000";
        fields.columns = "1000";
        QString text;
        QVERIFY(WizardTexts::table(fields, "  ", text, nullptr));
        QCOMPARE(text.count("<td>&nbsp;</td>"), 1000000);
        QCOMPARE(text.count('\r'), 1000 * 1002 + 1);
        QVERIFY(text.endsWith("\r  </table>"));
    }

    void colourText()
    {
        QCOMPARE(WizardTexts::colourText(Qt::black), QStringLiteral("000000"));
        QCOMPARE(WizardTexts::colourText(QColor(255, 16, 10)), QStringLiteral("FF100A"));
        QCOMPARE(WizardTexts::colourText(QColor::fromHsv(0, 255, 255)), QStringLiteral("FF0000"));
    }

    void lists_data()
    {
        QTest::addColumn<ListCase>("list");
        QTest::addColumn<QString>("indent");
        QTest::addColumn<QString>("expected");
        const QStringList two {"HTML 1.0", "HTML 2.0"};
        const QString items = "|~  <li>HTML 1.0</li>|~  <li>HTML 2.0</li>";
        const auto add = &addRows<ListCase>;
        add("ordered, no type", {'o', -1, "", two}, "<ol type=\"1\">" + items + "|~</ol>");
        add("ordered, large letters", {'o', 0, "", two}, "<ol type=\"A\">" + items + "|~</ol>");
        add("ordered, small letters", {'o', 1, "", two}, "<ol type=\"a\">" + items + "|~</ol>");
        add("ordered, big roman", {'o', 2, "", two}, "<ol type=\"I\">" + items + "|~</ol>");
        add("ordered, small roman, start", {'o', 3, "4", two},
            "<ol start=\"4\" type=\"i\">" + items + "|~</ol>");
        add("ordered, numbers, start as typed", {'o', 4, "2.5", two},
            "<ol start=\"2.5\" type=\"1\">" + items + "|~</ol>");
        add("ordered, empty", {'o', -1, "", {}}, "<ol type=\"1\">|~</ol>");
        add("unordered, none chosen", {'u', -1, "", two},
            "<ul type=\"square\">" + items + "|~</ul>");
        add("unordered, disc", {'u', 0, "", two}, "<ul type=\"disc\">" + items + "|~</ul>");
        add("unordered, circle", {'u', 1, "", two}, "<ul type=\"circle\">" + items + "|~</ul>");
        add("unordered, square", {'u', 2, "", two}, "<ul type=\"square\">" + items + "|~</ul>");
        add("select, single line", {'s', 0, "", two, "pick", "4", false},
            "<select name=\"pick\">|~  <option>HTML 1.0|~  <option>HTML 2.0|~</select>");
        add("select, multiline", {'s', 0, "", two, "pick", "4", true},
            "<select name=\"pick\" size=\"4\" multiselect>|~  <option>HTML 1.0|~  "
            "<option>HTML 2.0|~</select>");
        add("select, an empty entry", {'s', 0, "", {""}}, "<select>|~  <option>|~</select>");
        add("select, multiline without length", {'s', 0, "", {}, "", "", true},
            "<select multiselect>|~</select>");
    }
    void lists()
    {
        QFETCH(ListCase, list);
        QFETCH(QString, indent);
        QFETCH(QString, expected);
        const QString text = list.kind == 'o'
            ? orderedList(list.entries, list.type, list.start, indent)
            : list.kind == 'u'
            ? unorderedList(list.entries, list.type, indent)
            : selectList(list.entries, list.name, list.length, list.multiline, indent);
        QCOMPARE(text, expected);
    }

    void orderedExamples()
    {
        QCOMPARE(orderedExample(-1), QString());
        QCOMPARE(orderedExample(0), QStringLiteral("A.  HTML 1.0\nB.  HTML 2.0\nC.  HTML 4.0"));
        QCOMPARE(orderedExample(3), QStringLiteral("i.  HTML 1.0\nii.  HTML 2.0\niii.  HTML 4.0"));
        QCOMPARE(orderedExample(4), QStringLiteral("1.  HTML 1.0\n2.  HTML 2.0\n3.  HTML 4.0"));
    }

    void font_data()
    {
        QTest::addColumn<FontFields>("fields");
        QTest::addColumn<QString>("expected");
        const QStringList fonts {"Arial, Helvetica, sans-serif", "Verdana"};
        QTest::newRow("one font: size before face")
            << FontFields {"word", "3", "Arial", true, true, false, {}}
            << "<b><i><font Size=\"3\" Face=\"Arial\">word</font></b></i>";
        QTest::newRow("font list: face before size, field ignored")
            << FontFields {"word", "3", "Arial", true, false, true, fonts}
            << "<b><u><font Face=\"Arial, Helvetica, sans-serif,Verdana\" "
               "Size=\"3\">word</font></b></u>";
        QTest::newRow("nothing set")
            << FontFields {"x", "", "", false, false, false, {}} << "<font>x</font>";
        QTest::newRow("every style, blank face as typed")
            << FontFields {"", "", " ", true, true, true, {}}
            << "<b><i><u><font Face=\" \"></font></b></i></u>";
    }
    void font()
    {
        QFETCH(FontFields, fields);
        QFETCH(QString, expected);
        QCOMPARE(WizardTexts::font(fields), expected);
    }

    void objectAndRule()
    {
        for (const QString &indent : indents) {
            QCOMPARE(WizardTexts::object({}, indent), expand("<object>||~</object>", indent));
            QCOMPARE(
                WizardTexts::object(
                    {"1", "2", "application/x", "clsid:5", "d.swf", "http://x/", "obj"}, indent),
                expand("<object Width=\"1\" Height=\"2\" ClassID=\"clsid:5\" Data=\"d.swf\" "
                       "Codebase=\"http://x/\" MIMEtype=\"application/x\" "
                       "ID=\"obj\">||~</object>",
                       indent));
            QCOMPARE(objectCaretColumn(indent), indent.isEmpty() ? 5 : 9);
        }
        QCOMPARE(WizardTexts::rule({}), QStringLiteral("<hr>"));
        QCOMPARE(WizardTexts::rule({"center", "3", "50%", true}),
                 QStringLiteral("<hr alignment=\"center\" Size=\"3\" length=\"50%\" noshade>"));
    }
};

QTEST_APPLESS_MAIN(TestWizardTexts)
#include "tst_wizardtexts.moc"
