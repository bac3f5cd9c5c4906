// The pages of the Options dialog that write their own files: the colours page, the code
// templates and the completion classes.
#include "OptionsKit.h"
#include "Widgets.h"
#include "completion/CodeTemplateExpander.h"
#include "completion/CompletionFeature.h"
#include "editor/EditorAdapter.h"
#include "editor/highlighting/Highlighter.h"
#include "settings/files/CompletionTemplates.h"
#include "settings/options/ColorPanel.h"
#include "settings/options/NewKeywordFrmUnit.h"
#include "settings/options/OptionsClassPage.h"
#include "settings/options/OptionsColorsPage.h"
#include "settings/options/OptionsTemplatePage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTreeWidget>

namespace {

QStringList itemsOf(const QTreeWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(0);
    return texts;
}

// Answers the "Keywords" dialog with a name.
std::function<int(QDialog &)> keyword(const QString &name)
{
    return [name](QDialog &dialog) {
        qobject_cast<TKeywordFrm *>(&dialog)->Keywordtext->setText(name);
        return int(QDialog::Accepted);
    };
}

// "for" ends with a blank code line.
const QByteArray templates = "%foreach\r\nfor (Object o : |) {\r\n}\r\n#\r\n"
                             "%for\r\nfor (int i = 0; i < |; i++) {\r\n}\r\n\r\n#\r\n";

} // namespace

class TestOptionsPages : public QObject
{
    Q_OBJECT
private slots:
    void leavingATabWritesItsColourFile();
    void elementColoursAndStyle();
    void presets();
    void okWritesTheSelectedTabsColours();
    void templatesByKeyboard();
    void newAndDeleteKeyword();
    void templatesReachTheMainWindow();
    void pageAndListAgreeOnHeaders();
    void classesAndMembers();
    void classRefusalsKeepFiles();
    void deleteClassAnsweredBothWays();
};

void TestOptionsPages::leavingATabWritesItsColourFile()
{
    OptionsKit f;
    f.write("colors/lang/Java.ini", "[Comment]\r\nForeground=255\r\n");
    f.start();
    TOptionsFrm *d = f.open();
    OptionsColorsPage *p = d->colorsPage;
    QStringList tabs;
    for (int i = 0; i < p->TabSet1->count(); ++i)
        tabs << p->TabSet1->tabText(i);
    QCOMPARE(tabs,
             QStringList(
                 {"Java", "HTML", "CSS", "PERL", "PHP", "XML", "New language", "Edit language"}));
    QCOMPARE(p->SynEditor->lines(),
             QStringList({"// comment", "/** Javadoc */", "", "class Classname {",
                          "  int test = 33;", "", "  public static void main(String args[]) {",
                          "    System.out.println(\"Hello\");", "  }", "}"}));
    QVERIFY(!QFile::exists(f.path("colors/lang/HTML.ini")));

    // Inserting a tab runs no tab switch.
    p->insertTab(6, "Mine");
    QCOMPARE(p->ShownLanguage, QStringLiteral("Java"));
    p->removeTab(6);

    p->TabSet1->setCurrentIndex(1);
    // The Java file was written whole though nothing changed; the HTML file was made.
    const IniFile java(f.path("colors/lang/Java.ini"));
    QCOMPARE(java.readInteger("Comment", "Foreground", 0), 255);
    QCOMPARE(java.readSections().size(), 9);
    QVERIFY(IniFile(f.path("colors/lang/HTML.ini")).sectionExists("Escape"));
    QCOMPARE(p->ShownLanguage, QStringLiteral("HTML"));
    QCOMPARE(p->ShownTabIndex, 1);
    QCOMPARE(p->SynEditor->highlighter(), p->SynHTMLSyn1);
    QCOMPARE(p->SynEditor->lines().at(7), QStringLiteral("<% JSP, ASP code etc. %>"));
    QCOMPARE(p->cbxAttrSelect->itemText(0), QStringLiteral("Comment"));
    QCOMPARE(p->cbxAttrSelect->count(), p->SynHTMLSyn1->attributeCount());

    p->TabSet1->setCurrentIndex(3); // PERL: the highlighter's own sample
    QCOMPARE(p->SynEditor->highlighter(), p->SynPerlSyn1);
    QCOMPARE(p->SynEditor->text(),
             EditorAdapter::normalizeLineEndings(p->SynPerlSyn1->sampleSource(),
                                                 TextFile::LineEnding::LF));
    p->TabSet1->setCurrentIndex(0);
    QCOMPARE(p->SynEditor->lines().size(), 8); // the sample without the blank lines
    QVERIFY(QFile::exists(f.path("colors/lang/PERL.ini")));

    // A caption holding a built-in name takes that highlighter.
    QCOMPARE(p->highlighterFor("MyJavaDialect"), p->SynJavaSyn1);
    QCOMPARE(p->highlighterFor("Html"), p->SynGeneralSyn1);
}

