#pragma once

#include "host/ProjectSettings.h"
#include "platform/FileDialogs.h"

#include <QList>
#include <QObject>
#include <QString>

class ActionRegistry;
class AppSettings;
class EditorAdapter;
class HostDocument;
class QWidget;

// What a feature may use of the main window. Features are handed this interface by the
// composition root (src/app) and never see the main window's own class.
class FeatureHost : public QObject
{
    Q_OBJECT
public:
    // The named pages of the side panel and of the bottom pane.
    enum class Page {
        Files,            // "Files" (the explorer)
        Java,             // "Java" tool tab
        Html,             // "HTML" tool tab
        General,          // "General" tool tab
        OpenFiles,        // "Open Files"
        CompilerMessages, // "Compiler messages"
        Debugger,         // "Debugger"
        CompilerOutput,   // "Compiler output"
        DebugVars,        // "Debug vars"
        QuickFind         // the group "Quick find:" on the "Java" tab
    };

    using QObject::QObject;

    // The main window: owner of the features' windows and parent of their dialogs.
    virtual QWidget *window() const = 0;
    // The main menu's commands and menus by component name.
    virtual ActionRegistry &actions() = 0;
    // The settings file.
    virtual AppSettings &settings() = 0;

    // The active document; nullptr when none is open.
    virtual HostDocument *activeDocument() const = 0;
    // The open documents, most recently active first.
    virtual QList<HostDocument *> documents() const = 0;
    // The active document's editor; nullptr when none is open.
    EditorAdapter *activeEditor() const;
    // Inserts text at the active document's caret, replacing the selection, and marks the
    // document modified; nothing happens when no document is open.
    virtual void insertText(const QString &text) = 0;
    // A new HTML document of the given name and text (caret on line 6), and a new untitled
    // HTML document with text and the caret on caretLine (the templates option governs only
    // File, New).
    virtual HostDocument *makeDocument(const QString &name, const QString &text) = 0;
    virtual HostDocument *makeHtmlDocument(const QString &text, int caretLine) = 0;
    // The file-type filter of the open and save dialogs.
    virtual QList<FileFilterEntry> fileFilter() = 0;
    // The filter item (0-based) of the active document's type, or of the last document made or
    // loaded, and the file mask that document asks the explorer for (e.g. "*.java"; empty when
    // it asks for none).
    virtual int explorerFilterIndex() const = 0;
    virtual QString explorerMask() const = 0;
    // Opens a file (full path) into a document window as File, "Open.." does with its answer;
    // an empty or blank name does nothing.
    virtual void openFile(const QString &fileName) = 0;
    // The folder the open and save dialogs start in ("Set as working dir"); empty: the
    // dialogs' own choice.
    virtual QString workingFolder() const = 0;
    virtual void setWorkingFolder(const QString &folder) = 0;

    // A named page, its layout receiving a feature's widget, and its tab shown.
    virtual QWidget *page(Page page) const = 0;
    // Puts widget into the page's layout at index (-1: after the rest, before a closing
    // stretch).
    virtual void addToPage(Page page, QWidget *widget, int index = -1) = 0;
    // Makes a bottom-pane page's tab visible and, with current, the active tab.
    virtual void showPage(Page page, bool current) = 0;

    // The HTML project folder and its image folder name.
    virtual ProjectSettings project() const = 0;
    virtual void setProject(const ProjectSettings &project) = 0;

signals:
    // A document window was created and set up, became the active document, is closing, or
    // was written to its file.
    void documentCreated(HostDocument *document);
    void documentActivated(HostDocument *document);
    void documentClosed(HostDocument *document);
    void documentSaved(HostDocument *document);
    // A file is about to be opened into a new document window.
    void fileLoading(const QString &fileName);
    // The file-type filter changed (a user-defined language was added or deleted).
    void fileFilterChanged();
};
