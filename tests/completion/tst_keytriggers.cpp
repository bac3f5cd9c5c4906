#include "ShellFixture.h"
#include "completion/AttributeListPopup.h"
#include "completion/DocumentKeyTriggers.h"
#include "completion/HtmlAttributeCompletion.h"
#include "completion/JavaMemberCompletion.h"
#include "completion/MemberListPopup.h"

#include <QAction>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Keys typed into documents of a started main window, whose program folder holds four code
// templates (one with a format string in its code) and four member files.
struct Fixture : ShellFixture {
    Fixture() : ShellFixture("[Tips]\r\ndoShow=0\r\n")
    {
        write(QStringLiteral("completion/auto.cmp"),
              "%for\r\nfor (|) {\r\n}\r\n#\r\n%println\r\nSystem.out.println(|);\r\n#\r\n"
              "%main\r\npublic static void main(String[] a) {\r\n}\r\n#\r\n"
              "%fmt\r\nString s = String.format(\"%d\", n);\r\nSystem.out.println(s|);\r\n#\r\n");
        write(QStringLiteral("completion/String.cmp"),
              "public int length()\r\npublic String substring(int beginIndex, int endIndex)\r\n");
        write(QStringLiteral("completion/File.cmp"),
              "public boolean exists()\r\npublic static final char separatorChar\r\n");
        write(QStringLiteral("completion/Random.cmp"), "public int nextInt()\r\n");
        write(QStringLiteral("completion/Math.cmp"), "public static final double PI;\r\n");
        start();
    }
    // Opens a file of text with the caret where "|" stands (at the start without one).
    TEditForm *open(const QString &name, QString text)
    {
        const qsizetype bar = qMax(qsizetype(0), text.indexOf(u'|'));
        const QString before = text.left(bar);
        text.remove(u'|');
        TEditForm *w = main->LoadFile(write(name, text.toUtf8()));
        w->editor()->setCaret(int(before.count(u'\n')) + 1,
                              int(bar - before.lastIndexOf(u'\n') - 1) + 1);
        return w;
    }
    static void type(TEditForm *w, const QString &text)
    {
        QTest::keyClicks(w->editor()->widget(), text);
    }
    // Types as a person does, a key at a time to whatever has the keyboard (an open list too).
    void typeSlowly(const QString &text)
    {
        if (!QApplication::activePopupWidget()) {
            main->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(main.get()));
        }
        QTest::keyClicks(static_cast<QWidget *>(nullptr), text, Qt::NoModifier, 30);
    }
    static void key(TEditForm *w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(w->editor()->widget(), Qt::Key(key), mods);
    }
    static QString line(TEditForm *w) { return w->editor()->line(w->editor()->caretLine()); }
    static int column(TEditForm *w) { return w->editor()->caretColumn(); }
    void check(const char *item, bool on) { main->action(QLatin1String(item))->setChecked(on); }
    template <typename T>
    static T *part(TEditForm *w, const char *name)
    {
        return w->findChild<T *>(QLatin1String(name));
    }
};

} // namespace

