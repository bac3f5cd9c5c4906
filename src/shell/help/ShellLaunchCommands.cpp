#include "shell/help/ShellLaunchCommands.h"

#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"

#include <QAction>
#include <QDir>

ShellLaunchCommands::ShellLaunchCommands(FeatureHost &host, QObject *parent)
    : QObject(parent), m_host(host)
{
    setObjectName(QStringLiteral("ShellLaunchCommands"));
    for (const auto &[name, handler] :
         {std::pair {"WindowsExplorer1", &ShellLaunchCommands::WindowsExplorer1Click},
          std::pair {"Showdospromt1", &ShellLaunchCommands::Showdospromt1Click},
          std::pair {"Viewpageinbrowser1", &ShellLaunchCommands::Viewpageinbrowser1Click}})
        if (QAction *a = host.actions().action(QLatin1String(name)))
            connect(a, &QAction::triggered, this, handler);
}

void ShellLaunchCommands::openerMissing(const QString &target)
{
    Prompter::instance()->messageDlg(
        m_host.window(),
        QStringLiteral("No program to open files, folders and web pages could be started "
                       "(xdg-open) for ")
            + target,
        Prompter::Warning, Prompter::OkButton);
}

void ShellLaunchCommands::WindowsExplorer1Click()
{
    const QString home = QDir::homePath();
    if (!Shell::instance()->explore(home))
        openerMissing(home);
}

void ShellLaunchCommands::Showdospromt1Click()
{
    const QString folder = QDir::currentPath();
    if (!Shell::instance()->terminal(folder, {}))
        Prompter::instance()->messageDlg(m_host.window(),
                                         QStringLiteral("No terminal could be started (")
                                             + Shell::terminalCommand(folder, {}).value(0)
                                             + QLatin1Char(')'),
                                         Prompter::Warning, Prompter::OkButton);
}

void ShellLaunchCommands::Viewpageinbrowser1Click()
{
    HostDocument *document = m_host.activeDocument();
    if (!document || !document->save())
        return;
    const QString fileName = document->fileName();
    if (!Shell::instance()->openUrl(fileName))
        openerMissing(fileName);
}
