#include "shell/help/ShellLaunchCommands.h"

#include "platform/Prompter.h"
#include "platform/Shell.h"
#include "shell/EditFrmUnit.h"
#include "shell/Main.h"

#include <QAction>
#include <QDir>

ShellLaunchCommands::ShellLaunchCommands(TMainForm &main, QObject *parent)
    : QObject(parent), m_main(main)
{
    setObjectName(QStringLiteral("ShellLaunchCommands"));
    for (const auto &[name, handler] :
         {std::pair {"WindowsExplorer1", &ShellLaunchCommands::WindowsExplorer1Click},
          std::pair {"Showdospromt1", &ShellLaunchCommands::Showdospromt1Click},
          std::pair {"Viewpageinbrowser1", &ShellLaunchCommands::Viewpageinbrowser1Click}})
        if (QAction *a = main.action(QLatin1String(name)))
            connect(a, &QAction::triggered, this, handler);
}

void ShellLaunchCommands::openerMissing(const QString &target)
{
    Prompter::instance()->messageDlg(
        &m_main,
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
        Prompter::instance()->messageDlg(&m_main,
                                         QStringLiteral("No terminal could be started (")
                                             + Shell::terminalCommand(folder, {}).value(0)
                                             + QLatin1Char(')'),
                                         Prompter::Warning, Prompter::OkButton);
}

void ShellLaunchCommands::Viewpageinbrowser1Click()
{
    TEditForm *document = m_main.GetActiveEditor();
    if (!document || !document->SaveFileNow())
        return;
    if (!Shell::instance()->openUrl(document->DocumentFileName))
        openerMissing(document->DocumentFileName);
}
