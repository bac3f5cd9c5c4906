// Document windows: creation, new documents with their templates, activation, closing,
// the editor settings and the edit commands.
#include "shell/Main.h"

#include "editor/EditorAdapter.h"
#include "editor/highlighting/Highlighter.h"
#include "platform/AppPaths.h"
#include "platform/DelphiStrings.h"
#include "platform/Prompter.h"
#include "platform/TColor.h"
#include "settings/store/AppSettings.h"
#include "shell/EditFrmUnit.h"
#include "shell/SubWindowKeys.h"
#include "shell/UserLanguages.h"

#include <QAction>
#include <QFileInfo>
#include <QGroupBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QTabWidget>
#include <QTreeWidget>

using DocumentTypes::DocType;
using DocumentTypes::NewDocument;
using Settings::Key;

// --- The active document ----------------------------------------------------------------

TEditForm *TMainForm::GetActiveEditor() const
{
    if (!m_mdiArea)
        return nullptr;
    QMdiSubWindow *sub = m_mdiArea->currentSubWindow();
    auto *w = sub ? qobject_cast<TEditForm *>(sub->widget()) : nullptr;
    return w && !w->isClosed() ? w : nullptr;
}

QList<TEditForm *> TMainForm::documentWindows() const
{
    QList<TEditForm *> windows;
    if (!m_mdiArea)
        return windows;
    // Stacking order has the topmost window last; the child list has it first.
    const QList<QMdiSubWindow *> subs = m_mdiArea->subWindowList(QMdiArea::StackingOrder);
    for (auto it = subs.crbegin(); it != subs.crend(); ++it) {
        auto *w = qobject_cast<TEditForm *>((*it)->widget());
        if (w && !w->isClosed())
            windows.append(w);
    }
    return windows;
}

void TMainForm::SkrivTekstenTilEditor(const QString &text)
{
    if (TEditForm *w = GetActiveEditor())
        w->SkrivUtTekst(text);
}

void TMainForm::bringToFront(TEditForm *window)
{
    if (!window || !window->subWindow())
        return;
    QMdiSubWindow *sub = window->subWindow();
    if (sub->isMinimized())
        sub->showNormal();
    m_mdiArea->setActiveSubWindow(sub);
    sub->raise();
}

// --- Editor settings ----------------------------------------------------------------------

void TMainForm::UpdateColorsInEditor()
{
    TEditForm *w = GetActiveEditor();
    if (!w)
        return;
    const QString title = Delphi::trim(w->caption()).toLower();
    if (title.isEmpty())
        return;
    QString language = DocumentTypes::colourFileFor(title);
    if (language.isEmpty()) {
        if (DocumentTypes::isPlainText(title))
            return;
        language = w->CustomLanguage;
    }
    const QString file =
        AppPaths::dataPath(QStringLiteral("colors/lang/") + language + QStringLiteral(".ini"));
    Highlighter *h = w->currentHighlighter();
    if (!h || !QFileInfo::exists(file))
        return;
    h->loadFromFile(file);
}

void TMainForm::LoadUserSettings()
{
    TEditForm *w = GetActiveEditor();
    if (!w)
        return;
    EditorAdapter *e = w->editor();

    // Colours of the document's type.
    UpdateColorsInEditor();

    // Gutter and background colours; a colour text that is not valid gives the default.
    e->setGutterColor(m_settings->colourValue(Key::GTRColor).toQColor());
    e->setBackgroundColor(m_settings->colourValue(Key::BGColor).toQColor());

    const bool onlyWindow = documentCount() == 1;
    // The first document opens maximized when asked.
    if (onlyWindow && m_settings->boolValue(Key::MaxWinAtStart) && w->subWindow())
        w->subWindow()->showMaximized();

    // Font.
    QFont font(m_settings->textValue(Key::FontType));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    const int size = m_settings->intValue(Key::FontSize);
    font.setPointSize(size > 0 ? size : 10);
    e->setEditorFont(font);

    // Line numbers: the first document takes the stored setting, the others the View item.
    QAction *lineNumbers = action(QStringLiteral("Linenumbers1"));
    if (onlyWindow) {
        const bool show = m_settings->boolValue(Key::ShowLineNumbers);
        lineNumbers->setChecked(show);
        w->LineNumbersShown = show;
    } else {
        w->LineNumbersShown = lineNumbers->isChecked();
    }
    e->setShowLineNumbers(w->LineNumbersShown);

    // Gutter.
    e->setGutterVisible(m_settings->boolValue(Key::ShowGutter));
    e->setGutterWidth(qMax(0, m_settings->intValue(Key::GutterSize)));
    e->setLeadingZeros(m_settings->boolValue(Key::LeadingZeros));

    // View check marks.
    action(QStringLiteral("CompletionProposal1"))
        ->setChecked(m_settings->boolValue(Key::CompProposal));
    action(QStringLiteral("Autocompletion1"))
        ->setChecked(m_settings->boolValue(Key::AutoCompletion));
    action(QStringLiteral("Specialcharacters1"))
        ->setChecked(m_settings->boolValue(Key::ViewSecialChars));
}

