#include "analysis/StatisticsCount.h"

#include "analysis/javasource/JavaScanner.h"
#include "editor/tokenizers/GeneralTokenizer.h"
#include "editor/tokenizers/HtmlTokenizer.h"
#include "editor/tokenizers/JavaTokenizer.h"

namespace StatisticsCount {

namespace {

// A token counts as a word when something other than blanks is left after trimming.
bool isWord(QStringView token)
{
    for (const QChar c : token) {
        if (c > u' ')
            return true;
    }
    return false;
}

} // namespace

JavaCounts java(const QStringList &lines)
{
    JavaCounts c;
    c.editor.lines = int(lines.size());
    QList<JavaTokenizer::Span> spans;
    JavaTokenizer::State state = JavaTokenizer::Code;
    for (const QString &line : lines) {
        c.editor.letters += int(line.size());
        JavaTokenizer::scanLine(line, state, spans);
        for (const JavaTokenizer::Span &span : spans) {
            const QStringView token = QStringView(line).mid(span.start, span.length);
            if (isWord(token))
                ++c.editor.words;
            switch (span.kind) {
            case JavaTokenizer::Identifier: ++c.identifiers; break;
            case JavaTokenizer::Keyword: ++c.keywords; break;
            case JavaTokenizer::Number: ++c.numbers; break;
            case JavaTokenizer::String: ++c.strings; break;
            case JavaTokenizer::Comment:
                // Only the first line of a block comment holds its "/*".
                if (token.contains(u"/*") || token.contains(u"//"))
                    ++c.comments;
                break;
            default: break;
            }
        }
    }
    c.classes = int(JavaScanner::FinnKlasseNavnene(lines).size());
    return c;
}

HtmlCounts html(const QStringList &lines)
{
    HtmlCounts c;
    c.editor.lines = int(lines.size());
    HtmlTokenizer tok;
    for (const QString &line : lines) {
        c.editor.letters += int(line.size());
        for (tok.setLine(line); !tok.atEnd(); tok.next()) {
            const QStringView token = tok.token();
            if (isWord(token))
                ++c.editor.words;
            switch (tok.kind()) {
            case HtmlTokenizer::Tag:
                // An end tag's name keeps its "/": it is no opening tag.
                if (!token.contains(u'/'))
                    ++c.tags;
                break;
            case HtmlTokenizer::Attribute: ++c.parameters; break;
            case HtmlTokenizer::UnknownTag: ++c.undefined; break;
            case HtmlTokenizer::Entity: ++c.ampersands; break;
            case HtmlTokenizer::Comment:
                if (token.contains(u"<!--"))
                    ++c.comments;
                break;
            default: break;
            }
        }
    }
    return c;
}

EditorCounts general(const QStringList &lines)
{
    EditorCounts c;
    c.lines = int(lines.size());
    GeneralTokenizer tok('"');
    QList<GeneralTokenizer::Span> spans;
    for (const QString &line : lines) {
        c.letters += int(line.size());
        tok.scanLine(line, spans);
        for (const GeneralTokenizer::Span &span : spans) {
            if (isWord(QStringView(line).mid(span.start, span.length)))
                ++c.words;
        }
    }
    return c;
}

} // namespace StatisticsCount
