#include "ShellFixture.h"
#include "app/Features.h"
#include "host/ActionRegistry.h"
#include "java/generators/JavaSnippetCommands.h"

#include <QMenu>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

namespace {

// One snippet: its items in the "Insert" menu, the "Insert code.." pop-up and the document
// pop-up (empty: not there), the captions there, the lines it leaves ("~" stands for the
// caret line's indent) and the caret (line, and column counted after the indent).
struct Row {
    const char *menuItem;
    const char *popupItem;
    const char *documentItem;
    const char *caption;
    const char *popupCaption;
    QStringList lines;
    int caretLine;
    int caretColumn;
    bool hidden;
};

const QList<Row> &rows()
{
    // clang-format off
    static const QList<Row> list {
        {"Systemoutprintln2", "Systemoutprintln1", "Systemoutprintln1", "System.out.println",
         "System.out.println", {"~System.out.println(\"\");"}, 1, 21, false},
        {"class1", "", "", "class", "", {"~class  {", "", "~}"}, 1, 7, false},
        {"functionthatimplandexds1", "functionthatimplandexds2", "classthatimplandext1",
         "class that impl. and extends", "class that impl. and extends",
         {"~class  implements  extends  {", "", "~}"}, 1, 7, false},
        {"functionthatimplements1", "functionthatimplements2", "class1", "class that implements",
         "class that implements", {"~class  implements  {", "", "~}"}, 1, 7, false},
        {"functionthatextends1", "functionthatextends2", "classthatextends1", "class that extends",
         "class that extends", {"~class  extends  {", "", "~}"}, 1, 7, false},
        {"publicfunksjonsnavn1", "publicfunksjonsnavn2", "publicfunction1", "public ... function",
         "public function", {"~public void () {", "", "~}"}, 1, 13, false},
        {"Mainfunction1", "MainFunksjon2", "Mainfunction1", "Main function", "Main function",
         {"~public static void main(String args[]) {", "", "~}"}, 2, 5, false},
        {"switch1", "switch2", "switch1", "switch", "switch",
         {"~switch() {", "~   case :", "~}"}, 1, 8, false},
        {"Panel3", "Panel4", "Panel1", "Panel", "Panel",
         {"~class  extends JPanel {", "", "~}"}, 1, 7, false},
        {"Knapp2", "Knapp3", "Button1", "Button", "Button", {"~private JButton ;"}, 1, 17, false},
        {"Checkboks1", "Checkboks2", "Checkbox1", "Checkbox", "Checkbox",
         {"~private JCheckBox ;"}, 1, 19, false},
        {"Radioknapp2", "Radioknapp3", "Radiobutton1", "Radio button", "Radio button",
         {"~private JRadioButton ;"}, 1, 22, false},
        {"Tekstfelt2", "Tekstfelt3", "extfield1", "Textfield", "Textfield",
         {"~private JTextField ;"}, 1, 20, false},
        {"Label1", "Label4", "Label1", "Label", "Label", {"~private JLabel ;"}, 1, 16, false},
        {"Listeboks2", "Listeboks3", "Listbox1", "Listbox", "Listbox",
         {"~private JList ;"}, 1, 15, false},
        {"Font1", "Font5", "Font3", "Font", "Font", {"~private Font ;"}, 1, 14, false},
        {"ifelse1", "ifelse2", "", "if..else", "if..else", {"~if () {} else {}"}, 1, 17, true},
        {"dowhile1", "dowhile2", "", "do..while", "do..while",
         {"~do { } while () {}"}, 1, 19, true},
        {"forlkke1", "forlkke2", "", "for loop", "for loop",
         {"~for (int teller = 0;teller<10;teller++) {}"}, 1, 43, true},
        {"trycatch1", "trycatch2", "", "try..catch", "try..catch",
         {"~try {} catch {}"}, 1, 16, true},
        {"Case1", "Case2", "", "case", "case", {"~case: "}, 1, 7, true},
    };
    // clang-format on
    return list;
}

struct SnippetFixture : ShellFixture {
    SnippetFixture() : ShellFixture("[Tips]\r\ndoShow=0\r\n")
    {
        start();
        doc = main->LoadFile(write("Snip.java", "x\n"));
        commands = features().javaSnippets;
    }

    EditorAdapter *editor() const { return doc->editor(); }

    // A line of the indent alone, the caret at its end.
    void reset(const QString &ws)
    {
        editor()->setText(ws);
        editor()->setCaret(1, int(ws.size()) + 1);
    }

    TEditForm *doc = nullptr;
    JavaSnippetCommands *commands = nullptr;
};

} // namespace

class TestJavaSnippets : public QObject
{
    Q_OBJECT
private slots:
    void menusHoldTheTable();
    void everySnippetFromEveryPlace_data();
    void everySnippetFromEveryPlace();
    void selectionIsReplaced();
    void nothingWithoutDocument();
    void insertCodeButtonOpensThePopup();
};

