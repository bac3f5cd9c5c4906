#include "TempProgramFolder.h"
#include "completion/JavaMemberCompletion.h"
#include "completion/MemberCompletionText.h"
#include "completion/MemberListPopup.h"
#include "editor/EditorAdapter.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtTest>

using namespace MemberCompletionText;

namespace {

// A Java class whose members the completion reads when no member file serves it.
const QString shopSource = QStringLiteral("public class Shop {\n"
                                          "    private int secret;\n"
                                          "    public int count;\n"
                                          "    String name;\n"
                                          "    public void open() {\n"
                                          "    }\n"
                                          "    public String find(String key, int from) {\n"
                                          "        return key;\n"
                                          "    }\n"
                                          "}\n");

} // namespace

// The Java member completion: the list's source, its entries, typing into the line while the
// list is open, and what a choice inserts. Member files come from a completion/ folder of the
// test's own.
class TestMemberCompletion : public QObject
{
    Q_OBJECT

    // A window with an editor holding text, the caret where "|" stands, and the completion.
    struct Doc {
        QWidget window;
        EditorAdapter *editor;
        TCustomSynAutoComplete *completion;
        QStringList inserted; // what completed() reported: name and item
        explicit Doc(QString text) : editor(new EditorAdapter(&window))
        {
            (new QVBoxLayout(&window))->addWidget(editor->widget());
            completion = new TCustomSynAutoComplete(&window);
            completion->AddEditor(editor);
            QObject::connect(completion, &TCustomSynAutoComplete::completed, completion,
                             [this](const QString &name, const QString &item, bool hint) {
                                 inserted << name << item << (hint ? "hint" : "no hint");
                             });
            const qsizetype bar = text.indexOf(u'|');
            const QString before = text.left(bar);
            text.remove(bar, 1);
            editor->setText(text);
            editor->setCaret(int(before.count(u'\n')) + 1,
                             int(bar - before.lastIndexOf(u'\n') - 1) + 1);
            window.resize(500, 300);
            window.show();
        }
        TfmCompletionProposal *form() const { return completion->Form; }
        QStringList open()
        {
            completion->Execute(editor);
            return form()->isVisible() ? form()->items() : QStringList();
        }
        void key(int k) { QTest::keyClick(form()->List, Qt::Key(k), Qt::NoModifier); }
        void type(const QString &text) { QTest::keyClicks(form()->List, text); }
        QString caretLine() const { return editor->line(editor->caretLine()); }
    };

    TempProgramFolder *m_folder = nullptr;

