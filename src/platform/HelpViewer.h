#pragma once

#include <QString>

// The help window of the program: pages in the "help" folder beside the help file
// ("qmEditor.hlp" in the program folder), one per topic ("HID_TABLEDLG.html") plus
// "contents.html" (the start page) and "index.html" (the keyword index).
class HelpViewer
{
public:
    virtual ~HelpViewer() = default;
    virtual void showTopic(const QString &topic) = 0; // e.g. "HID_TABLEDLG"
    virtual void showContents() = 0;
    virtual void showIndex() = 0;

    static HelpViewer *instance();
    static void setInstance(HelpViewer *h);

    // The program's help file; its folder's "help/" holds the pages, whatever the case of
    // the file's name ("qmEditor.hlp", "qmEditor.HLP"). Empty: the program folder's.
    static void setHelpFile(const QString &fileName);
    static QString helpFile();
    // The folder of the pages, ending in "/".
    static QString pageFolder();
    // The page of a topic in folder, its name found without regard to case; empty when none.
    static QString pageFile(const QString &folder, const QString &topic);
};
