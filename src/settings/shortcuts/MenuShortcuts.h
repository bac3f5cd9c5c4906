#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class AppSettings;
class FeatureHost;
class HostDocument;

// The shortcut table on the main menu: every row's menu item takes the key of its
// "ShortCutList" text (the row's default when the file has none), and the document editors
// leave the keys of the main menu's commands to the menu.
class MenuShortcuts : public QObject
{
    Q_OBJECT
public:
    explicit MenuShortcuts(FeatureHost &host, QObject *parent = nullptr);

    // The key of each row, in row order; an empty sequence for a text that is empty or names
    // no key, and for a key an earlier row holds (a shortcut two commands held would run
    // neither).
    static QList<QKeySequence> keysOf(const AppSettings &settings);

    // Sets every row's menu item, so a row whose text is empty loses the key it had.
    void LoadShortcuts();

private:
    void guardEditor(HostDocument *document);

    FeatureHost &m_host;
};
