#include "shell/Main.h"

#include "platform/AppPaths.h"
#include "platform/DelphiStrings.h"
#include "platform/HelpViewer.h"
#include "settings/store/AppSettings.h"
#include "shell/EditFrmUnit.h"
#include "shell/SaveDocChangeFrm.h"
#include "shell/SubWindowKeys.h"
#include "shell/TabVisibility.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <limits>

using Settings::Key;

TMainForm *MainForm = nullptr;

TMainForm::TMainForm(const QStringList &arguments, const StartupStepsFactory &makeRoot,
                     QWidget *parent)
    : QMainWindow(parent), m_arguments(arguments)
{
    MainForm = this;
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Quillmarsh's Editor v3.3"));

    // The settings file beside the executable (reading it creates nothing).
    m_iniFileName = AppPaths::iniFileName();
    m_settings = new AppSettings(m_iniFileName, this);

    // The start-up timer is one of the window's components, enabled as the window is made:
    // its 100 ms run while the rest is built. It fires once the message loop runs; should a
    // message box during the making run one, it waits until the window is complete.
    OneTimeTimer = new QTimer(this);
    OneTimeTimer->setObjectName(QStringLiteral("OneTimeTimer"));
    OneTimeTimer->setInterval(100);
    OneTimeTimer->setSingleShot(true);
    connect(OneTimeTimer, &QTimer::timeout, this, &TMainForm::OneTimeTimerTimer);
    OneTimeTimer->start();

    buildCentralArea();
    buildMenus();
    installEditCommands();
    // Every feature, with its menus, tool tabs and pop-up items, before start-up runs.
    m_root = makeRoot(*this);
    m_root->installFeatures();

    AutosaveTimer = new QTimer(this);
    AutosaveTimer->setObjectName(QStringLiteral("AutosaveTimer"));
    connect(AutosaveTimer, &QTimer::timeout, this, &TMainForm::AutosaveTimerTimer);

    FormCreate();
    m_created = true;
    if (m_startupDue)
        QMetaObject::invokeMethod(this, &TMainForm::OneTimeTimerTimer, Qt::QueuedConnection);
}

TMainForm::~TMainForm()
{
    // Document windows go with the main window without prompts; nothing may call back
    // into this half-destroyed object while they do.
    m_destroying = true;
    m_mdiArea->disconnect(this);
    delete m_mdiArea;
    m_mdiArea = nullptr;
    // The features go before the settings object they read.
    m_root.reset();
    if (MainForm == this)
        MainForm = nullptr;
}

// --- Creation -----------------------------------------------------------------------------

void TMainForm::FormCreate()
{
    // The help file beside the executable.
    m_helpFile = AppPaths::dataPath(QStringLiteral("qmEditor.hlp"));
    HelpViewer::setHelpFile(m_helpFile);
    // The file-type filter of the open dialog and the explorer.
    UpdateFilesFilter();
    // User-defined languages in the New menus.
    LoadCustomLanglistFromFile();
    // No document: neither the Java nor the HTML menus.
    ViewMainMenu(QStringLiteral("other document type"));
    // No document made yet, no HTML project.
    m_documentCounter = 0;
    m_projectFolder.clear();
    m_imageFolder = QStringLiteral("images");
    // The Java and HTML tool tabs wait for a document of their type.
    setTabShown(PageControl3, JavaSheet, false);
    setTabShown(PageControl3, HTMLSheet, false);
    // The code-template list.
    LagNyCompletionListe();
    // Auto-save. An interval of zero minutes or less would save without pause: the
    // timer then stays off.
    if (m_settings->boolValue(Key::AutoSave)) {
        const qint64 minutes = m_settings->intValue(Key::AutoSaveInterval);
        if (minutes > 0) {
            const qint64 ms = qMin<qint64>(minutes * 60000, std::numeric_limits<int>::max());
            AutosaveTimer->start(int(ms));
        }
    }
    // The Reopen submenu.
    if (QFileInfo::exists(m_iniFileName)
        && m_settings->intValue(Key::HistoryCount, Settings::Reader::StartUp) != -1)
        LoadHistFromFile();
    // Tip of the day.
    if (m_settings->boolValue(Key::TipsDoShow))
        showTipWindow();
    ClosingFromOpenFilesList = false;
    CurrentFileExt.clear();
    // No document is open yet.
    DisableMainMenu();
    // The shortcut table.
    LoadShortcuts();
    // Restyle every menu made so far.
    restartFlatMenu();
}

