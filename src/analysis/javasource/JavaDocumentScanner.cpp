#include "analysis/javasource/JavaDocumentScanner.h"

#include "analysis/javasource/JavaScanner.h"
#include "editor/EditorAdapter.h"

namespace JavaDocumentScanner {

namespace {
QStringList linesOf(const EditorAdapter *doc)
{
    return doc ? doc->lines() : QStringList();
}
} // namespace

QStringList FinnKlasseNavnene(const EditorAdapter *doc)
{
    return JavaScanner::FinnKlasseNavnene(linesOf(doc));
}

QStringList FinnAlleDatamedlemmer(const EditorAdapter *doc, const QString &className,
                                  bool includePrivate)
{
    return JavaScanner::FinnAlleDatamedlemmer(linesOf(doc), className, includePrivate);
}

QStringList ClipAndFindMultilineDatamembers(const EditorAdapter *doc, const QString &className)
{
    return JavaScanner::ClipAndFindMultilineDatamembers(linesOf(doc), className);
}

int FinnScopeSlutt(const EditorAdapter *doc, int startLine)
{
    return JavaScanner::FinnScopeSlutt(linesOf(doc), startLine);
}

int FinnClassStart(const EditorAdapter *doc, int limitLine)
{
    return JavaScanner::FinnClassStart(linesOf(doc), limitLine);
}

QString FindMainClassName(const EditorAdapter *doc)
{
    return JavaScanner::FindMainClassName(linesOf(doc));
}

} // namespace JavaDocumentScanner