    void writeMembers(const QString &name, const QStringList &lines)
    {
        QVERIFY(m_folder->writeFile(QStringLiteral("completion/") + name,
                                    lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n"));
    }

private slots:
    void init()
    {
        m_folder = new TempProgramFolder;
        writeMembers(QStringLiteral("String.cmp"),
                     {"public int length()", "public static String valueOf(int i)",
                      "public static String valueOf(char[] data, int offset, int count)",
                      "public String substring(int beginIndex, int endIndex)",
                      "public static final Comparator CASE_INSENSITIVE_ORDER"});
        writeMembers(QStringLiteral("PrintStream.cmp"),
                     {"public void println(String x)", "public void flush()"});
        writeMembers(QStringLiteral("auto.cmp"), {"%main", "static void main() {", "}", "#"});
    }
    void cleanup()
    {
        delete m_folder;
        m_folder = nullptr;
    }

    // Where the list comes from, and what it lists.
    void sources_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("entries");
        const QStringList stringStatics {
            "public static String valueOf(int i) : function",
            "public static String valueOf(char[] data, int offset, int count) : function",
            "public static final Comparator CASE_INSENSITIVE_ORDER : datamember"};
        const QStringList shopMembers {"public int count : datamember", "String name : datamember",
                                       "public void open() : function",
                                       "public String find(String key, int from) : function"};
        QTest::newRow("class file: its static members")
            << "class A {\n void m() {\n  String.|\n }\n}"
            << "Class: String" << stringStatics;
        QTest::newRow("class file named exactly") << "class A {\n void m() {\n  string.|\n }\n}"
                                                  << "" << QStringList();
        const QStringList stringMembers {
            "public int length() : function", "public static String valueOf(int i) : function",
            "public static String valueOf(char[] data, int offset, int count) : function",
            "public String substring(int beginIndex, int endIndex) : function",
            "public static final Comparator CASE_INSENSITIVE_ORDER : datamember"};
        QTest::newRow("declared variable, member file")
            << "class A {\n void m() {\n  String s = \"\";\n  s.|\n }\n}"
            << "Class: String" << stringMembers;
        QTest::newRow("type name holding \"int\"")
            << "class A {\n PrintStream out;\n void m() {\n  out.|\n }\n}"
            << "Class: PrintStream"
            << QStringList {"public void println(String x) : function",
                            "public void flush() : function"};
        QTest::newRow("class of the document, no private members")
            << shopSource + "class B {\n void m() {\n  Shop s;\n  s.|\n }\n}"
            << "Class: Shop" << shopMembers;
        QTest::newRow("parameter of the method")
            << shopSource + "class B {\n void m(int n, Shop s) {\n  s.|\n }\n}"
            << "Class: Shop" << shopMembers;
        QTest::newRow("field of a comma list")
            << shopSource + "class B {\n Shop a, s;\n void m() {\n  s.|\n }\n}"
            << "Class: Shop" << shopMembers;
        QTest::newRow("inner declaration hides the field")
            << "class B {\n Shop s;\n void m() {\n  String s;\n  s.|\n }\n}"
            << "Class: String" << stringMembers;
        QTest::newRow("primitive variable") << "class B {\n void m() {\n  int n;\n  n.|\n }\n}"
                                            << "" << QStringList();
        QTest::newRow("variable of a closed method")
            << shopSource + "class B {\n void a() {\n  Shop s;\n }\n void m() {\n  s.|\n }\n}"
            << "" << QStringList();
        QTest::newRow("unknown word") << "class B {\n void m() {\n  x.|\n }\n}"
                                      << "" << QStringList();
        QTest::newRow("class without a member file or declaration")
            << "class B {\n void m() {\n  Vector v;\n  v.|\n }\n}"
            << "" << QStringList();
        QTest::newRow("a member file named by a program list") << "class B {\n auto.|\n}"
                                                               << "" << QStringList();
    }
    void sources()
    {
        QFETCH(QString, text);
        QFETCH(QString, caption);
        QFETCH(QStringList, entries);
        Doc doc(text);
        const QString line = doc.caretLine();
        QCOMPARE(doc.open(), entries);
        if (!entries.isEmpty()) {
            QCOMPARE(doc.form()->caption(), caption);
            QCOMPARE(doc.form()->selectedEntry(), entries.first());
            QCOMPARE(doc.form()->columnWidth(), entries.size() < 4 ? 420 : 403);
        }
        QCOMPARE(doc.caretLine(), line); // the dot stays, nothing else changes
    }

    void emptyOrMissingFolder()
    {
        QVERIFY(QDir(m_folder->filePath(QStringLiteral("completion"))).removeRecursively());
        Doc doc(QStringLiteral("class A {\n String s;\n void m() {\n  String.|\n  s.\n }\n}"));
        QCOMPARE(doc.open(), QStringList());
        doc.editor->setCaret(5, 5);
        QCOMPARE(doc.open(), QStringList());
        QVERIFY(QDir().mkpath(m_folder->filePath(QStringLiteral("completion"))));
        QCOMPARE(doc.open(), QStringList());
        QCOMPARE(doc.editor->line(4), QStringLiteral("  String."));
    }

    // Typing while the list is open edits the line at the caret, also mid-line.
    void typingMidLine()
    {
        Doc doc(QStringLiteral("class A {\n void m() {\n  String s;\n  x = s.|; // c\n }\n}"));
        QCOMPARE(doc.open().size(), 5);
        doc.type(QStringLiteral("su"));
        QCOMPARE(doc.caretLine(), QStringLiteral("  x = s.su; // c"));
        QCOMPARE(doc.editor->caretColumn(), 11);
        QCOMPARE(doc.form()->items(),
                 QStringList {"public String substring(int beginIndex, int endIndex) : function"});
        QCOMPARE(doc.form()->columnWidth(), 420);
        QCOMPARE(doc.form()->selectedEntry(), doc.form()->items().first());
        doc.type(QStringLiteral("x"));
        QCOMPARE(doc.form()->items(), QStringList());
        doc.key(Qt::Key_Backspace);
        doc.key(Qt::Key_Backspace);
        QCOMPARE(doc.caretLine(), QStringLiteral("  x = s.s; // c"));
        doc.key(Qt::Key_Backspace); // back to the dot: every member again
        QCOMPARE(doc.form()->items().size(), 5);
        QVERIFY(doc.form()->isVisible());
        doc.type(QStringLiteral("va"));
        QCOMPARE(doc.form()->items().size(), 2);
        doc.key(Qt::Key_Escape); // what was typed stays
        QVERIFY(!doc.form()->isVisible());
        QCOMPARE(doc.caretLine(), QStringLiteral("  x = s.va; // c"));
    }

    void backspaceOverTheDot()
    {
        Doc doc(QStringLiteral("class A {\n String s;\n void m() {\n  s.|)\n }\n}"));
        QCOMPARE(doc.open().size(), 5);
        doc.key(Qt::Key_Backspace);
        QVERIFY(!doc.form()->isVisible());
        QCOMPARE(doc.caretLine(), QStringLiteral("  s)"));
        QCOMPARE(doc.editor->caretColumn(), 4);
    }

    // Accepting gives the line its text back, then inserts after the dot.
    void inserting_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QStringList>("reported");
        QTest::newRow("field") << "CASE" << int(Qt::Key_Return)
                               << "  x = s.CASE_INSENSITIVE_ORDER;; // c" << 32
                               << QStringList {"", "\"\"", "no hint"};
        QTest::newRow("method without parameters")
            << "len" << int(Qt::Key_Space) << "  x = s.length();; // c" << 18
            << QStringList {"LENGTH", "\"\"", "no hint"};
        QTest::newRow("method with parameters")
            << "sub" << int(Qt::Key_Return) << "  x = s.substring(); // c" << 19
            << QStringList {"SUBSTRING", "\"int beginIndex\", \" int endIndex\"", "hint"};
    }
    void inserting()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, line);
        QFETCH(int, caret);
        QFETCH(QStringList, reported);
        Doc doc(QStringLiteral("class A {\n void m() {\n  String s;\n  x = s.|; // c\n }\n}"));
        QVERIFY(!doc.open().isEmpty());
        doc.type(typed);
        doc.key(key);
        QVERIFY(!doc.form()->isVisible());
        QCOMPARE(doc.caretLine(), line);
        QCOMPARE(doc.editor->caretColumn(), caret);
        QCOMPARE(doc.inserted, reported);
    }

    // A member line holding " :" of its own: the entry is cut at the marker the list appends,
    // so what goes in is the name the list shows.
    void memberHoldingColon()
    {
        writeMembers(QStringLiteral("Odd.cmp"), {"int x :y"});
        Doc doc(QStringLiteral("class A {\n void m() {\n  Odd o;\n  o.|\n }\n}"));
        QCOMPARE(doc.open(), QStringList {"int x :y : datamember"});
        doc.key(Qt::Key_Return);
        QCOMPARE(doc.caretLine(), QStringLiteral("  o.:y;"));
    }

    void nearTheRightEdge()
    {
        Doc doc(QStringLiteral("class A {\n void m() {\n  String.|\n }\n}"));
        const int width = QGuiApplication::primaryScreen()->virtualGeometry().width();
        doc.window.move(width - 150, 0);
        QVERIFY(!doc.open().isEmpty());
        QCOMPARE(doc.form()->x(), width - 425);
        doc.key(Qt::Key_Escape);
        doc.window.move(0, 0);
        QVERIFY(!doc.open().isEmpty());
        QCOMPARE(doc.form()->pos(),
                 doc.editor->caretScreenPoint() + QPoint(0, doc.editor->lineHeight()));
    }

    // The pieces of a row and which of them are drawn in bold.
    void javaWords()
    {
        using Pieces = QList<QPair<QString, bool>>;
        QCOMPARE(TfmCompletionProposal::drawnPieces(
                     QStringLiteral("public static int[] max(long a) : function")),
                 (Pieces {{"public", true},
                          {"static", true},
                          {"int[]", true},
                          {"max(", false},
                          {"long", true},
                          {"a)", false},
                          {":", false},
                          {"function", false}}));
        QVERIFY(!TfmCompletionProposal::isJavaWord(QStringLiteral("String[] ")));
        QVERIFY(TfmCompletionProposal::isJavaWord(QStringLiteral("returnValue")));
        QVERIFY(!TfmCompletionProposal::isJavaWord(QStringLiteral("integer ")));
    }

    // Names the filter compares, and the parameter hint's item.
    void namesAndItems()
    {
        QCOMPARE(memberName(QStringLiteral("public static final double PI")), QStringLiteral("PI"));
        QCOMPARE(memberName(QStringLiteral("int count;")), QStringLiteral("count"));
        QCOMPARE(memberName(QStringLiteral("public String substring(int a)")),
                 QStringLiteral("substring("));
        QCOMPARE(filterEntries({"public static final double PI", "public static double pow(a)"},
                               QStringLiteral("P")),
                 QStringList {"public static final double PI : datamember"});
        QCOMPARE(insertionFor(QStringLiteral("void f(int a,int b,  int c) : function")).paramsItem,
                 QStringLiteral("\"int a\", \"int b\", \"  int c\""));
        const DotWord number = wordBeforeDot(QStringLiteral("x = 1."), 7);
        QCOMPARE(number.word, QStringLiteral("x"));
        const DotWord chain = wordBeforeDot(QStringLiteral("a.b.c.d"), 5);
        QCOMPARE(chain.word, QStringLiteral("b"));
    }
};

QTEST_MAIN(TestMemberCompletion)
#include "tst_membercompletion.moc"
