#include "TempProgramFolder.h"
#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

class TestAppPaths : public QObject
{
    Q_OBJECT

private slots:
    void executableFolderByDefault();
    void homeOverrides();
    void tempFolderCopiesDataAndRestores();
};

void TestAppPaths::executableFolderByDefault()
{
    const QByteArray saved = qgetenv("QMEDITOR_HOME");
    qunsetenv("QMEDITOR_HOME");
    QCOMPARE(AppPaths::programFolder(), QCoreApplication::applicationDirPath() + u'/');
    QCOMPARE(AppPaths::iniFileName(), QCoreApplication::applicationDirPath() + "/qmEditor.ini");
    if (!saved.isNull())
        qputenv("QMEDITOR_HOME", saved);
}

void TestAppPaths::homeOverrides()
{
    qputenv("QMEDITOR_HOME", "/some/where");
    QCOMPARE(AppPaths::programFolder(), QStringLiteral("/some/where/"));
    qputenv("QMEDITOR_HOME", "/some/where/");
    QCOMPARE(AppPaths::programFolder(), QStringLiteral("/some/where/"));
    QCOMPARE(AppPaths::iniFileName(), QStringLiteral("/some/where/qmEditor.ini"));
    QCOMPARE(AppPaths::dataPath(QStringLiteral("colors\\lang\\Java.ini")),
             QStringLiteral("/some/where/colors/lang/Java.ini"));
    qunsetenv("QMEDITOR_HOME");
}

void TestAppPaths::tempFolderCopiesDataAndRestores()
{
    qputenv("QMEDITOR_HOME", "/before");
    {
        TempProgramFolder home(true);
        QVERIFY(home.isValid());
        QCOMPARE(AppPaths::programFolder(), home.path());
        if (qEnvironmentVariableIsSet("QMEDITOR_DATA"))
            QVERIFY(QFile::exists(AppPaths::dataPath(QStringLiteral("help/contents.html"))));
    }
    QCOMPARE(qgetenv("QMEDITOR_HOME"), QByteArray("/before"));
    qunsetenv("QMEDITOR_HOME");
}

QTEST_GUILESS_MAIN(TestAppPaths)
#include "tst_apppaths.moc"
