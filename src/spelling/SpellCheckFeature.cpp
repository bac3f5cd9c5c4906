#include "spelling/SpellCheckFeature.h"

#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "platform/AppPaths.h"
#include "spelling/SpellCheck.h"
#include "spelling/SpellCheckCommands.h"
#include "spelling/SpellCheckSetup.h"
#include "spelling/SpellCheckUnit.h"

#include <QAction>
#include <QMenu>

SpellCheckFeature::SpellCheckFeature(FeatureHost &host, QObject *parent)
    : QObject(parent),
      m_host(host),
      m_checker(SpellCheckSetup::createMainSpellChecker(host.window())),
      m_commands(new SpellCheckCommands(
          m_checker, [&host] { return host.activeEditor(); }, host.window()))
{
    setObjectName(QStringLiteral("SpellCheckFeature"));
    m_commands->setObjectName(QStringLiteral("SpellCheckCommands"));

    ActionRegistry &registry = host.actions();
    QAction *item = registry.action(QStringLiteral("Spellcheck1"));
    if (!item)
        item = registry.addItem(QStringLiteral("Search1"), QStringLiteral("Spellcheck1"),
                                QStringLiteral("Spell check.."), 0);
    if (item)
        connect(item, &QAction::triggered, m_commands, &SpellCheckCommands::Spellcheck1Click);

    for (HostDocument *document : host.documents())
        bindPopup(document);
    connect(&host, &FeatureHost::documentCreated, this, &SpellCheckFeature::bindPopup);

    // The active document's editor is the one checked and underlined.
    m_checker->setEditor(host.activeEditor());
    // The handlers run this feature's code, so they end with it (the checker belongs to the
    // window and may outlive it).
    connect(&host, &FeatureHost::documentActivated, this,
            [this](HostDocument *document) { m_checker->setEditor(document->editor()); });
    connect(&host, &FeatureHost::documentClosed, this, [this](HostDocument *document) {
        if (m_checker->editor() == document->editor())
            m_checker->setEditor(nullptr);
    });
}

// "Spellcheck document.." of a document window's pop-up runs the main window's command.
void SpellCheckFeature::bindPopup(HostDocument *document)
{
    ActionRegistry &popup = document->popupActions();
    QAction *item = popup.action(QStringLiteral("Spellcheck1"));
    if (!item)
        item = popup.addItem(document->popupMenu(), QStringLiteral("Spellcheck1"),
                             QStringLiteral("Spellcheck document.."));
    if (item)
        connect(item, &QAction::triggered, m_commands, &SpellCheckCommands::Spellcheck1Click,
                Qt::UniqueConnection);
}

void SpellCheckFeature::setUp()
{
    const QString error = SpellCheckSetup::applyStartupSettings(*m_checker, m_host.settings(),
                                                                AppPaths::programFolder());
    m_commands->setStartupError(error);
}

void SpellCheckFeature::createDialog()
{
    if (SpellCheckFrm)
        return;
    SpellCheckFrm = new TSpellCheckFrm(m_host.window());
    QObject::connect(SpellCheckFrm, &QObject::destroyed, [] { SpellCheckFrm = nullptr; });
}
