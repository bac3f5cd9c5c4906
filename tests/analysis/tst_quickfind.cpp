#include "ShellFixture.h"
#include "ShopSample.h"
#include "analysis/QuickFind.h"
#include "app/Features.h"
#include "settings/store/AppSettings.h"

#include <QComboBox>
#include <QGroupBox>
#include <QToolButton>
#include <QtTest>

namespace {

QByteArray textOf(const QStringList &lines)
{
    return lines.join(u'\n').toUtf8() + '\n';
}

QStringList itemsOf(const QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

// The user picks an entry of a list.
bool choose(QComboBox *list, const QString &text)
{
    const int index = list->findText(text);
    if (index < 0)
        return false;
    list->setCurrentIndex(index);
    emit list->activated(index);
    return true;
}

// The user clicks into the class list: it gets the focus.
void enter(TMainForm *main, QComboBox *list)
{
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    if (list->hasFocus())
        main->GetActiveEditor()->setFocus();
    list->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(list->hasFocus());
}

const QString question = QStringLiteral(
    "Are you sure you want to hide the quick find tool? If yes, you can acivate it again at any "
    "time from the menu (Edit->Options->Application).");

} // namespace

class TestQuickFind : public QObject
{
    Q_OBJECT
private slots:
    void jumpsToTheChosenMember();
    void declarationSpacedOtherwiseLeavesTheCaret();
    void classListFollowsJavaDocumentsOnly();
    void openingAFileClearsTheSelection();
    void emptyClassListLeavesMembersDisabled();
    void closeButtonAsksThenHidesForGood();
};

void TestQuickFind::jumpsToTheChosenMember()
{
    ShellFixture f;
    TMainForm *main = f.start();
    QuickFind *qf = f.features().quickFind;
    TEditForm *w = main->LoadFile(f.write("Shop.java", textOf(ShopSample::lines)));
    QVERIFY(!qf->memberList()->isEnabled());

    enter(main, qf->classList());
    QCOMPARE(itemsOf(qf->classList()), (QStringList {"Shop", "ShopItem"}));
    QCOMPARE(qf->classList()->currentIndex(), -1);

    QVERIFY(choose(qf->classList(), "Shop"));
    QVERIFY(qf->memberList()->isEnabled());
    QVERIFY(qf->memberList()->hasFocus());
    QCOMPARE(itemsOf(qf->memberList()),
             (QStringList {"private int count", "String a, b", "int x, y", "final int MAX",
                           "protected String name", "public Shop()", "public Shop(int n)",
                           "void run()", "void helper(int x, int y)", "int total()",
                           "void main(String[] args)", "double price"}));

    // Each choice puts the caret on the declaring line (1-based) and the focus in the editor.
    const QList<QPair<QString, int>> jumps {
        {"final int MAX", 9}, {"void run()", 20}, {"String a, b", 7}, {"double price", 43}};
    for (const auto &[member, line] : jumps) {
        QVERIFY(choose(qf->memberList(), member));
        QCOMPARE(w->editor()->caretLine(), line);
        QVERIFY(ShopSample::lines.at(line - 1).contains(member));
        QTRY_VERIFY(w->editor()->widget()->hasFocus());
    }
}

void TestQuickFind::declarationSpacedOtherwiseLeavesTheCaret()
{
    ShellFixture f;
    TMainForm *main = f.start();
    QuickFind *qf = f.features().quickFind;
    TEditForm *w = main->LoadFile(f.write("Calc.java",
                                          "class Calc {\n"
                                          "    int add(int x /* first */, int y) {\n"
                                          "        return x + y;\n"
                                          "    }\n"
                                          "}\n"));
    enter(main, qf->classList());
    QVERIFY(choose(qf->classList(), "Calc"));
    QCOMPARE(itemsOf(qf->memberList()), QStringList {"int add(int x , int y)"});
    w->editor()->setCaret(3, 5);
    QVERIFY(choose(qf->memberList(), "int add(int x , int y)"));
    QCOMPARE(w->editor()->caretLine(), 3);
    QCOMPARE(w->editor()->caretColumn(), 5);
    QTRY_VERIFY(w->editor()->widget()->hasFocus());
}

void TestQuickFind::classListFollowsJavaDocumentsOnly()
{
    ShellFixture f;
    TMainForm *main = f.start();
    QuickFind *qf = f.features().quickFind;
    main->LoadFile(f.write("Shop.java", textOf(ShopSample::lines)));
    enter(main, qf->classList());
    QCOMPARE(itemsOf(qf->classList()), (QStringList {"Shop", "ShopItem"}));

    // A text document, and an HTML page that names a class: the list keeps its items.
    main->LoadFile(f.write("notes.txt", "class Notes {\n}\n"));
    enter(main, qf->classList());
    QCOMPARE(itemsOf(qf->classList()), (QStringList {"Shop", "ShopItem"}));
    main->LoadFile(f.write("page.html", "<p>class Page {</p>\n"));
    enter(main, qf->classList());
    QCOMPARE(itemsOf(qf->classList()), (QStringList {"Shop", "ShopItem"}));

    // Another Java document: its own classes, the extension's case does not matter.
    main->LoadFile(f.write("Other.JAVA", "class Other {\n}\nclass More {}\n"));
    enter(main, qf->classList());
    QCOMPARE(itemsOf(qf->classList()), (QStringList {"Other", "More"}));
}

void TestQuickFind::openingAFileClearsTheSelection()
{
    ShellFixture f;
    TMainForm *main = f.start();
    QuickFind *qf = f.features().quickFind;
    main->LoadFile(f.write("Shop.java", textOf(ShopSample::lines)));
    enter(main, qf->classList());
    QVERIFY(choose(qf->classList(), "Shop"));
    QVERIFY(choose(qf->memberList(), "void run()"));

    main->LoadFile(f.write("notes.txt", "text\n"));
    QCOMPARE(qf->classList()->currentIndex(), -1);
    QCOMPARE(qf->memberList()->currentIndex(), -1);
    QCOMPARE(qf->classList()->count(), 2);
    QVERIFY(qf->memberList()->isEnabled()); // once enabled, for good

    // A new document is no opened file: the selection stays.
    QVERIFY(choose(qf->memberList(), "void run()"));
    main->action("Textfile1")->trigger();
    QCOMPARE(qf->memberList()->currentText(), QStringLiteral("void run()"));
}

void TestQuickFind::emptyClassListLeavesMembersDisabled()
{
    ShellFixture f;
    TMainForm *main = f.start();
    QuickFind *qf = f.features().quickFind;
    main->LoadFile(f.write("Empty.java", "// nothing here\n"));
    enter(main, qf->classList());
    QCOMPARE(qf->classList()->count(), 0);
    qf->ClassNameCompoBox1Click();
    QVERIFY(!qf->memberList()->isEnabled());
    QCOMPARE(qf->memberList()->count(), 0);
    qf->ClassDatamemberComboBox2Click(); // nothing chosen: the caret stays
    QCOMPARE(main->GetActiveEditor()->editor()->caretLine(), 1);
}

void TestQuickFind::closeButtonAsksThenHidesForGood()
{
    ShellFixture f;
    TMainForm *main = f.start();
    QuickFind *qf = f.features().quickFind;
    QVERIFY(f.page(Page::QuickFind)->isVisibleTo(f.page(Page::Java)));

    f.prompter.answers = {Prompter::No, Prompter::Yes};
    qf->closeButton()->click();
    QCOMPARE(f.prompter.calls.size(), 1);
    const FakePrompter::Call call = f.prompter.calls.first();
    QCOMPARE(call.caption, QStringLiteral("Question"));
    QCOMPARE(call.text, question);
    QCOMPARE(call.icon, Prompter::Question);
    QCOMPARE(call.buttons, Prompter::YesButton | Prompter::NoButton);
    QVERIFY(f.page(Page::QuickFind)->isVisibleTo(f.page(Page::Java)));
    QVERIFY(!f.iniText().contains("JavaQuickFind"));

    qf->closeButton()->click();
    QCOMPARE(f.prompter.calls.size(), 2);
    QVERIFY(!f.page(Page::QuickFind)->isVisibleTo(f.page(Page::Java)));
    AppSettings readBack(f.path(QStringLiteral("qmEditor.ini")));
    QCOMPARE(readBack.readString("ApplicationOptions", "JavaQuickFind", "?"), QStringLiteral("0"));

    // Coming back to the window, or a new Java document, keeps it hidden.
    f.reactivate();
    main->action("NyApplikasjonkode1")->trigger();
    QVERIFY(!f.page(Page::QuickFind)->isVisibleTo(f.page(Page::Java)));
}

QTEST_MAIN(TestQuickFind)
#include "tst_quickfind.moc"
