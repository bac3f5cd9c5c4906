#include "shell/DocumentTypes.h"

#include <QTest>

using namespace DocumentTypes;

Q_DECLARE_METATYPE(DocumentTypes::DocType)
Q_DECLARE_METATYPE(DocumentTypes::MenuKind)
Q_DECLARE_METATYPE(DocumentTypes::SideTab)

// Each consumer of the type table tests the patterns in its own order; containment means an
// extension can match more than one pattern, so the order decides.
class TestDocumentTypes : public QObject
{
    Q_OBJECT
private slots:
    void orders_data();
    void orders();
    void filterListsBothHtmlSpellings();
    void everyFilterExtension();
};

void TestDocumentTypes::orders_data()
{
    QTest::addColumn<QString>("ext");
    QTest::addColumn<DocType>("loading");
    QTest::addColumn<MenuKind>("menus");
    QTest::addColumn<int>("saveIndex");
    QTest::addColumn<SideTab>("tab");
    QTest::addColumn<int>("filterItem");

    auto row = [](const char *name, const char *ext, DocType loading, MenuKind menus, int saveIndex,
                  SideTab tab, int filterItem) {
        QTest::newRow(name) << QString(ext) << loading << menus << saveIndex << tab << filterItem;
    };
    const auto java = MenuKind::Java, other = MenuKind::Other;
    row("java", ".java", DocType::Java, java, 1, SideTab::Java, 0);
    row("htm", ".htm", DocType::HTML, MenuKind::HTML, 2, SideTab::HTML, 1);
    row("html", ".html", DocType::HTML, MenuKind::HTML, 2, SideTab::HTML, 1);
    row("pl", ".pl", DocType::Perl, other, 3, SideTab::General, 2);
    row("php", ".php", DocType::PHP, other, 4, SideTab::General, 3);
    row("xml", ".xml", DocType::XML, other, 5, SideTab::General, 4);
    row("css", ".css", DocType::CSS, other, 6, SideTab::General, 5);
    row("txt", ".txt", DocType::Text, other, 7, SideTab::General, 6);
    // ".perl" holds none of the patterns: a user-defined type on loading.
    row("perl", ".perl", DocType::Custom, other, 99, SideTab::General, -1);
    row("none", "", DocType::Custom, other, 99, SideTab::General, -1);
    row("custom", ".pas", DocType::Custom, other, 99, SideTab::General, -1);
    // ".phtml" contains ".htm" (HTML everywhere) and not ".php".
    row("phtml", ".phtml", DocType::Custom, other, 99, SideTab::General, -1);
    // A caption-like text with two patterns: each order picks its own first match.
    row("css.pl", ".css.pl", DocType::CSS, other, 6, SideTab::General, 2);
    row("xml.php", "a.xml.php", DocType::XML, other, 5, SideTab::General, 3);
    row("htm.java", ".htm.java", DocType::Java, java, 1, SideTab::HTML, 1);
}

void TestDocumentTypes::orders()
{
    QFETCH(QString, ext);
    QFETCH(DocType, loading);
    QFETCH(MenuKind, menus);
    QFETCH(int, saveIndex);
    QFETCH(SideTab, tab);
    QFETCH(int, filterItem);

    QCOMPARE(typeForLoading(ext), loading);
    QCOMPARE(menuKindFor(ext), menus);
    QCOMPARE(saveFilterIndexFor(ext, 99), saveIndex);
    const TabChoice choice = sideTabFor(ext);
    QCOMPARE(choice.tab, tab);
    QCOMPARE(choice.filterItem, filterItem);
}

void TestDocumentTypes::filterListsBothHtmlSpellings()
{
    const QList<FileFilterEntry> filter = builtInFilter();
    QCOMPARE(filter.size(), 7);
    QCOMPARE(filter.at(1).description, QStringLiteral("HTML (*.htm;*.html)"));
    QVERIFY(filter.at(1).masks.contains(QStringLiteral("*.html")));
    QVERIFY(FileDialogs::toQtFilter(filter).contains(QStringLiteral("*.html")));
}

// Every extension the file filter offers is decided once, the same for loading, the colours
// and the explorer's mask.
void TestDocumentTypes::everyFilterExtension()
{
    const struct {
        const char *ext;
        DocType loading;
        const char *colourFile;
        const char *explorerMask;
    } decided[] = {
        {".java", DocType::Java, "Java", "*.java"},
        {".htm", DocType::HTML, "HTML", "*.htm"},
        {".html", DocType::HTML, "HTML", "*.htm"},
        {".pl", DocType::Perl, "PERL", "*.pl"},
        // ".perl" is offered with Perl and coloured as Perl, but holds no loading pattern.
        {".perl", DocType::Custom, "PERL", "*.perl"},
        {".php", DocType::PHP, "PHP", "*.php"},
        {".xml", DocType::XML, "XML", "*.xml"},
        {".css", DocType::CSS, "CSS", "*.css"},
        {".txt", DocType::Text, "", "*.txt"},
    };
    QStringList offered;
    for (const FileFilterEntry &entry : builtInFilter())
        for (const QString &mask : entry.masks)
            offered << mask.mid(1);
    QStringList tested;
    for (const auto &row : decided) {
        const QString ext = QLatin1String(row.ext);
        tested << ext;
        QCOMPARE(typeForLoading(ext), row.loading);
        QCOMPARE(colourFileFor(QStringLiteral("name") + ext), QLatin1String(row.colourFile));
        QCOMPARE(explorerMaskFor(ext), QLatin1String(row.explorerMask));
        QCOMPARE(isPlainText(QStringLiteral("name") + ext), row.loading == DocType::Text);
        QCOMPARE(isHtml(ext), row.loading == DocType::HTML);
    }
    QCOMPARE(offered, tested);
}

QTEST_GUILESS_MAIN(TestDocumentTypes)
#include "tst_documenttypes.moc"
