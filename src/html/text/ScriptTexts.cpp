#include "html/text/ScriptTexts.h"

#include "html/text/CopyToProjectFolder.h"
#include "platform/DelphiStrings.h"

namespace ScriptTexts {

namespace {

const QChar Break = QLatin1Char('\r');

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

// The first line as it stands, every later non-empty line after indent.
QString caretBlock(const QStringList &lines, const QString &indent)
{
    QString text;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += Break;
            if (!lines.at(i).isEmpty())
                text += indent;
        }
        text += lines.at(i);
    }
    return text;
}

QString headBlock(const QStringList &lines)
{
    return lines.join(Break);
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

QString date(const QString &indent)
{
    return caretBlock(
        {QStringLiteral("<script language=\"Javascript\">"), QStringLiteral("  <!--"),
         QStringLiteral(
             "  Month = Array(\"January\", \"February\", \"March\", \"April\", \"May\","),
         blanks(18) + QStringLiteral("\"June\", \"July\", \"August\", \"September\", \"October\","),
         blanks(18) + QStringLiteral("\"November\", \"December\")"), QString(),
         QStringLiteral("  Date = new Date()"), QStringLiteral("  Number = Date.getMonth()"),
         QStringLiteral("  document.write(Date.getDate()+"),
         blanks(17) + QStringLiteral("\" \"+Month[Number]+"),
         blanks(17) + QStringLiteral("\" \"+Date.getFullYear())"), QStringLiteral("  -->"),
         QStringLiteral("</script>")},
        indent);
}

QString lastModified(const QString &indent)
{
    return caretBlock(
        {QStringLiteral("<script language=\"Javascript\">"), QStringLiteral("  <!--"),
         QStringLiteral("    Month = Array(\"January\", \"February\","),
         blanks(18) + QStringLiteral("\"March\", \"April\", \"May\","),
         blanks(18) + QStringLiteral("\"June\", \"July\", \"August\", \"September\", "),
         blanks(18) + QStringLiteral("\"October\",\"November\", \"December\")"),
         QStringLiteral("    lastmod = document.lastModified"),
         QStringLiteral("    TheDate = new Date(lastmod);"),
         QStringLiteral("    Number = TheDate.getMonth()"),
         QStringLiteral("    document.write(\"Last modified: \"+TheDate.getDate()+\" \"+"),
         blanks(19) + QStringLiteral("Month[Number]+\" \"+TheDate.getFullYear()+\" \"+"),
         blanks(19)
             + QStringLiteral(
                 "TheDate.getHours()+\":\"+TheDate.getMinutes()+\":\"+TheDate.getSeconds())"),
         QStringLiteral("  -->"), QStringLiteral("</script>")},
        indent);
}

QString textfieldClockForm(const QString &indent)
{
    return caretBlock({QStringLiteral("<form name=\"TimeForm\">"),
                       QStringLiteral("  <input type=text name=\"TheTime\" size=\"8\"><p>"),
                       QStringLiteral("</form>")},
                      indent);
}

namespace {

Clock clock(const QString &name, const QString &show)
{
    const QString call = name + QStringLiteral("()");
    return {QStringLiteral("function ") + call,
            QStringLiteral(" onLoad=\"") + call + QLatin1Char('"'),
            headBlock({QStringLiteral("<SCRIPT LANGUAGE=\"JavaScript\">"), QStringLiteral("<!--"),
                       QStringLiteral("function ") + call + QStringLiteral(" {"),
                       QStringLiteral("Now1 = new Date"),
                       show
                           + QStringLiteral(" = Now1.getHours() + \":\" + Now1.getMinutes() + "
                                            "\":\" + Now1.getSeconds()"),
                       QStringLiteral("setTimeout(\"") + call + QStringLiteral("\",1000)"),
                       QStringLiteral("}"), QStringLiteral("// End -->"),
                       QStringLiteral("</script>")})};
}

} // namespace

Clock textfieldClock()
{
    return clock(QStringLiteral("TimeTextfield"),
                 QStringLiteral("document.TimeForm.TheTime.value"));
}

Clock statuslineClock()
{
    return clock(QStringLiteral("TimeStatusline"), QStringLiteral("status"));
}

QString pagePath(const ProjectSettings &project, const QString &name)
{
    return project.projectFolder.isEmpty() ? name : CopyToProjectFolder::imagePath(project, name);
}

QString randomImages(const QStringList &paths, bool ordinary, const QString &indent)
{
    QStringList array;
    array.reserve(paths.size());
    for (const QString &path : paths)
        array.append(quoted(path));
    const QString write = ordinary
        ? QStringLiteral("  document.writeln('<IMG SRC=\"'+images[randomImgNr]+'\">')")
        : QStringLiteral("  document.writeln('<body background=\"'+images[randomImgNr]+'\">')");
    return caretBlock(
        {QStringLiteral("<SCRIPT language=\"javascript\">"),
         QStringLiteral("  images=new Array(") + array.join(QLatin1Char(',')) + QLatin1Char(')'),
         QStringLiteral("  var randomImgNr=Math.floor(Math.random()*images.length)"), write,
         QStringLiteral("</SCRIPT>")},
        indent);
}

QString linkMenuHeader()
{
    return QStringLiteral("function showThePage");
}

QString linkMenuNumber(const QString &pageText)
{
    const qsizetype function = pageText.indexOf(linkMenuHeader());
    if (function < 0)
        return {};
    const QString field = QStringLiteral("form.listID");
    const qsizetype at = pageText.indexOf(field, function);
    if (at < 0)
        return {};
    qsizetype end = at + field.size();
    while (end < pageText.size() && pageText.at(end) >= QLatin1Char('0')
           && pageText.at(end) <= QLatin1Char('9'))
        ++end;
    return pageText.mid(at + field.size(), end - at - field.size());
}

QString linkMenu(const QList<QStringList> &entries, const QString &number, const QString &indent)
{
    QStringList lines {QStringLiteral("<form>"),
                       QStringLiteral("  <select name=\"listID") + number
                           + QStringLiteral("\" onchange=\"showThePage(this.form);\">"),
                       QStringLiteral("     <option value=\"x\">Select")};
    for (const QStringList &entry : entries) {
        const QString value = entry.value(0);
        const QString link = Delphi::trim(entry.value(1));
        lines.append(QStringLiteral("     <option value=\"") + link + QStringLiteral("\">")
                     + value);
    }
    lines << QStringLiteral("  </select>") << QStringLiteral("</form>");
    return caretBlock(lines, indent);
}

QString linkMenuFunction(const QString &number)
{
    return headBlock(
        {QStringLiteral("<Script LANGUAGE=\"JavaScript\">"),
         QStringLiteral(" function showThePage(form) {"),
         QStringLiteral("   var item = form.listID") + number + QStringLiteral(".selectedIndex;"),
         QStringLiteral("   choice = form.listID") + number
             + QStringLiteral(".options[item].value;"),
         QStringLiteral("   if (choice!=\"x\")"),
         QStringLiteral("     top.location.href=\"http://\"+(choice);"), QStringLiteral(" };"),
         QStringLiteral("</script>")});
}

QString rollover(const RolloverFields &f, const QString &indent)
{
    return caretBlock(
        {QStringLiteral("<a href=\"") + f.link + QStringLiteral("\" onMouseOver=\"ShowStatusMSG('")
             + f.message + QStringLiteral("');TheRollover(") + f.name
             + QStringLiteral(");return true\" onMouseOut=\"TheRollover(") + f.name
             + QStringLiteral(");ShowStatusMSG(' ');return true\">"),
         QStringLiteral("  <img border=0 name=\"") + f.name + QStringLiteral("\" lowsrc=\"")
             + f.rollover + QStringLiteral("\" src=\"") + f.original + QStringLiteral("\">"),
         QStringLiteral("</a>")},
        indent);
}

QString rolloverHeader()
{
    return QStringLiteral("function TheRollover");
}

QString rolloverFunctions()
{
    return headBlock(
        {QStringLiteral("<script language=\"JavaScript\">"), QStringLiteral("<!--"),
         QStringLiteral("function TheRollover(Image) {"), QStringLiteral("if (document.images) {"),
         QStringLiteral("  Temp = Image.src;"), QStringLiteral("  Image.src = Image.lowsrc;"),
         QStringLiteral("  Image.lowsrc = Temp;"), QStringLiteral("}"), QStringLiteral("}"),
         QString(), QStringLiteral("function ShowStatusMSG(TheStatusMSG) {"),
         QStringLiteral("  status=TheStatusMSG;"), QStringLiteral("}"), QStringLiteral("-->"),
         QStringLiteral("</script>")});
}

QString browserInformation(const QList<BrowserProperty> &chosen, const QString &indent)
{
    static const struct {
        const char *label;
        const char *property;
    } rows[BrowserPropertyCount] = {
        {"Browser type: ", "appName"},
        {"Browser version: ", "appVersion"},
        {"Program code name: ", "appCodeName"},
        {"Platform: ", "platform"},
        {"Language: ", "language"},
    };
    QStringList lines;
    for (int p = 0; p < BrowserPropertyCount; ++p) {
        if (!chosen.contains(BrowserProperty(p)))
            continue;
        lines.append(QStringLiteral("    document.write(\"") + QLatin1String(rows[p].label)
                     + QStringLiteral("\"+window.navigator.") + QLatin1String(rows[p].property)
                     + QStringLiteral("+\"<br>\");"));
    }
    if (lines.isEmpty())
        return {};
    return caretBlock(QStringList {QStringLiteral("<script>"), QStringLiteral("  <!--")} + lines
                          + QStringList {QStringLiteral("  -->"), QStringLiteral("</script>")},
                      indent);
}

} // namespace ScriptTexts
