// The "New language" and "Edit language" tabs of the Options dialog's colours page, and the
// language tabs' share of its tab switch.
#include "OptionsKit.h"
#include "Widgets.h"
#include "editor/highlighting/GeneralLexer.h"
#include "editor/highlighting/Highlighter.h"
#include "settings/languages/ChangeFileExtFrm.h"
#include "settings/languages/ChangeLangNameFrm.h"
#include "settings/languages/CustomLanguageFile.h"
#include "settings/languages/CustomLanguageIndex.h"
#include "settings/languages/EditLanguagePanel.h"
#include "settings/languages/NewLanguagePanel.h"
#include "settings/options/OptionsColorsPage.h"
#include "shell/explorer/ExplorerPanel.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

const QString NoLanguage = QStringLiteral("[Select from list below]");

QStringList tabsOf(OptionsColorsPage *p)
{
    QStringList tabs;
    for (int i = 0; i < p->TabSet1->count(); ++i)
        tabs << p->TabSet1->tabText(i);
    return tabs;
}

int tabIndex(OptionsColorsPage *p, const QString &caption)
{
    return tabsOf(p).indexOf(caption);
}

QStringList itemNames(QMenu *menu)
{
    QStringList names;
    for (QAction *a : menu->actions())
        names << (a->data().isValid() ? a->data().toString() : a->objectName());
    return names;
}

QStringList rows(QTreeWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(0);
    return texts;
}

void choose(QTreeWidget *list, const QString &text)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0) == text) {
            list->setCurrentItem(list->topLevelItem(i));
            return;
        }
    QFAIL("no such row");
}

struct LanguageKit : OptionsKit {
    // Languages in the table of contents, each with a file (its keywords and sample code as
    // given) and a colour file.
    void languages(const QList<QStringList> &defs)
    {
        QByteArray toc = "[CustomLanguages]\r\nCount=" + QByteArray::number(defs.size()) + "\r\n";
        int i = 0;
        for (const QStringList &d : defs) {
            const QString name = d.value(0);
            toc += QByteArray::number(++i) + "=" + name.toUtf8() + "\r\n";
            QByteArray file = "[FileInfo]\r\nFileExt=" + d.value(1).toUtf8() + "\r\nLangName="
                + name.toUtf8() + "\r\n[Keywords]\r\nKeyWordsCount=1\r\n0=begin\r\n"
                + "[CommentTypes]\r\nCComments=1\r\n[Code]\r\n";
            const QStringList code = d.mid(2);
            file += "CodeLines=" + QByteArray::number(code.size()) + "\r\n";
            for (int k = 0; k < code.size(); ++k)
                file += QByteArray::number(k) + "=" + code.at(k).toUtf8() + "\r\n";
            write("customlang/" + name + ".ini", file);
            write("colors/lang/" + name + ".ini", "[Comment]\r\nForeground=255\r\n");
        }
        write("customlang/toc.ini", toc);
    }

    TOptionsFrm *openOn(const QString &tab)
    {
        TOptionsFrm *d = open();
        d->PageControl1->setCurrentIndex(5);
        OptionsColorsPage *p = d->colorsPage;
        p->TabSet1->setCurrentIndex(tabIndex(p, tab));
        return d;
    }

    bool exists(const QString &relative) const { return QFile::exists(path(relative)); }
};

} // namespace

class TestLanguageTabs : public QObject
{
    Q_OBJECT
private slots:
    void addLanguage();
    void refusedNamesChangeNothing();
    void tabsAtCreationAndDefineNew();
    void languageTabLoadsAndSavesSampleCode();
    void deleteTheMiddleOfThree();
    void afterDeleteTheRowThatMovedUpIsChosenByAClick();
    void deleteStaysInTheLanguageFolders();
    void gapsInHandEditedListsLoseNothing();
    void renameMovesBothFiles();
    void refusedOrFailedRenameChangesNothing();
    void guardsBeforeALanguageIsChosen();
    void editTabWritesAtOnce();
    void builtInNameKeepsItsOwnSample();
    void leavingAfterDeleteOrRename();
};

