#pragma once

#include <QObject>

class FeatureHost;
class HtmlCommands;

// Tools, "Strip HTML from document" and the HTML tab's button "Button5": after the user's
// Yes, the active document's text becomes the plain text of StripHtml::strip (one undo
// step; the document is modified), its name takes the extension ".txt" and it loses its
// highlighting. Nothing is written: the next save writes the ".txt" name and the page's own
// file stays as it was. The menus follow the new type the next time the window is activated.
//
// A stripped document never overwrites a file unasked: when its ".txt" name already exists
// beside its file, it keeps the new caption but no file, so Save goes through Save as (which
// asks before it overwrites) and auto-save passes it by. When another open document already
// has the new caption, the command says so and changes nothing.
class StripHtmlCommand : public QObject
{
    Q_OBJECT
public:
    explicit StripHtmlCommand(FeatureHost &host, QObject *parent = nullptr);

    // Binds the command to its handler "Button5Click" of the HTML commands.
    void provideTo(HtmlCommands &commands);

    void Button5Click();

private:
    FeatureHost &m_host;
};
