#include "editor/output/Exporters.h"

#include <QList>
#include <QStringList>

#include <algorithm>

namespace {

QString hexColour(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

} // namespace

// ---- HTML ----------------------------------------------------------------------------------

QString ExporterHTML::defaultFilter() const
{
    return QStringLiteral("HTML Documents (*.htm;*.html)");
}

QString ExporterHTML::formatName() const
{
    return QStringLiteral("HTML");
}

QString ExporterHTML::extension() const
{
    return QStringLiteral(".html");
}

namespace {

void appendHtmlEscaped(QString &out, const QString &text)
{
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        default: out += ch;
        }
    }
}

qsizetype textSize(const StyledText &text)
{
    qsizetype size = 0;
    for (const StyledRun &run : text.runs)
        size += run.text.size();
    return size;
}

} // namespace

QString ExporterHTML::escape(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    appendHtmlEscaped(out, text);
    return out;
}

QString ExporterHTML::exportText(const StyledText &text, const QString &title) const
{
    QString out;
    out.reserve(textSize(text) * 2 + 1024);
    out += QLatin1String("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>");
    out += escape(title);
    out += QLatin1String("</title>\n<style>\nbody { background-color: ");
    out += hexColour(text.paper);
    out += QLatin1String("; }\npre { font-family: '");
    out += escape(text.fontFamily);
    out += QLatin1String("', monospace; font-size: ");
    out += QString::number(text.pointSize);
    out += QLatin1String("pt; }\n");
    QList<int> used = text.styles.keys();
    std::sort(used.begin(), used.end());
    for (int id : used) {
        const TextStyle &s = text.styles.value(id);
        out += QStringLiteral(".s%1 { color: %2;").arg(id).arg(hexColour(s.fore));
        if (s.back.isValid() && s.back != text.paper)
            out += QStringLiteral(" background-color: %1;").arg(hexColour(s.back));
        if (s.bold)
            out += QLatin1String(" font-weight: bold;");
        if (s.italic)
            out += QLatin1String(" font-style: italic;");
        if (s.underline)
            out += QLatin1String(" text-decoration: underline;");
        out += QLatin1String(" }\n");
    }
    out += QLatin1String("</style>\n</head>\n<body>\n<pre>");
    // A line break right after <pre> is not part of the text: one more keeps a first empty
    // line.
    if (!text.runs.isEmpty() && text.runs.first().text.startsWith(u'\n'))
        out += u'\n';
    // Each style's opening tag, made once; plain black text needs none.
    QHash<int, QString> opening;
    for (int id : used) {
        const TextStyle &s = text.styles[id];
        const bool plain = !s.bold && !s.italic && !s.underline && s.fore == QColor(Qt::black)
            && (!s.back.isValid() || s.back == text.paper);
        opening.insert(id, plain ? QString() : QStringLiteral("<span class=\"s%1\">").arg(id));
    }
    for (const StyledRun &run : text.runs) {
        const QString &open = opening[run.style];
        out += open;
        appendHtmlEscaped(out, run.text);
        if (!open.isEmpty())
            out += QLatin1String("</span>");
    }
    // A final line break would be taken as the end of the block: one more keeps it.
    if (!text.runs.isEmpty() && text.runs.last().text.endsWith(u'\n'))
        out += u'\n';
    out += QLatin1String("</pre></body></html>");
    return out;
}

// ---- RTF -----------------------------------------------------------------------------------

QString ExporterRTF::defaultFilter() const
{
    return QStringLiteral("Rich Text Format Documents (*.rtf)");
}

QString ExporterRTF::formatName() const
{
    return QStringLiteral("RTF");
}

QString ExporterRTF::extension() const
{
    return QStringLiteral(".rtf");
}

namespace {

void appendRtfEscaped(QString &out, const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        const ushort u = ch.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += u'\\';
            out += ch;
        } else if (u == '\t') {
            out += QLatin1String("\\tab ");
        } else if (u == '\r') {
            // CR LF is one break; a lone CR is one too.
            if (i + 1 < text.size() && text.at(i + 1) == u'\n')
                continue;
            out += QLatin1String("\\par\n");
        } else if (u == '\n') {
            out += QLatin1String("\\par\n");
        } else if (u >= 0x20 && u < 0x7f) {
            out += ch;
        } else {
            out += QLatin1String("\\u");
            out += QString::number(short(u));
            out += u'?';
        }
    }
}

} // namespace

QString ExporterRTF::escape(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    appendRtfEscaped(out, text);
    return out;
}

QString ExporterRTF::exportText(const StyledText &text, const QString &title) const
{
    // Colour table: entry 0 is the automatic colour; then every colour the styles use.
    QList<QColor> colours;
    auto colourIndex = [&colours](const QColor &c) {
        int i = int(colours.indexOf(c));
        if (i < 0) {
            colours.append(c);
            i = int(colours.size()) - 1;
        }
        return i + 1;
    };
    colourIndex(text.paper);
    QList<int> used = text.styles.keys();
    std::sort(used.begin(), used.end());
    for (int id : used) {
        colourIndex(text.styles.value(id).fore);
        colourIndex(text.styles.value(id).back);
    }

    QString out;
    out.reserve(textSize(text) * 2 + 1024);
    out += QLatin1String("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab720\n{\\fonttbl{\\f0\\fmodern ");
    out += escape(text.fontFamily.isEmpty() ? QStringLiteral("Courier New") : text.fontFamily);
    out += QLatin1String(";}}\n{\\colortbl;");
    for (const QColor &c : colours)
        out +=
            QStringLiteral("\\red%1\\green%2\\blue%3;").arg(c.red()).arg(c.green()).arg(c.blue());
    out += QLatin1String("}\n{\\info{\\title ");
    out += escape(title);
    out += QLatin1String("}}\n\\f0\\fs");
    out += QString::number(text.pointSize * 2);
    out += u'\n';
    // Each style's group opening, made once.
    QHash<int, QString> opening;
    for (int id : used) {
        const TextStyle &s = text.styles[id];
        QString open = QStringLiteral("{\\cf%1").arg(colourIndex(s.fore));
        if (s.back.isValid() && s.back != text.paper)
            open += QStringLiteral("\\highlight%1").arg(colourIndex(s.back));
        if (s.bold)
            open += QLatin1String("\\b");
        if (s.italic)
            open += QLatin1String("\\i");
        if (s.underline)
            open += QLatin1String("\\ul");
        open += u' ';
        opening.insert(id, open);
    }
    for (const StyledRun &run : text.runs) {
        out += opening[run.style];
        appendRtfEscaped(out, run.text);
        out += u'}';
    }
    out += QLatin1String("\n}\n");
    return out;
}