void TestJavaSnippets::menusHoldTheTable()
{
    SnippetFixture f;
    QMenu *insert = f.main->menu("Insert1");
    QMenu *popup = f.commands->JavaElementer;
    QMenu *documentInsert = f.doc->popupActions().menu("Insert2");
    QStringList menuItems, popupItems, documentItems, visible;
    for (const Row &r : rows()) {
        menuItems << r.menuItem;
        if (*r.popupItem)
            popupItems << r.popupItem;
        if (*r.documentItem)
            documentItems << r.documentItem;
        QAction *item = f.main->action(r.menuItem);
        QVERIFY2(item, r.menuItem);
        QCOMPARE(item->text(), QString(r.caption));
        QCOMPARE(item->isVisible(), !r.hidden);
        if (*r.popupItem) {
            QAction *p = f.main->action(r.popupItem);
            QVERIFY2(p, r.popupItem);
            QCOMPARE(p->text(), QString(r.popupCaption));
            QCOMPARE(p->isVisible(), !r.hidden);
        }
        if (*r.documentItem)
            QCOMPARE(f.doc->popupActions().action(r.documentItem)->text(), QString(r.caption));
    }
    auto names = [](QMenu *menu) {
        QStringList list;
        for (QAction *a : menu->actions())
            list << a->objectName();
        return list;
    };
    QCOMPARE(names(insert), menuItems);
    QCOMPARE(names(popup), popupItems);
    QCOMPARE(names(documentInsert), documentItems);
    QVERIFY(f.main->actions().refusedNames().isEmpty());
    QVERIFY(f.doc->popupActions().refusedNames().isEmpty());

    // F2 by default; the pop-ups show it.
    QCOMPARE(f.main->action("Systemoutprintln2")->shortcut(), QKeySequence("F2"));
    QCOMPARE(f.main->action("Systemoutprintln1")->shortcut(), QKeySequence("F2"));
    QCOMPARE(f.doc->popupActions().action("Systemoutprintln1")->shortcut(), QKeySequence("F2"));

    // F2 in the document runs it.
    f.reset("");
    f.doc->activateWindow();
    f.doc->editor()->widget()->setFocus();
    QTest::keyClick(f.doc->editor()->widget(), Qt::Key_F2);
    QCOMPARE(f.editor()->lines(), QStringList {"System.out.println(\"\");"});

    // A document made later gets its own submenu.
    f.main->action("NyApplikasjonkode1")->trigger();
    QCOMPARE(names(f.active()->popupActions().menu("Insert2")), documentItems);
}

void TestJavaSnippets::everySnippetFromEveryPlace_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("ws");
    for (int i = 0; i < rows().size(); ++i) {
        QTest::newRow(qPrintable(QString(rows().at(i).menuItem) + " at column 1")) << i << "";
        QTest::newRow(qPrintable(QString(rows().at(i).menuItem) + " after blanks")) << i << "    ";
    }
}

void TestJavaSnippets::everySnippetFromEveryPlace()
{
    QFETCH(int, row);
    QFETCH(QString, ws);
    const Row &r = rows().at(row);
    SnippetFixture f;
    QStringList expected;
    for (const QString &line : r.lines)
        expected << QString(line).replace("~", ws);

    QList<QAction *> items {f.main->action(r.menuItem)};
    if (*r.popupItem)
        items << f.main->action(r.popupItem);
    if (*r.documentItem)
        items << f.doc->popupActions().action(r.documentItem);
    for (QAction *item : items) {
        f.reset(ws);
        f.doc->IsModified = false;
        item->trigger();
        QCOMPARE(f.editor()->lines(), expected);
        QCOMPARE(f.editor()->caretLine(), r.caretLine);
        QCOMPARE(f.editor()->caretColumn(), int(ws.size()) + r.caretColumn);
        QVERIFY(f.doc->IsModified);
    }
}

void TestJavaSnippets::selectionIsReplaced()
{
    SnippetFixture f;
    f.editor()->setText("  old text\nnext");
    f.editor()->setSelection(1, 3, 1, 11);
    f.main->action("Knapp2")->trigger();
    QCOMPARE(f.editor()->lines(), (QStringList {"  private JButton ;", "next"}));
    QCOMPARE(f.editor()->caretColumn(), 19);

    // "Main function" on four blanks: the caret on the empty line at column 9.
    f.editor()->setText("    ");
    f.editor()->setSelection(1, 1, 1, 5);
    f.main->action("Mainfunction1")->trigger();
    QCOMPARE(f.editor()->lines(),
             (QStringList {"public static void main(String args[]) {", "", "}"}));
    QCOMPARE(f.editor()->caretLine(), 2);
    QCOMPARE(f.editor()->caretColumn(), 5);
}

void TestJavaSnippets::nothingWithoutDocument()
{
    SnippetFixture f;
    QVERIFY(ShellFixture::closeWindow(f.doc));
    QCOMPARE(f.documentCount(), 0);
    for (const Row &r : rows()) {
        f.main->action(r.menuItem)->trigger();
        if (*r.popupItem)
            f.main->action(r.popupItem)->trigger();
    }
    QCOMPARE(f.documentCount(), 0);
    QVERIFY(f.prompter.calls.isEmpty());
}

void TestJavaSnippets::insertCodeButtonOpensThePopup()
{
    SnippetFixture f;
    auto *button = f.page(Page::Java)->findChild<QToolButton *>("SpeedButton47");
    QVERIFY(button);
    QCOMPARE(button->text(), QString("Insert code.."));
    f.child<QTabWidget>("PageControl3")->setCurrentWidget(f.page(Page::Java));
    QVERIFY(button->isVisible());
    button->click();
    QMenu *popup = f.commands->JavaElementer;
    QVERIFY(popup->isVisible());
    const QPoint corner = button->mapToGlobal(QPoint(button->width(), 0));
    // The platform may move a pop-up to keep it on screen; on this screen it fits.
    QCOMPARE(popup->pos(), corner);
    popup->hide();
}

QTEST_MAIN(TestJavaSnippets)
#include "tst_javasnippets.moc"
