#include "FakeHelpViewer.h"
#include "ShellFixture.h"
#include "app/Features.h"
#include "java/generators/ClassWizard.h"
#include "java/generators/ExceptionClassGenerator.h"
#include "java/generators/ExpressionBuilder.h"
#include "java/generators/JavaGeneratorCommands.h"
#include "java/generators/TryCatchGenerator.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QByteArray shapes = "public class Shapes {\n"
                          "    private int count;\n"
                          "    public static void main(String[] args) {\n"
                          "    }\n"
                          "    public void start() {\n"
                          "    }\n"
                          "    int add(int a, int b) {\n"
                          "        return a + b;\n"
                          "    }\n"
                          "}\n"
                          "class Circle {\n"
                          "}\n"
                          "  \n";

// A main window with one Java document; each generator dialog is answered by the
// function given to answer().
struct GeneratorFixture : ShellFixture {
    GeneratorFixture() : ShellFixture("[Tips]\r\ndoShow=0\r\n")
    {
        start();
        commands = features().javaGenerators;
        doc = main->LoadFile(write("Shapes.java", shapes));
        commands->setExecDialog([this](QDialog &dialog) {
            opened << dialog.windowTitle();
            freed = new QObject(&dialog);
            return answer ? answer(dialog) : int(QDialog::Rejected);
        });
    }

    EditorAdapter *editor() const { return doc->editor(); }
    QToolButton *button(const char *name) const
    {
        return page(Page::Java)->findChild<QToolButton *>(QLatin1String(name));
    }

    JavaGeneratorCommands *commands = nullptr;
    TEditForm *doc = nullptr;
    std::function<int(QDialog &)> answer;
    QStringList opened;
    QPointer<QObject> freed; // a child of the last dialog
};

template <typename T>
T *child(QObject &dialog, const char *name)
{
    T *c = dialog.findChild<T *>(QLatin1String(name));
    if (!c)
        qWarning("no %s", name);
    return c;
}

void click(QObject &dialog, const char *button)
{
    if (auto *b = child<QPushButton>(dialog, button))
        b->click();
}

} // namespace

class TestJavaGenerators : public QObject
{
    Q_OBJECT
private slots:
    void openersHelpAndCancel_data();
    void openersHelpAndCancel();
    void classWizardInsertsAtTheCaret();
    void tryCatchReplacesTheSelection();
    void exceptionPreviewAndInsert();
    void expressionBuilderLists();
    void expressionBuilderButtons_data();
    void expressionBuilderButtons();
    void expressionBuilderOk();
};

void TestJavaGenerators::openersHelpAndCancel_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("help"); // button and topic; empty: no Help
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("class wizard") << "Classwizard1"
                                  << "Class wizard.."
                                  << "SpeedButton31"
                                  << "Class wizard code generator"
                                  << "Java class wizard"
                                  << "Button4"
                                  << "HID_CLASSWIZDLG"
                                  << "Button3";
    QTest::newRow("try/catch") << "rycatchcodegenerator1"
                               << "Try-catch code generator.."
                               << "SpeedButton32"
                               << "Try..Catch code generator"
                               << "Try catch code generator"
                               << "Button5"
                               << "HID_TRYCATCHDLG"
                               << "Button2";
    QTest::newRow("exception") << "Exceptioncodegenerator1"
                               << "Exception code generator.."
                               << "SpeedButton1"
                               << "Exception code generator"
                               << "Exception"
                               << "Button3"
                               << "HID_EXCEPTIONCODEDLG"
                               << "Button2";
    QTest::newRow("expression") << "Expressionbuilder1"
                                << "Expression builder.."
                                << "SpeedButton46"
                                << "Expression builder"
                                << "Expression Builder"
                                << ""
                                << ""
                                << "Button2";
}