void TMainForm::LoadCustomLanglistFromFile()
{
    m_root->LoadCustomLanglistFromFile();
}
void TMainForm::LagNyCompletionListe()
{
    m_root->LagNyCompletionListe();
}
void TMainForm::LoadShortcuts()
{
    m_root->LoadShortcuts();
    for (QMdiSubWindow *sub : m_mdiArea->subWindowList())
        SubWindowKeys::yieldTo(m_registry, sub);
}
void TMainForm::showTipWindow()
{
    m_root->showTipWindow();
}
void TMainForm::restartFlatMenu()
{
    m_root->restartFlatMenu();
}
void TMainForm::setUpSpellChecker()
{
    m_root->setUpSpellChecker();
}
void TMainForm::createHiddenForms()
{
    m_root->createHiddenForms();
}

void TMainForm::buildCentralArea()
{
    m_sideSplitter = new QSplitter(Qt::Horizontal, this);
    m_sideSplitter->setObjectName(QStringLiteral("Splitter1"));
    m_sideSplitter->setChildrenCollapsible(false);

    buildSidePanel();
    m_sideSplitter->addWidget(Panel2);

    m_bottomSplitter = new QSplitter(Qt::Vertical, m_sideSplitter);
    m_bottomSplitter->setObjectName(QStringLiteral("Splitter2"));
    m_bottomSplitter->setChildrenCollapsible(false);
    m_mdiArea = new QMdiArea(m_bottomSplitter);
    m_mdiArea->setObjectName(QStringLiteral("MdiArea"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_bottomSplitter->addWidget(m_mdiArea);
    buildBottomPane();
    m_bottomSplitter->addWidget(PageControl4);
    m_bottomSplitter->setStretchFactor(0, 1);
    m_bottomSplitter->setStretchFactor(1, 0);
    m_bottomSplitter->setSizes({600, 150});

    m_sideSplitter->addWidget(m_bottomSplitter);
    m_sideSplitter->setStretchFactor(0, 0);
    m_sideSplitter->setStretchFactor(1, 1);
    m_sideSplitter->setSizes({230, 900});
    setCentralWidget(m_sideSplitter);

    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &TMainForm::subWindowActivated);
}

QToolButton *TMainForm::addNewDocumentButton(QWidget *parent, const QString &caption)
{
    auto *b = new QToolButton(parent);
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(b, &QToolButton::clicked, this, [this, b] { showNewDocumentPopup(b); });
    return b;
}

QWidget *TMainForm::addDocumentButtons(QWidget *sheet, const QString &newCaption,
                                       const QString &prefix)
{
    auto *row = new QWidget(sheet);
    row->setObjectName(prefix + QStringLiteral("DocumentButtons"));
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(addNewDocumentButton(row, newCaption));
    auto *open = new QToolButton(row);
    open->setObjectName(prefix + QStringLiteral("OpenDocument"));
    open->setText(QStringLiteral("Open document.."));
    open->setToolTip(open->text());
    open->setToolButtonStyle(Qt::ToolButtonTextOnly);
    open->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(open, &QToolButton::clicked, this, &TMainForm::Load1Click);
    layout->addWidget(open);
    return row;
}

void TMainForm::showNewDocumentPopup(QToolButton *button)
{
    // At the button's top right corner.
    PopupMenu3->popup(button->mapToGlobal(QPoint(button->width(), 0)));
}

void TMainForm::buildSidePanel()
{
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    auto *panelLayout = new QVBoxLayout(Panel2);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    PageControl3 = new QTabWidget(Panel2);
    PageControl3->setObjectName(QStringLiteral("PageControl3"));
    panelLayout->addWidget(PageControl3);

    auto makeSheet = [this](const QString &name, const QString &caption) {
        auto *page = new QWidget(PageControl3);
        page->setObjectName(name);
        PageControl3->addTab(page, caption);
        return page;
    };
    TabSheet5 = makeSheet(QStringLiteral("TabSheet5"), QStringLiteral("Files"));
    new QVBoxLayout(TabSheet5); // the explorer panel is placed here

    JavaSheet = makeSheet(QStringLiteral("JavaSheet"), QStringLiteral("Java"));
    auto *javaLayout = new QVBoxLayout(JavaSheet);
    javaLayout->addWidget(addDocumentButtons(JavaSheet, QStringLiteral("New java document.."),
                                             QStringLiteral("Java")));
    GroupBox12 = new QGroupBox(QStringLiteral("Quick find:"), JavaSheet);
    GroupBox12->setObjectName(QStringLiteral("GroupBox12"));
    new QVBoxLayout(GroupBox12); // the quick-find boxes are placed here
    javaLayout->addWidget(GroupBox12);
    javaLayout->addStretch(1);

    HTMLSheet = makeSheet(QStringLiteral("HTMLSheet"), QStringLiteral("HTML"));
    auto *htmlLayout = new QVBoxLayout(HTMLSheet);
    htmlLayout->addWidget(addDocumentButtons(HTMLSheet, QStringLiteral("New HTML document.."),
                                             QStringLiteral("HTML")));
    htmlLayout->addStretch(1);

    GeneralSheet = makeSheet(QStringLiteral("GeneralSheet"), QStringLiteral("General"));
    buildGeneralSheet();

    connect(PageControl3, &QTabWidget::currentChanged, this, &TMainForm::PageControl3Change);
}

void TMainForm::buildGeneralSheet()
{
    auto *layout = new QVBoxLayout(GeneralSheet);
    layout->addWidget(addDocumentButtons(GeneralSheet, QStringLiteral("New document.."),
                                         QStringLiteral("General")));
    auto *grid = new QGridLayout;
    layout->addLayout(grid);
    layout->addStretch(1);

    // Caption, main-menu action the button runs.
    static const struct {
        const char *caption;
        const char *action;
    } buttons[] = {
        {"Save document", "Save1"},
        {"Save as..", "SaveAs1"},
        {"Print", "Print1"},
        {"Print preview", "ForhndVisning1"},
        {"Cut", "Cut1"},
        {"Copy", "Copy1"},
        {"Select all", "SelectAll1"},
        {"Paste", "Past1"},
        {"Find..", "Find1"},
        {"Find next", "FindNext1"},
        {"Replace", "Replace1"},
        {"Replace again", "Replaceagain1"},
    };
    int row = 0;
    auto place = [&](QToolButton *b) {
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        grid->addWidget(b, row / 2, row % 2);
        ++row;
    };
    for (const auto &def : buttons) {
        auto *b = new QToolButton(GeneralSheet);
        b->setText(QLatin1String(def.caption));
        b->setObjectName(QStringLiteral("General") + QLatin1String(def.action));
        const QString actionName = QLatin1String(def.action);
        connect(b, &QToolButton::clicked, this, [this, actionName] {
            // "Find next" searches also while its menu item is disabled after a failed search.
            if (actionName == QLatin1String("FindNext1"))
                FindNext1Click();
            else if (QAction *a = action(actionName))
                a->trigger();
        });
        place(b);
        m_generalButtons.append(b);
    }
    auto addPair = [&](const QString &undoText, const QString &redoText, QList<QToolButton *> &into,
                       bool working) {
        for (const QString &text : {undoText, redoText}) {
            auto *b = new QToolButton(GeneralSheet);
            b->setText(text);
            if (working) {
                const bool undo = text == undoText;
                b->setObjectName(undo ? QStringLiteral("GeneralUndo")
                                      : QStringLiteral("GeneralRedo"));
                connect(b, &QToolButton::clicked, this,
                        undo ? &TMainForm::SpeedButton79Click : &TMainForm::SpeedButton93Click);
            } else {
                b->setObjectName(text == undoText ? QStringLiteral("GeneralUndoPlaceholder")
                                                  : QStringLiteral("GeneralRedoPlaceholder"));
                b->setEnabled(false);
            }
            place(b);
            into.append(b);
        }
    };
    addPair(QStringLiteral("Undo"), QStringLiteral("Redo"), m_undoRedoButtons, true);
    row -= 2; // the placeholders take the same places
    addPair(QStringLiteral("Undo (Ctrl+Z)"), QStringLiteral("Redo (Ctrl+Shift+Z)"),
            m_undoRedoPlaceholders, false);
}

void TMainForm::buildBottomPane()
{
    PageControl4 = new QTabWidget(m_bottomSplitter);
    PageControl4->setObjectName(QStringLiteral("PageControl4"));
    PageControl4->setTabPosition(QTabWidget::South);

    FileSheet = new QWidget(PageControl4);
    FileSheet->setObjectName(QStringLiteral("FileSheet"));
    auto *fileLayout = new QVBoxLayout(FileSheet);
    fileLayout->setContentsMargins(0, 0, 0, 0);
    ListView1 = new QTreeWidget(FileSheet);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setColumnCount(1);
    ListView1->setHeaderHidden(true);
    ListView1->setRootIsDecorated(false);
    ListView1->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    fileLayout->addWidget(ListView1);
    PageControl4->addTab(FileSheet, QStringLiteral("Open Files"));

    OpenFilesPopup = new QMenu(this);
    OpenFilesPopup->setObjectName(QStringLiteral("PopupMenu2"));
    QAction *gotoWindow = OpenFilesPopup->addAction(QStringLiteral("Goto document window"));
    gotoWindow->setObjectName(QStringLiteral("Gotodocumentwindow1"));
    connect(gotoWindow, &QAction::triggered, this, &TMainForm::Gotodocumentwindow1Click);
    QAction *closeWindow = OpenFilesPopup->addAction(QStringLiteral("Close document window"));
    closeWindow->setObjectName(QStringLiteral("Delete1"));
    connect(closeWindow, &QAction::triggered, this, &TMainForm::Delete1Click);
    connect(ListView1, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        OpenFilesPopup->popup(ListView1->viewport()->mapToGlobal(pos));
    });
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this,
            [this] { Gotodocumentwindow1Click(); });

    auto makePage = [this](const QString &name, const QString &caption) {
        auto *page = new QWidget(PageControl4);
        page->setObjectName(name);
        PageControl4->addTab(page, caption);
        return page;
    };
    TabSheet6 = makePage(QStringLiteral("TabSheet6"), QStringLiteral("Compiler messages"));
    TabSheet7 = makePage(QStringLiteral("TabSheet7"), QStringLiteral("Debugger"));
    TabSheet8 = makePage(QStringLiteral("TabSheet8"), QStringLiteral("Compiler output"));
    DebugVars = makePage(QStringLiteral("DebugVars"), QStringLiteral("Debug vars"));
    for (QWidget *page : {TabSheet6, TabSheet7, TabSheet8, DebugVars})
        setTabShown(PageControl4, page, false);
}

