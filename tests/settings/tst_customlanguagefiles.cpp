// The files of the user-defined languages: the table of contents and one file per language.
#include "TempProgramFolder.h"
#include "platform/IniFile.h"
#include "settings/languages/CustomLanguageFile.h"
#include "settings/languages/CustomLanguageIndex.h"

#include <QTest>

class TestCustomLanguageFiles : public QObject
{
    Q_OBJECT
private slots:
    void masks_data();
    void masks();
    void refusedNames_data();
    void refusedNames();
    void newLanguageFile();
    void sampleCodeRoundTrip_data();
    void sampleCodeRoundTrip();
    void tableOfContents();
    void missingFilesReadAsDefaults();
};

void TestCustomLanguageFiles::masks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("masks");
    QTest::addColumn<QString>("newDocument");
    QTest::newRow("mask") << "*.foo" << QStringList {"*.foo"} << ".foo";
    QTest::newRow("bare word") << "foo" << QStringList {"*.foo"} << ".foo";
    QTest::newRow("dot") << ".foo" << QStringList {"*.foo"} << ".foo";
    QTest::newRow("two masks") << "*.h;*.c" << QStringList {"*.h", "*.c"} << ".h";
    QTest::newRow("blanks and empties") << " h ; ;.c " << QStringList {"*.h", "*.c"} << ".h";
    QTest::newRow("empty") << "" << QStringList() << "";
}

void TestCustomLanguageFiles::masks()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, masks);
    QFETCH(QString, newDocument);
    QCOMPARE(CustomLanguageFile::masksOf(typed), masks);
    QCOMPARE(CustomLanguageFile::newDocumentExtension(typed), newDocument);
}

void TestCustomLanguageFiles::refusedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<bool>("ownFiles");
    QTest::newRow("plain") << "Foo" << false << true;
    QTest::newRow("blank") << "   " << true << false;
    QTest::newRow("existing, other case") << "basic" << true << true;
    QTest::newRow("existing, blanks around") << " Basic " << true << true;
    QTest::newRow("slash") << "a/b" << true << false;
    QTest::newRow("backslash") << "a\\b" << true << false;
    QTest::newRow("dot dot") << "a..b" << true << true;
    QTest::newRow("up") << ".." << true << false;
    QTest::newRow("bar splits the filter") << "a|b" << true << true;
    QTest::newRow("the table's own name") << "TOC" << true << true;
    QTest::newRow("inner blank") << "My lang" << false << true;
}

void TestCustomLanguageFiles::refusedNames()
{
    QFETCH(QString, name);
    QFETCH(bool, refused);
    QFETCH(bool, ownFiles);
    QCOMPARE(!CustomLanguageIndex::nameRefusal(name, {"Basic", "Foo2"}).isEmpty(), refused);
    QCOMPARE(CustomLanguageIndex::isOwnName(name), ownFiles);
}

void TestCustomLanguageFiles::newLanguageFile()
{
    TempProgramFolder folder;
    CustomLanguage l;
    l.fileExt = "*.foo";
    l.langName = "Foo";
    l.keywords = {"begin", "end"};
    l.cComments = true;
    // A leftover file of the name is replaced whole.
    folder.writeFile("customlang/Foo.ini", "[Code]\r\nCodeLines=2\r\n0=old\r\n[Old]\r\nx=1\r\n");
    QVERIFY(CustomLanguageFile("Foo").writeNew(l));

    const QByteArray bytes = folder.readFile("customlang/Foo.ini");
    QVERIFY(bytes.contains("KeyWordsCount=2\r\n"));
    QVERIFY(!bytes.contains("[Old]"));
    const IniFile ini(folder.filePath("customlang/Foo.ini"));
    QCOMPARE(ini.readString("Keywords", "0", ""), QStringLiteral("begin"));
    QCOMPARE(ini.readString("Keywords", "1", ""), QStringLiteral("end"));
    QCOMPARE(ini.readString("CommentTypes", "CComments", ""), QStringLiteral("1"));
    for (const char *off : {"PascalComments", "AsmComments", "BasComments", "AnsiComments"})
        QCOMPARE(ini.readString("CommentTypes", off, ""), QStringLiteral("0"));
    QCOMPARE(ini.readString("Code", "CodeLines", ""), QStringLiteral("0"));
    QCOMPARE(ini.readString("FileInfo", "FileExt", ""), QStringLiteral("*.foo"));
    QCOMPARE(ini.readString("FileInfo", "LangName", ""), QStringLiteral("Foo"));

    const CustomLanguage back = CustomLanguageFile("Foo").read();
    QCOMPARE(back.keywords, l.keywords);
    QVERIFY(back.cComments && !back.pascalComments && !back.ansiComments);
    QVERIFY(back.code.isEmpty());
}

void TestCustomLanguageFiles::sampleCodeRoundTrip_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("none") << QStringList();
    QTest::newRow("three") << QStringList {"begin", "x := 1;", "end."};
}

void TestCustomLanguageFiles::sampleCodeRoundTrip()
{
    QFETCH(QStringList, lines);
    TempProgramFolder folder;
    CustomLanguageFile file("Foo");
    QVERIFY(file.writeCode({"a", "b", "c", "d", "e"}));
    QVERIFY(file.writeCode(lines));
    QCOMPARE(file.code(), lines);
    const IniFile ini(file.fileName());
    QCOMPARE(ini.readInteger("Code", "CodeLines", -1), int(lines.size()));
    QVERIFY(!ini.valueExists("Code", "4")); // no line of the longer code is left over
}

void TestCustomLanguageFiles::tableOfContents()
{
    TempProgramFolder folder;
    CustomLanguageIndex index;
    QCOMPARE(index.count(), 0);
    for (const char *name : {"A", "B", "C"})
        QVERIFY(index.append(name));
    QCOMPARE(index.names(), QStringList({"A", "B", "C"}));
    QVERIFY(!IniFile(index.fileName()).valueExists("CustomLanguages", "0"));

    QVERIFY(index.remove("B"));
    const IniFile ini(index.fileName());
    QCOMPARE(ini.readInteger("CustomLanguages", "Count", 0), 2);
    QCOMPARE(ini.readString("CustomLanguages", "1", ""), QStringLiteral("A"));
    QCOMPARE(ini.readString("CustomLanguages", "2", ""), QStringLiteral("C"));
    QVERIFY(!ini.valueExists("CustomLanguages", "3"));

    // A rename changes only the entry equal to the old name.
    QVERIFY(index.append("AB"));
    QVERIFY(index.rename("A", "Z"));
    QCOMPARE(index.names(), QStringList({"Z", "C", "AB"}));
    // A name not listed changes nothing.
    QVERIFY(index.remove("Q"));
    QCOMPARE(index.count(), 3);
}

void TestCustomLanguageFiles::missingFilesReadAsDefaults()
{
    TempProgramFolder folder;
    folder.writeFile("customlang/toc.ini", "[CustomLanguages]\r\nCount=2\r\n1=Gone\r\n2= \r\n");
    QCOMPARE(CustomLanguageIndex().entries(), QStringList({"Gone", ""}));
    QCOMPARE(CustomLanguageIndex().names(), QStringList({"Gone"}));
    const CustomLanguageFile gone("Gone");
    QVERIFY(!gone.exists());
    const CustomLanguage l = gone.read();
    QVERIFY(l.fileExt.isEmpty() && l.keywords.isEmpty() && l.code.isEmpty() && !l.cComments);
}

QTEST_MAIN(TestCustomLanguageFiles)
#include "tst_customlanguagefiles.moc"
