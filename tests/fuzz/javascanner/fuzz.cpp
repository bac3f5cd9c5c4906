// The Java source scanner: any text as a document. Every question ends, and line numbers
// stay within the text.
#include "FuzzSupport.h"
#include "analysis/javasource/JavaScanner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = QString::fromUtf8(Fuzz::bytes(data, size)).split(u'\n');
    const int n = int(lines.size());
    const QStringList classes = JavaScanner::FinnKlasseNavnene(lines);
    const QString first = classes.value(0, QStringLiteral("A"));
    JavaScanner::FinnAlleDatamedlemmer(lines, first, true);
    JavaScanner::FinnAlleDatamedlemmer(lines, first, false);
    JavaScanner::ClipAndFindMultilineDatamembers(lines, first);
    for (int start : {0, n / 2, n - 1}) {
        const int end = JavaScanner::FinnScopeSlutt(lines, start);
        Fuzz::check(end >= -1 && end < n, "a scope ends inside the text");
        const int classStart = JavaScanner::FinnClassStart(lines, start);
        Fuzz::check(classStart >= 0 && classStart <= qMax(0, start), "a class starts above");
    }
    const QString mainClass = JavaScanner::FindMainClassName(lines);
    if (!mainClass.isEmpty())
        Fuzz::check(!mainClass.contains(u' '), "a class name has no blank", mainClass);
    JavaScanner::containsMainCall(lines.join(u'\n'), u" ");
    return 0;
}
