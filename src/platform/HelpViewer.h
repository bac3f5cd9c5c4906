#pragma once

#include <QString>

class QWidget;

// The help window of the program: pages in data/help/, one per topic ("HID_TABLEDLG.html")
// plus "contents.html" and "index.html".
class HelpViewer
{
public:
    virtual ~HelpViewer() = default;
    virtual void showTopic(const QString &topic) = 0; // e.g. "HID_TABLEDLG"
    virtual void showContents() = 0;
    virtual void showIndex() = 0;

    static HelpViewer *instance();
    static void setInstance(HelpViewer *h);
};
