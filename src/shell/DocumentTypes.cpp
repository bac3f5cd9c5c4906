#include "shell/DocumentTypes.h"

#include "platform/DelphiStrings.h"

#include <QStringList>

namespace DocumentTypes {

namespace {

struct Pattern {
    const char *text;
    DocType type;
};

template <std::size_t N>
DocType firstMatch(const QString &ext, const Pattern (&order)[N], DocType otherwise)
{
    for (const Pattern &p : order)
        if (Delphi::contains(ext, QLatin1String(p.text)))
            return p.type;
    return otherwise;
}

QString lines(const QStringList &l)
{
    return l.join(QLatin1Char('\r'));
}

} // namespace

DocType typeForLoading(const QString &lowerExt)
{
    static const Pattern order[] = {
        {".java", DocType::Java}, {".htm", DocType::HTML}, {".css", DocType::CSS},
        {".xml", DocType::XML},   {".pl", DocType::Perl},  {".php", DocType::PHP},
        {".txt", DocType::Text},
    };
    return firstMatch(lowerExt, order, DocType::Custom);
}

MenuKind menuKindFor(const QString &lowerExt)
{
    if (Delphi::contains(lowerExt, QStringLiteral(".java")))
        return MenuKind::Java;
    if (Delphi::contains(lowerExt, QStringLiteral(".htm")))
        return MenuKind::HTML;
    return MenuKind::Other;
}

int saveFilterIndexFor(const QString &lowerExt, int lastLanguageIndex)
{
    static const struct {
        const char *pattern;
        int index;
    } order[] = {
        {".java", 1}, {".htm", 2}, {".css", 6}, {".pl", 3}, {".xml", 5}, {".php", 4}, {".txt", 7},
    };
    for (const auto &o : order)
        if (Delphi::contains(lowerExt, QLatin1String(o.pattern)))
            return o.index;
    return lastLanguageIndex;
}

TabChoice sideTabFor(const QString &lowerExt)
{
    if (Delphi::contains(lowerExt, QStringLiteral(".htm")))
        return {SideTab::HTML, 1};
    if (Delphi::contains(lowerExt, QStringLiteral(".java")))
        return {SideTab::Java, 0};
    static const struct {
        const char *pattern;
        int item;
    } order[] = {{".pl", 2}, {".php", 3}, {".xml", 4}, {".css", 5}, {".txt", 6}};
    for (const auto &o : order)
        if (Delphi::contains(lowerExt, QLatin1String(o.pattern)))
            return {SideTab::General, o.item};
    return {SideTab::General, -1};
}

QString newDocumentExtension(DocType type)
{
    switch (type) {
    case DocType::Java: return QStringLiteral(".java");
    case DocType::HTML: return QStringLiteral(".htm");
    case DocType::Perl: return QStringLiteral(".pl");
    case DocType::PHP: return QStringLiteral(".php");
    case DocType::XML: return QStringLiteral(".xml");
    case DocType::CSS: return QStringLiteral(".css");
    case DocType::Text: return QStringLiteral(".txt");
    case DocType::Custom: break;
    }
    return QString();
}

bool isHtml(const QString &lowerExt)
{
    return Delphi::contains(lowerExt, QStringLiteral(".htm"));
}

QString explorerMaskFor(const QString &lowerExt)
{
    return Delphi::contains(lowerExt, QStringLiteral(".html")) ? QStringLiteral("*.htm")
                                                               : QLatin1Char('*') + lowerExt;
}

QString colourFileFor(const QString &lowerCaption)
{
    static const struct {
        const char *pattern;
        const char *file;
    } table[] = {{".java", "Java"}, {".htm", "HTML"},  {".css", "CSS"}, {".xml", "XML"},
                 {".pl", "PERL"},   {".perl", "PERL"}, {".php", "PHP"}};
    for (const auto &row : table)
        if (Delphi::contains(lowerCaption, QLatin1String(row.pattern)))
            return QLatin1String(row.file);
    return QString();
}

bool isPlainText(const QString &lowerCaption)
{
    return Delphi::contains(lowerCaption, QStringLiteral(".txt"));
}

Template templateFor(NewDocument kind)
{
    using K = CaretRule::Kind;
    switch (kind) {
    case NewDocument::JavaApplication:
        return {lines({QString(), QStringLiteral("class Classname {"),
                       QStringLiteral("  public static void main(String args[]) {"),
                       QStringLiteral("     "), QStringLiteral("  }"), QStringLiteral("}")}),
                {K::At, 4, 6}};
    case NewDocument::JavaApplet:
        return {lines({QString(), QStringLiteral("import java.awt.*;"),
                       QStringLiteral("import javax.swing.*;"), QString(),
                       QStringLiteral("public class Applet1 extends JApplet {"),
                       QStringLiteral("  public void init() {"),
                       QStringLiteral("    Container content = getContentPane();"),
                       QStringLiteral("  }"), QStringLiteral("}")}),
                {K::At, 7, 42}};
    case NewDocument::HTML:
        return {lines({QStringLiteral("<html>"), QStringLiteral("<head>"),
                       QStringLiteral("<title>No title</title>"), QStringLiteral("</head>"),
                       QStringLiteral("<body>"), QString(), QStringLiteral("</body>"),
                       QStringLiteral("</html>")}),
                {K::At, 6, 1}};
    case NewDocument::PHP:
        return {lines({QStringLiteral("function aFunction() {"), QString(), QStringLiteral("}")}),
                {K::AboveEnd, 0, 4}};
    case NewDocument::XML:
        return {lines({QString(), QStringLiteral("<?xml version=\"1.0\"?>"),
                       QStringLiteral("<!DOCTYPE root ["), QStringLiteral("  ]>"),
                       QStringLiteral("<!-- Comment -->"), QStringLiteral("<root>"),
                       QStringLiteral("  <![CDATA[ **CDATA section** ]]>"), QString(),
                       QStringLiteral("</root>")}),
                {K::AboveEnd, 0, 3}};
    case NewDocument::CSS:
        return {lines({QStringLiteral("body"), QStringLiteral("{"),
                       QStringLiteral("  font-family: \"Arial\";"),
                       QStringLiteral("  font-size: 12pt;"), QString(), QStringLiteral("}")}),
                {K::AboveEnd, 0, 3}};
    case NewDocument::Perl: // the Perl highlighter's sample source, supplied by the caller
    case NewDocument::Text: break;
    }
    return {};
}

QList<NewDocument> allNewDocuments()
{
    return {NewDocument::JavaApplication,
            NewDocument::JavaApplet,
            NewDocument::HTML,
            NewDocument::Perl,
            NewDocument::PHP,
            NewDocument::XML,
            NewDocument::CSS,
            NewDocument::Text};
}

DocType docTypeOf(NewDocument kind)
{
    switch (kind) {
    case NewDocument::JavaApplication:
    case NewDocument::JavaApplet: return DocType::Java;
    case NewDocument::HTML: return DocType::HTML;
    case NewDocument::Perl: return DocType::Perl;
    case NewDocument::PHP: return DocType::PHP;
    case NewDocument::XML: return DocType::XML;
    case NewDocument::CSS: return DocType::CSS;
    case NewDocument::Text: return DocType::Text;
    }
    return DocType::Text;
}

QList<FileFilterEntry> builtInFilter()
{
    // HTML lists "*.html" too, so that the dialogs show both spellings; the description
    // stays as the program has always shown it.
    return {
        {QStringLiteral("Java (*.java)"), {QStringLiteral("*.java")}},
        {QStringLiteral("HTML (*.htm;*.html)"),
         {QStringLiteral("*.htm"), QStringLiteral("*.html")}},
        {QStringLiteral("Perl (*.pl;*.perl)"), {QStringLiteral("*.pl"), QStringLiteral("*.perl")}},
        {QStringLiteral("PHP (*.php)"), {QStringLiteral("*.php")}},
        {QStringLiteral("XML (*.xml)"), {QStringLiteral("*.xml")}},
        {QStringLiteral("CSS (*.css)"), {QStringLiteral("*.css")}},
        {QStringLiteral("TXT (*.txt)"), {QStringLiteral("*.txt")}},
    };
}

FileFilterEntry allFilesFilter()
{
    return {QStringLiteral("All files (*.*)"), {QStringLiteral("*.*")}};
}

} // namespace DocumentTypes
