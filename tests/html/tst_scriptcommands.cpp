// The "Javascripts:" commands: the date and last-modified scripts at the caret, and the two
// clocks with their head function and body start call, once per page.
#include "ShellFixture.h"
#include "app/Features.h"
#include "editor/EditorAdapter.h"
#include "html/commands/HtmlCommands.h"
#include "html/commands/ScriptCommands.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <QtTest>

namespace {

struct Document {
    EditorAdapter editor;
    WizardHost host()
    {
        return {nullptr, [this](const QString &text) { editor.insertAtCaret(text); },
                [] { return ProjectSettings(); }, [this] { return &editor; }};
    }
    void load(const QStringList &lines, int line, int column)
    {
        editor.setText(lines.join(QLatin1Char('\n')));
        editor.setCaret(line, column);
    }
};

// The first line as given, later lines after indent unless empty.
QStringList indented(const QString &indent, const QStringList &lines)
{
    QStringList result;
    for (const QString &line : lines)
        result << (result.isEmpty() || line.isEmpty() ? line : indent + line);
    return result;
}

const QStringList textfieldFunction {
    "<SCRIPT LANGUAGE=\"JavaScript\">",
    "<!--",
    "function TimeTextfield() {",
    "Now1 = new Date",
    "document.TimeForm.TheTime.value = Now1.getHours() + \":\" + Now1.getMinutes() + \":\" + "
    "Now1.getSeconds()",
    "setTimeout(\"TimeTextfield()\",1000)",
    "}",
    "// End -->",
    "</script>"};
const QStringList statuslineFunction {
    "<SCRIPT LANGUAGE=\"JavaScript\">",
    "<!--",
    "function TimeStatusline() {",
    "Now1 = new Date",
    "status = Now1.getHours() + \":\" + Now1.getMinutes() + \":\" + Now1.getSeconds()",
    "setTimeout(\"TimeStatusline()\",1000)",
    "}",
    "// End -->",
    "</script>"};
const QStringList timeForm {"<form name=\"TimeForm\">",
                            "  <input type=text name=\"TheTime\" size=\"8\"><p>", "</form>"};

} // namespace

class TestScriptCommands : public QObject
{
    Q_OBJECT

private slots:
    void dateScripts_data()
    {
        QTest::addColumn<bool>("lastModified");
        QTest::addColumn<QString>("indent");
        QTest::addColumn<QStringList>("lines");
        const QStringList date {
            "<script language=\"Javascript\">",
            "  <!--",
            "  Month = Array(\"January\", \"February\", \"March\", \"April\", \"May\",",
            "                  \"June\", \"July\", \"August\", \"September\", \"October\",",
            "                  \"November\", \"December\")",
            "",
            "  Date = new Date()",
            "  Number = Date.getMonth()",
            "  document.write(Date.getDate()+",
            "                 \" \"+Month[Number]+",
            "                 \" \"+Date.getFullYear())",
            "  -->",
            "</script>"};
        const QStringList modified {
            "<script language=\"Javascript\">",
            "  <!--",
            "    Month = Array(\"January\", \"February\",",
            "                  \"March\", \"April\", \"May\",",
            "                  \"June\", \"July\", \"August\", \"September\", ",
            "                  \"October\",\"November\", \"December\")",
            "    lastmod = document.lastModified",
            "    TheDate = new Date(lastmod);",
            "    Number = TheDate.getMonth()",
            "    document.write(\"Last modified: \"+TheDate.getDate()+\" \"+",
            "                   Month[Number]+\" \"+TheDate.getFullYear()+\" \"+",
            "                   "
            "TheDate.getHours()+\":\"+TheDate.getMinutes()+\":\"+TheDate.getSeconds())",
            "  -->",
            "</script>"};
        QTest::newRow("date") << false << "" << date;
        QTest::newRow("date, indented") << false << "  " << date;
        QTest::newRow("last modified") << true << "" << modified;
        QTest::newRow("last modified, indented") << true << "  " << modified;
    }

    void dateScripts()
    {
        QFETCH(bool, lastModified);
        QFETCH(QString, indent);
        QFETCH(QStringList, lines);
        Document doc;
        doc.load({indent}, 1, indent.size() + 1);
        const WizardHost host = doc.host();
        if (lastModified)
            ScriptCommands::SpeedButton58Click(host);
        else
            ScriptCommands::SpeedButton56Click(host);
        const QStringList expected = indented(indent, lines);
        QCOMPARE(doc.editor.lines(), QStringList(indent + expected.first()) + expected.mid(1));
        if (!lastModified && !indent.isEmpty()) {
            QVERIFY(doc.editor.line(4).startsWith(QString(20, ' ') + '"'));
            QCOMPARE(doc.editor.line(6), QString());
        }
        QCOMPARE(doc.editor.caretLine(), lines.size());
        QCOMPARE(doc.editor.caretColumn(), indent.size() + 10);

        // Without a document nothing happens.
        WizardHost none = host;
        none.activeEditor = [] { return nullptr; };
        ScriptCommands::SpeedButton56Click(none);
        ScriptCommands::SpeedButton58Click(none);
        QCOMPARE(doc.editor.lineCount(), lines.size());
    }

