#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

// One word for sh, whatever it holds.
QString shellQuote(const QString &arg)
{
    QString quoted = arg;
    quoted.replace(u'\'', QLatin1String("'\\''"));
    return u'\'' + quoted + u'\'';
}

QUrl urlOf(const QString &fileOrUrl)
{
    if (QFileInfo::exists(fileOrUrl))
        return QUrl::fromLocalFile(QFileInfo(fileOrUrl).absoluteFilePath());
    return QUrl::fromUserInput(fileOrUrl);
}

class DesktopShell : public Shell
{
public:
    bool openUrl(const QString &fileOrUrl) override
    {
        const QUrl url = urlOf(fileOrUrl);
        return url.isValid() && QDesktopServices::openUrl(url);
    }

    bool explore(const QString &folder) override
    {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(folder).absoluteFilePath()));
    }

    bool terminal(const QString &folder, const QStringList &command) override
    {
        QStringList args = terminalCommand(folder, command);
        if (args.isEmpty())
            return false;
        const QString program = args.takeFirst();
        return QProcess::startDetached(program, args, folder);
    }
};

Shell *installed = nullptr;

} // namespace

QStringList Shell::terminalCommand(const QString &folder, const QStringList &command)
{
    QStringList result = QProcess::splitCommand(qEnvironmentVariable("TERMINAL"));
    if (result.isEmpty()) {
        if (!QStandardPaths::findExecutable(QStringLiteral("x-terminal-emulator")).isEmpty())
            result.append(QStringLiteral("x-terminal-emulator"));
        else
            result.append(QStringLiteral("xterm"));
    }
    if (command.isEmpty())
        return result;

    // The command runs in the folder, then an interactive shell keeps the window open.
    QStringList words;
    for (const QString &arg : command)
        words.append(shellQuote(arg));
    QString script = words.join(u' ') + QStringLiteral("; exec \"${SHELL:-/bin/sh}\"");
    if (!folder.isEmpty())
        script.prepend(QStringLiteral("cd ") + shellQuote(folder) + QStringLiteral(" && "));
    result << QStringLiteral("-e") << QStringLiteral("sh") << QStringLiteral("-c") << script;
    return result;
}

Shell *Shell::instance()
{
    static DesktopShell desktopShell;
    return installed ? installed : &desktopShell;
}

void Shell::setInstance(Shell *s)
{
    installed = s;
}
