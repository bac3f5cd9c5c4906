#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class FeatureHost;
class EditFormKeys;
class HostDocument;
class TSynAutoComplete;

// Code completion: the main window's code-template expander and, for every document window,
// its attribute completion, member completion, parameter hint and the key handlers that
// start them (EditFormKeys), gated by the View menu's "Completion Proposal" and
// "Autocompletion".
class CompletionFeature : public QObject
{
    Q_OBJECT
public:
    explicit CompletionFeature(FeatureHost &host, QObject *parent = nullptr);

    // "SynAutoComplete1", fed with the code-template list.
    TSynAutoComplete *SynAutoComplete1 = nullptr;

private:
    void bindDocument(HostDocument *document);
    bool isChecked(const char *name) const;

    FeatureHost &m_host;
    QHash<QObject *, QPointer<EditFormKeys>> m_keys; // by document window
};
