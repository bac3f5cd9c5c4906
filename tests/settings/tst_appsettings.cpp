#include "ProcessWait.h"
#include "platform/IniFile.h"
#include "settings/store/AppSettings.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Settings::Key;
using Settings::Reader;

Q_DECLARE_METATYPE(Settings::Key)
Q_DECLARE_METATYPE(Settings::Reader)

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A settings file written by hand: mixed letter case, a quoted value, texts where numbers
// belong, and keys left out.
const QByteArray handWritten = "[applicationoptions]\r\n"
                               "autosave=1\r\n"
                               "AutoSaveInterval=\r\n"
                               "WarnBeforeClose=\"0\"\r\n"
                               "[EditorOptions]\r\n"
                               "FontSize=abc\r\n"
                               "GutterSize=40\r\n"
                               "BGColor=clBlack\r\n"
                               "GTRColor=bogus\r\n"
                               "ShowGutter=7\r\n"
                               "[CompilerOptions]\r\n"
                               "JavaBinDir=/usr/lib/jvm/bin\r\n";

} // namespace

class TestAppSettings : public QObject
{
    Q_OBJECT
private slots:
    void tableRowsAreOneAKey();
    void readersAndTheirDefaults_data();
    void readersAndTheirDefaults();
    void colours();
    void batchIsSeenOnlyAfterCommit();
    void emptyBatchWritesNothing();
    void failedWriteIsReported();
    void twoProcessesKeepEachOthersKeys();
};

// Each key has one row, found by the key itself, and no two rows name one setting.
void TestAppSettings::tableRowsAreOneAKey()
{
    QSet<QString> seen;
    for (Key key : Settings::allKeys()) {
        QCOMPARE(Settings::info(key).key, key);
        const QString id = Settings::section(key).toLower() + u'/' + Settings::name(key).toLower();
        QVERIFY2(!seen.contains(id), qPrintable(id));
        seen.insert(id);
    }
    QCOMPARE(seen.size(), int(Key::KeyCount));
}

void TestAppSettings::readersAndTheirDefaults_data()
{
    QTest::addColumn<Key>("key");
    QTest::addColumn<Reader>("reader");
    QTest::addColumn<QString>("text"); // textValue
    QTest::addColumn<int>("number");   // intValue

    // Present in the file.
    QTest::newRow("bool in other case") << Key::AutoSave << Reader::Program << "1" << 1;
    QTest::newRow("quoted bool") << Key::WarnBeforeClose << Reader::Program << "0" << 0;
    QTest::newRow("bool as any non-zero") << Key::ShowGutter << Reader::Program << "7" << 7;
    QTest::newRow("number text") << Key::GutterSize << Reader::Program << "40" << 40;
    QTest::newRow("text") << Key::JavaBinDir << Reader::Program << "/usr/lib/jvm/bin" << 0;
    // Stored empty: the start-up timer takes 1 minute, the dialog shows the empty text.
    QTest::newRow("empty interval, program") << Key::AutoSaveInterval << Reader::Program << "" << 1;
    QTest::newRow("empty interval, options") << Key::AutoSaveInterval << Reader::Options << "" << 0;
    // Not a number: the number reader's own default.
    QTest::newRow("bad font size") << Key::FontSize << Reader::Program << "abc" << 10;

    // Absent: each reader's own default.
    QTest::newRow("print date, printing") << Key::PrintDate << Reader::Program << "1" << 1;
    QTest::newRow("print date, options") << Key::PrintDate << Reader::Options << "0" << 0;
    QTest::newRow("print time, options") << Key::PrintTime << Reader::Options << "0" << 0;
    QTest::newRow("class path, compiler") << Key::ClassPathDir << Reader::Program << "" << 0;
    QTest::newRow("class path, options") << Key::ClassPathDir << Reader::Options << "C:\\;." << 0;
    QTest::newRow("class path, debugger") << Key::ClassPathDir << Reader::Debugger << "c:\\;." << 0;
    QTest::newRow("history count, start-up") << Key::HistoryCount << Reader::StartUp << "-1" << -1;
    QTest::newRow("history count, history") << Key::HistoryCount << Reader::Program << "0" << 0;
    QTest::newRow("quick find") << Key::JavaQuickFind << Reader::Program << "1" << 1;
    QTest::newRow("templates") << Key::TmpltCodeOnNewDoc << Reader::Options << "1" << 1;
    QTest::newRow("special characters") << Key::ViewSecialChars << Reader::Program << "0" << 0;
    QTest::newRow("font name") << Key::FontType << Reader::Program << "Courier New" << 0;
    QTest::newRow("gutter size, options") << Key::GutterSize << Reader::Options << "40" << 40;
    QTest::newRow("language") << Key::DictLanguage << Reader::Program << "English" << 0;
    QTest::newRow("first run") << Key::FirstRun << Reader::Options << "1" << 1;
    QTest::newRow("tips") << Key::TipsDoShow << Reader::Program << "1" << 1;
    QTest::newRow("shortcut table") << Key::ShortcutDefaultList << Reader::Program << "1" << 1;
    QTest::newRow("verbose") << Key::VerboseOutput << Reader::Options << "1" << 1;
    QTest::newRow("all debug info") << Key::AllDebugInfo << Reader::Options << "1" << 1;
}

