#pragma once

#include <QString>
#include <QStringList>

// Launches outside the program: documents and web addresses in their default
// application, folders in the file manager, terminals in a folder.
class Shell
{
public:
    virtual ~Shell() = default;
    // A file, folder or web address in its default application (xdg-open).
    virtual bool openUrl(const QString &fileOrUrl) = 0;
    // A folder in the file manager.
    virtual bool explore(const QString &folder) = 0;
    // The desktop terminal ($TERMINAL, else x-terminal-emulator, else xterm) in folder;
    // when command is not empty it runs there and the window stays open afterwards.
    virtual bool terminal(const QString &folder, const QStringList &command = {}) = 0;

    // The terminal program and arguments terminal() would start (for logs and tests).
    static QStringList terminalCommand(const QString &folder, const QStringList &command);

    static Shell *instance();
    static void setInstance(Shell *s);
};