// --- Creating document windows ----------------------------------------------------------

TEditForm *TMainForm::AddUnit(const QString &name, const QString &ext)
{
    ++m_documentCounter;
    QString documentName = name;
    if (documentName == QLatin1String("Untitled"))
        documentName = QStringLiteral("Untitled") + QString::number(m_documentCounter);

    auto *w = new TEditForm(this);
    QMdiSubWindow *sub = m_mdiArea->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    SubWindowKeys::yieldTo(m_registry, sub);
    const QSize area = m_mdiArea->viewport()->size();
    sub->resize(qMax(400, area.width() * 3 / 4), qMax(300, area.height() * 3 / 4));
    sub->show();
    cascade(sub);
    m_mdiArea->setActiveSubWindow(sub);

    switch (DocumentTypes::menuKindFor(ext)) {
    case DocumentTypes::MenuKind::Java:
        ViewJavaInMainMenu(true);
        ViewMainMenu(QStringLiteral(".java"));
        PopupMenuItemsUpdate(QStringLiteral(".java"));
        break;
    case DocumentTypes::MenuKind::HTML:
        ViewJavaInMainMenu(false);
        ViewMainMenu(QStringLiteral(".htm"));
        PopupMenuItemsUpdate(QStringLiteral(".html"));
        break;
    case DocumentTypes::MenuKind::Other:
        ViewJavaInMainMenu(false);
        PopupMenuItemsUpdate(QStringLiteral(".other"));
        ViewMainMenu(QStringLiteral("other document type"));
        break;
    }

    w->setCaption(Delphi::extractFileName(documentName));
    if (QFileInfo(documentName).isAbsolute()) {
        w->DocumentFileName = documentName;
        // The highlighter goes on before the text: put on a document that holds text, it
        // styles the whole text at once (seconds for a large page).
        w->ChangeSyntaxForType(DocumentTypes::typeForLoading(ext));
        QString reason;
        if (!w->loadFromFile(documentName, &reason)) {
            // The window stays, empty and untitled: it is not bound to a file it could not read,
            // so saving it can never overwrite that file with nothing.
            w->DocumentFileName.clear();
            Prompter::instance()->messageDlg(this,
                                             QStringLiteral("Could not open file ") + documentName
                                                 + QLatin1Char('\n') + reason,
                                             Prompter::Warning, Prompter::OkButton);
        }
    } else {
        w->DocumentFileName.clear();
        w->editor()->setCaret(1, 1);
    }
    w->CustomLanguage.clear();
    return w;
}

void TMainForm::cascade(QMdiSubWindow *sub)
{
    if (sub->isMaximized())
        return;
    // One title bar down and right of the window before it; a window that would reach past
    // the document area starts again from the top left corner.
    const int step = qMax(8, sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub));
    const QSize area = m_mdiArea->viewport()->size();
    const int fits = qMax(
        1, qMin((area.width() - sub->width()) / step, (area.height() - sub->height()) / step) + 1);
    const int k = int(m_mdiArea->subWindowList().size() - 1) % fits;
    sub->move(k * step, k * step);
}

QString TMainForm::nextUntitledName(const QString &ext) const
{
    const QList<TEditForm *> windows = documentWindows();
    for (int n = m_documentCounter + 1;; ++n) {
        const QString name = QStringLiteral("Untitled") + QString::number(n) + ext;
        const bool used = std::any_of(windows.cbegin(), windows.cend(), [&](TEditForm *w) {
            return w->caption().compare(name, Qt::CaseInsensitive) == 0;
        });
        if (!used)
            return name;
    }
}

