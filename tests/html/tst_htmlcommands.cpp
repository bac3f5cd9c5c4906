// The HTML commands over a fake host: the menus, the tool tab, the document pop-up groups and
// the wizard openers; and once in the real main window, that its items, buttons and pop-ups
// reach the HTML features.
#include "HtmlHost.h"
#include "ShellFixture.h"
#include "html/commands/HtmlCommands.h"
#include "html/commands/ScriptCommands.h"
#include "html/commands/WizardOpeners.h"
#include "html/widgets/WizardDialog.h"
#include "html/wizards/TableWizard.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

// "caption" per item, "caption[...]" for a submenu, "-" for a separator.
QString describe(const QMenu *menu)
{
    QStringList parts;
    for (QAction *a : menu->actions()) {
        if (a->isSeparator())
            parts << QStringLiteral("-");
        else if (a->menu())
            parts << a->text() + QLatin1Char('[') + describe(a->menu()) + QLatin1Char(']');
        else
            parts << a->text();
    }
    return parts.join(QLatin1Char('|'));
}

const char *const popupGroups[] = {"Common1", "Spesiellebokstaver1", "Skjema1", "Plasser1",
                                   "Font2"};

// The HTML commands over a fake host whose documents get the pop-up's empty HTML groups, as
// the main window's do.
struct Html {
    FakeFeatureHost host;
    bool groups = QObject::connect(&host, &FeatureHost::documentCreated, [](HostDocument *d) {
        for (const char *name : popupGroups) {
            auto *group = new QMenu(QLatin1String(name), d->popupMenu());
            group->setObjectName(QLatin1String(name));
            d->popupActions().addMenu(group);
        }
    });
    HtmlCommands commands {host};
    QAction *action(const char *name) { return host.actions().action(QLatin1String(name)); }
    QToolButton *button(const char *name)
    {
        return commands.toolPanel()->findChild<QToolButton *>(QLatin1String(name));
    }
};

} // namespace

class TestHtmlCommands : public QObject
{
    Q_OBJECT

private slots:
    void menus_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("expected");

