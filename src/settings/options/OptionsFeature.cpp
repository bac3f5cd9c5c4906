#include "settings/options/OptionsFeature.h"

#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "settings/files/CompletionTemplates.h"
#include "settings/options/OptionsFrmUnit.h"
#include "settings/options/OptionsSpellChecker.h"

#include <QAction>
#include <QDialog>

OptionsFeature::OptionsFeature(FeatureHost &host, std::unique_ptr<OptionsSpellChecker> checker,
                               QObject *parent)
    : QObject(parent),
      m_host(host),
      m_checker(std::move(checker)),
      m_templates(new CompletionTemplates(this)),
      m_exec([](QDialog &dialog) { return dialog.exec(); })
{
    setObjectName(QStringLiteral("OptionsFeature"));
    if (QAction *item = host.actions().action(QStringLiteral("Options2"))) {
        item->setText(QStringLiteral("Options.."));
        connect(item, &QAction::triggered, this, &OptionsFeature::Options2Click);
    }
}

OptionsFeature::~OptionsFeature()
{
    // The dialog goes first: it uses the checker.
    delete m_dialog;
}

TOptionsFrm *OptionsFeature::Options2Click()
{
    // (A dialog closed but not yet freed is gone for good.)
    if (m_dialog && m_dialog->isVisible()) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return m_dialog;
    }
    m_opening = true;
    m_dialog = new TOptionsFrm(
        m_host, m_checker.get(), m_hooks, [this](QDialog &dialog) { return m_exec(dialog); },
        m_host.window());
    m_opening = false;
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_dialog->show();
    m_dialog->activateWindow();
    return m_dialog;
}

TOptionsFrm *OptionsFeature::dialog() const
{
    return m_dialog;
}

bool OptionsFeature::committing() const
{
    return m_opening || (m_dialog && m_dialog->isCommitting());
}