void TestJavaGenerators::openersHelpAndCancel()
{
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(QString, button);
    QFETCH(QString, hint);
    QFETCH(QString, title);
    QFETCH(QString, help);
    QFETCH(QString, topic);
    QFETCH(QString, cancel);
    GeneratorFixture f;
    FakeHelpViewer helpViewer;
    QAction *action = f.main->action(item);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QVERIFY(f.main->menu("ools1")->actions().contains(action));
    QToolButton *tool = f.button(button.toLatin1());
    QVERIFY(tool);
    QCOMPARE(tool->toolTip(), hint);

    // Help (where there is one), then Cancel: nothing reaches the document.
    f.answer = [&](QDialog &dialog) {
        if (!help.isEmpty())
            click(dialog, help.toLatin1());
        click(dialog, cancel.toLatin1());
        return dialog.result() == QDialog::Rejected && !dialog.isVisible() ? 0 : -1;
    };
    const QString before = f.editor()->text();
    action->trigger();
    QVERIFY(!f.freed);
    tool->click();
    QVERIFY(!f.freed);
    QCOMPARE(f.opened, (QStringList {title, title}));
    QCOMPARE(helpViewer.pages, help.isEmpty() ? QStringList() : (QStringList {topic, topic}));
    QCOMPARE(f.editor()->text(), before);
    QVERIFY(!f.doc->IsModified);
}

void TestJavaGenerators::classWizardInsertsAtTheCaret()
{
    GeneratorFixture f;
    f.editor()->setText("  \n");
    f.editor()->setCaret(1, 3);
    f.answer = [](QDialog &dialog) {
        child<QLineEdit>(dialog, "Edit1")->setText("Point");
        auto *type = child<QComboBox>(dialog, "ComboBox1");
        auto *name = child<QLineEdit>(dialog, "Edit3");
        auto *rows = child<QTreeWidget>(dialog, "Datamedlemmer");
        for (const char *member : {"x", "gone", "y"}) {
            type->setCurrentIndex(type->findText("int"));
            name->setText(member);
            click(dialog, "Button1");
            // Add empties both inputs.
            if (!name->text().isEmpty() || !type->currentText().isEmpty())
                return -1;
        }
        rows->topLevelItem(1)->setSelected(true);
        click(dialog, "Button5");
        rows->topLevelItem(0)->setCheckState(0, Qt::Checked);
        click(dialog, "Button2");
        return dialog.result();
    };
    f.main->action("Classwizard1")->trigger();
    QVERIFY(!f.freed);
    // At the caret, no indentation added to the lines after the first; the deleted row and
    // the unticked one are gone or have no setter.
    const QStringList lines = f.editor()->lines();
    QCOMPARE(lines.size(), 25);
    QCOMPARE(lines.mid(0, 5),
             (QStringList {"  class Point {", "  private int x;", "  private int y;", "",
                           "  public Point(int startX,int startY) {"}));
    QVERIFY(lines.contains("  public void setX(int newX) {"));
    QVERIFY(!lines.contains("  public void setY(int newY) {"));
    QCOMPARE(lines.at(22), QString("    return \"Point - \"+\" x: \"+x+\" y: \"+y;"));
    QVERIFY(f.doc->IsModified);
}

void TestJavaGenerators::tryCatchReplacesTheSelection()
{
    GeneratorFixture f;
    f.editor()->setText("void f() {\n  a();\n  b();\n}\n");
    f.editor()->setSelection(2, 1, 3, 7);
    QString memo;
    QStringList offered;
    f.answer = [&](QDialog &dialog) {
        auto &form = static_cast<TExeptionFrm &>(dialog);
        memo = form.SynMemo1->text();
        for (int i = 0; i < form.ComboBox1->count(); ++i)
            offered << form.ComboBox1->itemText(i);
        for (const char *e : {"IOException", "Error", "Exception"}) {
            form.ComboBox1->setEditText(e);
            click(dialog, "Button3");
        }
        form.ListView1->item(1)->setSelected(true);
        click(dialog, "Button4");
        click(dialog, "Button1");
        return dialog.result();
    };
    f.button("SpeedButton32")->click();
    QCOMPARE(memo, QString("  a();\n  b();"));
    QVERIFY(offered.contains("RuntimeException"));
    QCOMPARE(f.editor()->lines(),
             (QStringList {"void f() {", "try {", "      a();", "  b();", "  }",
                           "  catch (IOException ex1) {", "  }", "  catch (Exception ex2) {", "  }",
                           "}"}));

    // An empty memo and no rows: the block ends after its closing brace.
    f.editor()->setText("    \n");
    f.editor()->setCaret(1, 5);
    f.answer = [&](QDialog &dialog) {
        memo = static_cast<TExeptionFrm &>(dialog).SynMemo1->text();
        click(dialog, "Button1");
        return dialog.result();
    };
    f.main->action("rycatchcodegenerator1")->trigger();
    QVERIFY(memo.isEmpty());
    QCOMPARE(f.editor()->lines(), (QStringList {"    try {", "          }", ""}));
}

