#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

// The include rules of the source tree: dependencies point down (platform, then editor and
// the settings facade, then the host interface, then the features); features never include the
// main window's folder or the composition root, nor each other (the Java source scanner
// excepted: a plain library the tool chain uses); QScintilla is seen only inside src/editor.
// src/settings holds both the facade (its three files below) and the settings feature (the
// Options dialog), which is a feature like the others.
class TestLayering : public QObject
{
    Q_OBJECT
private slots:
    void includesPointDown()
    {
        const QString root =
            QString::fromLocal8Bit(qgetenv("QMEDITOR_SOURCE")) + QStringLiteral("/src");
        QVERIFY2(QFile::exists(root), "QMEDITOR_SOURCE names the source tree");

        const QHash<QString, QStringList> allowed {
            {"platform", {"platform"}},
            {"editor", {"platform", "editor"}},
            {"settings", {"platform", "settings"}},
            {"host", {"platform", "editor", "settings", "host"}},
        };
        const QStringList featureBase {"platform", "editor", "settings", "host", "analysis"};
        const QStringList facade {"settings/AppSettings", "settings/SettingsTable",
                                  "settings/ProjectSettings"};
        const auto isFacade = [&facade](const QString &file) {
            return facade.contains(file.section(u'.', 0, 0));
        };
        const QRegularExpression include(
            QStringLiteral("^\\s*#\\s*include\\s*[\"<]([^\">]+)[\">]"));

        QStringList broken;
        int files = 0;
        QDirIterator it(root, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString relative = path.mid(root.size() + 1);
            const QString folder = relative.section(u'/', 0, 0);
            if (folder == QLatin1String("app") || folder == QLatin1String("shell")) {
                if (folder == QLatin1String("shell"))
                    checkNoScintilla(path, relative, include, broken);
                continue;
            }
            const bool facadeFile = folder == QLatin1String("settings") && isFacade(relative);
            QStringList may = allowed.value(folder, featureBase + QStringList {folder});
            if (folder == QLatin1String("settings") && !facadeFile)
                may = featureBase;
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            ++files;
            const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
            for (const QString &line : lines) {
                const QRegularExpressionMatch m = include.match(line);
                if (!m.hasMatch())
                    continue;
                const QString target = m.captured(1);
                if (target.startsWith(QLatin1String("Qsci/")) && folder != QLatin1String("editor"))
                    broken << relative + QStringLiteral(": ") + target;
                if (target.startsWith(QLatin1String("../")))
                    broken << relative + QStringLiteral(": ") + target;
                if (!line.contains(u'"') || !target.contains(u'/'))
                    continue; // a library header or one of the folder's own
                const QString targetFolder = target.section(u'/', 0, 0);
                if (!may.contains(targetFolder))
                    broken << relative + QStringLiteral(": ") + target;
                // Below the features only the facade of src/settings is seen, and the facade
                // sees nothing of the settings feature.
                else if (targetFolder == QLatin1String("settings") && !isFacade(target)
                         && (facadeFile || folder != QLatin1String("settings")))
                    broken << relative + QStringLiteral(": ") + target;
            }
        }
        QVERIFY(files > 50);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u'\n')));
    }

private:
    static void checkNoScintilla(const QString &path, const QString &relative,
                                 const QRegularExpression &include, QStringList &broken)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return;
        for (const QString &line : QString::fromUtf8(f.readAll()).split(u'\n')) {
            const QRegularExpressionMatch m = include.match(line);
            if (m.hasMatch() && m.captured(1).startsWith(QLatin1String("Qsci/")))
                broken << relative + QStringLiteral(": ") + m.captured(1);
        }
    }
};

QTEST_GUILESS_MAIN(TestLayering)
#include "tst_layering.moc"
