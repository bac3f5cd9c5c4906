// The "Javascripts:" commands: the date and last-modified scripts at the caret, the two
// clocks with their head function and body start call, once per page; and the link wizard
// with its browser-window and status-line dialogs, which open through their exec functions
// and are answered here.
#include "FakeFileDialogs.h"
#include "FakeHelpViewer.h"
#include "FakePrompter.h"
#include "HtmlHost.h"
#include "TestFiles.h"
#include "html/commands/HtmlCommands.h"
#include "html/commands/ScriptCommands.h"
#include "html/scripts/BrowserWindowDialog.h"
#include "html/scripts/LinkWizard.h"
#include "html/scripts/StatusLineDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

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

// The user's choice of an item (also of the one already shown).
void choose(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// The browser-window dialog as the user fills it: fields, then the ticked boxes by number.
struct BrowserAnswer {
    QString document, height, width, title;
    QList<int> boxes;
    bool ok = true;
};

const QString statusAttributes =
    " onMouseOut=\"javascript:window.status=' ';return true;\" "
    "onMouseOver=\"javascript:window.status='It's here';return true\" ";

} // namespace

Q_DECLARE_METATYPE(BrowserAnswer)

class TestScriptCommands : public QObject
{
    Q_OBJECT

    FakePrompter m_prompter;
    FakeFileDialogs m_dialogs;
    FakeHelpViewer m_help;
    FakeFeatureHost m_host;
    const WizardHost m_wizards = wizardHost(m_host);

    // A wizard whose sub-dialogs take their answers from browser and status; the number of
    // dialogs opened is counted in opened.
    static void answer(TLinkForm &wizard, const QList<BrowserAnswer> &browser,
                       const QStringList &status, int *opened)
    {
        auto browsers = std::make_shared<QList<BrowserAnswer>>(browser);
        wizard.setExecBrowser([browsers, opened](TBrowserFrm &dialog) {
            ++*opened;
            const BrowserAnswer a = browsers->isEmpty() ? BrowserAnswer {} : browsers->takeFirst();
            dialog.Edit1->setText(a.document);
            dialog.Edit2->setText(a.height);
            dialog.Edit3->setText(a.width);
            dialog.Edit4->setText(a.title);
            const QList<QCheckBox *> boxes {dialog.CheckBox1, dialog.CheckBox2, dialog.CheckBox3,
                                            dialog.CheckBox4, dialog.CheckBox5, dialog.CheckBox6};
            for (int b : a.boxes)
                boxes.at(b - 1)->setChecked(true);
            (a.ok ? dialog.Button1 : dialog.Button2)->click();
            return dialog.result();
        });
        auto messages = std::make_shared<QStringList>(status);
        wizard.setExecStatus([messages, opened](TStatusLinjeFrm &dialog) {
            ++*opened;
            if (messages->isEmpty()) {
                dialog.Button2->click(); // cancelled
            } else {
                dialog.Edit1->setText(messages->takeFirst());
                dialog.Button1->click();
            }
            return dialog.result();
        });
    }

private slots:
    void init()
    {
        m_prompter.calls.clear();
        m_dialogs.calls.clear();
        m_help.pages.clear();
    }

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
        EditorAdapter *editor = openPage(m_host, {indent}, 1, indent.size() + 1);
        if (lastModified)
            ScriptCommands::SpeedButton58Click(m_wizards);
        else
            ScriptCommands::SpeedButton56Click(m_wizards);
        const QStringList expected = indented(indent, lines);
        QCOMPARE(editor->lines(), QStringList(indent + expected.first()) + expected.mid(1));
        QCOMPARE(editor->caretLine(), lines.size());
        QCOMPARE(editor->caretColumn(), indent.size() + 10);