void TestAppSettings::readersAndTheirDefaults()
{
    QFETCH(Key, key);
    QFETCH(Reader, reader);
    QFETCH(QString, text);
    QFETCH(int, number);
    QTemporaryDir dir;
    const QString file = dir.filePath("qmEditor.ini");
    QVERIFY(writeAll(file, handWritten));
    const AppSettings settings(file);
    QCOMPARE(settings.textValue(key, reader), text);
    if (Settings::info(key).form != Settings::Form::Text)
        QCOMPARE(settings.intValue(key, reader), number);
    if (Settings::info(key).form == Settings::Form::Bool)
        QCOMPARE(settings.boolValue(key, reader), number != 0);
}

// A colour text that is no colour gives the reader's default.
void TestAppSettings::colours()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("qmEditor.ini");
    QVERIFY(writeAll(file, handWritten));
    AppSettings settings(file);
    QCOMPARE(settings.colourValue(Key::BGColor), TColor::clBlack);
    QCOMPARE(settings.colourValue(Key::GTRColor), TColor::clBtnFace);
    QCOMPARE(settings.colourValue(Key::UnderlineColor), TColor::clRed);
    QVERIFY(settings.setColour(Key::UnderlineColor, TColor::clBlue));
    QVERIFY(readAll(file).contains("[SpellCheck]\r\nUnderlineColor=clBlue\r\n"));
}

// A batch reaches the file in one replace at commit; until then only its own object sees it.
void TestAppSettings::batchIsSeenOnlyAfterCommit()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("qmEditor.ini");
    QVERIFY(writeAll(file, "[EditorOptions]\r\nFontSize=12\r\n"));
    AppSettings settings(file);
    const IniFile other(file);
    QSignalSpy changed(&settings, &AppSettings::changed);

    settings.beginUpdate();
    for (int i = 0; i < 170; ++i)
        QVERIFY(settings.writeInteger(QStringLiteral("Many"), QString::number(i), i));
    QVERIFY(settings.setText(Key::FontSize, QStringLiteral("14")));
    settings.beginUpdate(); // nested: only the outermost commit writes
    QVERIFY(settings.setBool(Key::AutoSave, true));
    QVERIFY(settings.commit());
    QCOMPARE(settings.intValue(Key::FontSize), 14);
    QCOMPARE(other.readInteger(QStringLiteral("EditorOptions"), QStringLiteral("FontSize"), 0), 12);
    QVERIFY(!other.sectionExists(QStringLiteral("Many")));
    QCOMPARE(readAll(file), QByteArray("[EditorOptions]\r\nFontSize=12\r\n"));
    QCOMPARE(changed.count(), 0);

    QVERIFY(settings.commit());
    QCOMPARE(other.readInteger(QStringLiteral("EditorOptions"), QStringLiteral("FontSize"), 0), 14);
    QCOMPARE(other.readInteger(QStringLiteral("Many"), QStringLiteral("169"), -1), 169);
    QVERIFY(
        other.readBool(QStringLiteral("ApplicationOptions"), QStringLiteral("AutoSave"), false));
    QCOMPARE(changed.count(), 172);
    QCOMPARE(changed.last(),
             QVariantList({QStringLiteral("ApplicationOptions"), QStringLiteral("AutoSave")}));

    // The scope object commits when it goes.
    {
        AppSettings::Batch batch(settings);
        settings.setBool(Key::AutoSave, false);
        QVERIFY(other.readBool(QStringLiteral("ApplicationOptions"), QStringLiteral("AutoSave"),
                               false));
    }
    QVERIFY(
        !other.readBool(QStringLiteral("ApplicationOptions"), QStringLiteral("AutoSave"), true));
}

