// Shortcut texts as the settings file holds them, and the table of the 89 menu commands.
#include "settings/shortcuts/ShortcutTable.h"
#include "settings/shortcuts/ShortcutText.h"

#include <QSet>
#include <QTest>

class TestShortcutText : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void everyDefaultNamesItsKey();
    void taken_data();
    void taken();
    void tableRows();
};

namespace {

QKeySequence key(const char *portable)
{
    return QKeySequence(QLatin1String(portable), QKeySequence::PortableText);
}

} // namespace

void TestShortcutText::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("expected");
    const QKeySequence none;

    // The forms the settings file uses.
    QTest::newRow("Ctrl+L") << "Ctrl+L" << key("Ctrl+L");
    QTest::newRow("Shift+Ctrl+P") << "Shift+Ctrl+P" << key("Ctrl+Shift+P");
    QTest::newRow("Ctrl+Shift+P") << "Ctrl+Shift+P" << key("Ctrl+Shift+P");
    QTest::newRow("Alt+F1") << "Alt+F1" << key("Alt+F1");
    QTest::newRow("F12") << "F12" << key("F12");
    QTest::newRow("all three") << "Alt+Shift+Ctrl+Del" << key("Ctrl+Alt+Shift+Del");
    QTest::newRow("no prefix letter") << "A" << key("A");
    QTest::newRow("digit") << "Ctrl+7" << key("Ctrl+7");
    // Case and blanks.
    QTest::newRow("lower case") << "ctrl+q" << key("Ctrl+Q");
    QTest::newRow("mixed case") << "sHiFt+cTrL+pGdN" << key("Ctrl+Shift+PgDown");
    QTest::newRow("blanks around") << "  Ctrl+Q  " << key("Ctrl+Q");
    QTest::newRow("tab and line break around") << "\tF3\r\n" << key("F3");
    QTest::newRow("blank after prefix") << "Ctrl+ L" << none;
    QTest::newRow("blanks inside") << "Ctrl + L" << none;
    // "^" for Ctrl.
    QTest::newRow("^Q") << "^Q" << key("Ctrl+Q");
    QTest::newRow("Shift+^Z") << "Shift+^Z" << key("Ctrl+Shift+Z");
    QTest::newRow("^ alone") << "^" << none;
    // Every key name of the list.
    QTest::newRow("BkSp") << "BkSp" << key("Backspace");
    QTest::newRow("Tab") << "Ctrl+Tab" << key("Ctrl+Tab");
    QTest::newRow("Esc") << "Esc" << key("Esc");
    QTest::newRow("Enter") << "Alt+Enter" << key("Alt+Return");
    QTest::newRow("Space") << "Ctrl+Space" << key("Ctrl+Space");
    QTest::newRow("PgUp") << "PgUp" << key("PgUp");
    QTest::newRow("PgDn") << "pgdn" << key("PgDown");
    QTest::newRow("End") << "End" << key("End");
    QTest::newRow("Home") << "Home" << key("Home");
    QTest::newRow("Left") << "Left" << key("Left");
    QTest::newRow("Up") << "UP" << key("Up");
    QTest::newRow("Right") << "Right" << key("Right");
    QTest::newRow("Down") << "Down" << key("Down");
    QTest::newRow("Ins") << "Ins" << key("Ins");
    QTest::newRow("Del") << "Shift+Del" << key("Shift+Del");
    QTest::newRow("F1") << "f1" << key("F1");
    QTest::newRow("F24") << "F24" << key("F24");
    // Unknown names and junk.
    QTest::newRow("empty") << "" << none;
    QTest::newRow("blank") << "   " << none;
    QTest::newRow("prefix alone") << "Ctrl+" << none;
    QTest::newRow("prefixes alone") << "Shift+Alt+" << none;
    QTest::newRow("unknown name") << "Ctrl+Foo" << none;
    QTest::newRow("two letters") << "Ctrl+LL" << none;
    QTest::newRow("prefix after key") << "L+Ctrl" << none;
    QTest::newRow("Qt's name Return") << "Return" << none;
    QTest::newRow("Qt's name PgDown") << "PgDown" << none;
    QTest::newRow("Qt's name Escape") << "Escape" << none;
    QTest::newRow("Meta") << "Meta+L" << none;
    QTest::newRow("dash") << "Ctrl-L" << none;
    QTest::newRow("plus") << "Ctrl++" << none;
    QTest::newRow("F0") << "F0" << none;
    QTest::newRow("F25") << "F25" << none;
    QTest::newRow("F01") << "F01" << none;
    QTest::newRow("F1x") << "F1x" << none;
    QTest::newRow("letter beyond ASCII") << QString::fromUtf8("Ctrl+\xC3\x84") << none;
    QTest::newRow("digit beyond ASCII") << QString::fromUtf8("Ctrl+\xD9\xA1") << none;
    QTest::newRow("F with other digits") << QString::fromUtf8("F\xD9\xA1") << none;
    QTest::newRow("control character") << QString(QChar(0x01)) << none;
    // Only ASCII letters match without regard to case: dotless i, long s, Kelvin sign.
    QTest::newRow("dotless i") << QString::fromUtf8("Ctrl+\xC4\xB1") << none;
    QTest::newRow("long s") << QString::fromUtf8("\xC5\xBFhift+\xC5\xBFpace") << none;
    QTest::newRow("long s in a name") << QString::fromUtf8("Ctrl+\xC5\xBFpace") << none;
    QTest::newRow("Kelvin sign") << QString::fromUtf8("B\xE2\x84\xAASp") << none;
}

