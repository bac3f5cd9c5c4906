#include "TestFiles.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

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
    void numberedKeys_data();
    void numberedKeys();
    void lineBreakInValueStaysOneLine();
    void unwritableFile();
    void writesLeaveOnlyTheirTargets();
    void writeWaitsForTheFolderLock();

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

void TestIniFile::numberedKeys_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("all there") << QByteArray("Count=3\r\n1=a\r\n2=b\r\n3=c\r\n") << 1 << 3
                               << QStringList {"a", "b", "c"};
    QTest::newRow("gap in the middle") << QByteArray("Count=4\r\n1=Alpha\r\n4=Delta\r\n") << 1 << 4
                                       << QStringList {"Alpha", "Delta"};
    QTest::newRow("gap at the start")
        << QByteArray("KeyWordsCount=3\r\n2=while\r\n") << 0 << 3 << QStringList {"while"};
    QTest::newRow("file order is no number order")
        << QByteArray("3=c\r\n1=a\r\n2=b\r\n") << 1 << 3 << QStringList {"a", "b", "c"};
    QTest::newRow("count larger than the section")
        << QByteArray("1=a\r\n2=b\r\n") << 1 << 10 << QStringList {"a", "b"};
    QTest::newRow("count smaller than the section")
        << QByteArray("1=a\r\n2=b\r\n3=c\r\n") << 1 << 2 << QStringList {"a", "b"};
    QTest::newRow("huge count") << QByteArray("1=a\r\n9=i\r\n2147483647=z\r\n") << 1 << INT_MAX
                                << QStringList {"a", "i", "z"};
    QTest::newRow("huge count from 0")
        << QByteArray("2147483647=z\r\n0=o\r\n") << 0 << INT_MAX << QStringList {"o"};
    QTest::newRow("duplicates: first wins")
        << QByteArray("2=x\r\n1=a\r\n2=y\r\n") << 1 << 2 << QStringList {"a", "x"};
    QTest::newRow("only plain numbers")
        << QByteArray("01=a\r\n+2=b\r\n3 = c \r\n-0=d\r\n") << 0 << 5 << QStringList {"c"};
    QTest::newRow("present blank kept")
        << QByteArray("1=\r\n3=c\r\n") << 1 << 3 << QStringList {"", "c"};
    QTest::newRow("below first") << QByteArray("0=z\r\n1=a\r\n") << 1 << 2 << QStringList {"a"};
    QTest::newRow("no count") << QByteArray("1=a\r\n") << 1 << 0 << QStringList();
    QTest::newRow("negative count") << QByteArray("1=a\r\n") << 1 << -5 << QStringList();
}

// Every number from first to first + count - 1 that the section holds, in number order: a
// hand-edited table with gaps keeps its later entries.
void TestIniFile::numberedKeys()
{
    QFETCH(QByteArray, section);
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(QStringList, expected);
    IniFile ini(write("[Other]\r\n1=other\r\n[S]\r\n" + section + "[s]\r\n1=later copy\r\n"));
    QCOMPARE(ini.readNumbered(QStringLiteral("s"), first, count), expected);
    QCOMPARE(ini.readNumbered(QStringLiteral("Missing"), first, count), QStringList());
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

// Writes of every kind, alone and in batches, into a settings file and a colour file: the
// folders hold the files written and nothing else (no lock file, no temporary file).
void TestIniFile::writesLeaveOnlyTheirTargets()
{
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("qmEditor.ini"));
    const QString colours = dir.filePath(QStringLiteral("colors/lang/Java.ini"));
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("colors/lang"))));
    for (const QString &file : {settings, colours}) {
        IniFile ini(file);
        QVERIFY(ini.writeString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v")));
        QVERIFY(ini.writeInteger(QStringLiteral("S"), QStringLiteral("N"), 3));
        QVERIFY(ini.deleteKey(QStringLiteral("S"), QStringLiteral("K")));
        ini.beginUpdate();
        ini.writeBool(QStringLiteral("T"), QStringLiteral("B"), true);
        ini.eraseSection(QStringLiteral("S"));
        QVERIFY(ini.commit());
        QCOMPARE(ini.readBool(QStringLiteral("T"), QStringLiteral("B"), false), true);
    }
    const auto all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    QCOMPARE(QDir(dir.path()).entryList(all, QDir::Name), QStringList({"colors", "qmEditor.ini"}));
    QCOMPARE(QDir(dir.filePath(QStringLiteral("colors"))).entryList(all), QStringList({"lang"}));
    QCOMPARE(QDir(dir.filePath(QStringLiteral("colors/lang"))).entryList(all),
             QStringList({"Java.ini"}));
}

// The lock of a write is its folder's: while another holder has it, the write waits, and it
// goes on once the lock is released.
void TestIniFile::writeWaitsForTheFolderLock()
{
    QTemporaryDir dir;
    const int folder =
        ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    QVERIFY(folder >= 0);
    QCOMPARE(::flock(folder, LOCK_EX), 0);
    const QString file = dir.filePath(QStringLiteral("qmEditor.ini"));
    bool written = false;
    std::thread writer([&] {
        written = IniFile(file).writeString(QStringLiteral("S"), QStringLiteral("K"),
                                            QStringLiteral("v"));
    });
    QTest::qSleep(300);
    const bool before = QFile::exists(file);
    ::close(folder); // releases the lock
    writer.join();
    QVERIFY(!before);
    QVERIFY(written);
    QCOMPARE(IniFile(file).readString(QStringLiteral("S"), QStringLiteral("K"), {}),
             QStringLiteral("v"));
}

QTEST_APPLESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
