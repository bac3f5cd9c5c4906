#include "java/debug/DebugLogInput.h"

#include "platform/DelphiStrings.h"

namespace DebugLogInput {

namespace {

QString after(const QString &text, const QString &mark)
{
    const qsizetype at = text.indexOf(mark);
    return at < 0 ? QString() : text.mid(at + mark.size());
}

} // namespace

Typed typedCommand(const QString &lastLine)
{
    const QString &l = lastLine;
    const bool promptAndDot = l.contains(u'>') && l.contains(u'.');
    QString command;
    if (l.contains(u']')) {
        command = after(l, QStringLiteral("]"));
    } else if (promptAndDot) {
        if (l.contains(QLatin1String("...")))
            command = after(l, QStringLiteral("..."));
        else if (l.contains(QLatin1String("..")))
            command = l.mid(2);
        else
            command = after(l, QStringLiteral("."));
    }
    if (!Delphi::trim(command).isEmpty())
        return {Typed::Send, Delphi::trim(command)};
    if (promptAndDot)
        return {Typed::NewPrompt, QString()};
    return {Typed::Send, Delphi::trim(l)};
}

} // namespace DebugLogInput