    // Pages other than the template, each clock given at the start of the last line: repeats,
    // both clocks, missing head or body, the function name in other letter case.
    void clocksOnOtherPages_data()
    {
        QTest::addColumn<QStringList>("page");
        QTest::addColumn<QStringList>("clicks"); // "t" textfield, "s" statusline
        QTest::addColumn<QStringList>("expected");

        const QStringList page {"<head>", "</head>", "<body>", "</body>"};
        const QStringList formBeforeEnd = timeForm.mid(0, 2) + QStringList {"</form></body>"};
        QTest::newRow("textfield twice") << page << QStringList {"t", "t"}
                                         << QStringList {"<head>"} + textfieldFunction
                + QStringList {"</head>", "<body onLoad=\"TimeTextfield()\">"} + timeForm.mid(0, 2)
                + timeForm.mid(0, 2) + QStringList {"</form></form></body>"};
        QTest::newRow("statusline twice") << page << QStringList {"s", "s"}
                                          << QStringList {"<head>"} + statuslineFunction
                + QStringList {"</head>", "<body onLoad=\"TimeStatusline()\">", "</body>"};
        QTest::newRow("statusline, then textfield")
            << page << QStringList {"s", "t"}
            << QStringList {"<head>"} + textfieldFunction + statuslineFunction
                + QStringList {"</head>",
                               "<body onLoad=\"TimeTextfield()\" onLoad=\"TimeStatusline()\">"}
                + formBeforeEnd;
        // (A tag on the first line left of the caret's column is not found; these pages start
        // with another line.)
        QTest::newRow("no head")
            << QStringList {"<html>", "<body>", "</body>"} << QStringList {"s", "t"}
            << QStringList {"<html>",
                            "<body onLoad=\"TimeTextfield()\" onLoad=\"TimeStatusline()\">"}
                + formBeforeEnd;
        QTest::newRow("no body") << QStringList {"<html>", "<HEAD>", "</head>"} << QStringList {"t"}
                                 << QStringList {"<html>", "<head>"} + textfieldFunction
                + timeForm.mid(0, 2) + QStringList {"</form></head>"};
        QTest::newRow("other letter case")
            << QStringList {"<head>", "// function timestatusline()", "<body>"} << QStringList {"s"}
            << QStringList {"<head>"} + statuslineFunction
                + QStringList {"// function timestatusline()",
                               "<body onLoad=\"TimeStatusline()\">"};
    }

    void clocksOnOtherPages()
    {
        QFETCH(QStringList, page);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, expected);
        Document doc;
        doc.load(page, 1, 1);
        const WizardHost host = doc.host();
        for (const QString &click : clicks) {
            doc.editor.setCaret(doc.editor.lineCount(), 1);
            if (click == "t")
                ScriptCommands::extfieldclock1Click(host);
            else
                ScriptCommands::Statuslineclock1Click(host);
        }
        QCOMPARE(doc.editor.lines(), expected);
    }

    // On the template of a new HTML document, through the clock pop-up of the real main
    // window: the whole page and where the caret ends.
    void clocksOnTheTemplate()
    {
        ShellFixture fixture;
        TMainForm *main = fixture.start();
        QMenu *clocks = fixture.features().html->PopupMenu6();
        QAction *statusline = clocks->findChild<QAction *>("Statuslineclock1");
        QAction *textfield = clocks->findChild<QAction *>("extfieldclock1");
        QVERIFY(statusline->isEnabled() && textfield->isEnabled());
        statusline->trigger(); // no document: nothing happens
        textfield->trigger();
        QVERIFY(main->documentWindows().isEmpty());

        main->action("HTMLdocument1")->trigger();
        EditorAdapter *editor = fixture.active()->SynEdit1;
        QCOMPARE(editor->caretLine(), 6);
        textfield->trigger();
        QCOMPARE(editor->lines(),
                 (QStringList {"<html>", "<head>"} + textfieldFunction
                  + QStringList {"<title>No title</title>", "</head>",
                                 "<body onLoad=\"TimeTextfield()\">"}
                  + timeForm + QStringList {"</body>", "</html>"}));
        // The form ended on line 8; the caret goes back to that line number.
        QCOMPARE(editor->caretLine(), 8);
        QCOMPARE(editor->caretColumn(), 1);
        QVERIFY(fixture.active()->IsModified);

        main->action("HTMLdocument1")->trigger();
        editor = fixture.active()->SynEdit1;
        statusline->trigger();
        QCOMPARE(editor->lines(),
                 (QStringList {"<html>", "<head>"} + statuslineFunction
                  + QStringList {"<title>No title</title>", "</head>",
                                 "<body onLoad=\"TimeStatusline()\">", "", "</body>", "</html>"}));
        QCOMPARE(editor->caretLine(), 6);
        QCOMPARE(editor->caretColumn(), 1);

        // The date buttons of the tool tab write into the active document.
        editor->setText(QString());
        fixture.page(Page::Html)->findChild<QToolButton *>("SpeedButton56")->click();
        QCOMPARE(editor->line(1), QStringLiteral("<script language=\"Javascript\">"));
        editor->setText(QString());
        fixture.page(Page::Html)->findChild<QToolButton *>("SpeedButton58")->click();
        QCOMPARE(editor->line(7), QStringLiteral("    lastmod = document.lastModified"));
    }
};

QTEST_MAIN(TestScriptCommands)
#include "tst_scriptcommands.moc"