void TestOptionsPages::elementColoursAndStyle()
{
    OptionsKit f;
    f.start();
    TOptionsFrm *d = f.open();
    d->PageControl1->setCurrentIndex(5);
    OptionsColorsPage *p = d->colorsPage;
    Highlighter *java = p->SynJavaSyn1;
    const int comment = java->indexOfAttribute("Comment");
    p->cbxAttrSelect->setCurrentIndex(p->cbxAttrSelect->findText("Comment"));
    emit p->cbxAttrSelect->activated(p->cbxAttrSelect->currentIndex());
    QVERIFY(p->cbItalic->isChecked() && !p->cbBold->isChecked()); // the Java comment: italic

    p->cbBold->click();
    QCOMPARE(java->attribute(comment).style, 3);
    p->cbUnderline->click();
    p->cbItalic->click();
    QCOMPARE(java->attribute(comment).style, 5);
    p->cbStriketru->click();
    QCOMPARE(java->attribute(comment).style, 13);

    f.dialogs.colorAnswers << QColor(0x12, 0x34, 0x56);
    emit p->FGColor->clicked();
    QCOMPARE(java->attribute(comment).foreground, TColor(0x00563412));
    // Cancel: the box's colour stays, and so does the attribute's.
    emit p->BGColor->clicked();
    QCOMPARE(java->attribute(comment).background, p->BGColor->color());
    QCOMPARE(java->attribute(comment).foreground, TColor(0x00563412));
    QCOMPARE(f.dialogs.calls.size(), 2);
}

void TestOptionsPages::presets()
{
    OptionsKit f;
    f.write("colors/toc.col", "Night\r\nGone\r\n");
    f.write("colors/Night.ini", "[Comment]\r\nForeground=65280\r\n");
    f.start();
    TOptionsFrm *d = f.open();
    OptionsColorsPage *p = d->colorsPage;
    QCOMPARE(p->presetList(), QStringList({"Night", "Gone"}));
    Highlighter *java = p->SynJavaSyn1;
    const int comment = java->indexOfAttribute("Comment");

    // A preset without its file.
    p->ComboBox2->setCurrentIndex(1);
    emit p->ComboBox2->activated(1);
    QCOMPARE(f.prompter.calls.size(), 1);
    QCOMPARE(f.prompter.calls[0].caption, QStringLiteral("Information"));
    QCOMPARE(f.prompter.calls[0].icon, Prompter::Information);
    QCOMPARE(f.prompter.calls[0].text,
             "For some reson the file " + f.path("colors/Gone.ini")
                 + " doen not exist. Cannot performe the spesified operation!");
    p->ComboBox2->setCurrentIndex(0);
    emit p->ComboBox2->activated(0);
    QCOMPARE(java->attribute(comment).foreground, TColor(65280));

    // Refused names change nothing.
    const QByteArray list = f.folder.readFile("colors/toc.col");
    for (const QString &name : {QString(), QString("  "), QString("a/b"), QString("../x")}) {
        p->ComboBox2->setEditText(name);
        p->Button8->click();
    }
    QCOMPARE(f.prompter.calls.size(), 5);
    for (int i = 1; i < 5; ++i)
        QCOMPARE(f.prompter.calls[i].caption, QStringLiteral("Information"));
    QCOMPARE(f.folder.readFile("colors/toc.col"), list);
    QVERIFY(!QFile::exists(f.path("colors/.ini")));

    // An equal name (letter case aside) is saved under the listed one and not listed again;
    // a name that only holds a listed one is a new preset.
    p->ComboBox2->setEditText("night");
    p->Button8->click();
    QVERIFY(IniFile(f.path("colors/Night.ini")).sectionExists("Documentation"));
    QCOMPARE(f.folder.readFile("colors/toc.col"), QByteArray("Night\r\nGone\r\n"));
    p->ComboBox2->setEditText("Night sky");
    p->Button8->click();
    QCOMPARE(f.folder.readFile("colors/toc.col"), QByteArray("Night\r\nGone\r\nNight sky\r\n"));
    QVERIFY(QFile::exists(f.path("colors/Night sky.ini")));
    QCOMPARE(p->ComboBox2->currentText(), QString());
    QCOMPARE(p->ComboBox2->count(), 3);
}