void TestLanguageTabs::addLanguage()
{
    LanguageKit f;
    f.start();
    TOptionsFrm *d = f.openOn("New language");
    OptionsColorsPage *p = d->colorsPage;
    NewLanguagePanel *n = p->GroupBox16;
    QVERIFY(n->isVisible() && !p->GroupBox21->isVisible() && !p->GroupBox13->isVisible());

    n->Edit1->setText(" Foo ");
    n->Edit3->setText("*.foo");
    n->CheckBox3->setChecked(true);
    for (const char *word : {"begin", "end", "if", "then", "else"}) {
        n->Edit2->setText(word);
        n->Button12->click();
    }
    QCOMPARE(n->ListView1->columnWidth(0), 268); // the fifth went into a list of four
    QVERIFY(n->Edit2->text().isEmpty());
    n->ListView1->setCurrentItem(n->ListView1->topLevelItem(4));
    n->Button10->click();
    QCOMPARE(n->ListView1->columnWidth(0), 285);
    n->Button13->click();
    QVERIFY(f.prompter.calls.isEmpty());

    const IniFile lang(f.path("customlang/Foo.ini"));
    QCOMPARE(lang.readString("Keywords", "KeyWordsCount", ""), QStringLiteral("4"));
    QCOMPARE(lang.readString("Keywords", "3", ""), QStringLiteral("then"));
    QVERIFY(lang.readBool("CommentTypes", "CComments", false));
    QCOMPARE(lang.readString("FileInfo", "FileExt", ""), QStringLiteral("*.foo"));
    const IniFile toc(f.path("customlang/toc.ini"));
    QCOMPARE(toc.readInteger("CustomLanguages", "Count", 0), 1);
    QCOMPARE(toc.readString("CustomLanguages", "1", ""), QStringLiteral("Foo"));

    QCOMPARE(tabsOf(p).at(6), QStringLiteral("Foo"));
    QCOMPARE(p->TabSet1->tabText(p->TabSet1->currentIndex()), QStringLiteral("New language"));
    for (QMenu *menu : {f.main->menu("Customlanguages1"), f.child<QMenu>("Customlanguages2")})
        QCOMPARE(itemNames(menu).first(), QStringLiteral("Foo"));
    const QList<FileFilterEntry> filter = f.main->UpdateFilesFilter();
    QCOMPARE(filter.at(7).description, QStringLiteral("Foo (*.foo)"));
    QCOMPARE(f.features().explorer->FilterComboBox1->itemText(7), QStringLiteral("Foo (*.foo)"));
    QVERIFY(n->Edit1->text().isEmpty() && n->Edit3->text().isEmpty());
    QVERIFY(!n->CheckBox3->isChecked());
    QCOMPARE(n->ListView1->topLevelItemCount(), 0);

    // Closing the dialog (Escape as well as the close box) hides the "(empty)" items: the
    // submenus hold a language.
    QTest::keyClick(d, Qt::Key_Escape);
    QVERIFY(!d->isVisible());
    QVERIFY(!f.main->action("empty4")->isVisible());

    // Deleting it again: the "(empty)" items come back on closing.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    d = f.openOn("Edit language");
    choose(d->colorsPage->GroupBox21->ListView3, "Foo");
    f.prompter.answers = {Prompter::Yes};
    d->colorsPage->GroupBox21->Button14->click();
    QCOMPARE(CustomLanguageIndex().count(), 0);
    d->close();
    QVERIFY(f.main->action("empty4")->isVisible());
    QVERIFY(f.child<QMenu>("Customlanguages2")->findChild<QAction *>("empty5")->isVisible());
    QCOMPARE(f.features().explorer->FilterComboBox1->count(), 8);
}

