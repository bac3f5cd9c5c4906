#include "html/text/LinkTexts.h"

#include <QStringList>

namespace LinkTexts {

QString link(const LinkFields &f)
{
    if (f.link.isEmpty())
        return QStringLiteral("<a name=\"") + f.name + QStringLiteral("\">") + f.text
            + QStringLiteral("</a>");
    QString events;
    switch (f.onClick) {
    case OnClick::Print: events += QStringLiteral(" onClick=\"javascript:self.print()\""); break;
    case OnClick::Close: events += QStringLiteral(" onClick=\"javascript:self.close()\""); break;
    case OnClick::OpenWindow: events += f.windowOpenText; break;
    case OnClick::None: break;
    }
    events += f.mouseOverText;
    return QStringLiteral("<a href=\"") + f.link + QLatin1Char('"') + events + QLatin1Char('>')
        + f.text + QStringLiteral("</a>");
}

QString windowOpen(const WindowFields &f)
{
    QStringList features;
    const std::pair<bool, const char *> flags[] = {
        {f.toolbar, "toolbar=yes"},     {f.location, "location=yes"},
        {f.menubar, "menubar=yes"},     {f.scrollbars, "scrollbars=yes"},
        {f.resizable, "resizable=yes"}, {f.status, "status=yes"},
    };
    for (const auto &[on, feature] : flags) {
        if (on)
            features.append(QLatin1String(feature));
    }
    if (!f.height.isEmpty())
        features.append(QStringLiteral("height=") + f.height);
    if (!f.width.isEmpty())
        features.append(QStringLiteral("width=") + f.width);
    const QString between = QStringLiteral("','");
    return QStringLiteral(" onClick=\"javascript:window.open('") + f.document + between + f.title
        + between + features.join(QLatin1Char(',')) + QStringLiteral("'); return true\"");
}

QString statusLine(const QString &message)
{
    return QStringLiteral(" onMouseOut=\"javascript:window.status=' ';return true;\" "
                          "onMouseOver=\"javascript:window.status='")
        + message + QStringLiteral("';return true\" ");
}

} // namespace LinkTexts
