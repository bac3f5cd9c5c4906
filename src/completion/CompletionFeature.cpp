#include "completion/CompletionFeature.h"

#include "completion/CodeTemplateExpander.h"
#include "completion/DocumentKeyTriggers.h"
#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"

#include <QAction>
#include <QWidget>

CompletionFeature::CompletionFeature(FeatureHost &host, QObject *parent)
    : QObject(parent), SynAutoComplete1(new TSynAutoComplete(this)), m_host(host)
{
    setObjectName(QStringLiteral("CompletionFeature"));
    for (HostDocument *document : host.documents())
        bindDocument(document);
    connect(&host, &FeatureHost::documentCreated, this, &CompletionFeature::bindDocument);
}

bool CompletionFeature::isChecked(const char *name) const
{
    const QAction *item = m_host.actions().action(QLatin1String(name));
    return item && item->isChecked();
}

void CompletionFeature::bindDocument(HostDocument *document)
{
    QWidget *window = document ? document->widget() : nullptr;
    if (!window || !document->editor())
        return;
    if (EditFormKeys *keys = m_keys.value(window)) {
        keys->LeggTilEditor();
        return;
    }
    EditFormKeys::Switches switches;
    switches.completionProposal = [this] { return isChecked("CompletionProposal1"); };
    switches.autoCompletion = [this] { return isChecked("Autocompletion1"); };
    auto *keys = new EditFormKeys(document, SynAutoComplete1, switches);
    m_keys.insert(window, keys);
    connect(keys, &QObject::destroyed, this, [this, window] { m_keys.remove(window); });
}
