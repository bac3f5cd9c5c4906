#include "TestFiles.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void reads_data();
    void reads();
    void numbers_data();
    void numbers();
    void missingFile();
    void writeCreatesFileAndSection();
    void writeKeepsUnknownLinesAndComments();
    void writeThroughToSecondObject();
    void externalChangeIsSeen();
    void eraseAndDelete();
    void sectionLists();
    void lineBreakInValueStaysOneLine();
    void unwritableFile();

private:
    QString write(const QByteArray &bytes)
    {
        if (!TestFiles::write(m_file, bytes))
            qFatal("cannot write test file");
        return m_file;
    }
    QByteArray contents() const { return TestFiles::read(m_file); }

    QTemporaryDir m_dir;
    QString m_file;
};

void TestIniFile::init()
{
    m_file = m_dir.filePath(QStringLiteral("%1.ini").arg(QTest::currentTestFunction()));
    QFile::remove(m_file);
}

static const QByteArray sample = "; a comment\r\n"
                                 "orphan=before any section\r\n"
                                 "[Editor]\r\n"
                                 "FontType = Courier New \r\n"
                                 "Quoted=\"  spaced  \"\r\n"
                                 "HalfQuoted=\"open\r\n"
                                 "Empty=\r\n"
                                 "FontType=second\r\n"
                                 "no equals sign\r\n"
                                 "[ editor ]\r\n"
                                 "Later=yes\r\n"
                                 "[Unix]\n"
                                 "Key=lf line\n"
                                 "  Indented  =  x  \n";

void TestIniFile::reads_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const struct {
        const char *tag, *section, *key, *expected;
    } rows[] = {{"trimmed", "Editor", "FontType", "Courier New"},
                {"names without case", "EDITOR", "fonttype", "Courier New"},
                {"quotes stripped, inside kept", "Editor", "Quoted", "  spaced  "},
                {"one quote kept", "Editor", "HalfQuoted", "\"open"},
                {"empty value", "Editor", "Empty", ""},
                {"duplicate section ignored", "Editor", "Later", "default"},
                {"LF lines", "Unix", "Key", "lf line"},
                {"key before sections ignored", "", "orphan", "default"},
                {"comment is no key", "Editor", "; a comment", "default"},
                {"missing section", "None", "Key", "default"}};
    for (const auto &r : rows)
        QTest::newRow(r.tag) << QString(r.section) << QString(r.key) << QString(r.expected);
}

void TestIniFile::reads()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    IniFile ini(write(sample));
    QCOMPARE(ini.readString(section, key, QStringLiteral("default")), expected);
    QCOMPARE(ini.valueExists(section, key), expected != QLatin1String("default"));
}

void TestIniFile::numbers_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("asInteger");
    QTest::addColumn<bool>("asBoolWithTrue");
    QTest::addColumn<bool>("asBoolWithFalse");
    QTest::newRow("one") << QByteArray("1") << 1 << true << true;
    QTest::newRow("zero") << QByteArray("0") << 0 << false << false;
    QTest::newRow("any non-zero") << QByteArray("-3") << -3 << true << true;
    QTest::newRow("hex") << QByteArray("$1A") << 26 << true << true;
    QTest::newRow("quoted number") << QByteArray("\"12\"") << 12 << true << true;
    QTest::newRow("word") << QByteArray("true") << -7 << true << false;
    QTest::newRow("empty") << QByteArray("") << -7 << true << false;
}

void TestIniFile::numbers()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, asInteger);
    QFETCH(bool, asBoolWithTrue);
    QFETCH(bool, asBoolWithFalse);
    IniFile ini(write("[S]\r\nK=" + stored + "\r\n"));
    QCOMPARE(ini.readInteger(QStringLiteral("S"), QStringLiteral("K"), -7), asInteger);
    QCOMPARE(ini.readBool(QStringLiteral("S"), QStringLiteral("K"), true), asBoolWithTrue);
    QCOMPARE(ini.readBool(QStringLiteral("S"), QStringLiteral("K"), false), asBoolWithFalse);
}

void TestIniFile::missingFile()
{
    IniFile ini(m_file);
    QCOMPARE(ini.readString(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("d")),
             QStringLiteral("d"));
    QVERIFY(!ini.sectionExists(QStringLiteral("A")));
    QVERIFY(ini.readSections().isEmpty());
    QVERIFY(ini.eraseSection(QStringLiteral("A")));
    QVERIFY(!QFile::exists(m_file));
}

