#pragma once

#include "platform/HelpViewer.h"

#include <QStringList>

// Records the pages asked for: topics by name, "contents" and "index" for the two lists.
class FakeHelpViewer : public HelpViewer
{
public:
    FakeHelpViewer() : m_previous(HelpViewer::instance()) { HelpViewer::setInstance(this); }
    ~FakeHelpViewer() override { HelpViewer::setInstance(m_previous); }

    void showTopic(const QString &topic) override { pages.append(topic); }
    void showContents() override { pages.append(QStringLiteral("contents")); }
    void showIndex() override { pages.append(QStringLiteral("index")); }

    QStringList pages;

private:
    HelpViewer *m_previous;
};
