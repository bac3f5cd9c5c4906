#include "shell/EditFrmUnit.h"

#include "editor/EditorAdapter.h"
#include "platform/DelphiStrings.h"
#include "platform/FileDialogs.h"
#include "platform/FileStamp.h"
#include "platform/Prompter.h"
#include "platform/TextFile.h"
#include "settings/store/AppSettings.h"
#include "shell/DocumentTypes.h"
#include "shell/Main.h"
#include "shell/UserLanguages.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {
const char *const kHighlighterNames[] = {"SynJavaSyn1",   "SynHTMLSyn1", "SynCssSyn1",
                                         "SynXMLSyn1",    "SynPerlSyn1", "SynPHPSyn1",
                                         "SynGeneralSyn1"};
}

TEditForm::TEditForm(TMainForm *mainForm, QWidget *parent) : QWidget(parent), m_main(mainForm)
{
    setObjectName(QStringLiteral("EditForm"));
    setWindowTitle(QStringLiteral("EditForm")); // until AddUnit names the document
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    SynEdit1 = new EditorAdapter(this);
    SynEdit1->setObjectName(QStringLiteral("SynEdit1"));
    SynEdit1->widget()->setObjectName(QStringLiteral("SynEdit1"));
    layout->addWidget(SynEdit1->widget(), 1);

    buildStatusBar();
    layout->addWidget(StatusBar1);
    buildPopupMenu();

    QWidget *sci = SynEdit1->widget();
    sci->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(sci, &QWidget::customContextMenuRequested, this,
            [this, sci](const QPoint &pos) { PopupMenu1->popup(sci->mapToGlobal(pos)); });
    connect(SynEdit1, &EditorAdapter::textChanged, this, &TEditForm::SynEdit1Change);
    setFocusProxy(sci);

    FormCreate();
}

TEditForm::~TEditForm() = default;

void TEditForm::FormCreate()
{
    ErrorLine = -1;
    setPanelText(2, QStringLiteral("Insertion"));
    HasFileName = false;
    LineNumbersShown = false;
    InitialLineCount = 0;
    CaretLineIndex = 0;
    IsModified = false;
    // The Java highlighter is the window's default; AddUnit switches by type right after.
    ChangeSyntaxToJava();
}

QString TEditForm::caption() const
{
    if (QMdiSubWindow *sub = subWindow())
        return sub->windowTitle();
    return windowTitle();
}

void TEditForm::setCaption(const QString &caption)
{
    setWindowTitle(caption);
    if (QMdiSubWindow *sub = subWindow())
        sub->setWindowTitle(caption);
}

void TEditForm::rename(const QString &newCaption)
{
    m_main->OppdaterListeView(newCaption, caption());
    setCaption(newCaption);
}

void TEditForm::setFileName(const QString &fileName)
{
    DocumentFileName = fileName;
    HasFileName = !fileName.isEmpty();
}

QMdiSubWindow *TEditForm::subWindow() const
{
    return qobject_cast<QMdiSubWindow *>(parentWidget());
}

void TEditForm::buildStatusBar()
{
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    const int widths[] = {60, 70, 100, 50};
    for (int i = 0; i < 4; ++i) {
        auto *panel = new QLabel(StatusBar1);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFixedWidth(widths[i]);
        if (i < 3)
            panel->setAlignment(Qt::AlignCenter);
        panel->setFrameShape(QFrame::StyledPanel);
        StatusBar1->addWidget(panel);
        m_panels.append(panel);
    }
}

QString TEditForm::panelText(int panel) const
{
    return m_panels.value(panel) ? m_panels.at(panel)->text() : QString();
}

void TEditForm::setPanelText(int panel, const QString &text)
{
    if (QLabel *label = m_panels.value(panel))
        label->setText(text);
}

// --- Pop-up menu ------------------------------------------------------------------------

