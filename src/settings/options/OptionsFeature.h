#pragma once

#include "settings/options/OptionsHooks.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class CompletionTemplates;
class FeatureHost;
class OptionsSpellChecker;
class QDialog;
class TOptionsFrm;

// The settings feature: Edit, "Options.." with its one dialog at a time, and the main
// window's code-template list.
class OptionsFeature : public QObject
{
    Q_OBJECT
public:
    using ExecDialog = std::function<int(QDialog &)>;

    // checker: the spell checker as the dialog sees it (owned; may be nullptr).
    OptionsFeature(FeatureHost &host, std::unique_ptr<OptionsSpellChecker> checker,
                   QObject *parent = nullptr);
    ~OptionsFeature() override;

    // What the dialog asks of the main window; the composition root fills them.
    OptionsHooks &hooks() { return m_hooks; }
    CompletionTemplates *templates() const { return m_templates; }

    // Shows the dialog's modal sub-dialogs ("Keywords", "Select directory"); tests answer them.
    ExecDialog execDialog() const { return m_exec; }
    void setExecDialog(ExecDialog exec) { m_exec = std::move(exec); }

    // Edit, "Options..": a new dialog, or the open one brought to the front.
    TOptionsFrm *Options2Click();
    // The open dialog; nullptr when none is.
    TOptionsFrm *dialog() const;
    // Whether a dialog is being made or its OK is putting the settings on disk: it reports
    // the files it could not write itself, the settings file included.
    bool committing() const;

private:
    FeatureHost &m_host;
    std::unique_ptr<OptionsSpellChecker> m_checker;
    OptionsHooks m_hooks;
    CompletionTemplates *m_templates;
    ExecDialog m_exec;
    QPointer<TOptionsFrm> m_dialog;
    bool m_opening = false;
};