void TestLanguageTabs::refusedNamesChangeNothing()
{
    LanguageKit f;
    f.languages({{"Foo", "*.foo"}});
    f.start();
    const QByteArray toc = f.folder.readFile("customlang/toc.ini");
    NewLanguagePanel *n = f.openOn("New language")->colorsPage->GroupBox16;
    for (const char *name : {"  ", "FOO", "a/b", "a|b", "x..y", "html", " Perl"}) {
        f.prompter.calls.clear();
        n->Edit1->setText(name);
        n->Button13->click();
        QCOMPARE(f.prompter.calls.size(), 1);
        QCOMPARE(f.prompter.calls.first().caption, QStringLiteral("Information"));
        QCOMPARE(n->Edit1->text(), QString::fromLatin1(name)); // kept for another try
    }
    QCOMPARE(f.folder.readFile("customlang/toc.ini"), toc);
    QCOMPARE(QDir(f.path("customlang")).entryList(QDir::Files).size(), 2);
    QCOMPARE(itemNames(f.main->menu("Customlanguages1")).size(), 4);
}

void TestLanguageTabs::tabsAtCreationAndDefineNew()
{
    LanguageKit f;
    f.languages({{"A", "*.a"}, {"B", "*.b"}, {"C", "*.c"}});
    f.write("customlang/toc.ini", "[CustomLanguages]\r\nCount=4\r\n1=A\r\n2=B\r\n3= \r\n4=C\r\n");
    f.start();
    // "Define new custom language.." of the pop-up opens the dialog on "New language".
    QAction *define =
        f.child<QMenu>("Customlanguages2")->findChild<QAction *>("Definenewcustomlanguage2");
    define->trigger();
    TOptionsFrm *d = f.options()->dialog();
    QVERIFY(d && d->isVisible());
    QCOMPARE(d->PageControl1->currentIndex(), 5);
    OptionsColorsPage *p = d->colorsPage;
    QCOMPARE(tabsOf(p),
             QStringList({"Java", "HTML", "CSS", "PERL", "PHP", "XML", "C", "B", "A",
                          "New language", "Edit language"}));
    QCOMPARE(p->TabSet1->currentIndex(), 9);
    QVERIFY(p->GroupBox16->isVisible());
    // The File, New item brings the same dialog forward.
    p->TabSet1->setCurrentIndex(0);
    f.main->action("Definenewcustomlanguage1")->trigger();
    QCOMPARE(f.options()->dialog(), d);
    QCOMPARE(p->TabSet1->currentIndex(), 9);
}

void TestLanguageTabs::languageTabLoadsAndSavesSampleCode()
{
    LanguageKit f;
    // Bar's sample ends in an empty line.
    f.languages({{"Foo", "*.foo"}, {"Bar", "*.bar", "one", "two", "three", ""}});
    f.write("customlang/Foo.ini",
            "[Keywords]\r\nKeyWordsCount=2\r\n0=begin\r\n1=end\r\n"
            "[CommentTypes]\r\nCComments=1\r\n");
    f.start();
    TOptionsFrm *d = f.openOn("Foo");
    OptionsColorsPage *p = d->colorsPage;
    GeneralLexer *lexer = p->SynGeneralSyn1->generalLexer();
    QCOMPARE(lexer->keywords(), QStringList({"begin", "end"}));
    QCOMPARE(lexer->commentStyles(), GeneralLexer::CComments | GeneralLexer::CppComments);
    QCOMPARE(lexer->stringDelimiter(), '"');
    QCOMPARE(p->SynEditor->highlighter(), p->SynGeneralSyn1);
    QCOMPARE(p->SynEditor->text(), QStringLiteral("[No code spesified for this language!]"));
    QCOMPARE(p->cbxAttrSelect->itemText(0), QStringLiteral("Comment"));

    // Leaving while the placeholder shows saves no code.
    p->TabSet1->setCurrentIndex(tabIndex(p, "Bar"));
    QVERIFY(!IniFile(f.path("customlang/Foo.ini")).sectionExists("Code"));
    QCOMPARE(lexer->keywords(), QStringList({"begin"}));
    QCOMPARE(p->SynEditor->lines(), QStringList({"one", "two", "three", ""}));
    p->TabSet1->setCurrentIndex(tabIndex(p, "Foo"));
    QCOMPARE(CustomLanguageFile("Bar").code(), QStringList({"one", "two", "three", ""}));
    QVERIFY(QFile::exists(f.path("colors/lang/Foo.ini")));

    // A click empties the placeholder; an empty preview saves no lines.
    auto *area = qobject_cast<QAbstractScrollArea *>(p->SynEditor->widget());
    QTest::mouseClick(area->viewport(), Qt::LeftButton);
    QVERIFY(p->SynEditor->text().isEmpty());
    p->TabSet1->setCurrentIndex(0);
    QCOMPARE(IniFile(f.path("customlang/Foo.ini")).readString("Code", "CodeLines", ""),
             QStringLiteral("0"));
    p->TabSet1->setCurrentIndex(tabIndex(p, "Foo"));
    p->SynEditor->setText("a\nb\nc\n");
    p->TabSet1->setCurrentIndex(0);
    QCOMPARE(CustomLanguageFile("Foo").code(), QStringList({"a", "b", "c"}));
    p->TabSet1->setCurrentIndex(tabIndex(p, "Foo"));
    QCOMPARE(p->SynEditor->lines(), QStringList({"a", "b", "c"}));
    // The language tab gets its colour file from the general highlighter.
    QCOMPARE(p->selectedHighlighter(), p->SynGeneralSyn1);
}

