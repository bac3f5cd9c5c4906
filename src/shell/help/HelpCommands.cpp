#include "shell/help/HelpCommands.h"

#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "platform/AppPaths.h"
#include "platform/HelpViewer.h"
#include "platform/MakerWebPage.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"
#include "shell/help/AboutFrm.h"
#include "shell/help/TipWindowFrm.h"

#include <QAction>

namespace {
bool startUpTipsAllowed = true;
}

HelpCommands::HelpCommands(FeatureHost &host, QObject *parent) : QObject(parent), m_host(host)
{
    setObjectName(QStringLiteral("HelpCommands"));
    for (const auto &[name, handler] : {std::pair {"ipoftheday1", &HelpCommands::ipoftheday1Click},
                                        std::pair {"Content1", &HelpCommands::Content1Click},
                                        std::pair {"Index1", &HelpCommands::Index1Click},
                                        std::pair {"Homepage1", &HelpCommands::Homepage1Click},
                                        std::pair {"About1", &HelpCommands::About1Click}})
        if (QAction *a = host.actions().action(QLatin1String(name)))
            connect(a, &QAction::triggered, this, handler);
}

QString HelpCommands::helpFileName()
{
    return AppPaths::dataPath(QStringLiteral("qmEditor.HLP"));
}

void HelpCommands::setStartUpTipsAllowed(bool allowed)
{
    startUpTipsAllowed = allowed;
}

void HelpCommands::showTipAtStartUp()
{
    if (startUpTipsAllowed)
        ipoftheday1Click();
}

void HelpCommands::ipoftheday1Click()
{
    auto *tips = new TTipWindowFrm(m_host.settings(),
                                   AppPaths::dataPath(QStringLiteral("tips.txt")), m_host.window());
    tips->setWindowFlag(Qt::Window);
    tips->show();
}

void HelpCommands::Content1Click()
{
    HelpViewer::setHelpFile(helpFileName());
    HelpViewer::instance()->showContents();
}

void HelpCommands::Index1Click()
{
    HelpViewer::setHelpFile(helpFileName());
    HelpViewer::instance()->showIndex();
}

void HelpCommands::Homepage1Click()
{
    const QString address = QLatin1String(MakerWebPage);
    if (!Shell::instance()->openUrl(address))
        Prompter::instance()->messageDlg(
            m_host.window(),
            QStringLiteral("No program to show web pages could be started (xdg-open) for ")
                + address,
            Prompter::Warning, Prompter::OkButton);
}

void HelpCommands::About1Click()
{
    auto *about = new TAbout(m_host.window());
    about->show();
}
