#pragma once

#include "platform/Shell.h"

#include <QList>

// Records launches instead of starting anything.
class FakeShell : public Shell
{
public:
    enum Kind { OpenUrl, Explore, Terminal };
    struct Call {
        Kind kind;
        QString target;      // file, address or folder
        QStringList command; // terminal command
    };

    FakeShell() : m_previous(Shell::instance()) { Shell::setInstance(this); }
    ~FakeShell() override { Shell::setInstance(m_previous); }

    bool openUrl(const QString &fileOrUrl) override
    {
        calls.append({OpenUrl, fileOrUrl, {}});
        return result;
    }
    bool explore(const QString &folder) override
    {
        calls.append({Explore, folder, {}});
        return result;
    }
    bool terminal(const QString &folder, const QStringList &command) override
    {
        calls.append({Terminal, folder, command});
        return result;
    }

    QList<Call> calls;
    bool result = true;

private:
    Shell *m_previous;
};
