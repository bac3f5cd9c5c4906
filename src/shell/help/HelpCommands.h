#pragma once

#include <QObject>

class FeatureHost;

// The Help menu: "Tip of the day", "Contents", "Index", "Homepage" and "About..".
class HelpCommands : public QObject
{
    Q_OBJECT
public:
    HelpCommands(FeatureHost &host, QObject *parent = nullptr);

    void ipoftheday1Click();
    void Content1Click();
    void Index1Click();
    void Homepage1Click();
    void About1Click();

    // The help file the help commands and the dialogs' Help buttons name.
    static QString helpFileName();

    // The start-up step: the tip window, unless start-up tips are held back (tests).
    void showTipAtStartUp();
    static void setStartUpTipsAllowed(bool allowed);

private:
    FeatureHost &m_host;
};