void TestOptionsPages::okWritesTheSelectedTabsColours()
{
    OptionsKit f;
    f.start();
    f.main->action("NyApplikasjonkode1")->trigger();
    TOptionsFrm *d = f.open();
    OptionsColorsPage *p = d->colorsPage;
    p->TabSet1->setCurrentIndex(2); // CSS
    QFile::remove(f.path("colors/lang/CSS.ini"));
    Highlighter *css = p->SynCssSyn1;
    const int key = css->indexOfAttribute("Key");
    css->setAttribute(key, TColor::clRed, TColor::clNone, 0);
    QVERIFY(OptionsKit::ok(d));
    QCOMPARE(IniFile(f.path("colors/lang/CSS.ini")).readInteger("Key", "Foreground", 0),
             TColor::clRed.value());
}

void TestOptionsPages::templatesByKeyboard()
{
    OptionsKit f;
    f.write("completion/auto.cmp", templates);
    f.start();
    TOptionsFrm *d = f.open();
    d->PageControl1->setCurrentIndex(6);
    QVERIFY(QTest::qWaitForWindowExposed(d));
    OptionsTemplatePage *t = d->templatePage;
    QCOMPARE(itemsOf(t->ListView2), QStringList({"foreach", "for"}));
    QVERIFY(t->SynEdit1->lines().isEmpty());

    t->ListView2->setFocus();
    QTest::keyClick(t->ListView2, Qt::Key_Down); // "foreach"
    if (t->ListView2->currentItem()->text(0) != "foreach")
        QTest::keyClick(t->ListView2, Qt::Key_Up);
    QCOMPARE(t->SynEdit1->lines(), QStringList({"for (Object o : |) {", "}"}));
    t->SynEdit1->replaceLines({"for (Object o : items) {", "  |", "}"});
    QTest::keyClick(t->ListView2, Qt::Key_Down); // "for", not "foreach" again
    QCOMPARE(t->editedKeyword(), QStringLiteral("for"));
    QCOMPARE(t->SynEdit1->lines(), QStringList({"for (int i = 0; i < |; i++) {", "}", ""}));
    QCOMPARE(t->TemplateStartLine, 6);
    QCOMPARE(t->TemplateEndLine, 8);
    QCOMPARE(t->RichEdit1().code("foreach"), QStringList({"for (Object o : items) {", "  |", "}"}));

    // Nothing reaches the file before OK; OK writes CR LF lines, the code only looked at as
    // it was (its blank last line too).
    QCOMPARE(f.folder.readFile("completion/auto.cmp"), templates);
    QVERIFY(OptionsKit::ok(d));
    QCOMPARE(f.folder.readFile("completion/auto.cmp"),
             QByteArray("%foreach\r\nfor (Object o : items) {\r\n  |\r\n}\r\n#\r\n"
                        "%for\r\nfor (int i = 0; i < |; i++) {\r\n}\r\n\r\n#\r\n"));
}

