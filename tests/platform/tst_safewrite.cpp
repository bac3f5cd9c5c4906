// The checked write-then-replace every file of the program goes through: on a full disk, on a
// read-only one, through links, and into places that cannot hold a file.
#include "SmallFileSystem.h"
#include "TestFiles.h"
#include "platform/IniFile.h"
#include "platform/SafeWrite.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

class TestSafeWrite : public QObject
{
    Q_OBJECT
private slots:
    void fullDiskKeepsEveryKindOfFile();
    void hardLinkedFileKeepsItsNames();
    void symbolicLinksAreFollowed();
    void readOnlyFolderSaysSo();
    void placesThatHoldNoFile_data();
    void placesThatHoldNoFile();
    void permissions();
};

namespace {

struct stat statOf(const QString &path)
{
    struct stat st {
    };
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
}

QString noSpace()
{
    return QString::fromLocal8Bit(std::strerror(ENOSPC));
}

// The names in folder and its subfolders, hidden ones included (a left temporary or lock
// file shows).
QStringList namesIn(const QString &folder)
{
    QStringList names;
    QDir dir(folder);
    for (const QFileInfo &fi :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)) {
        names << fi.fileName();
        if (fi.isDir())
            for (const QString &inner : namesIn(fi.filePath()))
                names << fi.fileName() + u'/' + inner;
    }
    return names;
}

} // namespace

// A small edit saved onto a full file system: the document, the settings file, a colour file
// and a word list all stay whole, the failure and its reason are reported, and no temporary
// file is left. With room again the same writes succeed.
void TestSafeWrite::fullDiskKeepsEveryKindOfFile()
{
    SmallFileSystem fs;
    if (!fs.isMounted())
        QSKIP(qPrintable(fs.reason()));

    struct Kind {
        const char *name;
        QByteArray before;
        std::function<bool(const QString &file, QString *error)> write;
        QByteArray after;
    };
    const QByteArray settings =
        "[ApplicationOptions]\r\nAutoSave=1\r\n\r\n[History]\r\nCount=1\r\n";
    const QList<Kind> kinds = {
        {"Hello.java", "class Hello {}\n",
         [](const QString &file, QString *error) {
             return TextFile::save(file, QStringLiteral("class Hello { int x; }\n"), {}, error);
         },
         "class Hello { int x; }\n"},
        {"qmEditor.ini", settings,
         [](const QString &file, QString *error) {
             IniFile ini(file);
             const bool ok = ini.writeString(QStringLiteral("History"), QStringLiteral("1"),
                                             QStringLiteral("/home/a/Hello.java"));
             *error = ini.lastError();
             return ok;
         },
         settings + "1=/home/a/Hello.java\r\n"},
        {"colors/lang/Java.ini", "[Comment]\r\nForeground=128\r\n",
         [](const QString &file, QString *error) {
             IniFile ini(file);
             const bool ok =
                 ini.writeInteger(QStringLiteral("Comment"), QStringLiteral("Style"), 2);
             *error = ini.lastError();
             return ok;
         },
         "[Comment]\r\nForeground=128\r\nStyle=2\r\n"},
        {"dictionaries/english.user.dic", "alpha\r\n",
         [](const QString &file, QString *error) {
             return SafeWrite::replaceFile(file, "alpha\r\nbeta\r\n", error);
         },
         "alpha\r\nbeta\r\n"},
    };
    for (const Kind &k : kinds)
        QVERIFY(TestFiles::write(fs.filePath(k.name), k.before));
    // A hard-linked file is written in place; that too must not start without room.
    QVERIFY(::link(QFile::encodeName(fs.filePath("Hello.java")).constData(),
                   QFile::encodeName(fs.filePath("Link.java")).constData())
            == 0);
    const QStringList names = namesIn(fs.path());

    QVERIFY(fs.fill());
    for (const Kind &k : kinds) {
        QString error;
        QVERIFY2(!k.write(fs.filePath(k.name), &error), k.name);
        QCOMPARE(error, noSpace());
        QCOMPARE(TestFiles::read(fs.filePath(k.name)), k.before);
    }
    QCOMPARE(TestFiles::read(fs.filePath("Link.java")), kinds.first().before);
    QStringList left = namesIn(fs.path());
    left.removeAll(QStringLiteral(".filler"));
    QCOMPARE(left, names);

    fs.release();
    for (const Kind &k : kinds) {
        QString error;
        QVERIFY2(k.write(fs.filePath(k.name), &error), qPrintable(error));
        QCOMPARE(TestFiles::read(fs.filePath(k.name)), k.after);
    }
    QCOMPARE(namesIn(fs.path()), names);
}

void TestSafeWrite::hardLinkedFileKeepsItsNames()
{
    QTemporaryDir dir;
    const QString a = dir.filePath("a.txt"), b = dir.filePath("b.txt");
    QVERIFY(TestFiles::write(a, "old text"));
    QVERIFY(::link(QFile::encodeName(a).constData(), QFile::encodeName(b).constData()) == 0);
    QVERIFY(::chmod(QFile::encodeName(a).constData(), 0640) == 0);
    const ino_t inode = statOf(a).st_ino;

    for (const QByteArray &text : {QByteArray("a longer new text"), QByteArray("short")}) {
        QString error;
        QVERIFY2(SafeWrite::replaceFile(a, text, &error), qPrintable(error));
        QCOMPARE(TestFiles::read(a), text);
        QCOMPARE(TestFiles::read(b), text);
        QCOMPARE(statOf(a).st_ino, inode);
        QCOMPARE(statOf(a).st_nlink, nlink_t(2));
    }
    QCOMPARE(statOf(b).st_mode & 0777, mode_t(0640));
    QCOMPARE(namesIn(dir.path()), (QStringList {"a.txt", "b.txt"}));
}

