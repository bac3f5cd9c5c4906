#pragma once

#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "platform/FileDialogs.h"
#include "shell/DocumentTypes.h"
#include "shell/StartupSteps.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class AppSettings;
class QAction;
class QGroupBox;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSplitter;
class QTabWidget;
class QTimer;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TEditForm;
class TSaveDocChangeFrm;
class UserLanguages;

namespace MainMenuLayout {
struct Item;
struct Tables;
} // namespace MainMenuLayout

// The main window: an MDI frame of document windows (TEditForm) with the side panel
// (explorer, Java, HTML and general tool tabs), the bottom pane ("Open Files", compiler and
// debugger tabs), the menu bar and the settings file.
//
// The main window holds the shell's own logic. Features (HTML, Java, spelling, ...) are
// installed by the composition root (src/app/Features), which the constructor makes through the
// factory it is given, before start-up runs; the window reaches the root only through
// StartupSteps (the start-up steps of the features) and UserLanguages (the user-defined
// languages). Features see the window only through the host interface (src/host/FeatureHost.h).
//
// Its public surface is small; the handlers, widgets and states are its own:
// - Every main-menu command is a QAction registered under its component name in actions():
//   action("Save1")->trigger() runs File, Save; menu("Insert2") is a menu.
// - The active document is GetActiveEditor() (nullptr when none is open), the open ones are
//   documentWindows(); LoadFile opens a file.
// - The settings file is settings(), each reader with its own default from the key table.
// - The rest serves the features' host and the composition root: text goes in through
//   SkrivTekstenTilEditor(), documents are made through MakeUnitByName/LagEnhetHTML/
//   newLanguageDocument, the named pages are page(). A page's widgets are found by their
//   component names (objectName).
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    // arguments: the program's command line (arguments.value(1) is the file to open);
    // makeRoot: makes the composition root, which installs the features.
    TMainForm(const QStringList &arguments, const StartupStepsFactory &makeRoot,
              QWidget *parent = nullptr);
    ~TMainForm() override;

    // --- Action registry of the main menu ------------------------------------------------
    // Every main-menu command by component name; triggering one runs its handler.
    ActionRegistry &actions() { return m_registry; }
    const ActionRegistry &actions() const { return m_registry; }
    QAction *action(const QString &name) const { return m_registry.action(name); }
    QMenu *menu(const QString &name) const { return m_registry.menu(name); }

    // --- Settings file -------------------------------------------------------------------
    AppSettings &settings() const { return *m_settings; }

    // --- Documents -----------------------------------------------------------------------
    // The current document window (QMdiArea::currentSubWindow()), or nullptr.
    TEditForm *GetActiveEditor() const;
    // Open document windows, most recently active first (the frame's child list).
    QList<TEditForm *> documentWindows() const;
    // Opens fileName in a new document window (no duplicate test).
    TEditForm *LoadFile(const QString &fileName);

    // The program block, once the window is made: the hidden forms of the features (the
    // spell-check dialog, ...).
    void createHiddenForms();

    // --- What the features' host and the composition root use (src/app) ------------------
    // Inserts text at the active document's caret (replacing the selection); no-op without one.
    void SkrivTekstenTilEditor(const QString &text);
    // A new HTML document of the given name and text (caret on line 6), and a new untitled
    // HTML document with text and the caret on caretLine.
    TEditForm *MakeUnitByName(const QString &name, const QString &text);
    TEditForm *LagEnhetHTML(const QString &text, int caretLine);
    // The window's part of a new document of a user-defined language: a new untitled document
    // of extension ext with the general highlighter, on the "General" tab; a filterItem of 0 or
    // more also becomes the explorer's filter item and mask its file mask. setUp configures the
    // document before the editor settings apply; it then counts as unmodified.
    TEditForm *newLanguageDocument(const QString &language, const QString &ext, int filterItem,
                                   const QString &mask,
                                   const std::function<void(TEditForm *)> &setUp);
    // The explorer's double-click on its selected file (an empty selection does nothing).
    void openFromExplorer(const QString &selectedFile);
    // The file-type filter of the open and save dialogs (built-in types, user-defined
    // languages, "All files").
    QList<FileFilterEntry> UpdateFilesFilter();
    // Loads the colour file of the active document's type into its highlighter.
    void UpdateColorsInEditor();
    // The shortcut table on the main menu (start-up and the Options dialog's OK); the
    // document windows' own keys give way to it.
    void LoadShortcuts();

    // The explorer filter item selected by document type (the explorer's filter box uses it)
    // and the file mask the active document asks the explorer for.
    int filterIndex() const { return m_filterIndex; }
    void setFilterIndex(int index) { m_filterIndex = index; }
    QString explorerMask() const { return m_explorerMask; }
    // "Set as working dir": where the open and save dialogs start.
    QString workingFolder() const { return WorkingFolder; }
    void setWorkingFolder(const QString &folder) { WorkingFolder = folder; }
    QString ProjectFolder() const { return m_projectFolder; }
    void setProjectFolder(const QString &folder) { m_projectFolder = folder; }
    QString ImageFolder() const { return m_imageFolder; }
    void setImageFolder(const QString &name) { m_imageFolder = name; }

    // A named page of the side panel or the bottom pane, and its tab made visible (and, with
    // current, the active one).
    QWidget *page(FeatureHost::Page which) const;
    void showPage(FeatureHost::Page which, bool current);
    // The new-document pop-up's "Custom language document" submenu (the user-defined
    // languages are listed there).
    QMenu *popupLanguageMenu() const { return Customlanguages2; }