void TestOptionsPages::newAndDeleteKeyword()
{
    OptionsKit f;
    f.write("completion/auto.cmp", templates);
    f.start();
    TOptionsFrm *d = f.open();
    OptionsTemplatePage *t = d->templatePage;
    t->ListView2->setCurrentItem(t->ListView2->topLevelItem(1)); // "for"
    t->SynEdit1->replaceLines({"for (;;) {", "}"});

    // Refused: a keyword, a blank name, "%" or "#"; each says why and changes nothing.
    f.subDialogs << keyword("for") << keyword("  ") << keyword("a%b") << keyword("x#");
    for (int i = 0; i < 4; ++i)
        t->NewKeyword->click();
    QCOMPARE(f.subDialogTitles.size(), 4);
    QCOMPARE(f.subDialogTitles.first(), QStringLiteral("Keywords"));
    QCOMPARE(f.prompter.calls.size(), 4);
    QCOMPARE(f.prompter.calls[0].text,
             QStringLiteral("Can't create keyword. The keyword already exists!"));
    for (const FakePrompter::Call &call : f.prompter.calls) {
        QCOMPARE(call.caption, QStringLiteral("Information"));
        QCOMPARE(call.icon, Prompter::Information);
    }
    QCOMPARE(itemsOf(t->ListView2), QStringList({"foreach", "for"}));
    // The edited code went back before the dialog showed.
    QCOMPARE(t->RichEdit1().code("for"), QStringList({"for (;;) {", "}"}));

    // A word of a code line is a new keyword; its code goes between its header and "#".
    f.subDialogs << keyword("Object");
    t->NewKeyword->click();
    QCOMPARE(itemsOf(t->ListView2), QStringList({"foreach", "for", "Object"}));
    QCOMPARE(t->ListView2->currentItem()->text(0), QStringLiteral("Object"));
    QVERIFY(t->SynEdit1->lines().isEmpty());
    t->SynEdit1->replaceLines({"Object o = new Object();"});

    // Cancel: the code shown belongs to no template.
    t->NewKeyword->click(); // answered Cancel
    QVERIFY(t->SynEdit1->lines().isEmpty());
    t->SynEdit1->replaceLines({"lost"});
    t->UpdateKewordCode();
    QCOMPARE(t->RichEdit1().code("Object"), QStringList({"Object o = new Object();"}));
    QCOMPARE(t->RichEdit1().code("for"), QStringList({"for (;;) {", "}"}));

    // Delete takes the selected record and no other line, and leaves nothing selected.
    t->ListView2->setCurrentItem(t->ListView2->topLevelItem(0));
    t->DeleteKeyword->click();
    QCOMPARE(itemsOf(t->ListView2), QStringList({"for", "Object"}));
    QVERIFY(!t->ListView2->currentItem());
    QVERIFY(t->SynEdit1->lines().isEmpty());
    QCOMPARE(t->TemplateStartLine, -1);
    QCOMPARE(t->TemplateEndLine, -1);
    QCOMPARE(
        t->RichEdit1().lines(),
        QStringList({"%for", "for (;;) {", "}", "#", "%Object", "Object o = new Object();", "#"}));
    t->DeleteKeyword->click(); // nothing selected: nothing happens
    QCOMPARE(t->RichEdit1().lines().size(), 7);
}

void TestOptionsPages::templatesReachTheMainWindow()
{
    OptionsKit f; // no "completion/auto.cmp" at all
    f.start();
    CompletionTemplates *list = f.features().completionList;
    QVERIFY(list->CompletionList().isEmpty());
    TOptionsFrm *d = f.open();
    f.subDialogs << keyword("sout");
    d->templatePage->NewKeyword->click();
    d->templatePage->SynEdit1->replaceLines({"System.out.println(|);"});
    QVERIFY(OptionsKit::ok(d));
    // The file is made, and the main window's list made from it.
    QCOMPARE(f.folder.readFile("completion/auto.cmp"),
             QByteArray("%sout\r\nSystem.out.println(|);\r\n#\r\n"));
    QCOMPARE(list->CompletionList(), QStringList({"sout", "=System.out.println(|);"}));
}

