// The data the build puts beside the executable (QMEDITOR_DATA): the generated colour and
// member files and the hand-written templates. Only the layout and the generated members are
// checked, not colour values, which the user may have edited in the build's program folder.

#include "TestFiles.h"
#include "editor/highlighting/Highlighter.h"
#include "platform/IniFile.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

QString dataFolder()
{
    return qEnvironmentVariable("QMEDITOR_DATA") + u'/';
}

// The lines of a file whose every line must end in CR LF.
QStringList crlfLines(const QString &relative)
{
    const QByteArray bytes = TestFiles::read(dataFolder() + relative);
    if (bytes.isEmpty() || !bytes.endsWith("\r\n") || bytes.count("\r\n") != bytes.count('\n'))
        return {};
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

bool javapInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("javap")).isEmpty()
        || !QStandardPaths::findExecutable(
                QStringLiteral("javap"), {QStringLiteral("/usr/lib/jvm/java-17-openjdk-amd64/bin")})
                .isEmpty();
}

} // namespace

class TestShippedData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(!qEnvironmentVariable("QMEDITOR_DATA").isEmpty()); }

    void memberLinesAsTheListShowsThem_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("line");
        const char *const rows[][3] = {
            {"static method", "String", "public static String valueOf(int i)"},
            {"constant", "Math", "public static final double PI"},
            {"varargs", "PrintStream", "public PrintStream printf(String format, Object... args)"},
            {"erased element", "Vector", "public Object elementAt(int index)"},
            {"own member", "JButton", "public boolean isDefaultButton()"},
            {"from AbstractButton", "JButton", "public void setText(String text)"},
            {"from JComponent", "JButton", "public void setVisible(boolean aFlag)"},
            {"from Component", "JButton", "public String getName()"},
            {"Object's own", "Object", "public final void wait()"}};
        for (const auto &r : rows)
            QTest::newRow(r[0]) << QString(r[1]) << QString(r[2]);
    }
    void memberLinesAsTheListShowsThem()
    {
        if (!javapInstalled())
            QSKIP("no JDK: the build makes no member files");
        QFETCH(QString, file);
        QFETCH(QString, line);
        const QStringList lines = crlfLines(QStringLiteral("completion/") + file + ".cmp");
        QVERIFY2(lines.contains(line), qPrintable(file + ": " + line));
    }

    void everyListedClassHasAFile()
    {
        if (!javapInstalled())
            QSKIP("no JDK: the build makes no member files");
        const QStringList toc = crlfLines(QStringLiteral("completion/toc.cmp"));
        // Every type the Java snippets and the class wizard name, and a few more.
        for (const char *name :
             {"System",  "JPanel",    "JButton", "JCheckBox", "JRadioButton", "JTextField",
              "JLabel",  "JList",     "Font",    "String",    "Container",    "Color",
              "Integer", "Boolean",   "Long",    "Thread",    "Object",       "Math",
              "Vector",  "ArrayList", "HashMap", "Applet",    "Graphics"})
            QVERIFY2(toc.contains(QLatin1String(name)), name);
        QVERIFY(toc.size() >= 30);

        const QRegularExpression foreign(QStringLiteral(";|<|>|\\bjava\\.|\\$| throws |"
                                                        "\\bnative\\b|\\bsynchronized\\b"));
        for (const QString &name : toc) {
            const QStringList lines = crlfLines(QStringLiteral("completion/") + name + ".cmp");
            QVERIFY2(!lines.isEmpty(), qPrintable(name + ".cmp is missing or not CR LF"));
            const QRegularExpression constructor(QStringLiteral("^public ") + name + "\\(");
            QStringList seen;
            for (const QString &line : lines) {
                QVERIFY2(!foreign.match(line).hasMatch(), qPrintable(name + ": " + line));
                QVERIFY2(!constructor.match(line).hasMatch(), qPrintable(name + ": " + line));
                QVERIFY2(!seen.contains(line), qPrintable(name + " twice: " + line));
                seen.append(line);
            }
            if (name != QLatin1String("Object"))
                QVERIFY2(!lines.contains(QStringLiteral("public final void wait()")),
                         qPrintable(name + " lists Object's members"));
        }
    }

    // The templates: "%" + keyword, the code, "#"; one caret mark each; nothing in the code a
    // reader would take for a header or an end.
    void templates()
    {
        const QStringList lines = crlfLines(QStringLiteral("completion/auto.cmp"));
        QVERIFY(!lines.isEmpty());
        QStringList keywords;
        int carets = 0;
        bool inRecord = false;
        for (const QString &line : lines) {
            if (line.startsWith(u'%')) {
                QVERIFY2(!inRecord, qPrintable(line));
                keywords.append(line.mid(1));
                inRecord = true;
                carets = 0;
            } else if (line == QLatin1String("#")) {
                QVERIFY(inRecord);
                QVERIFY2(carets == 1, qPrintable(keywords.last()));
                inRecord = false;
            } else {
                QVERIFY2(inRecord, qPrintable(line));
                QVERIFY2(!line.contains(u'%') && !line.contains(u'#'), qPrintable(line));
                carets += line.count(u'|');
            }
        }
        QVERIFY(!inRecord);
        QCOMPARE(keywords,
                 (QStringList {"for", "while", "if", "switch", "try", "main", "println"}));
    }

    void languageColourFiles()
    {
        const QList<QPair<const char *, Highlighter::Kind>> files {
            {"Java", Highlighter::Java}, {"HTML", Highlighter::HTML}, {"CSS", Highlighter::CSS},
            {"PERL", Highlighter::Perl}, {"PHP", Highlighter::PHP},   {"XML", Highlighter::XML}};
        for (const auto &[language, kind] : files) {
            const IniFile ini(dataFolder() + QStringLiteral("colors/lang/") + language + ".ini");
            for (const QString &name : Highlighter(kind).attributeNames())
                QVERIFY2(ini.valueExists(name, QStringLiteral("Foreground")),
                         qPrintable(language + (u'/' + name)));
        }
    }

    // The program takes no lock files, and the build ships none (nor keeps the ones an older
    // build put there).
    void noLockFiles()
    {
        QDirIterator it(dataFolder(), {QStringLiteral("*.lock")},
                        QDir::AllEntries | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        QStringList found;
        while (it.hasNext())
            found << it.next();
        QCOMPARE(found, QStringList());
    }

    void presetsListedWithTheirFiles()
    {
        const QStringList presets = crlfLines(QStringLiteral("colors/toc.col"));
        QVERIFY(presets.size() >= 3);
        for (const QString &name : presets)
            QVERIFY2(QFile::exists(dataFolder() + QStringLiteral("colors/") + name + ".ini"),
                     qPrintable(name));
    }
};

QTEST_MAIN(TestShippedData)
#include "tst_ShippedData.moc"
