#pragma once

#include <QObject>

class FeatureHost;

// The Window menu's launches of other programs: the file manager, a terminal and the browser
// on the active page.
class ShellLaunchCommands : public QObject
{
    Q_OBJECT
public:
    ShellLaunchCommands(FeatureHost &host, QObject *parent = nullptr);

    // The file manager on the home folder.
    void WindowsExplorer1Click();
    // A terminal in the program's current folder.
    void Showdospromt1Click();
    // Saves the active document; when it was written, opens it in the browser.
    void Viewpageinbrowser1Click();

private:
    void openerMissing(const QString &target);

    FeatureHost &m_host;
};
