#pragma once

#include <QObject>

class ExplorerPanel;
class FeatureHost;

// The explorer on the "Files" page: its filter box shows the host's file filter with the item
// of the active document's type (a new or loaded document also sets the file mask), a double-
// clicked file is opened, a chosen root gives the active editor the focus, "Set as working
// dir" sets the host's working folder, and the project folder is chosen from the panel and
// from "Define project catalog.." in the "Project1" menu.
class ExplorerFeature : public QObject
{
    Q_OBJECT
public:
    explicit ExplorerFeature(FeatureHost &host, QObject *parent = nullptr);

    ExplorerPanel *panel() const { return m_panel; }

private:
    ExplorerPanel *m_panel;
};