void TestLanguageTabs::deleteTheMiddleOfThree()
{
    LanguageKit f;
    f.languages({{"A", "*.a"}, {"B", "*.b"}, {"C", "*.c"}});
    f.start();
    TOptionsFrm *d = f.openOn("Edit language");
    EditLanguagePanel *e = d->colorsPage->GroupBox21;
    QCOMPARE(rows(e->ListView3), QStringList({"A", "B", "C"}));
    QCOMPARE(e->ListView3->columnWidth(0), 331);
    choose(e->ListView3, "B");
    QCOMPARE(e->Label23->text(), QStringLiteral("B"));

    f.prompter.answers = {Prompter::No};
    e->Button14->click();
    QCOMPARE(f.prompter.calls.last().text,
             QStringLiteral("Are you sure you want to delete this language?"));
    QCOMPARE(f.prompter.calls.last().caption, QStringLiteral("Question"));
    QVERIFY(f.exists("customlang/B.ini") && f.exists("colors/lang/B.ini"));

    f.prompter.answers = {Prompter::Yes};
    e->Button14->click();
    QVERIFY(!f.exists("customlang/B.ini") && !f.exists("colors/lang/B.ini"));
    QVERIFY(f.exists("customlang/A.ini") && f.exists("customlang/C.ini"));
    QCOMPARE(CustomLanguageIndex().entries(), QStringList({"A", "C"}));
    QCOMPARE(rows(e->ListView3), QStringList({"A", "C"}));
    QCOMPARE(e->ListView3->columnWidth(0), 349);
    QVERIFY(!tabsOf(d->colorsPage).contains("B"));
    QCOMPARE(itemNames(f.main->menu("Customlanguages1")),
             QStringList({"C", "A", "empty4", "N40", "Definenewcustomlanguage1"}));
    QCOMPARE(itemNames(f.child<QMenu>("Customlanguages2")).mid(0, 2), QStringList({"C", "A"}));
    QCOMPARE(e->Label23->text(), NoLanguage);
    QCOMPARE(f.main->UpdateFilesFilter().size(), 10);
    QCOMPARE(f.features().explorer->FilterComboBox1->count(), 10);
}

