#pragma once

#include <QString>

class ActionRegistry;
class EditorAdapter;
class QMenu;
class QWidget;

// One open document as the features see it. A pointer to it is used at once and never kept:
// the window may close at any time (keep a QPointer to widget() when a feature must wait).
class HostDocument
{
public:
    virtual ~HostDocument() = default;

    // The document window.
    virtual QWidget *widget() = 0;
    // The bare file name shown as the window caption ("Untitled" + number for a new one): the
    // document's identity for the duplicate test, the open-files list and the type tests.
    virtual QString caption() const = 0;
    // The full path of the document's file; empty while it has none.
    virtual QString fileName() const = 0;
    virtual EditorAdapter *editor() const = 0;
    // Gives the document a new caption; its "Open Files" entry follows. Nothing is written.
    virtual void rename(const QString &caption) = 0;
    // Ties the document to a file (full path) or, with an empty name, to none: Save then asks
    // for a name and auto-save passes it by. Nothing is written.
    virtual void setFileName(const QString &fileName) = 0;
    // Shows the text without syntax highlighting.
    virtual void removeHighlighter() = 0;
    // Saves the document (Save as for a modified untitled one); true when the file was written.
    virtual bool save() = 0;
    // Edited since it was loaded or last saved.
    virtual bool isModified() const = 0;
    // The line painted as a compiler error line (1-based, -1: none).
    virtual int errorLine() const = 0;
    virtual void setErrorLine(int line) = 0;
    // Shows the window, brings it to the front and gives its editor the focus.
    virtual void bringToFront() = 0;
    // The status bar's panels: 0 the caret position, 1 the modified state, 2 the insert mode.
    virtual QString panelText(int panel) const = 0;
    virtual void setPanelText(int panel, const QString &text) = 0;
    // Counts the document as edited although its text did not change.
    virtual void setIsModified(bool modified) = 0;
    // The document's pop-up menu and its own registry of items by component name.
    virtual QMenu *popupMenu() const = 0;
    virtual ActionRegistry &popupActions() = 0;
};
