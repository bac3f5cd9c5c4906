#include "html/text/StripHtml.h"

#include "editor/tokenizers/HtmlTokenizer.h"
#include "platform/DelphiStrings.h"

#include <algorithm>

namespace StripHtml {

namespace {

// True when text holds nothing but characters <= ' '.
bool isBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c <= u' '; });
}

bool is(QStringView token, const char *name)
{
    return token.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

// The state of one run, kept from line to line.
struct Run {
    bool inLink = false;
    bool hrefSeen = false;
    QString linkTarget;
    bool lastAttributeIsHref = false;
    bool inAnchorTag = false; // between "<a" and the end of that tag
    bool inStyle = false;
    bool inUnorderedList = false;
    bool inOrderedList = false;
    int listCounter = 0;

    void tag(QStringView t, QString &out, QStringList &result);
};

void Run::tag(QStringView t, QString &out, QStringList &result)
{
    if (is(t, "br")) {
        result.append(out);
        out.clear();
    } else if (is(t, "style")) {
        inStyle = true;
    } else if (is(t, "/style")) {
        inStyle = false;
    } else if (is(t, "a")) {
        inLink = true;
        hrefSeen = false;
        linkTarget.clear();
    } else if (is(t, "/a")) {
        if (hrefSeen)
            out += linkTarget;
        inLink = false;
        hrefSeen = false;
    } else if (is(t, "title")) {
        out.prepend(QStringLiteral("Title: "));
    } else if (is(t, "ul")) {
        inUnorderedList = true;
    } else if (is(t, "/ul")) {
        inUnorderedList = false;
    } else if (is(t, "ol")) {
        inOrderedList = true;
    } else if (is(t, "/ol")) {
        inOrderedList = false;
    } else if (is(t, "li")) {
        if (inUnorderedList)
            out.prepend(QLatin1Char('-'));
        if (inOrderedList) {
            ++listCounter;
            out.prepend(QString::number(listCounter) + QLatin1Char('.'));
        }
    }
}

} // namespace

QStringList strip(const QStringList &lines)
{
    QStringList result;
    Run run;
    HtmlTokenizer tokens;
    QString out;
    for (const QString &line : lines) {
        out.clear();
        for (tokens.setLine(line); !tokens.atEnd(); tokens.next()) {
            const QStringView t = tokens.token();
            switch (tokens.kind()) {
            case HtmlTokenizer::Tag:
                run.inAnchorTag = is(t, "a");
                run.lastAttributeIsHref = false;
                run.tag(t, out, result);
                break;
            case HtmlTokenizer::UnknownTag:
                run.inAnchorTag = false;
                run.lastAttributeIsHref = false;
                break;
            case HtmlTokenizer::Attribute:
                run.lastAttributeIsHref = run.inAnchorTag && is(t, "href");
                if (run.lastAttributeIsHref)
                    run.hrefSeen = true;
                break;
            case HtmlTokenizer::Value:
                // Also a value written without quotes loses its first and last characters.
                if (run.lastAttributeIsHref)
                    run.linkTarget = t.size() > 2 ? t.mid(1, t.size() - 2).toString() : QString();
                break;
            case HtmlTokenizer::Symbol:
                if (t == u">" || t == u"/>")
                    run.inAnchorTag = false;
                break;
            case HtmlTokenizer::Text:
                if (run.inLink) {
                    out += QLatin1Char('(');
                    out += t;
                    out += QLatin1String(") ");
                } else if (!run.inStyle) {
                    out += t;
                }
                break;
            default: break;
            }
        }
        if (!isBlank(out))
            result.append(out);
    }
    return result;
}

QString textName(const QString &fileName)
{
    return Delphi::changeFileExt(fileName, QStringLiteral(".txt"));
}

} // namespace StripHtml