void TestJavaGenerators::exceptionPreviewAndInsert()
{
    GeneratorFixture f;
    f.editor()->setText("  \n");
    f.editor()->setCaret(1, 3);
    QStringList previews;
    f.answer = [&](QDialog &dialog) {
        auto &form = static_cast<TUnntak &>(dialog);
        previews << form.SynMemo1->text();
        form.Edit1->setText("MyEx");
        previews << form.SynMemo1->text();
        form.ComboBox1->setCurrentIndex(form.ComboBox1->findText("IOException"));
        previews << form.SynMemo1->text();
        form.ComboBox1->setEditText("");
        previews << form.SynMemo1->text();
        form.ComboBox1->setEditText("IOException");
        click(dialog, "Button1");
        return dialog.result();
    };
    f.main->action("Exceptioncodegenerator1")->trigger();
    const QString text = "public class MyEx extends IOException {\n"
                         "    public MyEx(String error) {\n"
                         "      super(error);\n"
                         "    }\n"
                         "  }";
    QCOMPARE(previews, (QStringList {"", "", text, ""}));
    QCOMPARE(f.editor()->text(), "  " + text + "\n");

    // An empty "Extends:" still inserts.
    f.editor()->setText("");
    f.answer = [&](QDialog &dialog) {
        static_cast<TUnntak &>(dialog).Edit1->setText("E");
        click(dialog, "Button1");
        return dialog.result();
    };
    f.button("SpeedButton1")->click();
    QCOMPARE(f.editor()->lines().value(0), QString("public class E extends  {"));
}

void TestJavaGenerators::expressionBuilderLists()
{
    GeneratorFixture f;
    QStringList classes, members, none, afterRefill;
    bool noneHasImage = true, membersHaveImages = true;
    QString memo;
    f.answer = [&](QDialog &dialog) {
        auto &form = static_cast<TExpBuilder &>(dialog);
        dialog.show(); // the class list is filled when the dialog is shown
        for (int i = 0; i < form.ListView1->count(); ++i)
            classes << form.ListView1->item(i)->text();
        form.ListView1->item(1)->setSelected(true);
        form.ListView1Click();
        none << form.ListView2->item(0)->text();
        noneHasImage = !form.ListView2->item(0)->icon().isNull();
        form.ListView1->setCurrentItem(form.ListView1->item(0));
        form.ListView1Click();
        for (int i = 0; i < form.ListView2->count(); ++i) {
            members << form.ListView2->item(i)->text();
            membersHaveImages = membersHaveImages && !form.ListView2->item(i)->icon().isNull();
        }
        // Each member click types its piece at the caret.
        for (int i = 0; i < form.ListView2->count(); ++i) {
            form.ListView2->setCurrentItem(form.ListView2->item(i));
            form.ListView2Click();
        }
        memo = form.SynMemo1->text();
        // A refill (as on activation) keeps the class selected.
        form.FillClassList();
        for (QListWidgetItem *item : form.ListView1->selectedItems())
            afterRefill << item->text();
        click(dialog, "Button2");
        return dialog.result();
    };
    f.button("SpeedButton46")->click();
    QCOMPARE(classes, (QStringList {"Shapes", "Circle"}));
    QCOMPARE(none, QStringList {"None found!"});
    QVERIFY(!noneHasImage);
    QCOMPARE(members,
             (QStringList {"private int count", "public void start()", "int add(int a, int b)"}));
    QVERIFY(membersHaveImages);
    QCOMPARE(memo, QString("count start() add( "));
    QCOMPARE(afterRefill, QStringList {"Shapes"});
    QVERIFY(!f.doc->IsModified);
}