void TEditForm::buildPopupMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));

    QMenu *edit =
        m_popupActions.addSubmenu(PopupMenu1, QStringLiteral("Edit1"), QStringLiteral("Edit"));
    connect(m_popupActions.addItem(edit, QStringLiteral("Undo1"), QStringLiteral("Undo")),
            &QAction::triggered, this, &TEditForm::Undo1Click);
    connect(m_popupActions.addItem(edit, QStringLiteral("Gjenta1"), QStringLiteral("Redo")),
            &QAction::triggered, this, &TEditForm::Gjenta1Click);
    m_popupActions.addSeparator(edit, QStringLiteral("N1"));
    connect(m_popupActions.addItem(edit, QStringLiteral("Klipput1"), QStringLiteral("Cut")),
            &QAction::triggered, this, &TEditForm::Klipput1Click);
    connect(m_popupActions.addItem(edit, QStringLiteral("Copier1"), QStringLiteral("Copy")),
            &QAction::triggered, this, &TEditForm::Copier1Click);
    connect(m_popupActions.addItem(edit, QStringLiteral("Liminn1"), QStringLiteral("Paste")),
            &QAction::triggered, this, &TEditForm::Liminn1Click);
    connect(m_popupActions.addItem(edit, QStringLiteral("VelgAlt1"), QStringLiteral("Select all")),
            &QAction::triggered, this, &TEditForm::VelgAlt1Click);

    // Java group.
    m_popupActions.addItem(PopupMenu1, QStringLiteral("Addtodebuggerwatch1"),
                           QStringLiteral("Add to debugger watch"));
    m_popupActions.addSeparator(PopupMenu1, QStringLiteral("N14"));
    m_popupActions.addSubmenu(PopupMenu1, QStringLiteral("ools2"), QStringLiteral("Compiling"));
    m_popupActions.addSubmenu(PopupMenu1, QStringLiteral("Debugging1"),
                              QStringLiteral("Debugging"));
    m_popupActions.addSubmenu(PopupMenu1, QStringLiteral("Insert2"), QStringLiteral("Insert code"));
    m_popupActions.addSeparator(PopupMenu1, QStringLiteral("N4"));
    m_popupActions.addItem(PopupMenu1, QStringLiteral("Setbookmark1"),
                           QStringLiteral("Set breakpoint"));
    m_popupActions.addItem(PopupMenu1, QStringLiteral("Clearbookmark1"),
                           QStringLiteral("Clear breakpoint on current line"));
    m_popupActions.addItem(PopupMenu1, QStringLiteral("Nextbreakpoint1"),
                           QStringLiteral("Next breakpoint"));
    m_popupActions.addItem(PopupMenu1, QStringLiteral("Previousbreakboint1"),
                           QStringLiteral("Previous breakpoint"));
    m_popupActions.addSeparator(PopupMenu1, QStringLiteral("N2"));

    // HTML group.
    m_popupActions.addSubmenu(PopupMenu1, QStringLiteral("Common1"), QStringLiteral("Common"));
    m_popupActions.addSubmenu(PopupMenu1, QStringLiteral("Spesiellebokstaver1"),
                              QStringLiteral("Special characters"));
    m_popupActions.addSubmenu(PopupMenu1, QStringLiteral("Skjema1"), QStringLiteral("Form"));
    m_popupActions.addSeparator(PopupMenu1, QStringLiteral("N6"));
    m_popupActions.addSubmenu(PopupMenu1, QStringLiteral("Plasser1"), QStringLiteral("Alignment"));
    m_popupActions.addSubmenu(PopupMenu1, QStringLiteral("Font2"), QStringLiteral("Font"));
    m_popupActions.addSeparator(PopupMenu1, QStringLiteral("N5"));

    // Document commands that call the main window's handlers.
    connect(m_popupActions.addItem(PopupMenu1, QStringLiteral("Save1"), QStringLiteral("S&ave")),
            &QAction::triggered, m_main, &TMainForm::Save1Click);
    connect(
        m_popupActions.addItem(PopupMenu1, QStringLiteral("SaveAs1"), QStringLiteral("Sa&ve as..")),
        &QAction::triggered, m_main, &TMainForm::SaveAs1Click);
    m_popupActions.addSeparator(PopupMenu1, QStringLiteral("N3"));
    connect(m_popupActions.addItem(PopupMenu1, QStringLiteral("Closedocument1"),
                                   QStringLiteral("Close document")),
            &QAction::triggered, m_main, &TMainForm::Close1Click);
}