// After a delete no row is chosen and nothing acts on the row that took the deleted one's
// place; a click on that row chooses it, and the buttons then act on it.
void TestLanguageTabs::afterDeleteTheRowThatMovedUpIsChosenByAClick()
{
    LanguageKit f;
    f.languages({{"A", "*.a"}, {"B", "*.b"}, {"C", "*.c"}});
    f.start();
    TOptionsFrm *d = f.openOn("Edit language");
    QVERIFY(QTest::qWaitForWindowExposed(d));
    EditLanguagePanel *e = d->colorsPage->GroupBox21;
    clickRow(e->ListView3, 1);
    QCOMPARE(e->Label23->text(), QStringLiteral("B"));
    f.prompter.answers = {Prompter::Yes};
    QTest::mouseClick(e->Button14, Qt::LeftButton);
    QCOMPARE(rows(e->ListView3), QStringList({"A", "C"}));
    QCOMPARE(e->Label23->text(), NoLanguage);
    QVERIFY(e->ListView3->selectedItems().isEmpty());

    // Nothing chosen: "Delete language" asks nothing and deletes nothing.
    f.prompter.calls.clear();
    f.prompter.answers = {Prompter::Yes};
    QTest::mouseClick(e->Button14, Qt::LeftButton);
    QVERIFY(f.prompter.calls.isEmpty());
    QVERIFY(f.exists("customlang/C.ini"));
    QCOMPARE(CustomLanguageIndex().entries(), QStringList({"A", "C"}));

    // The row that moved up is chosen by a click.
    clickRow(e->ListView3, 1);
    QCOMPARE(e->Label23->text(), QStringLiteral("C"));
    QVERIFY(e->CheckBox9->isChecked());
    QCOMPARE(rows(e->ListView4), QStringList({"begin"}));

    // Each button acts on it.
    f.subDialogs = {[](QDialog &dialog) {
                        return static_cast<TChangeLangNameFrm &>(dialog).Label3->text()
                                == QLatin1String("[C]")
                            ? 2
                            : 1;
                    },
                    [](QDialog &dialog) {
                        auto &ext = static_cast<TChangeFileExtFrm &>(dialog);
                        if (ext.GroupBox1->title() != QLatin1String("Change extention for C:")
                            || ext.Label2->text() != QLatin1String("[*.c]"))
                            return 2;
                        ext.Edit1->setText("*.cc");
                        return 1;
                    }};
    QTest::mouseClick(e->Button15, Qt::LeftButton);
    QTest::mouseClick(e->Button16, Qt::LeftButton);
    QCOMPARE(f.subDialogTitles, QStringList({"Change Language Name", "Change File Extention"}));
    QVERIFY(f.prompter.calls.isEmpty());
    QCOMPARE(CustomLanguageIndex().entries(), QStringList({"A", "C"}));
    QCOMPARE(CustomLanguageFile("C").fileExt(), QStringLiteral("*.cc"));
    QCOMPARE(CustomLanguageFile("A").fileExt(), QStringLiteral("*.a"));
    f.prompter.answers = {Prompter::Yes};
    QTest::mouseClick(e->Button14, Qt::LeftButton);
    QCOMPARE(f.prompter.texts(), QStringList({"Are you sure you want to delete this language?"}));
    QVERIFY(!f.exists("customlang/C.ini") && f.exists("customlang/A.ini"));
    QCOMPARE(rows(e->ListView3), QStringList({"A"}));
    QVERIFY(e->ListView3->selectedItems().isEmpty());
    clickRow(e->ListView3, 0);
    QCOMPARE(e->Label23->text(), QStringLiteral("A"));
}

void TestLanguageTabs::deleteStaysInTheLanguageFolders()
{
    LanguageKit f;
    f.write("outside.ini", "[Keywords]\r\nKeyWordsCount=0\r\n");
    // A hand-edited table: a name leading out of the folder, one of a built-in type.
    f.write("customlang/toc.ini",
            "[CustomLanguages]\r\nCount=3\r\n1=../outside\r\n2=Keep\r\n3=HTML\r\n");
    f.write("customlang/Keep.ini", "[FileInfo]\r\nFileExt=*.k\r\n");
    f.write("customlang/HTML.ini", "[FileInfo]\r\nFileExt=*.h\r\n");
    const QByteArray htmlColours = "[Comment]\r\nForeground=255\r\n";
    f.write("colors/lang/HTML.ini", htmlColours);
    f.start();
    TOptionsFrm *d = f.openOn("Edit language");
    EditLanguagePanel *e = d->colorsPage->GroupBox21;
    QVERIFY(!tabsOf(d->colorsPage).contains("../outside"));
    QCOMPARE(tabsOf(d->colorsPage).count("HTML"), 1);
    f.prompter.answers = {Prompter::Yes, Prompter::Yes};
    for (const char *name : {"../outside", "HTML"}) {
        choose(e->ListView3, name);
        e->Button14->click();
    }
    QVERIFY(f.exists("outside.ini"));
    QCOMPARE(f.folder.readFile("colors/lang/HTML.ini"), htmlColours);
    QCOMPARE(CustomLanguageIndex().entries(), QStringList({"Keep"}));
}

