#include "FakeFeatureHost.h"
#include "ShellFixture.h"
#include "ShopSample.h"
#include "analysis/QuickFind.h"
#include "app/Features.h"
#include "settings/store/AppSettings.h"

#include <QComboBox>
#include <QToolButton>
#include <QtTest>

namespace {

QString textOf(const QStringList &lines)
{
    return lines.join(u'\n') + u'\n';
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

} // namespace

class TestQuickFind : public QObject
{
    Q_OBJECT
private slots:
    void jumpsToTheChosenMemberInTheMainWindow();
    void caretStaysWithoutAMatch();
    void classListFollowsJavaDocumentsOnly();
    void openingAFileClearsTheSelection();
    void closeButtonAsksThenHides();
};

// The class list is filled when the user clicks into it; each member chosen puts the caret on
// its declaring line and the focus in the editor. Hidden by its close button, the group stays
// hidden when the window comes back and for a new Java document.
void TestQuickFind::jumpsToTheChosenMemberInTheMainWindow()
{
    ShellFixture f;
    TMainForm *main = f.start();
    QuickFind *qf = f.features().quickFind;
    TEditForm *w = main->LoadFile(f.write("Shop.java", textOf(ShopSample::lines).toUtf8()));
    QVERIFY(!qf->memberList()->isEnabled());

    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    qf->classList()->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(qf->classList()->hasFocus());
    QCOMPARE(itemsOf(qf->classList()), (QStringList {"Shop", "ShopItem"}));
    QCOMPARE(qf->classList()->currentIndex(), -1);

    QVERIFY(choose(qf->classList(), "Shop"));
    QVERIFY(qf->memberList()->isEnabled());
    QVERIFY(qf->memberList()->hasFocus());
    QCOMPARE(qf->memberList()->count(), 12);
    const QList<QPair<QString, int>> jumps {
        {"final int MAX", 9}, {"void run()", 20}, {"String a, b", 7}, {"double price", 43}};
    for (const auto &[member, line] : jumps) {
        QVERIFY(choose(qf->memberList(), member));
        QCOMPARE(w->editor()->caretLine(), line);
        QVERIFY(ShopSample::lines.at(line - 1).contains(member));
        QTRY_VERIFY(w->editor()->widget()->hasFocus());
    }

    f.prompter.answers = {Prompter::Yes};
    qf->closeButton()->click();
    QVERIFY(!f.page(Page::QuickFind)->isVisibleTo(f.page(Page::Java)));
    f.reactivate();
    main->action("NyApplikasjonkode1")->trigger();
    QVERIFY(!f.page(Page::QuickFind)->isVisibleTo(f.page(Page::Java)));
}

// Without classes the members stay disabled; a member whose declaration is spaced otherwise in
// the text is not found: in both cases the caret stays.
void TestQuickFind::caretStaysWithoutAMatch()
{
    FakeFeatureHost host;
    QuickFind qf(host);
    EditorAdapter *editor = host.open("Empty.java", "// nothing here\n")->editor();
    qf.ClassNameCompoBox1Enter();
    QCOMPARE(qf.classList()->count(), 0);
    qf.ClassNameCompoBox1Click();
    QVERIFY(!qf.memberList()->isEnabled());
    QCOMPARE(qf.memberList()->count(), 0);
    qf.ClassDatamemberComboBox2Click(); // nothing chosen
    QCOMPARE(editor->caretLine(), 1);

    editor = host.open("Calc.java",
                       "class Calc {\n"
                       "    int add(int x /* first */, int y) {\n"
                       "        return x + y;\n"
                       "    }\n"
                       "}\n")
                 ->editor();
    qf.ClassNameCompoBox1Enter();
    QVERIFY(choose(qf.classList(), "Calc"));
    QCOMPARE(itemsOf(qf.memberList()), QStringList {"int add(int x , int y)"});
    editor->setCaret(3, 5);
    QVERIFY(choose(qf.memberList(), "int add(int x , int y)"));
    QCOMPARE(editor->caretLine(), 3);
    QCOMPARE(editor->caretColumn(), 5);
}

void TestQuickFind::classListFollowsJavaDocumentsOnly()
{
    FakeFeatureHost host;
    QuickFind qf(host);
    const QStringList shop {"Shop", "ShopItem"};
    const QList<QPair<QString, QString>> documents {
        {"Shop.java", textOf(ShopSample::lines)},
        // A text document, and an HTML page that names a class: the list keeps its items.
        {"notes.txt", "class Notes {\n}\n"},
        {"page.html", "<p>class Page {</p>\n"},
        // Another Java document: its own classes, the extension's case does not matter.
        {"Other.JAVA", "class Other {\n}\nclass More {}\n"}};
    const QList<QStringList> lists {shop, shop, shop, {"Other", "More"}};
    for (int i = 0; i < documents.size(); ++i) {
        host.open(documents.at(i).first, documents.at(i).second);
        qf.ClassNameCompoBox1Enter();
        QCOMPARE(itemsOf(qf.classList()), lists.at(i));
    }
}

void TestQuickFind::openingAFileClearsTheSelection()
{
    FakeFeatureHost host;
    QuickFind qf(host);
    host.open("Shop.java", textOf(ShopSample::lines));
    qf.ClassNameCompoBox1Enter();
    QVERIFY(choose(qf.classList(), "Shop"));
    QVERIFY(choose(qf.memberList(), "void run()"));

    host.folder.writeFile("notes.txt", "text\n");
    host.openFile(host.folder.filePath("notes.txt"));
    QCOMPARE(qf.classList()->currentIndex(), -1);
    QCOMPARE(qf.memberList()->currentIndex(), -1);
    QCOMPARE(qf.classList()->count(), 2);
    QVERIFY(qf.memberList()->isEnabled()); // once enabled, for good

    // A new document is no opened file: the selection stays.
    QVERIFY(choose(qf.memberList(), "void run()"));
    host.makeDocument("Untitled1.java", QString());
    QCOMPARE(qf.memberList()->currentText(), QStringLiteral("void run()"));
}

void TestQuickFind::closeButtonAsksThenHides()
{
    FakeFeatureHost host;
    QuickFind qf(host);
    FakePrompter prompter;
    QWidget *group = host.page(Page::QuickFind);
    prompter.answers = {Prompter::No, Prompter::Yes};
    qf.closeButton()->click();
    QCOMPARE(prompter.calls.size(), 1);
    const FakePrompter::Call call = prompter.calls.first();
    QCOMPARE(call.caption, QStringLiteral("Question"));
    QCOMPARE(call.text,
             QStringLiteral("Are you sure you want to hide the quick find tool? If yes, you can "
                            "acivate it again at any time from the menu "
                            "(Edit->Options->Application)."));
    QCOMPARE(call.icon, Prompter::Question);
    QCOMPARE(call.buttons, Prompter::YesButton | Prompter::NoButton);
    QVERIFY(group->isVisibleTo(host.window()));
    QVERIFY(!host.folder.readFile("qmEditor.ini").contains("JavaQuickFind"));

    qf.closeButton()->click();
    QCOMPARE(prompter.calls.size(), 2);
    QVERIFY(!group->isVisibleTo(host.window()));
    AppSettings readBack(host.folder.filePath(QStringLiteral("qmEditor.ini")));
    QCOMPARE(readBack.readString("ApplicationOptions", "JavaQuickFind", "?"), QStringLiteral("0"));
}

QTEST_MAIN(TestQuickFind)
#include "tst_quickfind.moc"
