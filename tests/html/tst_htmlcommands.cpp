#include <QtTest>

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "../shell/ShellFixture.h"
#include "editor/EditorAdapter.h"
#include "html/HtmlCommandHost.h"
#include "html/HtmlCommands.h"

namespace {

// A main window stand-in: the menus the commands fill, a registry and the HTML tab.
class FakeHost : public HtmlCommandHost
{
public:
    FakeHost()
    {
        for (const char *name : {"Insert2", "Modify1", "ools2", "New1"})
            addSubmenu(&m_bar, QLatin1String(name), QString());
        for (const char *name : {"HTMLdocument1", "CSSdocument1", "Save1", "Cut1"})
            addItem(menu(QStringLiteral("New1")), QLatin1String(name), QString());
        m_sheet = new QWidget(&m_window);
        auto *layout = new QVBoxLayout(m_sheet);
        layout->addWidget(new QPushButton(QStringLiteral("New HTML document.."), m_sheet));
        layout->addStretch(1);
    }

    QWidget *window() const override { return const_cast<QWidget *>(&m_window); }
    EditorAdapter *activeEditor() const override { return active; }
    QMenu *menu(const QString &name) const override { return m_menus.value(name); }
    QAction *action(const QString &name) const override { return m_actions.value(name); }
    QMenu *addSubmenu(QMenu *parent, const QString &name, const QString &caption) override
    {
        QMenu *m = parent->addMenu(caption);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        m_menus.insert(name, m);
        enter(m->menuAction());
        return m;
    }
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption) override
    {
        QAction *a = menu->addAction(caption);
        a->setObjectName(name);
        return enter(a);
    }
    QAction *addSeparator(QMenu *menu, const QString &name) override
    {
        QAction *a = menu->addSeparator();
        a->setObjectName(name);
        return enter(a);
    }
    QWidget *htmlSheet() const override { return m_sheet; }

    EditorAdapter *active = nullptr;

private:
    QAction *enter(QAction *a)
    {
        if (m_actions.contains(a->objectName()))
            qFatal("registered twice: %s", qPrintable(a->objectName()));
        m_actions.insert(a->objectName(), a);
        return a;
    }

    QWidget m_window;
    QMenu m_bar;
    QWidget *m_sheet = nullptr;
    QHash<QString, QMenu *> m_menus;
    QHash<QString, QAction *> m_actions;
};

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

const QString fraction = QStringLiteral("Fraction[One-quarter fraction|One-half fraction|Three-quarters fraction]");
const QString superscript = QStringLiteral("Superscript[Superscript 1|Superscript 2|Superscript 3]");
const QString formItems = QStringLiteral(
    "Password Field|Hidden Field|Button|Send Button|Reset Button|Textfield|Popup menu|Checkbox|Radio Button|"
    "File Field|Image Button|Text Area|Form Body (<form></form>)");

} // namespace

class TestHtmlCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menus_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("expected");

        QTest::newRow("&Insert") << "Insert2"
            << "Special Characters[Non braking space|Vertical bar|Copyright sign (c)|Registration mark (r)|"
               "Paragraph symbol|Degree sign|Section symbol|Right brackets|Left brackets|Per thousand|"
               "Trademark symbol (TM)|Tilde|" + fraction + "|" + superscript + "]|Form[" + formItems + "]|-|"
               "Table|Frameset|Linebreak (<br>)|Image|Link|Font|Ordered List|Unordered List|Horisontal Ruler|Comment";
        QTest::newRow("&Modify") << "Modify1"
            << "HTML Elemt Alignment[Centered|Left Aligned|Right Aligned]|HTML Style[Italic|Bold|Italics And Bold]";
        QTest::newRow("Tools") << "ools2"
            << "Strip HTML from document|-|Comment..|Frames..|Image..|Table..|Link..|Button..|Rollover..|"
               "Textarea..|Font wizard..|Popupmenu..|Ordered Lists..|Unordered list..|Horisontal ruler..|Object wizard..";
        QTest::newRow("HTMLElement") << "HTMLElement"
            << "Table|Frameset|Linebreak (<br>)|Image|Link|Font|Ordered List|Unordered List|Horisontal Ruler|Comment|-|"
               "Special Caracters[Non braking space|Vertical bar|Copyright sign (c)|Registration mark (r)|Degree sign|"
               "Left brackets|Right brackets|Paragraph symbol|Section symbol|Per thousand|Trademark symbol (TM)|Tilde|"
               + fraction + "|" + superscript + "]|Form[" + formItems + "]";
        QTest::newRow("PopupMenu6") << "PopupMenu6" << "Statusline clock|Textfield clock";
        QTest::newRow("document pop-up") << "PopupMenu1"
            << "Common[Image|Link|Comment|Table|Frameset|Font|Ordered List|Unordered list|Break (<br>)|"
               "Horisontal ruler (<hr>)]|Special characters[Non braking space|Vertical bar|Degree sign|"
               "Copyright mark (c)|Registered mark (r)|Left quotation mark|Right quotation mark|Paragraph symbol|"
               "Section symbol|Per thousand|Trademark symbol (TM)|Tilde|" + fraction + "|" + superscript + "]|"
               "Form[Password field|Hidden field|Ordinary Button|Send Button|Reset Button|Text field|Options field|"
               "Checkbox|Radio button|Text area|Image button|File field|Form body (<form></form>)]|"
               "Alignment[Centered|Left|Right]|Font[Italics|Bold|Italics and bold]";
    }

    void menus()
    {
        QFETCH(QString, menu);
        FakeHost host;
        HtmlCommands commands(&host);
        QMenu popup;
        popup.setObjectName(QStringLiteral("PopupMenu1"));
        HtmlDocumentPopup group;
        group.common = popup.addMenu(QStringLiteral("Common"));
        group.specialCharacters = popup.addMenu(QStringLiteral("Special characters"));
        group.form = popup.addMenu(QStringLiteral("Form"));
        group.alignment = popup.addMenu(QStringLiteral("Alignment"));
        group.font = popup.addMenu(QStringLiteral("Font"));
        commands.fillDocumentPopup(group, nullptr);

        const QMenu *m = host.menu(menu);
        if (menu == QLatin1String("HTMLElement"))
            m = commands.HTMLElement();
        else if (menu == QLatin1String("PopupMenu6"))
            m = commands.PopupMenu6();
        else if (menu == QLatin1String("PopupMenu1"))
            m = &popup;
        QVERIFY(m);
        QTEST(describe(m), "expected");
    }

    void shortcutItemsAreRegistered()
    {
        FakeHost host;
        HtmlCommands commands(&host);
        const char *const names[] = {"Nonbrakingspace1", "Linebreakbr1", "Frameset2", "able1", "FormBodyformform1",
                                     "Image1", "Link1", "Comment2", "OrderedList1", "UnorderedList1", "Font3",
                                     "StripHTMLcode1", "Popupmenu8", "Button3", "extarea2", "Image2", "Link2",
                                     "Comment3", "able2", "Objectwizard1", "Fontwizard1", "Frames1",
                                     "OrderedLists1", "Unorderedlist2", "Rollover1"};
        for (const char *name : names)
            QVERIFY2(host.action(QLatin1String(name)), name);
        QCOMPARE(host.action(QStringLiteral("Nonbrakingspace1"))->text(), QStringLiteral("Non braking space"));
        // File, New, "Frameset" follows the HTML document item.
        const QList<QAction *> items = host.menu(QStringLiteral("New1"))->actions();
        QCOMPARE(items.indexOf(host.action(QStringLiteral("Frameset1"))), 1);
    }

    void commandsActOnTheActiveDocument()
    {
        FakeHost host;
        HtmlCommands commands(&host);
        host.action(QStringLiteral("able1"))->trigger();   // no document: nothing happens

        EditorAdapter active;
        EditorAdapter other;
        active.setText(QStringLiteral("  x"));
        active.setCaret(1, 4);
        host.active = &active;
        host.action(QStringLiteral("OrderedList1"))->trigger();
        QCOMPARE(active.lines(), (QStringList{"  x<ol>", "    <li></li>", "  </ol>"}));
        QCOMPARE(active.caretLine(), 2);
        QCOMPARE(active.caretColumn(), 9);

        // The pop-up shares the main menu's items.
        QAction *nbsp = commands.HTMLElement()->findChild<QMenu *>(QStringLiteral("SpecialCaracters1"))->actions().at(0);
        QCOMPARE(nbsp, host.action(QStringLiteral("Nonbrakingspace1")));

        // A document pop-up forwards inserts to the active document but wraps its own selection.
        other.setText(QStringLiteral("word"));
        other.selectAll();
        QMenu popup;
        HtmlDocumentPopup group;
        group.common = popup.addMenu(QStringLiteral("Common"));
        group.alignment = popup.addMenu(QStringLiteral("Alignment"));
        commands.fillDocumentPopup(group, &other);
        group.common->findChild<QAction *>(QStringLiteral("Breakbr2"))->trigger();
        QCOMPARE(active.line(2), QStringLiteral("    <li><br></li>"));
        group.alignment->findChild<QAction *>(QStringLiteral("Right1"))->trigger();
        QCOMPARE(other.lines(), QStringList{"<div align=\"Right\">word</div>"});
        QCOMPARE(active.lineCount(), 3);
    }

    void openersWaitForTheirFeature()
    {
        FakeHost host;
        HtmlCommands commands(&host);
        QAction *table = host.action(QStringLiteral("able2"));
        auto *tableButton = commands.toolPanel()->findChild<QToolButton *>(QStringLiteral("SpeedButton35"));
        QVERIFY(tableButton);
        QVERIFY(!table->isEnabled());
        QVERIFY(!tableButton->isEnabled());
        QVERIFY(!host.action(QStringLiteral("Frameset1"))->isEnabled());
        QVERIFY(host.action(QStringLiteral("able1"))->isEnabled());

        int opened = 0;
        commands.provide(QStringLiteral("SpeedButton35Click"), [&] { ++opened; });
        QVERIFY(table->isEnabled());
        QVERIFY(tableButton->isEnabled());
        table->trigger();
        tableButton->click();
        QCOMPARE(opened, 2);

        // Link opens only while a document is open.
        int links = 0;
        commands.provide(QStringLiteral("SpeedButton33Click"), [&] { ++links; });
        host.action(QStringLiteral("Link2"))->trigger();
        QCOMPARE(links, 0);
        EditorAdapter editor;
        host.active = &editor;
        host.action(QStringLiteral("Link2"))->trigger();
        QCOMPARE(links, 1);
    }

    void toolTab()
    {
        FakeHost host;
        HtmlCommands commands(&host);
        const QStringList expected{
            "Form:|Button|Checkbox|Radio button|Textfield|File field|Text Area|Password field|Popup menu|"
            "Image button|Hidden field",
            "Common:|Image|Link|Comment|Table|Frameset|Font|Object - Used for ActiveX, Applet etc.|Unordered List|"
            "Ordered List|Horisontal Ruler|Rollover|View page in browser (Ctrl+G)",
            "Javascripts:|Todays date|Browser information|Document last modified|Clock|Random images|"
            "Popup menu with link forwarder",
            "Other:|Paste Code..|Strip html from current document (renames the file to .txt)|Save document|Print|Cut|"
            "Copy|Paste|Find..|Replace"};
        QStringList groups;
        for (const QGroupBox *box : commands.toolPanel()->findChildren<QGroupBox *>()) {
            QStringList parts{box->title()};
            for (const QToolButton *b : box->findChildren<QToolButton *>()) {
                parts << b->toolTip();
                QVERIFY2(!b->icon().pixmap(20, 20).isNull(), qPrintable(b->toolTip()));
            }
            groups << parts.join(QLatin1Char('|'));
        }
        QCOMPARE(groups, expected);
        // Placed in the tab ahead of its closing stretch.
        auto *layout = qobject_cast<QVBoxLayout *>(host.htmlSheet()->layout());
        QCOMPARE(layout->indexOf(commands.toolPanel()), 1);

        // Main-window command buttons follow their command; a missing command leaves them disabled.
        auto *save = commands.toolPanel()->findChild<QToolButton *>(QStringLiteral("HTMLSave1"));
        QVERIFY(save->isEnabled());
        host.action(QStringLiteral("Save1"))->setEnabled(false);
        QVERIFY(!save->isEnabled());
        QVERIFY(!commands.toolPanel()->findChild<QToolButton *>(QStringLiteral("HTMLPrint1"))->isEnabled());

        // "Paste Code.." drops down HTMLElement.
        commands.toolPanel()->findChild<QToolButton *>(QStringLiteral("SpeedButton71"))->click();
        QVERIFY(commands.HTMLElement()->isVisible());
        commands.HTMLElement()->hide();
    }

    void inTheMainWindow()
    {
        ShellFixture fixture;
        TMainForm *main = fixture.start();
        QVERIFY(main->HTMLSheet->findChild<QWidget *>(QStringLiteral("HTMLToolPanel")));
        main->action(QStringLiteral("Nonbrakingspace1"))->trigger();   // no document: nothing

        main->HTMLdocument1Click();
        TEditForm *page = fixture.active();
        QVERIFY(page);
        page->SynEdit1->setText(QStringLiteral("ab"));
        page->SynEdit1->setCaret(1, 2);
        main->action(QStringLiteral("Nonbrakingspace1"))->trigger();
        QCOMPARE(page->SynEdit1->lines(), QStringList{"a&nbsp;b"});
        QVERIFY(page->IsModified);

        page->SynEdit1->selectAll();
        page->popupMenu(QStringLiteral("Plasser1"))->findChild<QAction *>(QStringLiteral("Centered2"))->trigger();
        QCOMPARE(page->SynEdit1->lines(), QStringList{"<div align=\"Center\">a&nbsp;b</div>"});
        QCOMPARE(page->popupMenu(QStringLiteral("Common1"))->actions().size(), 10);
    }
};

QTEST_MAIN(TestHtmlCommands)
#include "tst_htmlcommands.moc"
