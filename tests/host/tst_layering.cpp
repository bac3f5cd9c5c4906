#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

// The include rules of the source tree, by path. Every folder under src/ belongs to one unit:
// a layer, the shell (the main window), or a feature. Dependencies point down:
//   platform < editor, settings/store < host < analysis/javasource < features < app
// A feature sees the layers and its own folder, never the shell, the root or another feature.
// shell/ sees the layers and its own commands; its other subfolders are features. app/ sees
// everything. QScintilla is seen only inside src/editor.
namespace {

const QStringList layers {"platform", "editor", "settings/store", "host", "analysis/javasource"};
// Subfolders that are units of their own; any other folder belongs to its top-level folder.
const QStringList subUnits {"settings/store", "analysis/javasource", "shell/commands",
                            "shell/explorer", "shell/printing",      "shell/help",
                            "shell/tools"};

QString unitOf(const QString &relativePath)
{
    for (const QString &unit : subUnits)
        if (relativePath.startsWith(unit + u'/'))
            return unit;
    return relativePath.section(u'/', 0, 0);
}

// What a unit may include, by the unit of the included file.
bool mayInclude(const QString &from, const QString &to)
{
    if (from == QLatin1String("app") || from == to)
        return true;
    const qsizetype fromLayer = layers.indexOf(from);
    const qsizetype toLayer = layers.indexOf(to);
    if (fromLayer >= 0) {
        if (toLayer < 0 || toLayer > fromLayer)
            return false;
        // editor and the settings store stand side by side.
        return !(from == QLatin1String("settings/store") && to == QLatin1String("editor"));
    }
    if (toLayer >= 0)
        return true;
    // The main window uses its own commands; nothing else above the layers is shared.
    return from == QLatin1String("shell") && to == QLatin1String("shell/commands");
}

// Why one include line of a file breaks the rules; empty when it does not.
QString violation(const QString &file, const QString &line)
{
    static const QRegularExpression include(
        QStringLiteral("^\\s*#\\s*include\\s*([\"<])([^\">]+)[\">]"));
    const QRegularExpressionMatch m = include.match(line);
    if (!m.hasMatch())
        return {};
    const QString target = m.captured(2);
    const QString from = unitOf(file);
    if (target.startsWith(QLatin1String("Qsci/")))
        return from == QLatin1String("editor") ? QString() : QStringLiteral("QScintilla");
    if (m.captured(1) == QLatin1String("<"))
        return {};
    if (target.startsWith(QLatin1String("../")))
        return QStringLiteral("relative path");
    if (!target.contains(u'/'))
        return target.endsWith(QLatin1String(".moc")) || target.startsWith(QLatin1String("moc_"))
            ? QString()
            : QStringLiteral("path not from src/");
    const QString to = unitOf(target);
    return mayInclude(from, to) ? QString() : from + QStringLiteral(" may not include ") + to;
}

} // namespace

class TestLayering : public QObject
{
    Q_OBJECT
private slots:
    void rules_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("allowed");
        const auto row = [](const char *name, const char *file, const char *line, bool allowed) {
            QTest::newRow(name) << QString::fromLatin1(file) << QString::fromLatin1(line)
                                << allowed;
        };
        row("layer down", "host/FeatureHost.h", "#include \"editor/EditorAdapter.h\"", true);
        row("layer up", "editor/EditorAdapter.cpp", "#include \"host/HostDocument.h\"", false);
        row("editor beside store", "editor/X.cpp", "#include \"settings/store/AppSettings.h\"",
            false);
        row("store sees no options", "settings/store/AppSettings.cpp",
            "#include \"settings/options/OptionsFeature.h\"", false);
        row("feature sees store", "java/run/RunJava.cpp",
            "#include \"settings/store/AppSettings.h\"", true);
        row("feature sees scanner", "completion/X.cpp",
            "#include \"analysis/javasource/JavaScanner.h\"", true);
        row("feature own subfolder", "html/wizards/TableWizard.cpp",
            "#include \"html/widgets/WizardDialog.h\"", true);
        row("feature to feature", "html/wizards/X.cpp", "#include \"java/run/RunJava.h\"", false);
        row("feature to settings feature", "completion/X.cpp",
            "#include \"settings/files/CompletionFiles.h\"", false);
        row("scanner to analysis feature", "analysis/javasource/JavaScanner.cpp",
            "#include \"analysis/QuickFind.h\"", false);
        row("feature to shell", "shell/printing/PrintCommands.cpp", "#include \"shell/Main.h\"",
            false);
        row("shell feature to shell feature", "shell/explorer/X.cpp",
            "#include \"shell/help/AboutFrm.h\"", false);
        row("shell to its commands", "shell/MainEditCommands.cpp",
            "#include \"shell/commands/BlockCommands.h\"", true);
        row("shell to a shell feature", "shell/Main.cpp",
            "#include \"shell/explorer/ExplorerPanel.h\"", false);
        row("shell to a feature", "shell/MainFiles.cpp",
            "#include \"settings/languages/LanguageFilter.h\"", false);
        row("shell to the root", "shell/Main.cpp", "#include \"app/Features.h\"", false);
        row("commands to shell", "shell/commands/X.cpp", "#include \"shell/Main.h\"", false);
        row("root sees all", "app/Features.cpp", "#include \"shell/Main.h\"", true);
        row("new feature folder", "newfeature/X.cpp", "#include \"html/text/StripHtml.h\"", false);
        row("scintilla in editor", "editor/EditorAdapter.cpp", "#include <Qsci/qsciscintilla.h>",
            true);
        row("scintilla outside", "shell/EditFrmUnit.cpp", "#include <Qsci/qsciscintilla.h>", false);
        row("relative", "html/X.cpp", "#include \"../shell/Main.h\"", false);
        row("bare name", "html/X.cpp", "#include \"X.h\"", false);
        row("moc", "html/X.cpp", "#include \"moc_X.cpp\"", true);
        row("library", "html/X.cpp", "#include <QWidget>", true);
    }
    void rules()
    {
        QFETCH(QString, file);
        QFETCH(QString, line);
        QFETCH(bool, allowed);
        QCOMPARE(violation(file, line).isEmpty(), allowed);
    }

    // Every file of the tree, every folder included.
    void tree()
    {
        const QString root =
            QString::fromLocal8Bit(qgetenv("QMEDITOR_SOURCE")) + QStringLiteral("/src");
        QVERIFY2(QFile::exists(root), "QMEDITOR_SOURCE names the source tree");

        QStringList broken;
        QSet<QString> units;
        QDirIterator it(root, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString relative = path.mid(root.size() + 1);
            units.insert(unitOf(relative));
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            for (const QString &line : QString::fromUtf8(f.readAll()).split(u'\n')) {
                const QString why = violation(relative, line);
                if (!why.isEmpty())
                    broken << relative + QStringLiteral(": ") + line.trimmed() + " (" + why + ")";
            }
        }
        for (const char *unit : {"platform", "editor", "settings/store", "host",
                                 "analysis/javasource", "shell", "shell/commands", "app"})
            QVERIFY2(units.contains(QLatin1String(unit)), unit);
        for (const QString &line : std::as_const(broken))
            qWarning().noquote() << line;
        QVERIFY2(broken.isEmpty(), "includes that break the rules are listed above");
    }
};

QTEST_GUILESS_MAIN(TestLayering)
#include "tst_layering.moc"
