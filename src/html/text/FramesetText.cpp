#include "html/text/FramesetText.h"

namespace FramesetText {

namespace {

const QChar CR = u'\r';

// The one-level layouts: the frameset attributes and the frames, top or left first.
struct Vertical {
    const char *attributes;
    QStringList frames;
};

const Vertical &vertical(int layout)
{
    static const Vertical layouts[] = {
        {"rows=\"47,359,54\" cols=\"*\"", {"Top", "Content", "Bottom"}},
        {"rows=\"47,422\" cols=\"*\"", {"Top", "Content"}},
        {"rows=\"419,53\" cols=\"*\"", {"Content", "Bottom"}},
        {"cols=\"112,668\"", {"Left", "Content"}},
        {"cols=\"683,103\"", {"Content", "Right"}},
        {"cols=\"109,574,91\" rows=\"*\"", {"Left", "Content", "Right"}},
    };
    return layouts[layout];
}

bool isVertical(int layout)
{
    return layout >= 0 && layout <= 5;
}

// The suffix of the two-level layouts' page names.
QString nestedSuffix(int layout, bool createPages, int number)
{
    if (!createPages)
        return QString();
    return (layout == 6 ? QStringLiteral("ID") : QString()) + QString::number(number);
}

QString line(const QString &text)
{
    return text + CR;
}

} // namespace

QString pageTemplate()
{
    QString text;
    for (const char *l : {"<html>", "<head>", "<title>Ingen tittel</title>", "</head>", "<body>",
                          "", "</body>", "</html>"})
        text += line(QLatin1String(l));
    return text;
}

QString borderText(bool borders)
{
    return borders ? QStringLiteral(" frameborder=\"Yes\" border=\"2\"")
                   : QStringLiteral(" frameborder=\"No\" border=\"0\"");
}

bool drawsNumber(int layout, bool createPages)
{
    return isVertical(layout) || ((layout == 6 || layout == 7) && createPages);
}

QStringList pageNames(int layout, bool createPages, int number)
{
    QStringList names;
    if (!createPages)
        return names;
    if (isVertical(layout)) {
        for (const QString &frame : vertical(layout).frames)
            names << frame + QStringLiteral("ID") + QString::number(number)
                    + QStringLiteral(".html");
    } else if (layout == 6 || layout == 7) {
        const QString suffix = nestedSuffix(layout, true, number) + QStringLiteral(".html");
        const QStringList order = layout == 6 ? QStringList {"Top", "Left", "Content"}
                                              : QStringList {"Left", "Top", "Content"};
        for (const QString &frame : order)
            names << frame + suffix;
    }
    return names;
}

QString verticalFramesets(const QString &attributes, const QStringList &frames, bool createPages,
                          int number)
{
    QString text = line(QStringLiteral("<frameset ") + attributes + QLatin1Char('>'));
    for (const QString &frame : frames) {
        const QString source = createPages
            ? frame + QStringLiteral("ID") + QString::number(number) + QStringLiteral(".html")
            : frame + QStringLiteral(".html");
        text += line(QStringLiteral("  <frame src=\"") + source + QStringLiteral("\">"));
    }
    return text + QStringLiteral("</frameset>");
}

QString build(int layout, bool borders, bool createPages, int number)
{
    const QString b = borderText(borders) + QStringLiteral(" framespacing=\"0\"");
    if (isVertical(layout)) {
        const Vertical &v = vertical(layout);
        return verticalFramesets(QLatin1String(v.attributes) + b, v.frames, createPages, number);
    }
    if (layout == 6 || layout == 7) {
        const QString s = nestedSuffix(layout, createPages, number);
        const bool six = layout == 6;
        const QString inner = QLatin1String(six ? "   " : "    ");
        auto frame = [&](const QString &indent, const char *name) {
            return line(indent + QStringLiteral("<frame src=\"") + QLatin1String(name) + s
                        + QStringLiteral(".html\">"));
        };
        QString text = line(QLatin1String(six ? "<frameset rows=\"57,415\""
                                              : "<frameset cols=\"85,695\" rows=\"*\"")
                            + b + QLatin1Char('>'));
        text += frame(QStringLiteral("  "), six ? "Top" : "Left");
        text += line(QLatin1String(six ? "  <frameset cols=\"119,661\" rows=\"*\""
                                       : "  <frameset rows=\"71,395\" cols=\"*\"")
                     + b + QLatin1Char('>'));
        text += frame(inner, six ? "Left" : "Top");
        text += frame(inner, "Content");
        text += line(QStringLiteral("  </frameset>"));
        return text + QStringLiteral("</frameset>");
    }
    // Layout 9: two frames of a fixed source.
    return line(QStringLiteral("<frameset ") + b + QLatin1Char('>'))
        + line(QStringLiteral("  <frame src=\"FrameName\">"))
        + line(QStringLiteral("  <frame src=\"FrameName\">")) + line(QStringLiteral("</frameset>"));
}

} // namespace FramesetText
