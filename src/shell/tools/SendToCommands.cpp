#include "shell/tools/SendToCommands.h"

#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "shell/tools/SendToProgramDialog.h"
#include "shell/tools/UserToolsDialog.h"

#include <QAction>

#include <tuple>

namespace {

void showOwnWindow(TUserToolFrm *form)
{
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
}

} // namespace

SendToCommands::SendToCommands(FeatureHost &host, QObject *parent) : QObject(parent), m_host(host)
{
    setObjectName(QStringLiteral("SendToCommands"));
    for (const auto &[name, caption, handler] :
         {std::tuple {"Add2", "Add..", &SendToCommands::Add2Click},
          std::tuple {"Edituserdefinedtools1", "Edit user defined tools..",
                      &SendToCommands::Edituserdefinedtools1Click}})
        if (QAction *item = host.actions().addItem(QStringLiteral("Sendtoexternal1"),
                                                   QLatin1String(name), QLatin1String(caption)))
            connect(item, &QAction::triggered, this, handler);
}

void SendToCommands::Add2Click()
{
    showOwnWindow(new TSendToExtPrgFrm(m_host.window()));
}

void SendToCommands::Edituserdefinedtools1Click()
{
    showOwnWindow(new TUserToolFrm(m_host.window()));
}
