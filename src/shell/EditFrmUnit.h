#pragma once

#include "editor/highlighting/Highlighter.h"
#include "host/ActionRegistry.h"
#include "host/HostDocument.h"
#include "platform/FileStamp.h"

#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace DocumentTypes {
enum class DocType;
}

class DocumentSearch;
class EditorAdapter;
class QAction;
class QLabel;
class QMdiSubWindow;
class QMenu;
class QStatusBar;
class TMainForm;

// One open document: the widget inside a document sub-window of the main window's MDI
// area, holding one editor. The window caption (the bare file name, or "Untitled" + number +
// extension) is the document's identity: duplicate test, "Open Files" list, type tests.
class TEditForm : public QWidget, public HostDocument
{
    Q_OBJECT
public:
    explicit TEditForm(TMainForm *mainForm, QWidget *parent = nullptr);
    ~TEditForm() override;

    // The caption is the title of the sub-window that holds this form.
    QString caption() const override;
    void setCaption(const QString &caption);
    QMdiSubWindow *subWindow() const;

    EditorAdapter *SynEdit1 = nullptr;
    EditorAdapter *editor() const override { return SynEdit1; }

    // The document as the features see it.
    QWidget *widget() override { return this; }
    QString fileName() const override { return DocumentFileName; }
    void rename(const QString &caption) override;
    void setFileName(const QString &fileName) override;
    void removeHighlighter() override { ChangeSyntaxToNoHighlighter(); }
    bool save() override { return SaveFileNow(); }
    bool isModified() const override { return IsModified; }
    int errorLine() const override { return ErrorLine; }
    void setErrorLine(int line) override { ErrorLine = line; }
    void bringToFront() override;
    QMenu *popupMenu() const override { return PopupMenu1; }
    ActionRegistry &popupActions() override { return m_popupActions; }
    void setIsModified(bool modified) override { IsModified = modified; }

    // Status bar: four panels of 60, 70, 100 and 50 pixels; panel 1 "Modified", panel 2 "Insertion".
    QStatusBar *StatusBar1 = nullptr;
    QString panelText(int panel) const override;
    void setPanelText(int panel, const QString &text) override;

    // Highlighters are made on first use; the switches set the editor's highlighter.
    Highlighter *highlighter(Highlighter::Kind kind);
    Highlighter *currentHighlighter() const;
    void ChangeSyntaxToJava();
    void ChangeSyntaxToHTML();
    void ChangeSyntaxToPerl();
    void ChangeSyntaxToXML();
    void ChangeSyntaxToCSS();
    void ChangeSyntaxToPHP();
    void ChangeSyntaxToGeneralHighlighter();
    void ChangeSyntaxToNoHighlighter();
    // The switch of a loaded file's type (Java: the window's default; a user-defined
    // language: the general highlighter).
    void ChangeSyntaxForType(DocumentTypes::DocType type);

    // Document state.
    bool IsModified = false;
    bool LineNumbersShown = false;
    bool HasFileName = false;
    int InitialLineCount = 0;
    int CaretLineIndex = 0;
    int ErrorLine = -1;
    QString DocumentFileName; // full path; empty for an untitled document
    QString CustomLanguage;   // user-defined language name; empty for built-in types

    // Reads fileName into the editor (encoding and line ending kept for saving).
    // False, with the reason, when it cannot be read or is not text.
    bool loadFromFile(const QString &fileName, QString *error = nullptr);

    // Saves to the document's file (Save as for a modified untitled document).
    // True when the file was written. A file another program changed since it was loaded
    // or saved is overwritten only when the user says so; an automatic save asks about
    // each such change once and skips the file after a No.
    bool SaveFileNow(bool automatic = false);
    // Asks for a new file name and saves there. True when the file was written.
    bool SaveFileAs();

    // The document matches its file (or its fresh template): not modified, the editor's own
    // flag cleared and the "Modified" panel emptied.
    void markUnmodified();

    // Replaces the selection with text at the caret; marks the document modified.
    void SkrivUtTekst(const QString &text);

    // The document's context menu and its own action registry (names of its items).
    QMenu *PopupMenu1 = nullptr;
    QAction *popupAction(const QString &name) const;
    QMenu *popupMenu(const QString &name) const;
    QStringList popupJavaGroup() const;
    QStringList popupHTMLGroup() const;

    // Pop-up edit commands.
    void Liminn1Click();
    void Copier1Click();
    void Klipput1Click();
    void VelgAlt1Click();
    void Undo1Click();
    void Gjenta1Click();

    // Find and replace (EditFrmSearch.cpp): the window's own find and replace dialogs.
    DocumentSearch *search();
    void Soek();
    void Finn();
    void FinnNeste();
    bool FinnErstatt();
    void Erstatt();
    // The pop-up's "Find", "Find Next", "Replace", "Replace again" and "Goto linenumber..";
    // added once, when the window is made.
    void addSearchItems();
    void Find1Click();
    void FindNext1Click();
    void Replace1Click();
    void Replaceagain1Click();
    void Gotolinenumber1Click();

    // Runs each time the window becomes the active document.
    void FormActivate();
    void SynEdit1Change();

    // True once the window has accepted its close (it is deleted shortly after).
    bool isClosed() const { return m_closed; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void buildStatusBar();
    void buildPopupMenu();
    void setHighlighterKind(Highlighter::Kind kind);
    bool writeTo(const QString &fileName);
    bool changedOnDisk(const QString &fileName) const;
    bool mayOverwrite(const QString &fileName, bool automatic);
    bool FormClose();

    TMainForm *m_main;
    QList<QLabel *> m_panels;
    QHash<int, Highlighter *> m_highlighters;
    ActionRegistry m_popupActions;
    DocumentSearch *m_search = nullptr;
    bool m_closed = false;
    FileStamp m_diskStamp;     // the file as it was when loaded or last saved
    FileStamp m_declinedStamp; // a change the user chose not to overwrite
};