void TestShortcutText::parse()
{
    QFETCH(QString, text);
    QFETCH(QKeySequence, expected);
    QCOMPARE(ShortcutText::parse(text), expected);
}

void TestShortcutText::everyDefaultNamesItsKey()
{
    // The menu commands' own keys, as a user finds them on a first start.
    const QHash<int, const char *> defaults {
        {2, "Ctrl+L"},  {3, "Ctrl+J"},        {5, "Ctrl+H"},        {6, "Alt+X"},
        {10, "Alt+Z"},  {11, "Ctrl+Shift+P"}, {13, "Ctrl+O"},       {14, "Ctrl+Q"},
        {15, "Ctrl+S"}, {16, "Ctrl+Shift+S"}, {18, "Ctrl+Z"},       {19, "Ctrl+Shift+Z"},
        {20, "Ctrl+V"}, {21, "Ctrl+X"},       {22, "Ctrl+A"},       {24, "Ctrl+C"},
        {29, "F2"},     {31, "Ctrl+M"},       {32, "Ctrl+B"},       {43, "Ctrl+F"},
        {44, "F3"},     {45, "Ctrl+R"},       {46, "Ctrl+Shift+R"}, {47, "Ctrl+N"},
        {48, "Ctrl+P"}, {50, "F4"},           {51, "Alt+F1"},       {52, "F7"},
        {53, "F10"},    {55, "F11"},          {60, "F12"},          {61, "F8"},
        {62, "F9"},     {63, "Ctrl+W"},       {64, "Ctrl+E"},       {86, "F5"},
        {87, "F6"},     {88, "Ctrl+G"}};
    QSet<QKeySequence> seen;
    for (const ShortcutRow &row : ShortcutTable) {
        const QKeySequence parsed = ShortcutText::parse(QLatin1String(row.defaultText));
        const QKeySequence expected =
            defaults.contains(row.index) ? key(defaults.value(row.index)) : QKeySequence();
        QVERIFY2(parsed == expected, row.menuItem);
        QVERIFY2(parsed.isEmpty() || !seen.contains(parsed), row.menuItem);
        seen.insert(parsed);
    }
}

void TestShortcutText::taken_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("taken");

    const QStringList rows {"Ctrl+Q", "Shift+Ctrl+P", "", "Ctrl+Foo", "  F3  "};
    QTest::newRow("same text") << rows << "Ctrl+Q" << true;
    QTest::newRow("other case, blanks") << rows << "  ctrl+q  " << true;
    QTest::newRow("^ for Ctrl") << rows << "^Q" << true;
    QTest::newRow("prefixes in other order") << rows << "Ctrl+Shift+P" << true;
    QTest::newRow("a row with blanks") << rows << "f3" << true;
    QTest::newRow("free key") << rows << "Ctrl+K" << false;
    QTest::newRow("same letter, other prefixes") << rows << "Alt+Q" << false;
    QTest::newRow("empty is never taken") << rows << "" << false;
    QTest::newRow("junk twice is no key") << rows << "Ctrl+Foo" << false;
    QTest::newRow("no rows") << QStringList() << "Ctrl+Q" << false;
}

void TestShortcutText::taken()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, text);
    QFETCH(bool, taken);
    QCOMPARE(ShortcutText::isTaken(texts, text), taken);
}

void TestShortcutText::tableRows()
{
    QCOMPARE(int(ShortcutTable.size()), 89);
    QSet<QString> items;
    for (int i = 0; i < int(ShortcutTable.size()); ++i) {
        QCOMPARE(ShortcutTable[i].index, i);
        items.insert(QLatin1String(ShortcutTable[i].menuItem));
    }
    QCOMPARE(items.size(), 89);
    // Some rows as users know them, spelling and blanks included.
    const struct {
        int index;
        const char *item;
        const char *text;
    } rows[] = {
        {0, "Close1", "File: Close"},
        {26, "Uncomment1", "Edit: Uncommet (java only)"},
        {32, "Linebreakbr1", "Insert (html code): Linebreal <br>"},
        {63, "Classwizard1", "Tools (java): Class wizzard"},
        {64, "Expressionbuilder1", "Tools: (java) Expression builder"},
        {69, "Button3", "Tools (html): Button code generator"},
        {81, "TileHorizontally1", "Window: Devide horrisontally"},
        {82, "Showdospromt1", "Window: Dos promt"},
        {83, "WindowsExplorer1", "Window: Windows explorer "},
        {88, "Viewpageinbrowser1", "Window: View in browser (html documents only)"},
    };
    for (const auto &r : rows) {
        QCOMPARE(QLatin1String(ShortcutTable[r.index].menuItem), QLatin1String(r.item));
        QCOMPARE(QLatin1String(ShortcutTable[r.index].listText), QLatin1String(r.text));
    }
}

QTEST_GUILESS_MAIN(TestShortcutText)
#include "tst_shortcuttext.moc"