void TestAppSettings::emptyBatchWritesNothing()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("qmEditor.ini");
    AppSettings settings(file);
    AppSettings::Batch batch(settings);
    QVERIFY(!settings.boolValue(Key::AutoSave));
    QVERIFY(batch.commit());
    QVERIFY(!QFile::exists(file));
}

// A settings file that cannot be written: every write says so, and a batch leaves the old
// file as it was.
void TestAppSettings::failedWriteIsReported()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("qmEditor.ini");
    QVERIFY(QDir().mkpath(folder));
    AppSettings settings(folder);
    QSignalSpy failed(&settings, &AppSettings::writeFailed);
    QSignalSpy changed(&settings, &AppSettings::changed);
    QVERIFY(!settings.setBool(Key::AutoSave, true));
    QVERIFY(!settings.lastError().isEmpty());
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.first().at(0).toString(), folder);
    QCOMPARE(failed.first().at(1).toString(), settings.lastError());

    settings.beginUpdate();
    QVERIFY(settings.setBool(Key::AutoSave, true)); // held in the batch
    QVERIFY(!settings.commit());
    QCOMPARE(failed.count(), 2);
    QCOMPARE(changed.count(), 0);
    QVERIFY(QFileInfo(folder).isDir());
}

// Two program instances writing at once, the other one this program run as a child with
// "--write-keys": 300 keys each, here half of them in batches; none of the 600 is lost, and
// the folder holds the settings file alone (no lock file stays behind).
void TestAppSettings::twoProcessesKeepEachOthersKeys()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("qmEditor.ini");
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--write-keys"), file});
    AppSettings settings(file);
    QTRY_VERIFY_WITH_TIMEOUT(settings.valueExists("Child", "k0"), ProcessWait);
    for (int i = 0; i < 300;) {
        if (i % 20 < 10) {
            QVERIFY(settings.writeInteger("Parent", "k" + QString::number(i++), 1));
            continue;
        }
        AppSettings::Batch batch(settings);
        for (int n = 0; n < 5; ++n)
            settings.writeInteger("Parent", "k" + QString::number(i++), 1);
        QVERIFY(batch.commit());
    }
    QVERIFY(child.waitForFinished(ProcessWait));
    QCOMPARE(child.exitCode(), 0);
    const IniFile ini(file);
    QCOMPARE(ini.readSection("Parent").size(), 300);
    QCOMPARE(ini.readSection("Child").size(), 300);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList {"qmEditor.ini"});
}

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--write-keys") == 0) {
        AppSettings settings(QString::fromLocal8Bit(argv[2]));
        for (int i = 0; i < 300; ++i)
            if (!settings.writeInteger("Child", "k" + QString::number(i), 1))
                return 1;
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestAppSettings test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_appsettings.moc"