// A hand-edited table of contents with a gap, and a keyword list with one: every entry after
// the gap is shown, and the next rewrite of the table keeps it.
void TestLanguageTabs::gapsInHandEditedListsLoseNothing()
{
    LanguageKit f;
    f.languages({{"Alpha", "*.a"}, {"Delta", "*.d"}});
    f.write("customlang/toc.ini", "[CustomLanguages]\r\nCount=4\r\n1=Alpha\r\n4=Delta\r\n");
    f.write("customlang/Delta.ini",
            "[FileInfo]\r\nFileExt=*.d\r\nLangName=Delta\r\n"
            "[Keywords]\r\nKeyWordsCount=3\r\n2=while\r\n");
    f.start();
    QCOMPARE(itemNames(f.main->menu("Customlanguages1")).mid(0, 3),
             QStringList({"Delta", "Alpha", "empty4"}));
    QCOMPARE(f.main->UpdateFilesFilter().at(8).description, QStringLiteral("Delta (*.d)"));

    TOptionsFrm *d = f.openOn("Edit language");
    EditLanguagePanel *e = d->colorsPage->GroupBox21;
    QCOMPARE(rows(e->ListView3), QStringList({"Alpha", "Delta"}));
    choose(e->ListView3, "Delta");
    QCOMPARE(rows(e->ListView4), QStringList({"while"}));

    d->colorsPage->TabSet1->setCurrentIndex(tabIndex(d->colorsPage, "New language"));
    NewLanguagePanel *n = d->colorsPage->GroupBox16;
    n->Edit1->setText("Echo");
    n->Edit3->setText("*.e");
    n->Button13->click();
    QVERIFY(f.prompter.calls.isEmpty());
    QCOMPARE(f.folder.readFile("customlang/toc.ini"),
             QByteArray("[CustomLanguages]\r\nCount=3\r\n1=Alpha\r\n2=Delta\r\n3=Echo\r\n"));
    QCOMPARE(itemNames(f.main->menu("Customlanguages1")).mid(0, 3),
             QStringList({"Echo", "Delta", "Alpha"}));
}

void TestLanguageTabs::renameMovesBothFiles()
{
    LanguageKit f;
    f.languages({{"Lang", "*.l"}, {"LangTwo", "*.l2"}});
    f.start();
    TOptionsFrm *d = f.openOn("Edit language");
    OptionsColorsPage *p = d->colorsPage;
    EditLanguagePanel *e = p->GroupBox21;
    choose(e->ListView3, "Lang");
    f.subDialogs = {[](QDialog &dialog) {
        auto &rename = static_cast<TChangeLangNameFrm &>(dialog);
        if (rename.Label3->text() != QLatin1String("[Lang]"))
            return 2;
        rename.Edit2->setText("  New Lang ");
        return 1;
    }};
    e->Button15->click();
    QCOMPARE(f.subDialogTitles, QStringList({"Change Language Name"}));
    QVERIFY(!f.exists("customlang/Lang.ini") && !f.exists("colors/lang/Lang.ini"));
    QVERIFY(f.exists("customlang/New Lang.ini") && f.exists("colors/lang/New Lang.ini"));
    QCOMPARE(IniFile(f.path("customlang/New Lang.ini")).readString("FileInfo", "LangName", ""),
             QStringLiteral("New Lang"));
    QCOMPARE(CustomLanguageIndex().entries(), QStringList({"New Lang", "LangTwo"}));
    QCOMPARE(tabsOf(p).mid(6, 2), QStringList({"LangTwo", "New Lang"}));
    QCOMPARE(rows(e->ListView3), QStringList({"New Lang", "LangTwo"}));
    QCOMPARE(e->Label23->text(), QStringLiteral("New Lang"));
    // The submenus keep the name they were started with.
    QCOMPARE(itemNames(f.main->menu("Customlanguages1")).mid(0, 2),
             QStringList({"LangTwo", "Lang"}));
    // The folders hold the languages' files and nothing else: no lock file of either name.
    const auto all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    QCOMPARE(QDir(f.path("customlang")).entryList(all, QDir::Name),
             QStringList({"LangTwo.ini", "New Lang.ini", "toc.ini"}));
    QCOMPARE(QDir(f.path("colors/lang")).entryList({"*Lang*"}, all, QDir::Name),
             QStringList({"LangTwo.ini", "New Lang.ini"}));

    // The extension dialog: OK writes the text as typed.
    f.subDialogs = {[](QDialog &dialog) {
        auto &ext = static_cast<TChangeFileExtFrm &>(dialog);
        if (ext.Label2->text() != QLatin1String("[*.l]") || ext.Edit1->text() != "*.l"
            || ext.GroupBox1->title() != QLatin1String("Change extention for New Lang:"))
            return 2;
        ext.Edit1->setText(" nl ");
        return 1;
    }};
    e->Button16->click();
    QCOMPARE(CustomLanguageFile("New Lang").fileExt(), QStringLiteral("nl"));
    QVERIFY(f.folder.readFile("customlang/New Lang.ini").contains("FileExt= nl \r\n"));
}