QWidget *TMainForm::page(FeatureHost::Page which) const
{
    using Page = FeatureHost::Page;
    switch (which) {
    case Page::Files: return TabSheet5;
    case Page::Java: return JavaSheet;
    case Page::Html: return HTMLSheet;
    case Page::General: return GeneralSheet;
    case Page::OpenFiles: return FileSheet;
    case Page::CompilerMessages: return TabSheet6;
    case Page::Debugger: return TabSheet7;
    case Page::CompilerOutput: return TabSheet8;
    case Page::DebugVars: return DebugVars;
    case Page::QuickFind: return GroupBox12;
    }
    return nullptr;
}

void TMainForm::showPage(FeatureHost::Page which, bool current)
{
    QWidget *sheet = page(which);
    for (QTabWidget *pages : {PageControl3, PageControl4}) {
        const int index = pages->indexOf(sheet);
        if (index < 0)
            continue;
        TabVisibility::setShown(pages, sheet, true);
        if (current)
            pages->setCurrentIndex(index);
    }
}

void TMainForm::setTabShown(QTabWidget *pages, QWidget *page, bool shown)
{
    const int index = pages->indexOf(page);
    if (index < 0 || pages->isTabVisible(index) == shown)
        return;
    // Programmatic changes of the visible tabs are not the user's tab change.
    const QSignalBlocker block(pages);
    TabVisibility::setShown(pages, page, shown);
}