        // Without a document nothing happens.
        WizardHost none = m_wizards;
        none.activeEditor = [] { return nullptr; };
        ScriptCommands::SpeedButton56Click(none);
        ScriptCommands::SpeedButton58Click(none);
        ScriptCommands::extfieldclock1Click(none);
        ScriptCommands::Statuslineclock1Click(none);
        QCOMPARE(editor->lineCount(), lines.size());
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
        EditorAdapter *editor = openPage(m_host, page);
        for (const QString &click : clicks) {
            editor->setCaret(editor->lineCount(), 1);
            if (click == "t")
                ScriptCommands::extfieldclock1Click(m_wizards);
            else
                ScriptCommands::Statuslineclock1Click(m_wizards);
        }
        QCOMPARE(editor->lines(), expected);
    }

    // On the template of a new HTML document, through the clock pop-up: the whole page and
    // where the caret ends.
    void clocksOnTheTemplate()
    {
        HtmlCommands commands(m_host);
        ScriptCommands::provideTo(commands, m_wizards);
        QAction *statusline = commands.PopupMenu6()->findChild<QAction *>("Statuslineclock1");
        QAction *textfield = commands.PopupMenu6()->findChild<QAction *>("extfieldclock1");
        QVERIFY(statusline->isEnabled() && textfield->isEnabled());
        const QStringList head {"<html>", "<head>"};
        const QStringList page {
            "<title>No title</title>", "</head>", "<body>", "", "</body>", "</html>"};
        EditorAdapter *editor = openPage(m_host, head + page, 6);
        textfield->trigger();
        QCOMPARE(editor->lines(),
                 head + textfieldFunction + page.mid(0, 2)
                     + QStringList {"<body onLoad=\"TimeTextfield()\">"} + timeForm + page.mid(4));
        // The form ended on line 8; the caret goes back to that line number.
        QCOMPARE(editor->caretLine(), 8);
        QCOMPARE(editor->caretColumn(), 1);

        editor = openPage(m_host, head + page, 6);
        statusline->trigger();
        QCOMPARE(editor->lines(),
                 head + statuslineFunction + page.mid(0, 2)
                     + QStringList {"<body onLoad=\"TimeStatusline()\">"} + page.mid(3));
        QCOMPARE(editor->caretLine(), 6);
        QCOMPARE(editor->caretColumn(), 1);
    }

    // Each row: Link and Name typed, onClick choices in turn with the browser dialog's answers,
    // the status-line message ("-": the dialog cancelled), what is done after the choices
    // ("untick" onClick, "clear" Link) and the tag.
    void tags_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<BrowserAnswer>>("browser");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *tag, const char *link, const char *name,
                            const QList<int> &clicks, const QList<BrowserAnswer> &browser,
                            const char *status, const char *after, const QString &expected) {
            QTest::newRow(tag) << QString(link) << QString(name) << clicks << browser
                               << QString(status) << QString(after) << expected;
        };
        const QString print = "<a href=\"#\" onClick=\"javascript:self.print()\"";
        row("link", "page.html", "n", {}, {}, "", "", "<a href=\"page.html\">Go</a>");
        row("anchor drops the events", "page.html", "top", {0}, {}, "It's here", "clear",
            "<a name=\"top\">Go</a>");
        row("print", "page.html", "", {0}, {}, "", "", print + ">Go</a>");
        row("close", "", "", {1}, {}, "", "",
            "<a href=\"#\" onClick=\"javascript:self.close()\">Go</a>");
        row("window, every feature in order", "", "", {2},
            {{"doc.html", "300", "200", "Win", {6, 5, 4, 3, 2, 1}}}, "", "",
            "<a href=\"#\" onClick=\"javascript:window.open('doc.html','Win','toolbar=yes,"
            "location=yes,menubar=yes,scrollbars=yes,resizable=yes,status=yes,height=300,"
            "width=200'); return true\">Go</a>");
        row("window, all empty", "", "", {2}, {BrowserAnswer {}}, "", "",
            "<a href=\"#\" onClick=\"javascript:window.open('','',''); return true\">Go</a>");
        row("window dialog cancelled", "page.html", "", {2},
            {{"doc.html", "1", "2", "t", {1}, false}}, "", "", "<a href=\"#\">Go</a>");
        row("window chosen again replaces the first", "", "", {2, 2},
            {{"one.html", "", "", "", {}}, {"two.html", "", "", "", {}}}, "", "",
            "<a href=\"#\" onClick=\"javascript:window.open('two.html','',''); return "
            "true\">Go</a>");
        row("window, then print writes print", "", "", {2, 0}, {{"one.html", "", "", "", {}}}, "",
            "", print + ">Go</a>");
        row("onClick unticked after a choice", "", "", {0}, {}, "", "untick",
            "<a href=\"#\">Go</a>");
        row("status line", "x.html", "", {}, {}, "It's here", "",
            "<a href=\"x.html\"" + statusAttributes + ">Go</a>");
        row("print and status line", "x.html", "", {0}, {}, "It's here", "",
            print + statusAttributes + ">Go</a>");
        row("status dialog cancelled", "a.html", "", {}, {}, "-", "", "<a href=\"a.html\">Go</a>");
    }

    void tags()
    {
        QFETCH(QString, link);
        QFETCH(QString, name);
        QFETCH(QList<int>, clicks);
        QFETCH(QList<BrowserAnswer>, browser);
        QFETCH(QString, status);
        QFETCH(QString, after);
        QFETCH(QString, expected);

        EditorAdapter *editor = openPage(m_host);
        TLinkForm wizard(m_wizards);
        int opened = 0;
        const bool cancel = status == "-" || status.isEmpty();
        answer(wizard, browser, cancel ? QStringList() : QStringList {status}, &opened);
        wizard.show();
        wizard.setLinkText("Go");
        wizard.Lenke->setText(link);
        wizard.Navn->setText(name);
        QVERIFY(!wizard.KlikkCompo->isEnabled() && !wizard.MouseOverCompo->isEnabled());
        if (!clicks.isEmpty()) {
            wizard.onklikk->click();
            QVERIFY(wizard.KlikkCompo->isEnabled());
            for (int item : clicks)
                choose(wizard.KlikkCompo, item);
            QCOMPARE(wizard.Lenke->text(), QStringLiteral("#"));
        }
        if (!status.isEmpty()) {
            wizard.mouseover->click();
            choose(wizard.MouseOverCompo, 0);
        }
        QCOMPARE(opened, int(clicks.count(2) + (status.isEmpty() ? 0 : 1)));
        if (after == "untick") {
            wizard.onklikk->click();
            QVERIFY(!wizard.KlikkCompo->isEnabled());
        }
        if (after == "clear")
            wizard.Lenke->clear();
        wizard.okButton()->click();
        QCOMPARE(editor->text(), expected);
        QVERIFY(!wizard.isVisible());
    }

    // Link..: the selection becomes the link text; OK replaces it, with the document's line
    // ending between its lines. Help opens the wizard's topic.
    void openedOnTheSelection()
    {
        EditorAdapter *editor = openPage(m_host);
        TextFile::Format crlf;
        crlf.lineEnding = TextFile::LineEnding::CRLF;
        editor->setFormat(crlf);
        editor->setText("one\r\ntwo");
        editor->selectAll();
        ScriptCommands::SpeedButton33Click(m_wizards);
        auto *wizard = m_host.window()->findChild<TLinkForm *>();
        QVERIFY(wizard);
        QVERIFY(wizard->isVisible());
        QVERIFY(wizard->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Link/Anker point"));
        QCOMPARE(wizard->Memo1->toPlainText(), QStringLiteral("one\ntwo"));
        wizard->helpButton()->click();
        QCOMPARE(m_help.pages, QStringList {"HID_LINKDLG"});
        wizard->Lenke->setText("a.html");
        wizard->okButton()->click();
        QCOMPARE(editor->text(), QStringLiteral("<a href=\"a.html\">one\r\ntwo</a>"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Find..: into the project folder itself, an existing file kept; without a project the
    // full path and the warning.
    void browserFind()
    {
        const QString project = m_host.folder.filePath("site");
        const QString elsewhere = m_host.folder.filePath("elsewhere");
        QVERIFY(TestFiles::write(elsewhere + "/page.html", "new"));
        QVERIFY(TestFiles::write(elsewhere + "/other.htm", "other"));
        QVERIFY(TestFiles::write(project + "/page.html", "old"));

        TBrowserFrm dialog([&] { return ProjectSettings {project, "images"}; });
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Browser window"));
        m_dialogs.answerFiles({elsewhere + "/page.html"});
        m_dialogs.answerFiles({elsewhere + "/other.htm"});
        dialog.Button3->click();
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("page.html"));
        QCOMPARE(FileDialogs::toDelphiFilter(m_dialogs.calls.at(0).request.filter),
                 QStringLiteral("HTML dukument (*.html, *.htm)|*.html;*.htm|Andre filer "
                                "(*.*)|*.*"));
        QCOMPARE(TestFiles::read(project + "/page.html"), QByteArray("old"));
        dialog.Button3->click();
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("other.htm"));
        QVERIFY(QFile::exists(project + "/other.htm"));
        QVERIFY(!QFile::exists(project + "/images"));
        QVERIFY(m_prompter.calls.isEmpty());
        dialog.Button4->click();
        QCOMPARE(m_help.pages, QStringList {"HID_OPENBROWSER"});

        TBrowserFrm noProject([] { return ProjectSettings(); });
        m_dialogs.answerFiles({elsewhere + "/page.html"});
        noProject.Button3->click();
        QCOMPARE(noProject.Edit1->text(), elsewhere + "/page.html");
        QCOMPARE(m_prompter.calls.size(), 1);
        QCOMPARE(m_prompter.calls[0].caption, QStringLiteral("WARNING!"));
        QCOMPARE(m_prompter.calls[0].text,
                 QStringLiteral("A project catalog is not defined so the link for this image "
                                "will point to an image on you local machine!!"));
        QCOMPARE(m_prompter.calls[0].icon, Prompter::Warning);
    }
};

QTEST_MAIN(TestScriptCommands)
#include "tst_scriptcommands.moc"