void TestLanguageTabs::refusedOrFailedRenameChangesNothing()
{
    LanguageKit f;
    f.languages({{"Lang", "*.l"}, {"Other", "*.o"}});
    f.write("customlang/Stray.ini", "[FileInfo]\r\nLangName=Stray\r\n"); // no table entry
    f.start();
    EditLanguagePanel *e = f.openOn("Edit language")->colorsPage->GroupBox21;
    choose(e->ListView3, "Lang");
    const QByteArray toc = f.folder.readFile("customlang/toc.ini");
    for (const char *typed : {"other", "", "a|b", "Stray", "xml"}) {
        f.prompter.calls.clear();
        f.subDialogs = {[typed](QDialog &dialog) {
            static_cast<TChangeLangNameFrm &>(dialog).Edit2->setText(typed);
            return 1;
        }};
        e->Button15->click();
        QCOMPARE(f.prompter.calls.size(), 1);
        QCOMPARE(f.folder.readFile("customlang/toc.ini"), toc);
        QVERIFY(f.exists("customlang/Lang.ini") && f.exists("colors/lang/Lang.ini"));
        QCOMPARE(e->Label23->text(), QStringLiteral("Lang"));
    }
    // The stray file was not overwritten.
    QCOMPARE(f.folder.readFile("customlang/Stray.ini"),
             QByteArray("[FileInfo]\r\nLangName=Stray\r\n"));
}

void TestLanguageTabs::guardsBeforeALanguageIsChosen()
{
    LanguageKit f;
    f.languages({{"Lang", "*.l"}});
    f.start();
    const QByteArray before = f.folder.readFile("customlang/Lang.ini");
    EditLanguagePanel *e = f.openOn("Edit language")->colorsPage->GroupBox21;
    e->Button15->click();
    e->Button16->click();
    QCOMPARE(f.prompter.texts(),
             QStringList({"You have to select the language that you want to change the name "
                          "for, in the list of custom languages!",
                          "You have to select the language that you want to change the file "
                          "extension for, in the list of custom languages!"}));
    QVERIFY(f.subDialogTitles.isEmpty());
    e->CheckBox8->click();
    e->KeywordTextfield->setText("kw");
    e->Button17->click();
    e->Button17->click();
    QCOMPARE(rows(e->ListView4), QStringList({"kw", ""}));
    e->ListView4->setCurrentItem(e->ListView4->topLevelItem(0));
    e->Button18->click();
    e->Button14->click(); // no row: nothing is asked
    QCOMPARE(f.prompter.calls.size(), 2);
    QCOMPARE(f.folder.readFile("customlang/Lang.ini"), before);
    QCOMPARE(QDir(f.path("customlang")).entryList(QDir::Files).size(), 2);
}