// Code lines holding "%" (format strings, a remainder): the page and the main window's list
// find the same keywords and the same code, before and after OK; the keyword "d" is found at
// its own header, not at the "%d" of the format string before it.
void TestOptionsPages::pageAndListAgreeOnHeaders()
{
    OptionsKit f;
    f.write("completion/auto.cmp",
            "%fmt\r\nString s = String.format(\"%d%%\", n);\r\nSystem.out.println(s|);\r\n#\r\n"
            "%for\r\nfor (int i = 0; i < |; i++) {\r\n}\r\n#\r\n%d\r\ndouble d = |;\r\n#\r\n");
    f.start();
    TSynAutoComplete *expander = f.features().completion->SynAutoComplete1;
    auto agree = [&](OptionsTemplatePage *t, const QStringList &keywords) {
        QStringList listed;
        for (const QString &line : expander->completionList())
            if (!line.startsWith(u'='))
                listed << line;
        QCOMPARE(listed, keywords);
        QCOMPARE(itemsOf(t->ListView2), keywords);
        for (int row = 0; row < keywords.size(); ++row) {
            clickRow(t->ListView2, row);
            QCOMPARE(t->editedKeyword(), keywords.at(row));
            QStringList code;
            QVERIFY(expander->codeOf(keywords.at(row), &code));
            QCOMPARE(t->SynEdit1->lines(), code);
        }
    };

    TOptionsFrm *d = f.open();
    d->PageControl1->setCurrentIndex(6);
    QVERIFY(QTest::qWaitForWindowExposed(d));
    OptionsTemplatePage *t = d->templatePage;
    agree(t, {"fmt", "for", "d"});
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(t->RichEdit1().code("fmt"),
             QStringList({"String s = String.format(\"%d%%\", n);", "System.out.println(s|);"}));
    QCOMPARE(t->RichEdit1().code("d"), QStringList({"double d = |;"}));

    f.subDialogs << keyword("rem");
    t->NewKeyword->click();
    t->SynEdit1->replaceLines({"int r = a % b;|"});
    QVERIFY(OptionsKit::ok(d));
    d = f.open();
    d->PageControl1->setCurrentIndex(6);
    QVERIFY(QTest::qWaitForWindowExposed(d));
    agree(d->templatePage, {"fmt", "for", "d", "rem"});
}

void TestOptionsPages::classesAndMembers()
{
    OptionsKit f;
    f.write("completion/toc.cmp", "String\r\nMath\r\n");
    f.write("completion/Math.cmp",
            "public static double abs(double)\r\n"
            "public static int max(int, int)\r\n");
    f.start();
    TOptionsFrm *d = f.open();
    d->PageControl1->setCurrentIndex(4);
    QVERIFY(QTest::qWaitForWindowExposed(d));
    OptionsClassPage *c = d->classPage;
    QCOMPARE(itemsOf(c->ClassesList), QStringList({"String", "Math"}));
    QCOMPARE(c->ClassesList->columnWidth(0), 133);

    // No class selected.
    c->Edit4->setText("public int length()");
    c->Button6->click();
    c->Button4->click();
    c->Button3->click();
    QCOMPARE(f.prompter.texts(),
             QStringList({"Please select the class that you want the datamember to be added to!",
                          "Please select the datamember you want to remove!",
                          "Please select the class that you want to delete!"}));
    QVERIFY(c->Edit4->text().isEmpty());

    // By the keyboard.
    c->ClassesList->setFocus();
    QTest::keyClick(c->ClassesList, Qt::Key_End);
    QCOMPARE(c->selectedClass(), QStringLiteral("Math"));
    QCOMPARE(itemsOf(c->DatamembersList),
             QStringList({"public static double abs(double)", "public static int max(int, int)"}));
    QTest::keyClick(c->ClassesList, Qt::Key_Home);
    QVERIFY(itemsOf(c->DatamembersList).isEmpty()); // no "String.cmp"

    c->Edit4->setText("public int length()");
    c->Button6->click();
    c->Edit4->setText("  ");
    c->Button6->click();
    QCOMPARE(f.prompter.texts().last(), QStringLiteral("Can't add empty text!"));
    QCOMPARE(f.folder.readFile("completion/String.cmp"), QByteArray("public int length()\r\n"));

    // Deleting with no member selected rewrites the file unchanged.
    c->DatamembersList->setCurrentItem(nullptr);
    c->Button4->click();
    QCOMPARE(f.folder.readFile("completion/String.cmp"), QByteArray("public int length()\r\n"));
    c->DatamembersList->setCurrentItem(c->DatamembersList->topLevelItem(0));
    QCOMPARE(c->DatamembersList->toolTip(), QStringLiteral("public int length()"));
    c->Button4->click();
    QCOMPARE(f.folder.readFile("completion/String.cmp"), QByteArray());

    // A new class: an empty file, the list rewritten.
    c->Edit4->setText(" Vector");
    c->Button5->click();
    QCOMPARE(itemsOf(c->ClassesList), QStringList({"String", "Math", " Vector"}));
    QVERIFY(QFile::exists(f.path("completion/ Vector.cmp")));
    QCOMPARE(f.folder.readFile("completion/toc.cmp"), QByteArray("String\r\nMath\r\n Vector\r\n"));
}

