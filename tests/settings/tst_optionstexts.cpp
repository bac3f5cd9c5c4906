// The plain logic behind the Options dialog: template records, the template list, the
// compiler options text and the names the completion and colour pages accept.
#include "TempProgramFolder.h"
#include "settings/files/CodeTemplateText.h"
#include "settings/files/CompilerOptionsText.h"
#include "settings/files/CompletionFiles.h"
#include "settings/files/CompletionTemplates.h"
#include "settings/options/OptionsCompilerPage.h"

#include <QTest>

using NewKeyword = CodeTemplateText::NewKeyword;
Q_DECLARE_METATYPE(CompilerOptionsText::Boxes)

namespace {

// A template file with an orphan line after a record, a record whose code holds "%", a
// record without "#" before the next header, and "foreach" before "for".
const QStringList sample {"%foreach",
                          "for (Object o : |) {",
                          "}",
                          "#",
                          "orphan line",
                          "%for",
                          "for (int i = 0; i < |; i++) {",
                          "}",
                          "#",
                          "%printf",
                          "System.out.printf(\"%d\", |);",
                          "#",
                          "%open",
                          "int open;",
                          "%last",
                          "last();",
                          "#"};

} // namespace

class TestOptionsTexts : public QObject
{
    Q_OBJECT
private slots:
    void keywordsAndRecords();
    void storingReplacesOnlyTheRecord();
    void newKeywordRefusals_data();
    void newKeywordRefusals();
    void removeTakesHeaderCodeAndHashOnly();
    void templateList();
    void compilerOptions_data();
    void compilerOptions();
    void classAndPresetNames();
    void lineFilesAreCrLf();
};

void TestOptionsTexts::keywordsAndRecords()
{
    const CodeTemplateText text(sample);
    // A line holding "%" in code is no header.
    QCOMPARE(text.keywords(), QStringList({"foreach", "for", "printf", "open", "last"}));
    // "for" is not found in "%foreach", which comes first.
    QCOMPARE(text.code("for"), QStringList({"for (int i = 0; i < |; i++) {", "}"}));
    QCOMPARE(text.code("  for "), text.code("for"));
    QCOMPARE(text.code("foreach"), QStringList({"for (Object o : |) {", "}"}));
    // The orphan line belongs to no record.
    QVERIFY(!text.code("foreach").contains("orphan line"));
    QCOMPARE(text.code("printf"), QStringList({"System.out.printf(\"%d\", |);"}));
    // A record without "#" ends at the next header.
    QCOMPARE(text.code("open"), QStringList({"int open;"}));
    QVERIFY(text.code("fo").isEmpty());
    QVERIFY(text.code("   ").isEmpty());

    const CodeTemplateText::Record r = text.find("for");
    QCOMPARE(r.header, 5);
    QCOMPARE(r.start, 6);
    QCOMPARE(r.end, 7);
    QCOMPARE(r.terminator, 8);
    // A header last in the file: an empty record.
    const CodeTemplateText::Record tail = CodeTemplateText({"%x"}).find("x");
    QCOMPARE(tail.start, 1);
    QCOMPARE(tail.end, 0);
}

void TestOptionsTexts::storingReplacesOnlyTheRecord()
{
    CodeTemplateText text(sample);
    QVERIFY(text.store("for", {"for (;;) {", "  |", "}"}));
    QCOMPARE(text.code("for"), QStringList({"for (;;) {", "  |", "}"}));
    QCOMPARE(text.code("foreach"), QStringList({"for (Object o : |) {", "}"}));
    QCOMPARE(text.lines().at(4), QStringLiteral("orphan line"));
    QCOMPARE(text.lines().size(), sample.size() + 1);
    // Emptied, the record keeps its header and "#".
    QVERIFY(text.store("for", {}));
    QVERIFY(text.code("for").isEmpty());
    QCOMPARE(text.lines().mid(5, 2), QStringList({"%for", "#"}));
    QVERIFY(!text.store("missing", {"x"}));
}

void TestOptionsTexts::newKeywordRefusals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<NewKeyword>("result");
    QTest::newRow("taken") << "for" << NewKeyword::Taken;
    QTest::newRow("taken with blanks") << " foreach " << NewKeyword::Taken;
    // Text of a code line is no keyword (containment would refuse it).
    QTest::newRow("word in code") << "System" << NewKeyword::Added;
    QTest::newRow("part of a keyword") << "fore" << NewKeyword::Added;
    QTest::newRow("empty") << "" << NewKeyword::Empty;
    QTest::newRow("blank") << "  \t" << NewKeyword::Empty;
    QTest::newRow("percent") << "a%b" << NewKeyword::BadCharacter;
    QTest::newRow("hash") << "#x" << NewKeyword::BadCharacter;
}

void TestOptionsTexts::newKeywordRefusals()
{
    QFETCH(QString, name);
    QFETCH(NewKeyword, result);
    CodeTemplateText text(sample);
    QCOMPARE(text.add(name), result);
    if (result == NewKeyword::Added) {
        QCOMPARE(text.lines().mid(sample.size()), QStringList({"%" + name.trimmed(), "#"}));
        QVERIFY(text.code(name).isEmpty());
    } else {
        QCOMPARE(text.lines(), sample);
    }
}

