#include "settings/files/CompilerOptionsText.h"

namespace CompilerOptionsText {

QString compose(const Boxes &b)
{
    QString selection = QStringLiteral("-g:");
    if (b.lineNumbers)
        selection +=
            b.sourceFile || b.localVariables ? QStringLiteral("lines,") : QStringLiteral("lines");
    if (b.sourceFile)
        selection += b.localVariables ? QStringLiteral("source,") : QStringLiteral("source");
    if (b.localVariables)
        selection += QStringLiteral("vars");

    QString options = selection;
    if (b.allDebugInfo)
        options = QStringLiteral("-g");
    if (b.noDebugInfo)
        options = QStringLiteral("-g:none");
    if (b.verbose)
        options += QStringLiteral(" -verbose");
    if (b.disableWarnings)
        options += QStringLiteral(" -nowarn ");
    return options;
}

} // namespace CompilerOptionsText
