// The build's data step (scripts/copy-data), run as the build runs it on a temporary
// program folder: colors/ and completion/ are the user's once there, the rest is refreshed.
#include "ProcessWait.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestCopyData : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_data, m_generated, m_program;

    // Runs the step; its exit code.
    int copy(QString *errors = nullptr)
    {
        QProcess p;
        p.start(QStringLiteral("/bin/sh"),
                {qEnvironmentVariable("QMEDITOR_SOURCE") + QStringLiteral("/scripts/copy-data"),
                 m_program, m_data, m_generated});
        if (!p.waitForFinished(ProcessWait))
            return -1;
        if (errors)
            *errors = QString::fromLocal8Bit(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    QString data(const QString &rel) const { return m_data + u'/' + rel; }
    QString generated(const QString &rel) const { return m_generated + u'/' + rel; }
    QString program(const QString &rel) const { return m_program + u'/' + rel; }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        const QString root = m_dir.path() + u'/' + QTest::currentTestFunction();
        m_data = root + QStringLiteral("/data");
        m_generated = root + QStringLiteral("/gendata");
        m_program = root + QStringLiteral("/bin dir"); // a blank in the path
        QVERIFY(TestFiles::write(data("tips.txt"), "tip 1\r\n"));
        QVERIFY(TestFiles::write(data("help/index.html"), "<p>help</p>"));
        QVERIFY(TestFiles::write(data("completion/auto.cmp"), "%for\r\nfor (|) {\r\n}\r\n#\r\n"));
        QVERIFY(TestFiles::write(data(".gitattributes"), "*.cmp -text\n"));
        QVERIFY(TestFiles::write(generated("colors/lang/Java.ini"), "[Comment]\r\nStyle=2\r\n"));
        QVERIFY(TestFiles::write(generated("colors/toc.col"), "Classic\r\n"));
        QVERIFY(TestFiles::write(generated("completion/String.cmp"), "public int length()\r\n"));
        QCOMPARE(copy(), 0);
    }

    void firstCopyPutsEverythingInPlace()
    {
        QCOMPARE(TestFiles::read(program("tips.txt")), QByteArray("tip 1\r\n"));
        QCOMPARE(TestFiles::read(program("help/index.html")), QByteArray("<p>help</p>"));
        QCOMPARE(TestFiles::read(program("completion/auto.cmp")),
                 QByteArray("%for\r\nfor (|) {\r\n}\r\n#\r\n"));
        QCOMPARE(TestFiles::read(program("colors/lang/Java.ini")),
                 QByteArray("[Comment]\r\nStyle=2\r\n"));
        QCOMPARE(TestFiles::read(program("colors/toc.col")), QByteArray("Classic\r\n"));
        QCOMPARE(TestFiles::read(program("completion/String.cmp")),
                 QByteArray("public int length()\r\n"));
        QVERIFY(!QFile::exists(program(".gitattributes")));
        QVERIFY(QDir(program("colors/lang")).entryList(QDir::Files) == QStringList {"Java.ini"});
    }

    // The user edits colours and member lists; the sources change too; the build runs again.
    void rebuildKeepsTheUsersFiles()
    {
        QVERIFY(TestFiles::write(program("colors/lang/Java.ini"), "[Comment]\r\nStyle=3\r\n"));
        QVERIFY(TestFiles::write(program("completion/String.cmp"), "my own member\r\n"));
        QVERIFY(TestFiles::write(program("completion/Shop.cmp"), "public int count\r\n"));
        QVERIFY(TestFiles::write(generated("colors/lang/Java.ini"), "[Comment]\r\nStyle=0\r\n"));
        QVERIFY(TestFiles::write(data("completion/auto.cmp"), "%if\r\n#\r\n"));
        QVERIFY(TestFiles::write(data("tips.txt"), "tip 2\r\n"));
        QVERIFY(TestFiles::write(generated("colors/lang/HTML.ini"), "[Text]\r\nStyle=0\r\n"));
        QVERIFY(QFile::remove(program("colors/toc.col")));

        QCOMPARE(copy(), 0);
        QCOMPARE(TestFiles::read(program("colors/lang/Java.ini")),
                 QByteArray("[Comment]\r\nStyle=3\r\n"));
        QCOMPARE(TestFiles::read(program("completion/String.cmp")),
                 QByteArray("my own member\r\n"));
        QCOMPARE(TestFiles::read(program("completion/Shop.cmp")),
                 QByteArray("public int count\r\n"));
        QCOMPARE(TestFiles::read(program("completion/auto.cmp")),
                 QByteArray("%for\r\nfor (|) {\r\n}\r\n#\r\n"));
        // Missing ones come (back), and everything else is refreshed as before.
        QCOMPARE(TestFiles::read(program("colors/lang/HTML.ini")),
                 QByteArray("[Text]\r\nStyle=0\r\n"));
        QCOMPARE(TestFiles::read(program("colors/toc.col")), QByteArray("Classic\r\n"));
        QCOMPARE(TestFiles::read(program("tips.txt")), QByteArray("tip 2\r\n"));
        QVERIFY(QDir(program("colors/lang")).entryList({"*.copying"}, QDir::Files).isEmpty());
    }

    // A lock file an older generator left is not copied, and its copy from an earlier build
    // goes; a lock file that came from nowhere the step copies stays.
    void lockFilesAreNotShipped()
    {
        QVERIFY(TestFiles::write(generated("colors/Classic.ini.lock"), ""));
        QVERIFY(TestFiles::write(generated("colors/lang/Java.ini.new.lock"), ""));
        QVERIFY(TestFiles::write(program("colors/lang/Java.ini.new.lock"), ""));
        QVERIFY(TestFiles::write(program("colors/Mine.ini.lock"), ""));
        QCOMPARE(copy(), 0);
        QVERIFY(!QFile::exists(program("colors/Classic.ini.lock")));
        QVERIFY(!QFile::exists(program("colors/lang/Java.ini.new.lock")));
        QVERIFY(QFile::exists(program("colors/Mine.ini.lock")));
    }

    void missingSourceFolderIsNoError()
    {
        QVERIFY(QDir(m_generated).removeRecursively());
        QCOMPARE(copy(), 0);
    }

    void failureIsReported()
    {
        // A file standing where a folder must be: the step fails and names the file.
        QVERIFY(QDir(program("help")).removeRecursively());
        QVERIFY(TestFiles::write(program("help"), "not a folder"));
        QString errors;
        QVERIFY(copy(&errors) != 0);
        QVERIFY2(errors.contains(QStringLiteral("help/index.html")), qPrintable(errors));
    }
};

QTEST_GUILESS_MAIN(TestCopyData)
#include "tst_CopyData.moc"