TEditForm *TMainForm::MakeUnit(const QString &ext)
{
    TEditForm *w = AddUnit(nextUntitledName(ext), ext);
    addOpenFilesEntry(w);
    return w;
}

TEditForm *TMainForm::MakeUnitByName(const QString &name, const QString &text)
{
    TEditForm *w = AddUnit(name, Delphi::extractFileExt(name).toLower());
    addOpenFilesEntry(w);
    w->ChangeSyntaxToHTML();
    w->SkrivUtTekst(text);
    w->editor()->setCaret(6, 1);
    w->markUnmodified();
    LoadUserSettings();
    emit documentCreated(w);
    return w;
}

bool TMainForm::templatesOn() const
{
    return m_settings->boolValue(Key::TmpltCodeOnNewDoc);
}

void TMainForm::placeTemplateCaret(TEditForm *w, const DocumentTypes::CaretRule &rule)
{
    EditorAdapter *e = w->editor();
    switch (rule.kind) {
    case DocumentTypes::CaretRule::Stay: break;
    case DocumentTypes::CaretRule::At: e->setCaret(rule.line, rule.column); break;
    case DocumentTypes::CaretRule::AboveEnd:
        e->setCaret(qMax(1, e->caretLine() - 1), rule.column);
        break;
    }
}

TEditForm *TMainForm::LagEnhetHTML(const QString &text, int caretLine)
{
    EnableMainMenu();
    setSideTab(DocumentTypes::SideTab::HTML);
    EnableDisableTabs(false);
    m_filterIndex = 1;
    const QString ext = DocumentTypes::newDocumentExtension(DocType::HTML);
    m_explorerMask = QLatin1Char('*') + ext;
    TEditForm *w = MakeUnit(ext);
    if (!text.isEmpty())
        SkrivTekstenTilEditor(text);
    w->editor()->setCaret(caretLine, 1);
    w->ChangeSyntaxToHTML();
    LoadUserSettings();
    w->markUnmodified();
    emit documentCreated(w);
    return w;
}

void TMainForm::newDocument(NewDocument kind)
{
    const DocType type = DocumentTypes::docTypeOf(kind);
    if (kind == NewDocument::HTML) {
        // The option governs the templates of File, New; other callers' text always goes in.
        LagEnhetHTML(templatesOn() ? DocumentTypes::templateFor(kind).text : QString(), 6);
        return;
    }
    if (type == DocType::Java) {
        GroupBox12->setVisible(m_settings->boolValue(Key::JavaQuickFind));
        PageControl4->setVisible(true);
        // The Window item follows the pane it controls.
        action(QStringLiteral("Messagepane1"))->setChecked(true);
    }
    EnableMainMenu();
    const QString ext = DocumentTypes::newDocumentExtension(type);
    const DocumentTypes::TabChoice tab = DocumentTypes::sideTabFor(ext);
    setSideTab(tab.tab);
    EnableDisableTabs(type == DocType::Java);
    if (tab.filterItem >= 0)
        m_filterIndex = tab.filterItem;
    m_explorerMask = QLatin1Char('*') + ext;

    TEditForm *w = MakeUnit(ext);
    DocumentTypes::Template tmpl = DocumentTypes::templateFor(kind);
    if (kind == NewDocument::Perl)
        tmpl.text = w->highlighter(Highlighter::Perl)->sampleSource();
    if (templatesOn() && !tmpl.text.isEmpty()) {
        SkrivTekstenTilEditor(tmpl.text);
        placeTemplateCaret(w, tmpl.caret);
    }
    switch (type) {
    case DocType::Java: w->ChangeSyntaxToJava(); break;
    case DocType::Perl: w->ChangeSyntaxToPerl(); break;
    case DocType::PHP: w->ChangeSyntaxToPHP(); break;
    case DocType::XML: w->ChangeSyntaxToXML(); break;
    case DocType::CSS: w->ChangeSyntaxToCSS(); break;
    case DocType::Text: w->ChangeSyntaxToNoHighlighter(); break;
    case DocType::HTML:
    case DocType::Custom: break;
    }
    // Handing the code-template list to the Java document's template expander: filled in
    // by the completion word lists feature.
    LoadUserSettings();
    w->markUnmodified();
    if (type == DocType::Text)
        ViewJavaInMainMenu(false);
    if (type != DocType::Java)
        EnableGeneralButtons(true);
    emit documentCreated(w);
}