QAction *TEditForm::popupAction(const QString &name) const
{
    return m_popupActions.action(name);
}

QMenu *TEditForm::popupMenu(const QString &name) const
{
    return m_popupActions.menu(name);
}

void TEditForm::bringToFront()
{
    QMdiSubWindow *sub = subWindow();
    if (!sub)
        return;
    if (sub->isMinimized())
        sub->showNormal();
    if (QMdiArea *area = sub->mdiArea())
        area->setActiveSubWindow(sub);
    sub->raise();
    setFocus(); // the editor is the window's focus proxy
}

QStringList TEditForm::popupJavaGroup() const
{
    return {QStringLiteral("Addtodebuggerwatch1"),
            QStringLiteral("N14"),
            QStringLiteral("ools2"),
            QStringLiteral("Debugging1"),
            QStringLiteral("Insert2"),
            QStringLiteral("N4"),
            QStringLiteral("Setbookmark1"),
            QStringLiteral("Clearbookmark1"),
            QStringLiteral("Nextbreakpoint1"),
            QStringLiteral("Previousbreakboint1"),
            QStringLiteral("N2")};
}

QStringList TEditForm::popupHTMLGroup() const
{
    return {QStringLiteral("Common1"),  QStringLiteral("Spesiellebokstaver1"),
            QStringLiteral("Skjema1"),  QStringLiteral("N6"),
            QStringLiteral("Plasser1"), QStringLiteral("Font2"),
            QStringLiteral("N5")};
}

void TEditForm::Liminn1Click()
{
    SynEdit1->paste();
}
void TEditForm::Copier1Click()
{
    SynEdit1->copy();
}
void TEditForm::Klipput1Click()
{
    SynEdit1->cut();
}
void TEditForm::VelgAlt1Click()
{
    SynEdit1->selectAll();
}
void TEditForm::Undo1Click()
{
    SynEdit1->undo();
}
void TEditForm::Gjenta1Click()
{
    SynEdit1->redo();
}

// --- Highlighters -----------------------------------------------------------------------

Highlighter *TEditForm::highlighter(Highlighter::Kind kind)
{
    Highlighter *h = m_highlighters.value(kind);
    if (!h) {
        h = new Highlighter(kind, this);
        h->setObjectName(QLatin1String(kHighlighterNames[kind]));
        m_highlighters.insert(kind, h);
    }
    return h;
}

Highlighter *TEditForm::currentHighlighter() const
{
    return SynEdit1->highlighter();
}

void TEditForm::setHighlighterKind(Highlighter::Kind kind)
{
    Highlighter *h = highlighter(kind);
    if (SynEdit1->highlighter() != h)
        SynEdit1->setHighlighter(h);
}

void TEditForm::ChangeSyntaxToJava()
{
    setHighlighterKind(Highlighter::Java);
}
void TEditForm::ChangeSyntaxToHTML()
{
    setHighlighterKind(Highlighter::HTML);
}
void TEditForm::ChangeSyntaxToPerl()
{
    setHighlighterKind(Highlighter::Perl);
}
void TEditForm::ChangeSyntaxToXML()
{
    setHighlighterKind(Highlighter::XML);
}
void TEditForm::ChangeSyntaxToCSS()
{
    setHighlighterKind(Highlighter::CSS);
}
void TEditForm::ChangeSyntaxToPHP()
{
    setHighlighterKind(Highlighter::PHP);
}
void TEditForm::ChangeSyntaxToGeneralHighlighter()
{
    setHighlighterKind(Highlighter::General);
}
void TEditForm::ChangeSyntaxToNoHighlighter()
{
    SynEdit1->setHighlighter(nullptr);
}

void TEditForm::ChangeSyntaxForType(DocumentTypes::DocType type)
{
    using DocumentTypes::DocType;
    switch (type) {
    case DocType::Java: ChangeSyntaxToJava(); break;
    case DocType::HTML: ChangeSyntaxToHTML(); break;
    case DocType::CSS: ChangeSyntaxToCSS(); break;
    case DocType::XML: ChangeSyntaxToXML(); break;
    case DocType::Perl: ChangeSyntaxToPerl(); break;
    case DocType::PHP: ChangeSyntaxToPHP(); break;
    case DocType::Text: ChangeSyntaxToNoHighlighter(); break;
    case DocType::Custom: ChangeSyntaxToGeneralHighlighter(); break;
    }
}