void TestOptionsPages::classRefusalsKeepFiles()
{
    OptionsKit f;
    f.write("completion/toc.cmp", "Math\r\n");
    f.write("completion/auto.cmp", templates);
    f.write("completion/Thread.cmp", "public void run()\r\n");
    f.start();
    TOptionsFrm *d = f.open();
    OptionsClassPage *c = d->classPage;
    for (const QString &name : {QString(""), QString("Math"), QString("a/b"), QString(".."),
                                QString("auto"), QString("toc")}) {
        c->Edit4->setText(name);
        c->Button5->click();
    }
    QCOMPARE(f.prompter.calls.size(), 6);
    QCOMPARE(f.prompter.calls[0].text, QStringLiteral("Can't add empty text!"));
    for (const FakePrompter::Call &call : f.prompter.calls)
        QCOMPARE(call.caption, QStringLiteral("Information"));
    QCOMPARE(itemsOf(c->ClassesList), QStringList({"Math"}));
    QCOMPARE(f.folder.readFile("completion/toc.cmp"), QByteArray("Math\r\n"));
    QCOMPARE(f.folder.readFile("completion/auto.cmp"), templates);

    // A class whose member file is there already keeps its members.
    c->Edit4->setText("Thread");
    c->Button5->click();
    QCOMPARE(f.folder.readFile("completion/Thread.cmp"), QByteArray("public void run()\r\n"));
    QCOMPARE(itemsOf(c->ClassesList), QStringList({"Math", "Thread"}));
}

void TestOptionsPages::deleteClassAnsweredBothWays()
{
    OptionsKit f;
    f.write("completion/toc.cmp", "Math\r\n../qmEditor\r\n");
    f.write("completion/Math.cmp", "public static double abs(double)\r\n");
    f.write("qmEditor.cmp", "not a completion file\r\n");
    f.start();
    TOptionsFrm *d = f.open();
    OptionsClassPage *c = d->classPage;
    c->ClassesList->setCurrentItem(c->ClassesList->topLevelItem(0));
    f.prompter.answers << Prompter::No << Prompter::Yes << Prompter::Yes;
    c->Button3->click();
    QCOMPARE(f.prompter.calls[0].caption, QStringLiteral("Warning"));
    QCOMPARE(f.prompter.calls[0].icon, Prompter::Warning);
    QCOMPARE(f.prompter.calls[0].buttons, Prompter::YesButton | Prompter::NoButton);
    QCOMPARE(f.prompter.calls[0].text,
             QStringLiteral("This operation is inreversible! Deleting this class will cause the "
                            "data for this class to be lost forever. Are you sure that you want "
                            "to delete class \"Math\"?"));
    QVERIFY(QFile::exists(f.path("completion/Math.cmp")));
    QCOMPARE(itemsOf(c->ClassesList).size(), 2);

    c->Button3->click();
    QVERIFY(!QFile::exists(f.path("completion/Math.cmp")));
    QCOMPARE(itemsOf(c->ClassesList), QStringList({"../qmEditor"}));
    QVERIFY(!c->ClassesList->currentItem());
    QVERIFY(itemsOf(c->DatamembersList).isEmpty());
    QCOMPARE(f.folder.readFile("completion/toc.cmp"), QByteArray("../qmEditor\r\n"));

    // A name from a hand-edited list that leads elsewhere loses its entry, never a file.
    c->ClassesList->setCurrentItem(c->ClassesList->topLevelItem(0));
    c->Button3->click();
    QVERIFY(QFile::exists(f.path("qmEditor.cmp")));
    QVERIFY(itemsOf(c->ClassesList).isEmpty());
    QCOMPARE(f.folder.readFile("completion/toc.cmp"), QByteArray());
}

QTEST_MAIN(TestOptionsPages)
#include "tst_optionspages.moc"