signals:
    // After a document window was created (and set up), became the active document, or closed.
    void documentCreated(TEditForm *window);
    void documentActivated(TEditForm *window);
    void documentClosed(TEditForm *window);
    // After a document window was written to its file.
    void documentSaved(TEditForm *window);
    // Before a file is opened into a new document window.
    void fileLoading(const QString &fileName);
    // A user-defined language was added or deleted: the file filter is another.
    void filesFilterChanged();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // The document windows share the window's routines and state.
    friend class TEditForm;
    friend struct MainMenuLayout::Tables;

    int documentCount() const { return documentWindows().size(); }
    // Applies the "EditorOptions" settings and the View check marks to the active document.
    void LoadUserSettings();

    // Creating documents.
    TEditForm *AddUnit(const QString &name, const QString &ext);
    TEditForm *MakeUnit(const QString &ext);
    // The name MakeUnit gives a new document: "Untitled" + the lowest number from
    // DocumentCounter + 1 up that no open document's caption uses, + ext.
    QString nextUntitledName(const QString &ext) const;

    // New-document commands (File, New and the new-document pop-up).
    void Source1Click();
    void Applet1Click();
    void HTMLdocument1Click();
    void Perldocument1Click();
    void PHPdocument1Click();
    void XMLdocument1Click();
    void CSSdocument1Click();
    void Textfile1Click();
    // Configures the active document's general highlighter from the language file of name
    // (keywords, comment styles, string quote); withCode also puts the language's sample code
    // in place of its text.
    void LoadLangData(const QString &name, bool withCode);

    // --- Loading and saving --------------------------------------------------------------
    // True when a document window's caption equals name, ignoring case.
    bool AllreadyOpen(const QString &name) const;
    // The answer to a second document with the bare name of an open one: the question
    // whether to bring the open one forward.
    void offerOpenDocument(const QString &bareName);
    // File, Load: the open dialog, the duplicate test, LoadFile.
    void Load1Click();
    void Save1Click();
    void SaveAs1Click();
    void Saveall1Click();

    // --- Reopen history and "Open Files" list --------------------------------------------
    void SaveFileHistory(const QString &fileName);
    void LoadHistFromFile();
    void AddFileToHist(const QString &fileName);
    void LoadHistFile(const QString &fileName);
    void ClearList1Click();

    // "Open Files" entries belong to their windows; the caption-based routines serve callers
    // that know only a name (OppdaterListeView renames, e.g. after strip HTML).
    QTreeWidgetItem *addOpenFilesEntry(TEditForm *window);
    void RemoveItemFromList(const QString &caption);
    void removeOpenFilesEntry(TEditForm *window);
    void OppdaterListeView(const QString &newName, const QString &oldName);
    void Gotodocumentwindow1Click();
    void Delete1Click();
    void UpdateListView1ItemSize();

    // --- Closing -------------------------------------------------------------------------
    void Close1Click();
    void Closeall2Click();
    void CloseAll1Click();
    // Closes every document window, last to first; false when one stayed open.
    bool CloseAll();
    void Exit1Click();

    // --- Menu and tab states by document type -----------------------------------------
    void EnableMainMenu();
    void DisableMainMenu();
    void ViewMainMenu(const QString &kind);
    void ViewJavaInMainMenu(bool show);
    void EnableDisableTabs(bool show);
    void EnableGeneralButtons(bool enable);
    void PopupMenuItemsUpdate(const QString &kind);
    void UpdateMaskAndJTab();
    void PageControl3Change();
    void Tools1Click();
    void Messagepane1Click();
    static QStringList documentItemNames(); // the 23 items enabled while documents are open
    static QStringList javaMenuNames();
    static QStringList htmlMenuNames();
    static QStringList javaEditItemNames();

    // --- Edit commands -------------------------------------------------------------------
    void Past1Click();
    void Copy1Click();
    void Cut1Click();
    void SelectAll1Click();
    void SpeedButton79Click(); // Undo
    void SpeedButton93Click(); // Redo

    // --- Block, search, view and window commands (MainEditCommands.cpp) ------------------
    void SpeedButton10Click(); // Comment
    void SpeedButton11Click(); // Uncomment
    void SpeedButton12Click(); // Indent
    void SpeedButton13Click(); // Unindent
    void Find1Click();
    void FindNext1Click();
    void Replace1Click();
    void SpeedButton15Click(); // Replace again
    void Gotoline1Click();
    // The View toggles: each writes its key to the settings file at once.
    void Linenumbers1Click();
    void Specialcharacters1Click();
    void CompletionProposal1Click();
    void Autocompletion1Click();
    void TileHorizontally1Click();
    void TileVertically1Click();
    void MinimizeAll1Click();
    void Nexteditorwindow1Click();
    void Previouseditorwindow1Click();

    // --- Start-up and timers -------------------------------------------------------------
    void OneTimeTimerTimer();
    void AutosaveTimerTimer();
    void FormActivate();
    QTimer *OneTimeTimer = nullptr;
    QTimer *AutosaveTimer = nullptr;

    // --- Widgets -------------------------------------------------------------------------
    QWidget *Panel2 = nullptr;
    QTabWidget *PageControl3 = nullptr;
    QWidget *TabSheet5 = nullptr; // "Files": the explorer panel goes here
    QWidget *JavaSheet = nullptr;
    QWidget *HTMLSheet = nullptr;
    QWidget *GeneralSheet = nullptr;
    QGroupBox *GroupBox12 = nullptr; // "Quick find:"
    QTabWidget *PageControl4 = nullptr;
    QWidget *FileSheet = nullptr;
    QTreeWidget *ListView1 = nullptr;  // "Open Files"
    QWidget *TabSheet6 = nullptr;      // "Compiler messages"
    QWidget *TabSheet7 = nullptr;      // "Debugger"
    QWidget *TabSheet8 = nullptr;      // "Compiler output"
    QWidget *DebugVars = nullptr;      // "Debug vars"
    QMenu *PopupMenu3 = nullptr;       // new-document pop-up
    QMenu *Customlanguages2 = nullptr; // its "Custom language document" submenu
    QMenu *OpenFilesPopup = nullptr;   // "Open Files" list pop-up

    // --- Shared state of the subsystems --------------------------------------------------
    QString CurrentFileExt;
    QString WorkingFolder; // "Set as working dir": where the open and save dialogs start
    bool ClosingFromOpenFilesList = false;

    void FormCreate();
    bool FormCloseQuery();
    void FormClose();

    // Steps of start-up that belong to the features: each forwards to the composition root.
    void LoadCustomLanglistFromFile();
    void LagNyCompletionListe();
    void showTipWindow();
    void restartFlatMenu();
    void setUpSpellChecker();

    // Window construction (MainMenus.cpp, Main.cpp).
    void buildMenus();
    void addMenuItems(QMenu *menu, const MainMenuLayout::Item *items, ActionRegistry *registry);
    void buildCentralArea();
    void buildSidePanel();
    void buildGeneralSheet();
    void buildBottomPane();
    QMenu *addTopMenu(const QString &name, const QString &caption);
    void installEditCommands();
    QToolButton *addNewDocumentButton(QWidget *parent, const QString &caption);
    // The first row of a type tab, prefix + "DocumentButtons": its "New ... document.." button,
    // then the "Open document.." button prefix + "OpenDocument", which runs Load1Click.
    QWidget *addDocumentButtons(QWidget *sheet, const QString &newCaption, const QString &prefix);
    void showNewDocumentPopup(QToolButton *button);
    void setSideTab(DocumentTypes::SideTab tab);
    void setTabShown(QTabWidget *pages, QWidget *page, bool shown);

    // Files (MainFiles.cpp).
    void openChosenFile(const QString &fileName);
    QString FindLangNameFromFilterString(const QString &ext);
    TEditForm *windowOfEntry(QTreeWidgetItem *item) const;
    void removeOpenFilesEntryItem(QTreeWidgetItem *entry);
    UserLanguages &languages() const { return m_root->userLanguages(); }

    // Document windows (MainDocuments.cpp).
    void newDocument(DocumentTypes::NewDocument kind);
    void placeTemplateCaret(TEditForm *window, const DocumentTypes::CaretRule &rule);
    void cascade(QMdiSubWindow *sub);
    void subWindowActivated(QMdiSubWindow *window);
    void documentClosing(TEditForm *window);
    bool readCommandLineFile();
    void bringToFront(TEditForm *window);
    bool templatesOn() const;

    QStringList m_arguments;
    ActionRegistry m_registry;
    AppSettings *m_settings = nullptr;
    std::unique_ptr<StartupSteps> m_root;
    QString m_iniFileName;
    QString m_helpFile;
    int m_documentCounter = 0;
    QString m_projectFolder;
    QString m_imageFolder;
    int m_filterIndex = 0;
    QString m_explorerMask;
    QTreeWidgetItem *LastOpenFilesItem = nullptr;

    QMdiArea *m_mdiArea = nullptr;
    QSplitter *m_sideSplitter = nullptr;   // Splitter1: side panel | documents
    QSplitter *m_bottomSplitter = nullptr; // documents / bottom pane
    QList<QToolButton *> m_generalButtons;
    QList<QToolButton *> m_undoRedoButtons;
    QList<QToolButton *> m_undoRedoPlaceholders;
    QPointer<TEditForm> m_lastActivated;
    bool m_destroying = false;
    bool m_autoSaving = false; // an auto-save is under way (its error box may be open)
    bool m_closed = false;
    bool m_created = false;    // the constructor has finished
    bool m_startupDue = false; // the start-up timer fired before that
};

// The one main window of the program.
extern TMainForm *MainForm;
