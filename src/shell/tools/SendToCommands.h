#pragma once

#include <QObject>

class FeatureHost;

// File, "Send to external program": "Add.." opens the send-to form and "Edit user defined
// tools.." the user tool form, each a window of its own over the main window.
class SendToCommands : public QObject
{
    Q_OBJECT
public:
    explicit SendToCommands(FeatureHost &host, QObject *parent = nullptr);

    void Add2Click();
    void Edituserdefinedtools1Click();

private:
    FeatureHost &m_host;
};