class TestKeyTriggers : public QObject
{
    Q_OBJECT
private slots:
    void endTags_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("caret");
        QTest::newRow("html cell") << "a.html"
                                   << ""
                                   << "<td>"
                                   << "<td></td>" << 5;
        QTest::newRow("html case kept") << "a.htm"
                                        << ""
                                        << "<TD>"
                                        << "<TD></TD>" << 5;
        QTest::newRow("html single tag") << "a.html"
                                         << ""
                                         << "<br>"
                                         << "<br>" << 5;
        QTest::newRow("html textarea counts as single") << "a.html"
                                                        << ""
                                                        << "<textarea>"
                                                        << "<textarea>" << 11;
        QTest::newRow("html end tag") << "a.html"
                                      << ""
                                      << "</td>"
                                      << "</td>" << 6;
        QTest::newRow("html comment on the line") << "a.html"
                                                  << ""
                                                  << "<!-- <b>"
                                                  << "<!-- <b>" << 9;
        QTest::newRow("html comment from above") << "a.html"
                                                 << "<!--\n|\n-->"
                                                 << "<b>"
                                                 << "<b>" << 4;
        QTest::newRow("xml element") << "a.xml"
                                     << ""
                                     << "<note id=\"1\">"
                                     << "<note id=\"1\"></note>" << 14;
        QTest::newRow("xml declaration") << "a.xml"
                                         << ""
                                         << "<?xml version=\"1.0\"?>"
                                         << "<?xml version=\"1.0\"?>" << 22;
        QTest::newRow("xml empty element") << "a.xml"
                                           << ""
                                           << "<br/>"
                                           << "<br/>" << 6;
        QTest::newRow("xml comment") << "a.xml"
                                     << "<!-- <a\n|\n-->"
                                     << "<b>"
                                     << "<b>" << 4;
        QTest::newRow("java") << "A.java"
                              << ""
                              << "<td>"
                              << "<td>" << 5;
        QTest::newRow("text") << "a.txt"
                              << ""
                              << "<td>"
                              << "<td>" << 5;
    }
    void endTags()
    {
        QFETCH(QString, file);
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(QString, line);
        QFETCH(int, caret);
        Fixture f;
        TEditForm *w = f.open(file, before);
        f.check("CompletionProposal1", false); // no attribute list in the way
        Fixture::type(w, typed);
        QCOMPARE(Fixture::line(w), line);
        QCOMPARE(Fixture::column(w), caret);
    }

    // A space after a tag name reaches the page, then the tag's list opens.
    void attributeListOnSpace()
    {
        Fixture f;
        TEditForm *w = f.open(QStringLiteral("a.html"), "<table>\n|\n</table>");
        Fixture::type(w, QStringLiteral("<td "));
        auto *completion = Fixture::part<TCustomSynAutoComplete1>(w, "HTMLCompletion");
        QVERIFY(completion);
        TfmCustomSynHTMLAutoComplete *form = completion->Form;
        QVERIFY(form->isVisible());
        QCOMPARE(Fixture::line(w), QStringLiteral("<td "));
        QCOMPARE(form->Builder, QStringLiteral("FyllMedTdEllerThParam"));
        form->List->setCurrentItem(form->List->findItems("bgcolor", Qt::MatchExactly).first());
        QTest::keyClick(form->List, Qt::Key_Return);
        QCOMPARE(Fixture::line(w), QStringLiteral("<td bgcolor=\"\""));
        QCOMPARE(Fixture::column(w), 14);
        // The space is not a change of the status bar.
        QCOMPARE(w->panelText(0), QStringLiteral(" 2:3"));
    }

    // Typing on while the attribute list is open: the keys reach the page; the list keeps the
    // entries the typed text begins, and closes when none is left or the text is gone.
    void typingThroughAttributeList_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("listed"); // empty: the list is closed
        QTest::newRow("typed on") << "<a href=\"x\">"
                                  << "<a href=\"x\"></a>" << QStringList();
        QTest::newRow("narrowed") << "<td valign=\"b"
                                  << "<td valign=\"b"
                                  << QStringList {"valign=\"baseline\"", "valign=\"bottom\""};
        QTest::newRow("chosen, then typed on") << "<td BG\rred"
                                               << "<td bgcolor=\"red\"" << QStringList();
        QTest::newRow("back over the space") << "<td a\b\b"
                                             << "<td" << QStringList();
    }
    void typingThroughAttributeList()
    {
        QFETCH(QString, typed);
        QFETCH(QString, line);
        QFETCH(QStringList, listed);
        Fixture f;
        TEditForm *w = f.open(QStringLiteral("a.html"), "");
        f.typeSlowly(typed);
        TfmCustomSynHTMLAutoComplete *form =
            Fixture::part<TCustomSynAutoComplete1>(w, "HTMLCompletion")->Form;
        QCOMPARE(Fixture::line(w), line);
        QCOMPARE(form->isVisible(), !listed.isEmpty());
        if (!listed.isEmpty())
            QCOMPARE(form->items(), listed);
    }

    void checksOff()
    {
        Fixture f;
        TEditForm *page = f.open(QStringLiteral("a.html"), "");
        TEditForm *java =
            f.open(QStringLiteral("A.java"), "class A {\n void m() {\n  String s;\n  \n }\n}");
        java->editor()->setCaret(4, 3);
        f.check("CompletionProposal1", false);
        f.check("Autocompletion1", false);
        Fixture::type(java, QStringLiteral("s.for "));
        QCOMPARE(Fixture::line(java), QStringLiteral("  s.for "));
        QVERIFY(!Fixture::part<TCustomSynAutoComplete>(java, "JavaCompletion")->isListShown());
        page->bringToFront();
        Fixture::type(page, QStringLiteral("<td "));
        QCOMPARE(Fixture::line(page), QStringLiteral("<td "));
        QVERIFY(!Fixture::part<TCustomSynAutoComplete1>(page, "HTMLCompletion")->Form->isVisible());

        // Back on, in a comment neither list nor template.
        f.check("CompletionProposal1", true);
        f.check("Autocompletion1", true);
        java->bringToFront();
        java->editor()->setCaret(4, 9);
        Fixture::type(java, QStringLiteral("// s.for "));
        QCOMPARE(Fixture::line(java), QStringLiteral("  s.for // s.for "));
        QVERIFY(!Fixture::part<TCustomSynAutoComplete>(java, "JavaCompletion")->isListShown());
    }

    void templatesOnSpace_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QPoint>("caret");
        QTest::newRow("keyword, later lines indented")
            << "for " << QStringList {"  for ( ) {", "  }"} << QPoint(3, 9);
        QTest::newRow("one-line template")
            << "println " << QStringList {"  System.out.println( );"} << QPoint(3, 23);
        QTest::newRow("format string in the code")
            << "fmt "
            << QStringList {"  String s = String.format(\"%d\", n);", "  System.out.println(s );"}
            << QPoint(4, 24);
        QTest::newRow("unknown word") << "fo " << QStringList {"  fo "} << QPoint(3, 6);
        QTest::newRow("case matters") << "For " << QStringList {"  For "} << QPoint(3, 7);
        QTest::newRow("after =") << "x = " << QStringList {"  x = "} << QPoint(3, 7);
        QTest::newRow("joined to a sign") << "(for " << QStringList {"  (for "} << QPoint(3, 8);
    }
    void templatesOnSpace()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, lines);
        QFETCH(QPoint, caret);
        Fixture f;
        TEditForm *w = f.open(QStringLiteral("A.java"), "class A {\n void m() {\n  \n }\n}");
        w->editor()->setCaret(3, 3);
        Fixture::type(w, typed);
        QCOMPARE(w->editor()->lines().mid(2, lines.size()), lines);
        QCOMPARE(QPoint(w->editor()->caretLine(), Fixture::column(w)), caret);
    }

    // The member list from the key handler, and a method with parameters showing its hint.
    void memberListAndParameterHint()
    {
        Fixture f;
        TEditForm *w =
            f.open(QStringLiteral("A.java"), "class A {\n void m() {\n  String s;\n  \n }\n}");
        w->editor()->setCaret(4, 3);
        Fixture::type(w, QStringLiteral("s."));
        auto *members = Fixture::part<TCustomSynAutoComplete>(w, "JavaCompletion");
        QVERIFY(members->isListShown());
        QCOMPARE(members->Form->caption(), QStringLiteral("Class: String"));
        QTest::keyClicks(members->Form->List, QStringLiteral("sub"));
        QTest::keyClick(members->Form->List, Qt::Key_Return);
        QCOMPARE(Fixture::line(w), QStringLiteral("  s.substring()"));
        EditorAdapter *e = w->editor();
        QCOMPARE(e->callTipText(), QStringLiteral("int beginIndex, int endIndex"));
        QCOMPARE(e->callTipHighlight(), QStringLiteral("int beginIndex"));
        // (Typing on with the hint open: xvfb_paramshint, on a display where the tip window
        // does not take the focus.)
    }

    // Which list "." opens and what Enter then inserts.
    void memberLists_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("caption"); // empty: no list
        QTest::addColumn<QString>("line");    // after Enter
        QTest::newRow("first member a field without modifiers")
            << "public class A {\n    JButton ok;\n    void f() {\n    }\n    void g() {\n"
               "        String t;\n        |\n    }\n}"
            << "t."
            << "Class: String"
            << "        t.length();";
        QTest::newRow("variable named like its class")
            << "class A {\n void m() {\n  File file = new File(\"x\");\n  |\n }\n}"
            << "file."
            << "Class: File"
            << "  file.exists();";
        QTest::newRow("variable of a class without statics")
            << "class A {\n void m() {\n  Random random = new Random();\n  |\n }\n}"
            << "random."
            << "Class: Random"
            << "  random.nextInt();";
        QTest::newRow("member line ending in ;") << "class A {\n void m() {\n  |\n }\n}"
                                                 << "Math."
                                                 << "Class: Math"
                                                 << "  Math.PI;";
        QTest::newRow("the template list is no class") << "class A {\n void m() {\n  |\n }\n}"
                                                       << "auto."
                                                       << ""
                                                       << "";
    }
    void memberLists()
    {
        QFETCH(QString, text);
        QFETCH(QString, typed);
        QFETCH(QString, caption);
        QFETCH(QString, line);
        Fixture f;
        TEditForm *w = f.open(QStringLiteral("A.java"), text);
        f.typeSlowly(typed);
        auto *members = Fixture::part<TCustomSynAutoComplete>(w, "JavaCompletion");
        QCOMPARE(members->isListShown() ? members->Form->caption() : QString(), caption);
        if (caption.isEmpty())
            return;
        f.typeSlowly(QStringLiteral("\r"));
        QCOMPARE(Fixture::line(w), line);
    }

    void statusPanels()
    {
        Fixture f;
        TEditForm *w = f.open(QStringLiteral("a.txt"), "abc\ndef");
        w->editor()->setCaret(2, 3);
        QCOMPARE(w->panelText(2), QStringLiteral("Insertion"));
        Fixture::key(w, Qt::Key_Insert);
        QCOMPARE(w->panelText(2), QStringLiteral("Overwrite"));
        Fixture::key(w, Qt::Key_Insert);
        QCOMPARE(w->panelText(2), QStringLiteral("Insertion"));
        QVERIFY(!w->IsModified);
        Fixture::key(w, Qt::Key_Left); // moving changes nothing
        QVERIFY(!w->IsModified);
        Fixture::key(w, Qt::Key_Insert, Qt::ControlModifier);
        QVERIFY(w->IsModified);
        QCOMPARE(w->panelText(1), QStringLiteral("Modified"));
        QCOMPARE(w->panelText(0), QStringLiteral(" 2:2"));
        QCOMPARE(w->editor()->lines(), (QStringList {"abc", "def"}));
        Fixture::type(w, QStringLiteral("x"));
        QCOMPARE(w->panelText(0), QStringLiteral(" 2:2")); // the place before the key
    }
};

QTEST_MAIN(TestKeyTriggers)
#include "tst_keytriggers.moc"
