#pragma once

// The main window as a feature sees it, without the main window: the named pages as plain
// widgets, a real action registry holding the main menu's menus and items (unbound, as the
// window makes them before the features bind theirs), the settings file in a temporary program
// folder, and documents that are a bare editor. Tests drive the documents through it and the
// host's signals follow as the main window sends them.
#include "TempProgramFolder.h"
#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "settings/store/AppSettings.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <memory>

class QMenu;
class QMenuBar;

// One document: a widget holding a bare editor, with a pop-up menu and its registry.
class FakeDocument : public HostDocument
{
public:
    FakeDocument(const QString &caption, QWidget *parent);
    ~FakeDocument() override;

    QWidget *widget() override { return m_widget; }
    QString caption() const override { return m_caption; }
    QString fileName() const override { return m_fileName; }
    EditorAdapter *editor() const override { return m_editor; }
    void rename(const QString &caption) override { m_caption = caption; }
    void setFileName(const QString &fileName) override { m_fileName = fileName; }
    void removeHighlighter() override;
    // Writes the text to the file (no file: false); the document is then unmodified.
    bool save() override;
    bool isModified() const override;
    int errorLine() const override { return m_errorLine; }
    void setErrorLine(int line) override { m_errorLine = line; }
    void bringToFront() override;
    QString panelText(int panel) const override { return m_panels.value(panel); }
    void setPanelText(int panel, const QString &text) override { m_panels[panel] = text; }
    void setIsModified(bool modified) override { m_modified = modified; }
    QMenu *popupMenu() const override { return m_popup; }
    ActionRegistry &popupActions() override { return m_popupActions; }

private:
    QWidget *m_widget;
    EditorAdapter *m_editor;
    QMenu *m_popup;
    ActionRegistry m_popupActions;
    QString m_caption;
    QString m_fileName;
    QHash<int, QString> m_panels;
    int m_errorLine = -1;
    bool m_modified = false;
};

class FakeFeatureHost : public FeatureHost
{
    Q_OBJECT
public:
    // settingsFile: what qmEditor.ini holds at the start; copyData: the shipped data too.
    explicit FakeFeatureHost(const QByteArray &settingsFile = QByteArray(), bool copyData = false);
    ~FakeFeatureHost() override;

    QWidget *window() const override { return m_window.get(); }
    ActionRegistry &actions() override { return m_actions; }
    AppSettings &settings() override { return *m_settings; }
    HostDocument *activeDocument() const override;
    QList<HostDocument *> documents() const override;
    void insertText(const QString &text) override;
    HostDocument *makeDocument(const QString &name, const QString &text) override;
    HostDocument *makeHtmlDocument(const QString &text, int caretLine) override;
    QList<FileFilterEntry> fileFilter() override;
    int explorerFilterIndex() const override { return filterIndex; }
    QString explorerMask() const override { return mask; }
    void openFile(const QString &fileName) override;
    QString workingFolder() const override { return m_workingFolder; }
    void setWorkingFolder(const QString &folder) override { m_workingFolder = folder; }
    QWidget *page(Page page) const override;
    void addToPage(Page page, QWidget *widget, int index = -1) override;
    void showPage(Page page, bool current) override;
    ProjectSettings project() const override { return m_project; }
    void setProject(const ProjectSettings &project) override { m_project = project; }

    // --- What tests do as the main window would -----------------------------------------
    // A new document (caption, text, caret at its start), created and then made active.
    FakeDocument *open(const QString &caption, const QString &text = QString());
    void activate(FakeDocument *document);
    // Closes a document: documentClosed, then it is gone.
    void close(FakeDocument *document);
    FakeDocument *active() const { return m_active; }
    // How many handlers the document signals have: a feature that is gone leaves none behind.
    int documentHandlers() const
    {
        return receivers(SIGNAL(documentCreated(HostDocument *)))
            + receivers(SIGNAL(documentActivated(HostDocument *)))
            + receivers(SIGNAL(documentClosed(HostDocument *)))
            + receivers(SIGNAL(documentSaved(HostDocument *)));
    }

    TempProgramFolder folder;
    int filterIndex = 0;
    QString mask;
    QStringList openedFiles;   // openFile's names, in turn
    QList<Page> shownPages;    // showPage's pages, in turn
    QList<Page> currentPages;  // those shown as current
    QStringList madeDocuments; // captions of makeDocument/makeHtmlDocument
    QMenuBar *menuBar() const { return m_menuBar; }

private:
    std::unique_ptr<QWidget> m_window;
    QMenuBar *m_menuBar;
    ActionRegistry m_actions;
    std::unique_ptr<AppSettings> m_settings;
    mutable QHash<Page, QWidget *> m_pages;
    QList<FakeDocument *> m_documents; // most recently active first
    FakeDocument *m_active = nullptr;
    QString m_workingFolder;
    ProjectSettings m_project;
    int m_untitled = 0;
};
