#include "java/debug/DebugVarsScanner.h"

#include "platform/DelphiStrings.h"

void DebugVarsScanner::reset(const QStringList &watches)
{
    m_watches = watches;
    m_needles.clear();
    for (const QString &w : watches)
        m_needles.append(w + QStringLiteral(" = "));
    m_inObject = false;
}

void DebugVarsScanner::scanLine(const QString &line, QStringList &out)
{
    if (m_inObject) {
        out.append(line);
        if (line.contains(u'}'))
            m_inObject = false;
    }
    for (const QString &needle : std::as_const(m_needles)) {
        const qsizetype at = line.indexOf(needle);
        if (at < 0)
            continue;
        const QString value = Delphi::trim(line.mid(qMax<qsizetype>(0, at - 1)));
        out.append(value);
        if (value.contains(u'{'))
            m_inObject = true;
    }
}

QStringList DebugVarsScanner::scan(const QStringList &logLines, const QStringList &watches)
{
    DebugVarsScanner scanner;
    scanner.reset(watches);
    QStringList out;
    for (const QString &line : logLines)
        scanner.scanLine(line, out);
    return out;
}