void TestOptionsTexts::removeTakesHeaderCodeAndHashOnly()
{
    CodeTemplateText text(sample);
    QVERIFY(text.remove("foreach"));
    QCOMPARE(text.lines().first(), QStringLiteral("orphan line"));
    QCOMPARE(text.keywords(), QStringList({"for", "printf", "open", "last"}));
    // Ended by the next header: that header stays.
    QVERIFY(text.remove("open"));
    QCOMPARE(text.keywords(), QStringList({"for", "printf", "last"}));
    QCOMPARE(text.code("last"), QStringList({"last();"}));
    QVERIFY(!text.remove("nothing"));
    QCOMPARE(text.lines().size(), sample.size() - 6);
}

void TestOptionsTexts::templateList()
{
    // Keyword lines, then "=" + code; orphan lines join the keyword before them, a code line
    // holding "%" past its first character stays code, "#" lines go.
    QCOMPARE(
        CompletionTemplates::build(sample),
        QStringList({"foreach", "=for (Object o : |) {", "=}", "=orphan line", "for",
                     "=for (int i = 0; i < |; i++) {", "=}", "printf",
                     "=System.out.printf(\"%d\", |);", "open", "=int open;", "last", "=last();"}));
    QVERIFY(CompletionTemplates::build({}).isEmpty());
    // Headers by the page's rule: "%" first, the rest of the line is the keyword.
    QCOMPARE(CompletionTemplates::build({"%%", "x = 5 % 2;", " %pad", "%a b"}),
             QStringList({"%", "=x = 5 % 2;", "= %pad", "a b"}));
    QCOMPARE(CodeTemplateText({"%%", "x = 5 % 2;", " %pad", "%a b"}).keywords(),
             QStringList({"%", "a b"}));

    // Made from the file beside the executable; a missing file gives an empty list.
    TempProgramFolder home;
    CompletionTemplates list;
    list.LagNyCompletionListe();
    QVERIFY(list.CompletionList().isEmpty());
    QVERIFY(home.writeFile("completion/auto.cmp", "%if\r\nif (|) {\r\n}\r\n#\r\n"));
    list.LagNyCompletionListe();
    QCOMPARE(list.CompletionList(), QStringList({"if", "=if (|) {", "=}"}));
}

void TestOptionsTexts::compilerOptions_data()
{
    QTest::addColumn<CompilerOptionsText::Boxes>("boxes");
    QTest::addColumn<QString>("options");
    using B = CompilerOptionsText::Boxes;
    auto boxes = [](bool all, bool none, bool verbose, bool nowarn, bool lines, bool source,
                    bool vars) { return B {all, none, verbose, nowarn, lines, source, vars}; };
    // (The dialog's own test goes through the rows of the table; these are the rest.)
    QTest::newRow("lines alone") << boxes(false, false, false, false, true, false, false)
                                 << "-g:lines";
    QTest::newRow("source alone") << boxes(false, false, false, false, false, true, false)
                                  << "-g:source";
    QTest::newRow("nothing, verbose")
        << boxes(false, false, true, false, false, false, false) << "-g: -verbose";
    QTest::newRow("all and none") << boxes(true, true, false, false, false, false, false)
                                  << "-g:none";
}

void TestOptionsTexts::compilerOptions()
{
    QFETCH(CompilerOptionsText::Boxes, boxes);
    QFETCH(QString, options);
    QCOMPARE(CompilerOptionsText::compose(boxes), options);
}

void TestOptionsTexts::classAndPresetNames()
{
    using namespace CompletionFiles;
    const QStringList listed {"String", "Math"};
    QCOMPARE(classNameRefusal("  ", listed), QStringLiteral("Can't add empty text!"));
    for (const char *name : {"Math", "a/b", "..", "x..y", "auto", "toc"})
        QVERIFY2(!classNameRefusal(name, listed).isEmpty(), name);
    for (const char *name : {"Vector", " Vector", "Auto", "math"})
        QVERIFY2(classNameRefusal(name, listed).isEmpty(), name);
    QVERIFY(isOwnClassFile("Math"));
    QVERIFY(!isOwnClassFile("../qmEditor"));
    QVERIFY(!isOwnClassFile("auto"));

    for (const char *name : {"", "  ", "a/b", "../x"})
        QVERIFY2(!presetNameRefusal(name).isEmpty(), name);
    QVERIFY(presetNameRefusal("Night sky").isEmpty());

    // The Windows class path default shows as ".".
    QCOMPARE(OptionsCompilerPage::shownClassPath("C:\\;."), QStringLiteral("."));
    QCOMPARE(OptionsCompilerPage::shownClassPath("/opt/lib:."), QStringLiteral("/opt/lib:."));
}

void TestOptionsTexts::lineFilesAreCrLf()
{
    TempProgramFolder home;
    const QString file = CompletionFiles::memberFile("Vector");
    QVERIFY(CompletionFiles::writeLines(file, {"public int size()", "public boolean isEmpty()"}));
    QCOMPARE(home.readFile("completion/Vector.cmp"),
             QByteArray("public int size()\r\npublic boolean isEmpty()\r\n"));
    QCOMPARE(CompletionFiles::readLines(file),
             QStringList({"public int size()", "public boolean isEmpty()"}));
    QVERIFY(CompletionFiles::writeLines(file, {}));
    QCOMPARE(home.readFile("completion/Vector.cmp"), QByteArray());
    QVERIFY(CompletionFiles::readLines(home.filePath("missing.cmp")).isEmpty());
}

QTEST_GUILESS_MAIN(TestOptionsTexts)
#include "tst_optionstexts.moc"