void TestLanguageTabs::editTabWritesAtOnce()
{
    LanguageKit f;
    f.languages({{"Lang", "*.l"}});
    f.start();
    EditLanguagePanel *e = f.openOn("Edit language")->colorsPage->GroupBox21;
    choose(e->ListView3, "Lang");
    QVERIFY(e->CheckBox9->isChecked() && !e->CheckBox8->isChecked());
    QCOMPARE(rows(e->ListView4), QStringList({"begin"}));
    QCOMPARE(e->ListView4->columnWidth(0), 277);
    e->CheckBox12->click();
    e->CheckBox9->click();
    const IniFile file(f.path("customlang/Lang.ini"));
    QVERIFY(file.readBool("CommentTypes", "AnsiComments", false));
    QVERIFY(!file.readBool("CommentTypes", "CComments", true));
    for (const char *word : {"end", "if"}) {
        e->KeywordTextfield->setText(word);
        e->Button17->click();
    }
    QCOMPARE(e->ListView4->columnWidth(0), 260);
    QCOMPARE(CustomLanguageFile("Lang").keywords(), QStringList({"begin", "end", "if"}));
    e->ListView4->setCurrentItem(e->ListView4->topLevelItem(0));
    e->Button18->click();
    QCOMPARE(e->ListView4->columnWidth(0), 277);
    QCOMPARE(CustomLanguageFile("Lang").keywords(), QStringList({"end", "if"}));
    QVERIFY(!file.valueExists("Keywords", "2"));
}

void TestLanguageTabs::builtInNameKeepsItsOwnSample()
{
    LanguageKit f;
    f.languages({{"JavaScript", "*.js", "var x = 1;"}});
    f.start();
    TOptionsFrm *d = f.openOn("JavaScript");
    OptionsColorsPage *p = d->colorsPage;
    QCOMPARE(p->SynEditor->highlighter(), p->SynGeneralSyn1);
    QCOMPARE(p->SynEditor->lines(), QStringList({"var x = 1;"}));
    p->SynEditor->setText("var y = 2;");
    p->TabSet1->setCurrentIndex(1);
    QCOMPARE(CustomLanguageFile("JavaScript").code(), QStringList({"var y = 2;"}));
    // Its colour file holds the general highlighter's elements.
    QVERIFY(IniFile(f.path("colors/lang/JavaScript.ini")).sectionExists("Reserved word"));
    QVERIFY(!IniFile(f.path("colors/lang/JavaScript.ini")).sectionExists("Documentation"));
}

void TestLanguageTabs::leavingAfterDeleteOrRename()
{
    LanguageKit f;
    f.languages({{"Gone", "*.g", "g"}, {"Old", "*.o", "o"}});
    f.start();
    TOptionsFrm *d = f.openOn("Gone");
    OptionsColorsPage *p = d->colorsPage;
    EditLanguagePanel *e = p->GroupBox21;
    p->TabSet1->setCurrentIndex(tabIndex(p, "Edit language"));
    choose(e->ListView3, "Gone");
    f.prompter.answers = {Prompter::Yes};
    e->Button14->click();
    p->TabSet1->setCurrentIndex(0);
    QVERIFY(!f.exists("customlang/Gone.ini") && !f.exists("colors/lang/Gone.ini"));

    p->TabSet1->setCurrentIndex(tabIndex(p, "Old"));
    p->SynEditor->setText("changed");
    p->TabSet1->setCurrentIndex(tabIndex(p, "Edit language"));
    choose(e->ListView3, "Old");
    f.subDialogs = {[](QDialog &dialog) {
        static_cast<TChangeLangNameFrm &>(dialog).Edit2->setText("Young");
        return 1;
    }};
    e->Button15->click();
    QCOMPARE(p->ShownLanguage, QStringLiteral("Young"));
    p->TabSet1->setCurrentIndex(0);
    QVERIFY(!f.exists("customlang/Old.ini") && !f.exists("colors/lang/Old.ini"));
    QCOMPARE(CustomLanguageFile("Young").code(), QStringList({"changed"}));
}

QTEST_MAIN(TestLanguageTabs)
#include "tst_languagetabs.moc"
