#include "shell/explorer/ExplorerFeature.h"

#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "shell/explorer/ExplorerPanel.h"

#include <QAction>

namespace {

// The filter box takes the host's filter and the item of the active document's type; with
// withMask, the file list also takes the mask the document asks for.
void follow(FeatureHost &host, ExplorerPanel &panel, bool withMask)
{
    panel.setFilterItems(host.fileFilter());
    panel.setFilterIndex(host.explorerFilterIndex());
    const QString mask = host.explorerMask();
    if (withMask && !mask.isEmpty())
        panel.setMask(mask);
}

} // namespace

ExplorerFeature::ExplorerFeature(FeatureHost &host, QObject *parent)
    : QObject(parent), m_panel(new ExplorerPanel(host.page(FeatureHost::Page::Files)))
{
    setObjectName(QStringLiteral("ExplorerFeature"));
    ExplorerPanel *panel = m_panel;
    FeatureHost *h = &host;
    host.addToPage(FeatureHost::Page::Files, panel);
    panel->setProjectAccess([h] { return h->project(); },
                            [h](const ProjectSettings &p) { h->setProject(p); });

    follow(host, *panel, false);
    connect(h, &FeatureHost::documentCreated, panel, [h, panel] { follow(*h, *panel, true); });
    connect(h, &FeatureHost::documentActivated, panel, [h, panel] { follow(*h, *panel, false); });
    connect(h, &FeatureHost::fileFilterChanged, panel, [h, panel] { follow(*h, *panel, false); });

    connect(panel, &ExplorerPanel::fileActivated, h, &FeatureHost::openFile);
    connect(panel, &ExplorerPanel::driveClicked, h, [h] {
        if (HostDocument *document = h->activeDocument())
            document->widget()->setFocus();
    });
    connect(panel, &ExplorerPanel::workingFolderChosen, h, &FeatureHost::setWorkingFolder);

    if (QAction *define = host.actions().addItem(QStringLiteral("Project1"),
                                                 QStringLiteral("Defineprojectcatalog1"),
                                                 QStringLiteral("Define project catalog..")))
        connect(define, &QAction::triggered, panel, &ExplorerPanel::Defineprojectcatalog1Click);
}