// --- Text -------------------------------------------------------------------------------

void TEditForm::SkrivUtTekst(const QString &text)
{
    SynEdit1->insertAtCaret(text);
    // insertAtCaret reports the change, but an empty text changes nothing; the document
    // counts as modified either way.
    if (!IsModified)
        SynEdit1Change();
}

void TEditForm::markUnmodified()
{
    IsModified = false;
    SynEdit1->setModified(false);
    setPanelText(1, QString());
}

void TEditForm::SynEdit1Change()
{
    IsModified = true;
    setPanelText(1, QStringLiteral("Modified"));
    // (The compile commands unpaint the error line when it is edited.)
    // (ResetMarkButtons: the breakpoint commands follow the editor's textChanged.)
}

// --- Activation -------------------------------------------------------------------------

void TEditForm::FormActivate()
{
    if (InitialLineCount == 0)
        InitialLineCount = SynEdit1->lineCount();
    // A user-defined language's keywords and comment styles may have changed in its file.
    if (!Delphi::trim(CustomLanguage).isEmpty())
        m_main->languages().applyLanguage(CustomLanguage, highlighter(Highlighter::General));
    // The window's own flag follows the gutter, so the next "Line Numbers" toggle flips both.
    if (QAction *lineNumbers = m_main->action(QStringLiteral("Linenumbers1"))) {
        LineNumbersShown = lineNumbers->isChecked();
        SynEdit1->setShowLineNumbers(LineNumbersShown);
    }
    SynEdit1->setShowSpecialChars(m_main->settings().boolValue(Settings::Key::ViewSecialChars));
    const QString title = caption();
    if (!Delphi::contains(title, QStringLiteral("EditorForm"))) {
        const QString ext = Delphi::extractFileExt(title).toLower();
        m_main->UpdateMaskAndJTab();
        m_main->ViewMainMenu(ext);
        m_main->PopupMenuItemsUpdate(ext);
    }
}

// --- Loading and saving -----------------------------------------------------------------

bool TEditForm::loadFromFile(const QString &fileName, QString *error)
{
    // Taken before reading: a change made while the file is read counts as a change.
    const FileStamp stamp = FileStamp::of(fileName);
    QByteArray utf8;
    TextFile::Format format;
    if (!TextFile::loadUtf8(fileName, utf8, format, error))
        return false;
    SynEdit1->loadUtf8(utf8, format);
    m_diskStamp = stamp;
    m_declinedStamp = FileStamp();
    return true;
}

bool TEditForm::changedOnDisk(const QString &fileName) const
{
    if (fileName != DocumentFileName || !m_diskStamp.exists)
        return false;
    const FileStamp now = FileStamp::of(fileName);
    return now.exists && now != m_diskStamp;
}

bool TEditForm::mayOverwrite(const QString &fileName, bool automatic)
{
    if (!changedOnDisk(fileName))
        return true;
    const FileStamp now = FileStamp::of(fileName);
    // Auto-save asks once about each change; after a No it leaves the file alone.
    if (automatic && now == m_declinedStamp)
        return false;
    const int answer = Prompter::instance()->messageDlg(
        this,
        QStringLiteral("The file ") + fileName
            + QStringLiteral(" has been changed by another program. Overwrite it?"),
        Prompter::Warning, Prompter::YesButton | Prompter::NoButton);
    if (answer == Prompter::Yes)
        return true;
    m_declinedStamp = now;
    return false;
}

bool TEditForm::writeTo(const QString &fileName)
{
    QString reason;
    const QString text = SynEdit1->text();
    // Once a character Latin-1 cannot hold is typed, the file is UTF-8 from then on.
    const TextFile::Format format = TextFile::formatFor(text, SynEdit1->format());
    if (TextFile::save(fileName, text, format, &reason)) {
        SynEdit1->setFormat(format);
        m_diskStamp = FileStamp::of(fileName);
        m_declinedStamp = FileStamp();
        return true;
    }
    Prompter::instance()->messageDlg(
        this, QStringLiteral("Could not save ") + fileName + QLatin1Char('\n') + reason,
        Prompter::Error, Prompter::OkButton);
    return false;
}