// --- Timers and activation ---------------------------------------------------------------

void TMainForm::OneTimeTimerTimer()
{
    if (!m_created) {
        m_startupDue = true;
        return;
    }
    ListView1->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    // Off before anything else: loading may show a message, and the timer must not fire again.
    OneTimeTimer->stop();
    readCommandLineFile();
    GroupBox12->setVisible(m_settings->boolValue(Key::JavaQuickFind));
    setUpSpellChecker();
}

bool TMainForm::readCommandLineFile()
{
    const QString argument = m_arguments.value(1);
    if (Delphi::trim(argument).isEmpty())
        return false;
    // A relative name is taken from the current folder, so that the document knows its full path.
    LoadFile(QFileInfo(argument).absoluteFilePath());
    return true;
}

void TMainForm::FormActivate()
{
    GroupBox12->setVisible(m_settings->boolValue(Key::JavaQuickFind));
}

void TMainForm::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_closed)
        FormActivate();
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_closed)
        FormActivate();
}

void TMainForm::AutosaveTimerTimer()
{
    TEditForm *w = GetActiveEditor();
    if (!w || Delphi::trim(w->DocumentFileName).isEmpty())
        return;
    // Only unsaved changes are written; an unchanged document is left alone on disk.
    // A failed save shows a message box; the timer must not start another save (and
    // another box) from inside it.
    if (w->IsModified && !m_autoSaving) {
        m_autoSaving = true;
        w->SaveFileNow(true);
        m_autoSaving = false;
    }
}

