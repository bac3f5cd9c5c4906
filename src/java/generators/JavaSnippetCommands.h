#pragma once

#include <QObject>
#include <QString>

class FeatureHost;
class HostDocument;
class QMenu;
class QToolButton;

// The one-click Java snippets of the main window: the items of the Java "Insert" menu, the
// pop-up "JavaElementer" of the "Insert code.." button on the "Java" tab, and the
// "Insert code" submenu of every document pop-up, whose entries run the same handlers.
class JavaSnippetCommands : public QObject
{
    Q_OBJECT
public:
    explicit JavaSnippetCommands(FeatureHost &host, QObject *parent = nullptr);

    QMenu *JavaElementer = nullptr;
    QToolButton *SpeedButton47 = nullptr; // "Insert code.."

    // Runs the snippet of a main-window handler ("Knapp2Click") on the active document:
    // replaces its selection by the snippet and places the caret; nothing without a document.
    void run(const QString &handler);

    // Opens JavaElementer at the button's top right corner.
    void SpeedButton47Click();

private:
    void fillDocumentPopup(HostDocument *document);

    FeatureHost *m_host;
};
