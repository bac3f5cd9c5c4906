#include "ColorFiles.h"
#include "TestFiles.h"
#include "editor/highlighting/Highlighter.h"
#include "platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

const TColor sentinelFg(0x00FF00);
const TColor sentinelBg(0xFFFF00);

// Every attribute painted with colours no file of ours uses, so a load that misses one shows.
void paintSentinels(Highlighter &h)
{
    for (int i = 0; i < h.attributeCount(); ++i)
        h.setAttribute(i, sentinelFg, sentinelBg, 15);
}

double luminance(const QColor &c)
{
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

const Highlighter::Kind allKinds[] = {Highlighter::Java,   Highlighter::HTML, Highlighter::CSS,
                                      Highlighter::Perl,   Highlighter::PHP,  Highlighter::XML,
                                      Highlighter::General};

} // namespace

class TestColorFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString colors() const { return m_dir.path() + QStringLiteral("/colors/"); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QString error;
        QVERIFY2(ColorFiles::writeLanguageFiles(colors(), &error), qPrintable(error));
        QVERIFY2(ColorFiles::writePresets(colors(), &error), qPrintable(error));
    }

    void languageFilesHoldTheDefaults_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("kind");
        QTest::newRow("Java") << "lang/Java.ini" << int(Highlighter::Java);
        QTest::newRow("HTML") << "lang/HTML.ini" << int(Highlighter::HTML);
        QTest::newRow("CSS") << "lang/CSS.ini" << int(Highlighter::CSS);
        QTest::newRow("PERL") << "lang/PERL.ini" << int(Highlighter::Perl);
        QTest::newRow("PHP") << "lang/PHP.ini" << int(Highlighter::PHP);
        QTest::newRow("XML") << "lang/XML.ini" << int(Highlighter::XML);
    }
    void languageFilesHoldTheDefaults()
    {
        QFETCH(QString, file);
        QFETCH(int, kind);
        const QString path = colors() + file;
        const QByteArray bytes = TestFiles::read(path);
        QVERIFY(!bytes.isEmpty());
        QCOMPARE(bytes.count("\r\n"), bytes.count('\n')); // every line ends in CR LF
        QVERIFY(!QFile::exists(path + QStringLiteral(".new")));

        const Highlighter defaults {Highlighter::Kind(kind)};
        Highlighter loaded {Highlighter::Kind(kind)};
        paintSentinels(loaded);
        QVERIFY(loaded.loadFromFile(path));
        const IniFile ini(path);
        QCOMPARE(ini.readSections(), defaults.attributeNames());
        for (int i = 0; i < defaults.attributeCount(); ++i) {
            const HighlighterAttribute want = defaults.attribute(i);
            const HighlighterAttribute got = loaded.attribute(i);
            QCOMPARE(ini.readSection(want.name),
                     (QStringList {"Background", "Foreground", "Style"}));
            QCOMPARE(got.foreground.value(), want.foreground.value());
            QCOMPARE(got.background.value(), want.background.value());
            QCOMPARE(got.style, want.style);
        }
    }

    void javaFileInDecimals()
    {
        // Navy italic comments on no background of their own, as the colour files store them.
        const IniFile ini(colors() + QStringLiteral("lang/Java.ini"));
        QCOMPARE(ini.readString("Comment", "Foreground", QString()), QStringLiteral("8388608"));
        QCOMPARE(ini.readString("Comment", "Background", QString()), QStringLiteral("536870911"));
        QCOMPARE(ini.readString("Comment", "Style", QString()), QStringLiteral("2"));
        QCOMPARE(ini.readString("Reserved word", "Style", QString()), QStringLiteral("1"));
    }

    void presetList()
    {
        QCOMPARE(TestFiles::read(colors() + QStringLiteral("toc.col")),
                 QByteArray("Classic\r\nNight\r\nPaper\r\n"));
    }

    // A preset is loaded into whichever tab is selected: it must set every element of every
    // highlighter, on one ground, and keep each readable on it.
    void presetsCoverEveryHighlighter_data()
    {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<bool>("ownGround"); // false: the editor's background shows through
        QTest::addColumn<bool>("dark");
        QTest::newRow("Classic") << "Classic" << false << false;
        QTest::newRow("Night") << "Night" << true << true;
        QTest::newRow("Paper") << "Paper" << true << false;
    }
    void presetsCoverEveryHighlighter()
    {
        QFETCH(QString, preset);
        QFETCH(bool, ownGround);
        QFETCH(bool, dark);
        const QString file = colors() + preset + QStringLiteral(".ini");
        QVERIFY(TestFiles::read(file).contains("\r\n"));
        for (Highlighter::Kind kind : allKinds) {
            Highlighter h(kind);
            paintSentinels(h);
            QVERIFY(h.loadFromFile(file));
            const TColor ground = h.attribute(0).background;
            QCOMPARE(ground == TColor::clNone, !ownGround);
            const QColor paper = Highlighter::paintColor(ground, Qt::white);
            QCOMPARE(luminance(paper) < 0.1, dark);
            for (int i = 0; i < h.attributeCount(); ++i) {
                const HighlighterAttribute a = h.attribute(i);
                const QByteArray where =
                    (preset + u'/' + h.languageName() + u'/' + a.name).toUtf8();
                QVERIFY2(a.foreground != sentinelFg && a.style != 15, where.constData());
                QVERIFY2(a.background == ground, where.constData());
                const double c = contrast(Highlighter::paintColor(a.foreground, Qt::black), paper);
                QVERIFY2(c >= 3.0, (where + " contrast " + QByteArray::number(c)).constData());
            }
        }
    }

    void sharedNamesComeOnce()
    {
        QStringList names = ColorFiles::sharedAttributeNames();
        QCOMPARE(names.removeDuplicates(), 0);
        for (const char *name : {"Comment", "Reserved word", "Element Name", "Variable",
                                 "Preprocessor", "Unknown word"})
            QVERIFY2(names.contains(QLatin1String(name)), name);
    }
};

QTEST_MAIN(TestColorFiles)
#include "tst_ColorFiles.moc"