void TMainForm::Source1Click()
{
    newDocument(NewDocument::JavaApplication);
}
void TMainForm::Applet1Click()
{
    newDocument(NewDocument::JavaApplet);
}
void TMainForm::HTMLdocument1Click()
{
    newDocument(NewDocument::HTML);
}
void TMainForm::Perldocument1Click()
{
    newDocument(NewDocument::Perl);
}
void TMainForm::PHPdocument1Click()
{
    newDocument(NewDocument::PHP);
}
void TMainForm::XMLdocument1Click()
{
    newDocument(NewDocument::XML);
}
void TMainForm::CSSdocument1Click()
{
    newDocument(NewDocument::CSS);
}
void TMainForm::Textfile1Click()
{
    newDocument(NewDocument::Text);
}

void TMainForm::LoadLangData(const QString &name, bool withCode)
{
    languages().LoadLangData(name, withCode);
}

TEditForm *TMainForm::newLanguageDocument(const QString &language, const QString &ext,
                                          int filterItem, const QString &mask,
                                          const std::function<void(TEditForm *)> &setUp)
{
    EnableMainMenu();
    setSideTab(DocumentTypes::SideTab::General);
    if (filterItem >= 0) {
        m_filterIndex = filterItem;
        m_explorerMask = mask;
    }
    EnableDisableTabs(false);
    TEditForm *w = MakeUnit(ext);
    w->ChangeSyntaxToGeneralHighlighter();
    w->CustomLanguage = language;
    if (setUp)
        setUp(w);
    EnableGeneralButtons(true);
    ViewJavaInMainMenu(false);
    LoadUserSettings();
    w->markUnmodified();
    emit documentCreated(w);
    return w;
}

// --- Activation and closing ---------------------------------------------------------------

void TMainForm::subWindowActivated(QMdiSubWindow *sub)
{
    if (m_destroying || !sub)
        return;
    auto *w = qobject_cast<TEditForm *>(sub->widget());
    // Only a change of document counts; the frame losing and regaining focus does not.
    if (!w || w->isClosed() || w == m_lastActivated)
        return;
    m_lastActivated = w;
    w->FormActivate();
    emit documentActivated(w);
}

void TMainForm::documentClosing(TEditForm *w)
{
    if (m_destroying)
        return;
    if (!ClosingFromOpenFilesList)
        removeOpenFilesEntry(w);
    ClosingFromOpenFilesList = false;

    if (documentWindows().isEmpty()) {
        QMdiSubWindow *sub = w->subWindow();
        m_settings->setBool(Key::MaxWinAtStart, sub && (sub->isMaximized() || sub->isMinimized()));
        ViewMainMenu(QStringLiteral("Other document"));
        DisableMainMenu();
        EnableDisableTabs(false);
        setSideTab(DocumentTypes::SideTab::General);
        const QSignalBlocker block(PageControl3);
        PageControl3->setCurrentWidget(TabSheet5);
    }
    --m_documentCounter;
    if (m_lastActivated == w)
        m_lastActivated = nullptr;
    UpdateListView1ItemSize();
    emit documentClosed(w);
}

// --- Edit commands ----------------------------------------------------------------------

void TMainForm::Past1Click()
{
    if (TEditForm *w = GetActiveEditor())
        w->Liminn1Click();
}

void TMainForm::Copy1Click()
{
    if (TEditForm *w = GetActiveEditor())
        w->Copier1Click();
}

void TMainForm::Cut1Click()
{
    if (TEditForm *w = GetActiveEditor())
        w->Klipput1Click();
}

void TMainForm::SelectAll1Click()
{
    if (TEditForm *w = GetActiveEditor())
        w->VelgAlt1Click();
}

void TMainForm::SpeedButton79Click()
{
    if (TEditForm *w = GetActiveEditor())
        w->Undo1Click();
}

void TMainForm::SpeedButton93Click()
{
    if (TEditForm *w = GetActiveEditor())
        w->Gjenta1Click();
}