void TestJavaGenerators::expressionBuilderButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("beforeCaret");
    const char *rows[][4] = {
        {"Button5", "&&&&", "&& ", "&& "},
        {"Button6", "||", "|| ", "|| "},
        {"Button7", "==", "== ", "== "},
        {"Button8", "!=", "!= ", "!= "},
        {"Button9", "<", "< ", "< "},
        {"Button10", "<=", "<= ", "<= "},
        {"Button11", ">", "> ", "> "},
        {"Button12", ">=", ">= ", ">= "},
        {"Button13", "if", "if ()", "if ("},
        {"Button14", "else", "else ", "else "},
        {"Button15", "switch", "switch () {}", "switch ("},
        {"Button16", "while", "while ()", "while ("},
        {"Button17", "return", "return ", "return "},
        {"Button18", "for", "for (int  = 0; < ; ++) {}", "for (int "},
        {"Button19", "true", "true", "true"},
        {"Button20", "false", "false", "false"},
        {"Button21", "()", "()", "("},
        {"Button22", "[]", "[]", "["},
        {"Button23", "{}", "{}", "{"},
        {"Button24", "bln", "boolean", "boolean"},
        {"Button25", "dbl", "double", "double"},
        {"Button26", "flt", "float", "float"},
        {"Button27", "int", "int", "int"},
        {"Button28", "=", "= ", "= "},
        {"Button37", ";", ";", ";"},
        {"Button38", "\"", "\"\"", "\""},
        {"Button39", "default", "default: ", "default: "},
        {"Button40", "case", "case :", "case "},
        {"Button41", "println", "System.out.println(\"\");", "System.out.println(\""},
        {"Button42", "try", "try {}", "try {"},
        {"Button43", "catch", "catch ()", "catch ("},
        {"Button44", "do", "do {}", "do {"},
    };
    for (const auto &r : rows)
        QTest::newRow(r[0]) << r[0] << r[1] << r[2] << r[3];
}

void TestJavaGenerators::expressionBuilderButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, typed);
    QFETCH(QString, beforeCaret);
    TExpBuilder form(CodeTarget {});
    QCOMPARE(form.findChildren<QPushButton *>(QRegularExpression("^Button\\d+$")).size(), 36);
    auto *b = form.findChild<QPushButton *>(button);
    QVERIFY(b);
    QCOMPARE(b->text(), caption);
    // Typed into an empty memo, and over a selection in the middle of a line.
    b->click();
    QCOMPARE(form.SynMemo1->text(), typed);
    QCOMPARE(form.SynMemo1->caretColumn(), int(beforeCaret.size()) + 1);
    form.SynMemo1->setText("a XY b");
    form.SynMemo1->setSelection(1, 3, 1, 5);
    b->click();
    QCOMPARE(form.SynMemo1->text(), "a " + typed + " b");
    QCOMPARE(form.SynMemo1->caretColumn(), int(beforeCaret.size()) + 3);
}

void TestJavaGenerators::expressionBuilderOk()
{
    GeneratorFixture f;
    // Later lines get the caret line's indent; trailing blanks go.
    f.editor()->setText("    x\n");
    f.editor()->setCaret(1, 5);
    f.answer = [](QDialog &dialog) {
        auto &form = static_cast<TExpBuilder &>(dialog);
        form.SynMemo1->setText("if (a) {   \n  b();\t\n}  ");
        click(dialog, "Button1");
        return dialog.result();
    };
    f.main->action("Expressionbuilder1")->trigger();
    QVERIFY(!f.freed);
    QCOMPARE(f.editor()->lines(), (QStringList {"    if (a) {", "      b();", "    }x"}));

    // An empty memo inserts nothing: the selection stays and the document is not modified.
    f.editor()->setText("keep");
    f.doc->IsModified = false;
    f.editor()->setSelection(1, 1, 1, 5);
    f.answer = [](QDialog &dialog) {
        auto &form = static_cast<TExpBuilder &>(dialog);
        form.findChild<QPushButton *>("Button13")->click();
        click(dialog, "Button3"); // Undo
        click(dialog, "Button1");
        return dialog.result();
    };
    f.main->action("Expressionbuilder1")->trigger();
    QCOMPARE(f.editor()->text(), QString("keep"));
    QVERIFY(f.editor()->hasSelection());
    QVERIFY(!f.doc->IsModified);
}

QTEST_MAIN(TestJavaGenerators)
#include "tst_javagenerators.moc"