void TestIniFile::writeCreatesFileAndSection()
{
    IniFile ini(m_file);
    QVERIFY(ini.writeBool(QStringLiteral("ApplicationOptions"), QStringLiteral("AutoSave"), true));
    QVERIFY(
        ini.writeBool(QStringLiteral("ApplicationOptions"), QStringLiteral("PrintDate"), false));
    QVERIFY(ini.writeInteger(QStringLiteral("History"), QStringLiteral("Count"), -1));
    QVERIFY(ini.writeString(QStringLiteral("applicationoptions"), QStringLiteral("autosave"),
                            QStringLiteral("0")));
    QCOMPARE(contents(),
             QByteArray("[ApplicationOptions]\r\nAutoSave=0\r\nPrintDate=0\r\n\r\n"
                        "[History]\r\nCount=-1\r\n"));
}

void TestIniFile::writeKeepsUnknownLinesAndComments()
{
    write("; comment\n[A]\nx=1\n\n; inner\nunknown line\n\n[B]\ny=2\n");
    IniFile ini(m_file);
    QVERIFY(ini.writeString(QStringLiteral("A"), QStringLiteral("z"), QStringLiteral("new")));
    QVERIFY(ini.writeString(QStringLiteral("B"), QStringLiteral("y"), QStringLiteral("3")));
    QCOMPARE(contents(),
             QByteArray("; comment\r\n[A]\r\nx=1\r\n\r\n; inner\r\nunknown line\r\n"
                        "z=new\r\n\r\n[B]\r\ny=3\r\n"));
}

void TestIniFile::writeThroughToSecondObject()
{
    IniFile writer(m_file);
    IniFile reader(m_file);
    QCOMPARE(reader.readInteger(QStringLiteral("S"), QStringLiteral("N"), 5), 5);
    // Many quick writes of the same size: each must be seen at once.
    for (int i = 0; i < 20; ++i) {
        QVERIFY(writer.writeInteger(QStringLiteral("S"), QStringLiteral("N"), i % 10));
        QCOMPARE(reader.readInteger(QStringLiteral("S"), QStringLiteral("N"), -1), i % 10);
    }
}

void TestIniFile::externalChangeIsSeen()
{
    write("[S]\r\nK=a\r\n");
    IniFile ini(m_file);
    QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("K"), {}), QStringLiteral("a"));
    write("[S]\r\nK=b\r\n"); // same size, rewritten in place
    QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("K"), {}), QStringLiteral("b"));
}

void TestIniFile::eraseAndDelete()
{
    write("[History]\r\n1=a\r\n[Keep]\r\nk=v\r\n[history]\r\n2=b\r\n");
    IniFile ini(m_file);
    QVERIFY(ini.eraseSection(QStringLiteral("HISTORY")));
    QVERIFY(!ini.sectionExists(QStringLiteral("History")));
    QCOMPARE(contents(), QByteArray("[Keep]\r\nk=v\r\n"));

    write("[S]\r\na=1\r\nb=2\r\nA=3\r\n");
    QVERIFY(ini.deleteKey(QStringLiteral("s"), QStringLiteral("a")));
    QVERIFY(!ini.valueExists(QStringLiteral("S"), QStringLiteral("a")));
    QCOMPARE(contents(), QByteArray("[S]\r\nb=2\r\n"));
}

void TestIniFile::sectionLists()
{
    IniFile ini(write(sample));
    QCOMPARE(ini.readSections(), (QStringList {"Editor", "Unix"}));
    QCOMPARE(ini.readSection(QStringLiteral("editor")),
             (QStringList {"FontType", "Quoted", "HalfQuoted", "Empty"}));
}

void TestIniFile::lineBreakInValueStaysOneLine()
{
    IniFile ini(m_file);
    QVERIFY(
        ini.writeString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("a\r\n[X]\nb=c")));
    QVERIFY(!ini.sectionExists(QStringLiteral("X")));
    QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("K"), {}),
             QStringLiteral("a [X] b=c"));
}

void TestIniFile::unwritableFile()
{
    // A folder where the file should be cannot be replaced by a file.
    QVERIFY(QDir().mkpath(m_file));
    IniFile ini(m_file);
    QVERIFY(!ini.writeString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v")));
    QCOMPARE(ini.lastError(), m_file + QStringLiteral(" is a folder."));
    QCOMPARE(ini.readString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("d")),
             QStringLiteral("d"));
    QDir(m_file).removeRecursively();
}

QTEST_APPLESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