// --- Closing the main window -----------------------------------------------------------

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TMainForm::FormCloseQuery()
{
    const QList<TEditForm *> windows = documentWindows();
    if (windows.isEmpty() || !m_settings->boolValue(Key::WarnBeforeClose))
        return true;
    QList<TEditForm *> modified;
    for (TEditForm *w : windows)
        if (w->IsModified)
            modified.append(w);
    if (modified.isEmpty())
        return true;

    TSaveDocChangeFrm dialog(this);
    for (TEditForm *w : modified)
        dialog.addDocument(w->caption());
    const int answer = dialog.exec();
    if (answer == TSaveDocChangeFrm::No)
        return true;
    if (answer != TSaveDocChangeFrm::Yes)
        return false;
    // Each row belongs to the window it was made for; a window that went away meanwhile is skipped.
    QList<QPointer<TEditForm>> chosen;
    for (int row : dialog.checkedRows())
        chosen.append(modified.at(row));
    bool allSaved = true;
    for (const QPointer<TEditForm> &w : chosen)
        if (w && !w->isClosed() && !w->SaveFileNow())
            allSaved = false;
    // A save the user asked for that did not happen keeps the program running.
    return allSaved;
}

void TMainForm::FormClose()
{
    const QList<TEditForm *> windows = documentWindows();
    if (!windows.isEmpty()) {
        QMdiSubWindow *first = windows.first()->subWindow();
        const bool notNormal = first && (first->isMaximized() || first->isMinimized());
        m_settings->setBool(Key::MaxWinAtStart, notNormal);
    }
    m_closed = true;
    OneTimeTimer->stop();
    AutosaveTimer->stop();
}

void TMainForm::Exit1Click()
{
    close();
}