void TestSafeWrite::symbolicLinksAreFollowed()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("real"));
    const QString target = dir.filePath("real/doc.txt");
    QVERIFY(TestFiles::write(target, "old"));
    // A relative link, and a link to that link.
    QVERIFY(::symlink("real/doc.txt", QFile::encodeName(dir.filePath("near.txt")).constData())
            == 0);
    QVERIFY(QFile::link(dir.filePath("near.txt"), dir.filePath("far.txt")));

    QString error;
    QVERIFY2(SafeWrite::replaceFile(dir.filePath("far.txt"), "new", &error), qPrintable(error));
    QCOMPARE(TestFiles::read(target), QByteArray("new"));
    QVERIFY(QFileInfo(dir.filePath("far.txt")).isSymLink());
    QVERIFY(QFileInfo(dir.filePath("near.txt")).isSymLink());

    // A dangling link makes its target, where the target's folder exists ...
    QVERIFY(QFile::link(dir.filePath("real/made.txt"), dir.filePath("made.txt")));
    QVERIFY(SafeWrite::replaceFile(dir.filePath("made.txt"), "made", &error));
    QCOMPARE(TestFiles::read(dir.filePath("real/made.txt")), QByteArray("made"));
    QVERIFY(QFileInfo(dir.filePath("made.txt")).isSymLink());
    // ... and says why not where it does not.
    QVERIFY(QFile::link(dir.filePath("gone/x.ini"), dir.filePath("dangling.ini")));
    IniFile ini(dir.filePath("dangling.ini"));
    QVERIFY(!ini.writeString("S", "K", "v"));
    QCOMPARE(ini.lastError(), QString::fromLocal8Bit(std::strerror(ENOENT)));
    QVERIFY(QFileInfo(dir.filePath("dangling.ini")).isSymLink());
}

// Saving into a read-only folder says that the folder is read-only, and changes nothing.
void TestSafeWrite::readOnlyFolderSaysSo()
{
    SmallFileSystem fs;
    QTemporaryDir dir;
    QString folder;
    if (fs.isMounted()) {
        folder = fs.path();
    } else if (::geteuid() != 0) {
        folder = dir.path() + u'/';
    } else {
        QSKIP(qPrintable(fs.reason()));
    }
    const QString file = folder + "doc.txt";
    QVERIFY(TestFiles::write(file, "old text"));
    QVERIFY(fs.isMounted() ? fs.setReadOnly(true)
                           : QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));

    QString error;
    const bool saved = TextFile::save(file, QStringLiteral("new"), {}, &error);
    IniFile ini(folder + "qmEditor.ini");
    const bool iniSaved = ini.writeString("S", "K", "v");
    if (fs.isMounted())
        fs.setReadOnly(false);
    else
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY(!saved && !iniSaved);
    QDir expected(folder);
    const QString readOnly =
        QStringLiteral("The folder %1 is read-only.").arg(expected.absolutePath());
    QCOMPARE(error, readOnly);
    QCOMPARE(ini.lastError(), readOnly);
    QCOMPARE(TestFiles::read(file), QByteArray("old text"));
    QCOMPARE(namesIn(folder), QStringList {"doc.txt"});
}

void TestSafeWrite::placesThatHoldNoFile_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("reason"); // %1: the full target path
    QTest::newRow("a folder") << "folder"
                              << "%1 is a folder.";
    QTest::newRow("in a plain file")
        << "plain/doc.txt" << QString::fromLocal8Bit(std::strerror(ENOTDIR));
    QTest::newRow("in a missing folder")
        << "missing/doc.txt" << QString::fromLocal8Bit(std::strerror(ENOENT));
    QTest::newRow("no name") << "" << QString::fromLocal8Bit(std::strerror(ENOENT));
}

void TestSafeWrite::placesThatHoldNoFile()
{
    QFETCH(QString, relative);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("folder/inner"));
    QVERIFY(TestFiles::write(dir.filePath("plain"), "keep"));
    const QString target = relative.isEmpty() ? QString() : dir.filePath(relative);
    QString error;
    QVERIFY(!SafeWrite::replaceFile(target, "x", &error));
    QCOMPARE(error, reason.contains("%1") ? reason.arg(target) : reason);
    QCOMPARE(TestFiles::read(dir.filePath("plain")), QByteArray("keep"));
    QVERIFY(QFileInfo(dir.filePath("folder/inner")).isDir());
    QCOMPARE(namesIn(dir.path()), (QStringList {"folder", "folder/inner", "plain"}));
}

// A new file takes the umask; a replaced one keeps its own permissions.
void TestSafeWrite::permissions()
{
    QTemporaryDir dir;
    const mode_t previous = ::umask(027);
    const bool ok = SafeWrite::replaceFile(dir.filePath("new.txt"), "x");
    ::umask(previous);
    QVERIFY(ok);
    QCOMPARE(statOf(dir.filePath("new.txt")).st_mode & 0777, mode_t(0640));

    const QString script = dir.filePath("script.sh");
    QVERIFY(TestFiles::write(script, "old"));
    QVERIFY(::chmod(QFile::encodeName(script).constData(), 0750) == 0);
    QVERIFY(TextFile::save(script, QStringLiteral("new"), {}));
    QCOMPARE(TestFiles::read(script), QByteArray("new"));
    QCOMPARE(statOf(script).st_mode & 0777, mode_t(0750));
}

QTEST_GUILESS_MAIN(TestSafeWrite)
#include "tst_safewrite.moc"
