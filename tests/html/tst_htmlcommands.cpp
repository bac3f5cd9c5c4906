#include "ShellFixture.h"
#include "app/Features.h"
#include "editor/EditorAdapter.h"
#include "html/commands/HtmlCommands.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
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

const QString fraction =
    QStringLiteral("Fraction[One-quarter fraction|One-half fraction|Three-quarters fraction]");
const QString superscript =
    QStringLiteral("Superscript[Superscript 1|Superscript 2|Superscript 3]");
const QString formItems =
    QStringLiteral("Password Field|Hidden Field|Button|Send Button|Reset Button|Textfield|Popup "
                   "menu|Checkbox|Radio Button|"
                   "File Field|Image Button|Text Area|Form Body (<form></form>)");

} // namespace

class TestHtmlCommands : public QObject
{
    Q_OBJECT

private slots:
    void menus_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("expected");

        QTest::newRow("&Insert") << "Insert2"
                                 << "Special Characters[Non braking space|Vertical bar|Copyright "
                                    "sign (c)|Registration mark (r)|"
                                    "Paragraph symbol|Degree sign|Section symbol|Right "
                                    "brackets|Left brackets|Per thousand|"
                                    "Trademark symbol (TM)|Tilde|"
                + fraction + "|" + superscript + "]|Form[" + formItems
                + "]|-|"
                  "Table|Frameset|Linebreak (<br>)|Image|Link|Font|Ordered List|Unordered "
                  "List|Horisontal Ruler|Comment";
        QTest::newRow("&Modify") << "Modify1"
                                 << "HTML Elemt Alignment[Centered|Left Aligned|Right "
                                    "Aligned]|HTML Style[Italic|Bold|Italics And Bold]";
        QTest::newRow("Tools")
            << "ools2"
            << "Strip HTML from "
               "document|-|Comment..|Frames..|Image..|Table..|Link..|Button..|Rollover..|"
               "Textarea..|Font wizard..|Popupmenu..|Ordered Lists..|Unordered list..|Horisontal "
               "ruler..|Object wizard..";
        QTest::newRow("HTMLElement") << "HTMLElement"
                                     << "Table|Frameset|Linebreak (<br>)|Image|Link|Font|Ordered "
                                        "List|Unordered List|Horisontal Ruler|Comment|-|"
                                        "Special Caracters[Non braking space|Vertical "
                                        "bar|Copyright sign (c)|Registration mark (r)|Degree sign|"
                                        "Left brackets|Right brackets|Paragraph symbol|Section "
                                        "symbol|Per thousand|Trademark symbol (TM)|Tilde|"
                + fraction + "|" + superscript + "]|Form[" + formItems + "]";
        QTest::newRow("PopupMenu6") << "PopupMenu6"
                                    << "Statusline clock|Textfield clock";
        QTest::newRow("document pop-up")
            << "PopupMenu1"
            << "Common[Image|Link|Comment|Table|Frameset|Font|Ordered List|Unordered list|Break "
               "(<br>)|"
               "Horisontal ruler (<hr>)]|Special characters[Non braking space|Vertical bar|Degree "
               "sign|"
               "Copyright mark (c)|Registered mark (r)|Left quotation mark|Right quotation "
               "mark|Paragraph symbol|"
               "Section symbol|Per thousand|Trademark symbol (TM)|Tilde|"
                + fraction + "|" + superscript
                + "]|"
                  "Form[Password field|Hidden field|Ordinary Button|Send Button|Reset Button|Text "
                  "field|Options field|"
                  "Checkbox|Radio button|Text area|Image button|File field|Form body "
                  "(<form></form>)]|"
                  "Alignment[Centered|Left|Right]|Font[Italics|Bold|Italics and bold]";
    }

    void menus()
    {
        QFETCH(QString, menu);
        ShellFixture fixture;
        TMainForm *main = fixture.start();
        main->action("HTMLdocument1")->trigger();
        TEditForm *page = fixture.active();
        QString text;
        if (menu == QLatin1String("PopupMenu1")) {
            QStringList groups;
            for (const char *name :
                 {"Common1", "Spesiellebokstaver1", "Skjema1", "Plasser1", "Font2"}) {
                const QMenu *m = page->popupMenu(QLatin1String(name));
                groups << m->title() + QLatin1Char('[') + describe(m) + QLatin1Char(']');
            }
            text = groups.join(QLatin1Char('|'));
        } else {
            const QMenu *m = main->menu(menu) ? main->menu(menu) : main->findChild<QMenu *>(menu);
            QVERIFY(m);
            text = describe(m);
        }
        QTEST(text, "expected");
    }

    void shortcutItemsAreRegistered()
    {
        ShellFixture fixture;
        TMainForm *main = fixture.start();
        const char *const names[] = {"Nonbrakingspace1",
                                     "Linebreakbr1",
                                     "Frameset2",
                                     "able1",
                                     "FormBodyformform1",
                                     "Image1",
                                     "Link1",
                                     "Comment2",
                                     "OrderedList1",
                                     "UnorderedList1",
                                     "Font3",
                                     "StripHTMLcode1",
                                     "Popupmenu8",
                                     "Button3",
                                     "extarea2",
                                     "Image2",
                                     "Link2",
                                     "Comment3",
                                     "able2",
                                     "Objectwizard1",
                                     "Fontwizard1",
                                     "Frames1",
                                     "OrderedLists1",
                                     "Unorderedlist2",
                                     "Rollover1"};
        for (const char *name : names)
            QVERIFY2(main->action(QLatin1String(name)), name);
        // File, New, "Frameset" follows the HTML document item.
        const QList<QAction *> items = main->menu(QStringLiteral("New1"))->actions();
        QCOMPARE(items.indexOf(main->action(QStringLiteral("Frameset1"))),
                 items.indexOf(main->action(QStringLiteral("HTMLdocument1"))) + 1);
    }

    void commandsActOnTheirDocument()
    {
        ShellFixture fixture;
        TMainForm *main = fixture.start();
        main->action(QStringLiteral("OrderedList1"))->trigger(); // no document: nothing happens
        main->action("HTMLdocument1")->trigger();
        TEditForm *other = fixture.active();
        main->action("HTMLdocument1")->trigger();
        TEditForm *page = fixture.active();
        QVERIFY(page != other);
        EditorAdapter *active = page->SynEdit1;
        active->setText(QStringLiteral("  x"));
        active->setCaret(1, 4);
        main->action(QStringLiteral("OrderedList1"))->trigger();
        QCOMPARE(active->lines(), (QStringList {"  x<ol>", "    <li></li>", "  </ol>"}));
        QCOMPARE(active->caretColumn(), 9);
        QVERIFY(page->IsModified);

        // HTMLElement shares the main menu's items (and so their shortcuts).
        auto *htmlElement = main->findChild<QMenu *>(QStringLiteral("HTMLElement"));
        QCOMPARE(htmlElement->actions().at(0), main->action(QStringLiteral("able1")));

        // Another window's pop-up forwards inserts to the active document but wraps its own selection.
        other->SynEdit1->setText(QStringLiteral("word"));
        other->SynEdit1->selectAll();
        other->popupMenu(QStringLiteral("Common1"))
            ->findChild<QAction *>(QStringLiteral("Breakbr2"))
            ->trigger();
        QCOMPARE(active->line(2), QStringLiteral("    <li><br></li>"));
        other->popupMenu(QStringLiteral("Plasser1"))
            ->findChild<QAction *>(QStringLiteral("Right1"))
            ->trigger();
        QCOMPARE(other->SynEdit1->lines(), QStringList {"<div align=\"Right\">word</div>"});
    }

    // Every opener of the main window is provided by now; a second set of the commands on
    // the same window shows its items and buttons waiting, disabled, for their handlers.
    void openersWaitForTheirFeature()
    {
        ShellFixture fixture;
        TMainForm *main = fixture.start();
        HtmlCommands commands(*fixture.features().host);
        QAction *clock =
            commands.PopupMenu6()->findChild<QAction *>(QStringLiteral("Statuslineclock1"));
        auto *button =
            commands.toolPanel()->findChild<QToolButton *>(QStringLiteral("SpeedButton55"));
        QVERIFY(!clock->isEnabled());
        QVERIFY(!button->isEnabled());

        int opened = 0;
        commands.provide(QStringLiteral("Statuslineclock1Click"), [&] { ++opened; });
        commands.provide(QStringLiteral("SpeedButton55Click"), [&] { ++opened; });
        QVERIFY(clock->isEnabled());
        QVERIFY(button->isEnabled());
        clock->trigger();
        button->click();
        QCOMPARE(opened, 2);

        // Link opens only while a document is open.
        int links = 0;
        commands.provide(QStringLiteral("SpeedButton33Click"), [&] { ++links; });
        commands.run(QStringLiteral("SpeedButton33Click"));
        QCOMPARE(links, 0);
        main->action("HTMLdocument1")->trigger();
        commands.run(QStringLiteral("SpeedButton33Click"));
        QCOMPARE(links, 1);
    }

    void toolTab()
    {
        ShellFixture fixture;
        TMainForm *main = fixture.start();
        QWidget *sheet = fixture.page(Page::Html);
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

        // Buttons of main-window commands follow their command.
        auto *save = sheet->findChild<QToolButton *>(QStringLiteral("HTMLSave1"));
        QVERIFY(!save->isEnabled());
        main->action("HTMLdocument1")->trigger();
        QVERIFY(save->isEnabled());

        // The tab, once looked at, shows every button with its picture.
        fixture.child<QTabWidget>("PageControl3")->setCurrentWidget(sheet);
        int pictures = 0;
        for (const QGroupBox *box : sheet->findChildren<QGroupBox *>()) {
            for (const QToolButton *b : box->findChildren<QToolButton *>()) {
                QVERIFY2(!b->icon().pixmap(20, 20).isNull(), qPrintable(b->toolTip()));
                ++pictures;
            }
        }
        QCOMPARE(pictures, 37);

        // "Paste Code.." drops down HTMLElement.
        sheet->findChild<QToolButton *>(QStringLiteral("SpeedButton71"))->click();
        auto *htmlElement = main->findChild<QMenu *>(QStringLiteral("HTMLElement"));
        QVERIFY(htmlElement->isVisible());
        htmlElement->hide();
    }
};

QTEST_MAIN(TestHtmlCommands)
#include "tst_htmlcommands.moc"