        const QString fractions =
            "Fraction[One-quarter fraction|One-half fraction|Three-quarters fraction]|"
            "Superscript[Superscript 1|Superscript 2|Superscript 3]";
        const QString fractionsAndForm = fractions
            + "]|Form[Password Field|Hidden Field|Button|Send Button|Reset Button|Textfield|"
              "Popup menu|Checkbox|Radio Button|File Field|Image Button|Text Area|Form Body "
              "(<form></form>)]";
        const auto row = [](const char *name, const char *menu, const QString &expected) {
            QTest::newRow(name) << QString(menu) << expected;
        };
        row("&Insert", "Insert2",
            "Special Characters[Non braking space|Vertical bar|Copyright sign (c)|Registration "
            "mark (r)|Paragraph symbol|Degree sign|Section symbol|Right brackets|Left brackets|"
            "Per thousand|Trademark symbol (TM)|Tilde|"
                + fractionsAndForm
                + "|-|Table|Frameset|Linebreak (<br>)|Image|Link|Font|Ordered List|Unordered List|"
                  "Horisontal Ruler|Comment");
        row("&Modify", "Modify1",
            "HTML Elemt Alignment[Centered|Left Aligned|Right Aligned]|HTML Style[Italic|Bold|"
            "Italics And Bold]");
        row("Tools", "ools2",
            "Strip HTML from document|-|Comment..|Frames..|Image..|Table..|Link..|Button..|"
            "Rollover..|Textarea..|Font wizard..|Popupmenu..|Ordered Lists..|Unordered list..|"
            "Horisontal ruler..|Object wizard..");
        row("HTMLElement", "HTMLElement",
            "Table|Frameset|Linebreak (<br>)|Image|Link|Font|Ordered List|Unordered List|"
            "Horisontal Ruler|Comment|-|Special Caracters[Non braking space|Vertical bar|"
            "Copyright sign (c)|Registration mark (r)|Degree sign|Left brackets|Right brackets|"
            "Paragraph symbol|Section symbol|Per thousand|Trademark symbol (TM)|Tilde|"
                + fractionsAndForm);
        row("PopupMenu6", "PopupMenu6", "Statusline clock|Textfield clock");
        row("document pop-up", "PopupMenu1",
            "Common1[Image|Link|Comment|Table|Frameset|Font|Ordered List|Unordered list|Break "
            "(<br>)|Horisontal ruler (<hr>)]|Spesiellebokstaver1[Non braking space|Vertical bar|"
            "Degree sign|Copyright mark (c)|Registered mark (r)|Left quotation mark|Right "
            "quotation mark|Paragraph symbol|Section symbol|Per thousand|Trademark symbol (TM)|"
            "Tilde|"
                + fractions
                + "]|Skjema1[Password field|Hidden field|Ordinary Button|Send Button|Reset "
                  "Button|Text field|Options field|Checkbox|Radio button|Text area|Image "
                  "button|File field|Form body (<form></form>)]|Plasser1[Centered|Left|Right]|"
                  "Font2[Italics|Bold|Italics and bold]");
    }
    void menus()
    {
        QFETCH(QString, menu);
        Html html;
        QString text;
        if (menu == QLatin1String("PopupMenu1")) {
            FakeDocument *page = html.host.open("page.html");
            QStringList groups;
            for (const char *name : popupGroups) {
                const QMenu *m = page->popupActions().menu(QLatin1String(name));
                groups << m->title() + QLatin1Char('[') + describe(m) + QLatin1Char(']');
            }
            text = groups.join(QLatin1Char('|'));
        } else {
            const QMenu *m = html.host.actions().menu(menu);
            text = describe(m ? m : html.host.window()->findChild<QMenu *>(menu));
        }
        QTEST(text, "expected");
    }

    void itemNames()
    {
        Html html;
        for (const QString &name :
             QStringLiteral(
                 "Nonbrakingspace1 Linebreakbr1 Frameset2 able1 FormBodyformform1 Image1 Link1 "
                 "Comment2 OrderedList1 UnorderedList1 Font3 StripHTMLcode1 Popupmenu8 Button3 "
                 "extarea2 Image2 Link2 Comment3 able2 Objectwizard1 Fontwizard1 Frames1 "
                 "OrderedLists1 Unorderedlist2 Rollover1")
                 .split(' '))
            QVERIFY2(html.host.actions().action(name), qPrintable(name));
        // File, New, "Frameset" follows the HTML document item.
        const QList<QAction *> items = html.host.actions().menu("New1")->actions();
        QCOMPARE(items.indexOf(html.action("Frameset1")),
                 items.indexOf(html.action("HTMLdocument1")) + 1);
    }

    // Without a document the insert items do nothing; HTMLElement shares the main menu's
    // items (and so their shortcuts); a document's pop-up forwards inserts to the active
    // document but wraps its own selection.
    void commandsActOnTheirDocument()
    {
        Html html;
        html.action("OrderedList1")->trigger();
        FakeDocument *other = html.host.open("other.html", "word");
        EditorAdapter *active = openPage(html.host, {"  x"}, 1, 4);
        html.action("OrderedList1")->trigger();
        QCOMPARE(active->lines(), (QStringList {"  x<ol>", "    <li></li>", "  </ol>"}));
        QVERIFY(html.host.active()->isModified());
        QCOMPARE(html.commands.HTMLElement()->actions().at(0), html.action("able1"));

        other->editor()->selectAll();
        other->popupActions().action("Breakbr2")->trigger();
        QCOMPARE(active->line(2), QStringLiteral("    <li><br></li>"));
        other->popupActions().action("Right1")->trigger();
        QCOMPARE(other->editor()->lines(), QStringList {"<div align=\"Right\">word</div>"});
    }

    // Items and buttons of other features wait, disabled, for their handlers.
    void openersWaitForTheirFeature()
    {
        Html html;
        QAction *clock = html.commands.PopupMenu6()->findChild<QAction *>("Statuslineclock1");
        QToolButton *button = html.button("SpeedButton55");
        QVERIFY(!clock->isEnabled() && !button->isEnabled() && !html.action("able2")->isEnabled());

        int opened = 0;
        html.commands.provide(QStringLiteral("Statuslineclock1Click"), [&] { ++opened; });
        html.commands.provide(QStringLiteral("SpeedButton55Click"), [&] { ++opened; });
        QVERIFY(clock->isEnabled() && button->isEnabled());
        clock->trigger();
        button->click();
        QCOMPARE(opened, 2);

        // Link opens only while a document is open.
        int links = 0;
        html.commands.provide(QStringLiteral("SpeedButton33Click"), [&] { ++links; });
        html.commands.run(QStringLiteral("SpeedButton33Click"));
        QCOMPARE(links, 0);
        html.host.open("page.html");
        html.commands.run(QStringLiteral("SpeedButton33Click"));
        QCOMPARE(links, 1);
    }

    void toolTab()
    {
        Html html;
        QWidget *sheet = html.host.page(Page::Html);
        const QStringList expected {
            "Form:|Button|Checkbox|Radio button|Textfield|File field|Text Area|Password "
            "field|Popup menu|"
            "Image button|Hidden field",
            "Common:|Image|Link|Comment|Table|Frameset|Font|Object - Used for ActiveX, Applet "
            "etc.|Unordered List|"
            "Ordered List|Horisontal Ruler|Rollover|View page in browser (Ctrl+G)",
            "Javascripts:|Todays date|Browser information|Document last modified|Clock|Random "
            "images|"
            "Popup menu with link forwarder",
            "Other:|Paste Code..|Strip html from current document (renames the file to .txt)|Save "
            "document|Print|Cut|"
            "Copy|Paste|Find..|Replace"};
        QStringList groups;
        for (const QGroupBox *box : sheet->findChildren<QGroupBox *>()) {
            QStringList parts {box->title()};
            for (const QToolButton *b : box->findChildren<QToolButton *>())
                parts << b->toolTip();
            groups << parts.join(QLatin1Char('|'));
        }
        QCOMPARE(groups, expected);

        // Buttons of main-window commands follow and run their command.
        QAction *save = html.action("Save1");
        QToolButton *saveButton = html.button("HTMLSave1");
        save->setEnabled(false);
        QVERIFY(!saveButton->isEnabled());
        save->setEnabled(true);
        QVERIFY(saveButton->isEnabled());
        QSignalSpy saved(save, &QAction::triggered);
        saveButton->click();
        QCOMPARE(saved.size(), 1);

        // The tab, once shown, shows every button with its picture.
        QVERIFY(html.button("SpeedButton35")->icon().isNull());
        html.host.window()->show();
        int pictures = 0;
        for (const QToolButton *b : sheet->findChildren<QToolButton *>()) {
            QVERIFY2(!b->icon().pixmap(20, 20).isNull(), qPrintable(b->toolTip()));
            ++pictures;
        }
        QCOMPARE(pictures, 37);

        // "Paste Code.." drops down HTMLElement.
        html.button("SpeedButton71")->click();
        QVERIFY(html.commands.HTMLElement()->isVisible());
        html.commands.HTMLElement()->hide();
    }

    // Every wizard's menu item and button: a new wizard each time, shown, freed when closed;
    // OK with no document makes none.
    void wizardOpeners_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char *name, const char *item, const char *button,
                            const char *caption) {
            QTest::newRow(name) << QString(item) << QString(button) << QString(caption);
        };
        row("comment", "Comment3", "SpeedButton34", "Comment:");
        row("table", "able2", "SpeedButton35", "Table wizard:");
        row("ordered", "OrderedLists1", "SpeedButton53", "Ordered list");
        row("unordered", "Unorderedlist2", "SpeedButton52", "Unordered list");
        row("selection", "Popupmenu8", "SpeedButton28", "Popup menu wizard");
        row("font", "Fontwizard1", "SpeedButton48", "Font - Wizard:");
        row("object", "Objectwizard1", "SpeedButton51", "Object wizard:");
        row("rule", "Horisontalruler2", "SpeedButton54", "Horisontal ruler");
        row("rollover", "Rollover1", "SpeedButton55", "Rollover image wizard");
        row("random image", "", "SpeedButton61", "Random image");
        row("link menu", "", "SpeedButton65", "Linkscript");
        row("browser", "", "SpeedButton57", "Browser Information script");
        row("link, with a document", "Link2", "SpeedButton33", "Link/Anker point");
    }
    void wizardOpeners()
    {
        QFETCH(QString, item);
        QFETCH(QString, button);
        Html html;
        const WizardHost wizards = wizardHost(html.host);
        WizardOpeners::provideTo(html.commands, wizards, html.host);
        ScriptCommands::provideTo(html.commands, wizards);
        const bool link = button == "SpeedButton33";
        if (link)
            openPage(html.host);
        QVERIFY(html.button(qPrintable(button))->isEnabled());
        html.button(qPrintable(button))->click();
        if (!item.isEmpty()) {
            QVERIFY(html.host.actions().action(item)->isEnabled());
            html.host.actions().action(item)->trigger();
        }
        const QList<WizardDialog *> opened = html.host.window()->findChildren<WizardDialog *>();
        QCOMPARE(opened.size(), item.isEmpty() ? 1 : 2);
        for (WizardDialog *wizard : opened) {
            QTEST(wizard->windowTitle(), "caption");
            QVERIFY(wizard->isVisible() && wizard->testAttribute(Qt::WA_DeleteOnClose));
            wizard->okButton()->click();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(html.host.window()->findChildren<WizardDialog *>().isEmpty());
        QCOMPARE(html.host.documents().size(), int(link));
    }

    // The main window hands its menus, tool tab and document pop-ups to the HTML features.
    void mainWindow()
    {
        ShellFixture fixture;
        TMainForm *main = fixture.start();
        main->action("HTMLdocument1")->trigger();
        HostDocument *other = fixture.active();
        main->action("HTMLdocument1")->trigger();
        EditorAdapter *editor = fixture.active()->editor();
        editor->setText("  x");
        editor->setCaret(1, 4);
        main->action("OrderedList1")->trigger();
        QCOMPARE(editor->lines(), (QStringList {"  x<ol>", "    <li></li>", "  </ol>"}));

        // The pop-up's HTML groups; they forward inserts to the active document.
        QStringList titles;
        for (const char *name : popupGroups)
            titles << other->popupActions().menu(QLatin1String(name))->title();
        QCOMPARE(titles,
                 (QStringList {"Common", "Special characters", "Form", "Alignment", "Font"}));
        // As the user sees them: a line parts "Form" from "Alignment", another ends the part.
        QMenu *popup = other->popupMenu();
        QStringList shown;
        for (QAction *a : popup->actions())
            if (a->isVisible())
                shown << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(
            shown.mid(shown.indexOf("Common"), 7),
            (QStringList {"Common", "Special characters", "Form", "-", "Alignment", "Font", "-"}));
        other->popupActions().action("Breakbr2")->trigger();
        QCOMPARE(editor->line(2), QStringLiteral("    <li><br></li>"));

        // A wizard writes into the document active at its OK.
        fixture.page(Page::Html)->findChild<QToolButton *>("SpeedButton35")->click();
        auto *table = main->findChild<TTableForm *>();
        table->Edit1->setText("0");
        main->action("HTMLdocument1")->trigger();
        editor = fixture.active()->editor();
        editor->setText("  ");
        editor->setCaret(1, 3);
        table->okButton()->click();
        QCOMPARE(editor->lines(),
                 (QStringList {"  <table width=\"75%\" border=\"1\">", "  </table>"}));
        QVERIFY(fixture.active()->isModified());

        // The script buttons, and Strip HTML.
        editor->setText(QString());
        fixture.page(Page::Html)->findChild<QToolButton *>("SpeedButton56")->click();
        QCOMPARE(editor->line(1), QStringLiteral("<script language=\"Javascript\">"));
        fixture.prompter.answers = {Prompter::Yes};
        main->action("StripHTMLcode1")->trigger();
        QCOMPARE(fixture.active()->caption(), QStringLiteral("Untitled3.txt"));
    }

    // The table wizard of the HTML tab takes row and column counts typed with blanks around
    // them, and still refuses any other text.
    void tableCountsWithBlanks()
    {
        ShellFixture fixture;
        TMainForm *main = fixture.start();
        main->action("HTMLdocument1")->trigger();
        EditorAdapter *editor = fixture.active()->editor();
        editor->setText(QString());
        fixture.page(Page::Html)->findChild<QToolButton *>("SpeedButton35")->click();
        auto *table = main->findChild<TTableForm *>();
        QVERIFY(table && table->isVisible());
        const auto type = [](QLineEdit *field, const QString &text) {
            field->selectAll();
            QTest::keyClicks(field, text);
            QCOMPARE(field->text(), text);
        };

        type(table->Edit1, "1 1");
        type(table->Edit2, " 2 ");
        table->okButton()->click();
        QCOMPARE(fixture.prompter.texts(), QStringList {"'1 1' is not a valid integer value"});
        QVERIFY(table->isVisible() && editor->text().isEmpty());

        type(table->Edit1, "  2");
        table->okButton()->click();
        QCOMPARE(fixture.prompter.calls.size(), 1);
        QVERIFY(!table->isVisible());
        const QStringList row {"  <tr>", "     <td>&nbsp;</td>", "     <td>&nbsp;</td>", "  </tr>"};
        QCOMPARE(editor->lines(),
                 QStringList {"<table width=\"75%\" border=\"1\">"} + row + row
                     + QStringList {"</table>"});
    }
};

QTEST_MAIN(TestHtmlCommands)
#include "tst_htmlcommands.moc"