bool TEditForm::SaveFileNow(bool automatic)
{
    if (!HasFileName && IsModified)
        return SaveFileAs();
    if (!HasFileName)
        return false;
    // The caption may have been changed (strip HTML renames the document): save under it
    // in the document's folder.
    const QString target = Delphi::extractFilePath(DocumentFileName) + caption();
    if (!mayOverwrite(target, automatic) || !writeTo(target))
        return false;
    DocumentFileName = target;
    HasFileName = true;
    markUnmodified();
    emit m_main->documentSaved(this);
    return true;
}

bool TEditForm::SaveFileAs()
{
    const QString oldCaption = caption();
    const QString ext = Delphi::extractFileExt(oldCaption).toLower();

    FileDialogs::Request req;
    req.filter = m_main->UpdateFilesFilter();
    req.filterIndex = DocumentTypes::saveFilterIndexFor(ext, req.filter.size() - 1);
    if (DocumentTypes::isHtml(ext) && !m_main->ProjectFolder().isEmpty())
        req.initialDir = m_main->ProjectFolder();
    else if (!m_main->WorkingFolder.isEmpty())
        req.initialDir = m_main->WorkingFolder;
    else if (HasFileName)
        req.initialDir = Delphi::extractFilePath(DocumentFileName);
    req.defaultExt = ext;
    req.fileName = oldCaption;
    req.confirmOverwrite = false; // the overwrite question below is the only one

    const FileDialogs::Answer answer = FileDialogs::instance()->getSaveFileName(this, req);
    if (!answer.accepted || answer.files.isEmpty() || answer.files.first().trimmed().isEmpty())
        return false;
    QString chosen = answer.files.first();
    if (Delphi::extractFileExt(chosen).isEmpty() && !ext.isEmpty())
        chosen += ext;
    chosen = QFileInfo(chosen).absoluteFilePath();

    // Two open documents never share a bare name: the name is refused as loading refuses it.
    const QString newCaption = Delphi::extractFileName(chosen);
    for (TEditForm *other : m_main->documentWindows()) {
        if (other != this && other->caption().compare(newCaption, Qt::CaseInsensitive) == 0) {
            m_main->offerOpenDocument(newCaption);
            return false;
        }
    }

    if (QFileInfo::exists(chosen)
        && Prompter::instance()->messageDlg(
               this, QStringLiteral("File aldready exists, overwrite ?"), Prompter::Warning,
               Prompter::YesButton | Prompter::NoButton)
            != Prompter::Yes)
        return false;

    // Write first, so that a failed write leaves the document's name as it was.
    if (!writeTo(chosen))
        return false;
    DocumentFileName = chosen;
    m_main->OppdaterListeView(newCaption, oldCaption);
    setCaption(newCaption);
    markUnmodified();
    HasFileName = true;
    m_main->AddFileToHist(DocumentFileName);
    emit m_main->documentSaved(this);
    return true;
}

// --- Closing ----------------------------------------------------------------------------

void TEditForm::closeEvent(QCloseEvent *event)
{
    if (m_closed || FormClose()) {
        event->accept();
        return;
    }
    event->ignore();
}

bool TEditForm::FormClose()
{
    const bool warn = m_main->settings().boolValue(Settings::Key::WarnBeforeClose);
    if (IsModified && warn) {
        const int answer = Prompter::instance()->messageBox(
            this, QStringLiteral("Question"), QStringLiteral("Save changes made to the document?"),
            Prompter::Question, Prompter::YesButton | Prompter::NoButton | Prompter::CancelButton);
        if (answer == Prompter::Cancel)
            return false;
        // A save that was chosen but did not happen (dialog cancelled, write failed) keeps
        // the window open, so nothing typed is lost.
        if (answer == Prompter::Yes && !SaveFileNow())
            return false;
    }
    m_closed = true;
    m_main->documentClosing(this);
    return true;
}
