// Loading and saving files, the reopen history, the "Open Files" list and closing documents.
#include "shell/Main.h"

#include "editor/EditorAdapter.h"
#include "platform/DelphiStrings.h"
#include "platform/Prompter.h"
#include "shell/EditFrmUnit.h"
#include "shell/HistoryRing.h"
#include "shell/UserLanguages.h"

#include <QAction>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTreeWidget>

namespace {
const char kDuplicateQuestion[] =
    "A document with the same filename is already open. Its not possible to have two documents "
    "with the same name open at the same time. You can however activate the window that contains "
    "this document. Do you want to do that now?";
}

// --- File-type filter ---------------------------------------------------------------------

QList<FileFilterEntry> TMainForm::UpdateFilesFilter()
{
    return languages().filesFilter();
}

// --- Loading ------------------------------------------------------------------------------

TEditForm *TMainForm::LoadFile(const QString &fileName)
{
    const QString ext = Delphi::extractFileExt(fileName).toLower();
    EnableMainMenu();
    emit fileLoading(fileName); // the quick-find boxes lose their selection
    TEditForm *w = AddUnit(fileName, ext);
    const bool loaded = !w->DocumentFileName.isEmpty();
    EnableDisableTabs(true);
    UpdateMaskAndJTab();
    LastOpenFilesItem = addOpenFilesEntry(w);
    // A file that could not be read leaves an untitled document: no file name, no history.
    w->HasFileName = loaded;
    CurrentFileExt = ext;
    m_explorerMask = DocumentTypes::explorerMaskFor(ext);
    if (loaded)
        SaveFileHistory(fileName);

    // The highlighter of the type is on already (AddUnit puts it on before the text).
    const DocumentTypes::DocType type = DocumentTypes::typeForLoading(ext);
    w->ChangeSyntaxForType(type);
    if (type == DocumentTypes::DocType::Custom) {
        const QString language = FindLangNameFromFilterString(ext);
        EnableGeneralButtons(true);
        ViewJavaInMainMenu(false);
        LoadLangData(language, false);
        w->CustomLanguage = language;
    }
    // LoadUserSettings loads the colour file of the type (the language's for a custom one).
    LoadUserSettings();
    emit documentCreated(w);
    return w;
}

QString TMainForm::FindLangNameFromFilterString(const QString &ext)
{
    return languages().FindLangNameFromFilterString(ext);
}

bool TMainForm::AllreadyOpen(const QString &name) const
{
    const QList<TEditForm *> windows = documentWindows();
    return std::any_of(windows.cbegin(), windows.cend(),
                       [&](TEditForm *w) { return w->caption().toLower() == name.toLower(); });
}

void TMainForm::openChosenFile(const QString &fileName)
{
    const QString bare = Delphi::extractFileName(fileName);
    if (!AllreadyOpen(bare)) {
        LoadFile(fileName);
        LoadHistFromFile();
        EnableGeneralButtons(true);
        return;
    }
    offerOpenDocument(bare);
}

void TMainForm::offerOpenDocument(const QString &bare)
{
    if (Prompter::instance()->messageBox(this, QStringLiteral("Question"),
                                         QLatin1String(kDuplicateQuestion), Prompter::Question,
                                         Prompter::YesButton | Prompter::NoButton)
        != Prompter::Yes)
        return;
    for (TEditForm *w : documentWindows()) {
        if (Delphi::trim(w->caption()).compare(Delphi::trim(bare), Qt::CaseInsensitive) == 0) {
            bringToFront(w);
            break;
        }
    }
}

void TMainForm::Load1Click()
{
    FileDialogs::Request request;
    request.filter = UpdateFilesFilter();
    request.filterIndex = m_filterIndex + 1;
    request.initialDir = WorkingFolder;
    request.fileName.clear();
    const FileDialogs::Answer answer = FileDialogs::instance()->getOpenFileName(this, request);
    if (!answer.accepted || answer.files.isEmpty() || Delphi::trim(answer.files.first()).isEmpty())
        return;
    openChosenFile(QFileInfo(answer.files.first()).absoluteFilePath());
}

void TMainForm::openFromExplorer(const QString &selectedFile)
{
    // A double-click in the explorer with no file selected does nothing.
    if (Delphi::trim(selectedFile).isEmpty())
        return;
    openChosenFile(QFileInfo(selectedFile).absoluteFilePath());
}

// --- Saving -------------------------------------------------------------------------------

void TMainForm::Save1Click()
{
    TEditForm *w = GetActiveEditor();
    if (!w)
        return;
    const int line = w->editor()->caretLine();
    const int column = w->editor()->caretColumn();
    w->SaveFileNow();
    w->editor()->setCaret(line, column);
}

void TMainForm::SaveAs1Click()
{
    TEditForm *w = GetActiveEditor();
    if (!w)
        return;
    const int line = w->editor()->caretLine();
    const int column = w->editor()->caretColumn();
    w->SaveFileAs();
    w->editor()->setCaret(line, column);
}

void TMainForm::Saveall1Click()
{
    for (TEditForm *w : documentWindows()) {
        if (Delphi::trim(w->DocumentFileName).isEmpty())
            w->SaveFileAs();
        else
            w->SaveFileNow();
    }
}

// --- Reopen history -----------------------------------------------------------------------

void TMainForm::SaveFileHistory(const QString &fileName)
{
    HistoryRing(m_settings).record(fileName);
}

namespace {
// The history items lie between "(empty)" and "Clear List".
QList<QAction *> historyActions(QMenu *reopen)
{
    QList<QAction *> items = reopen->actions();
    if (items.size() <= 2)
        return {};
    return items.mid(1, items.size() - 2);
}
} // namespace

void TMainForm::LoadHistFromFile()
{
    QMenu *reopen = menu(QStringLiteral("Reopen1"));
    action(QStringLiteral("empty1"))->setVisible(false);
    for (QAction *a : historyActions(reopen)) {
        reopen->removeAction(a);
        a->deleteLater();
    }
    for (const QString &file : HistoryRing(m_settings).entries())
        if (!file.isEmpty() && QFileInfo::exists(file))
            AddFileToHist(file);
}

void TMainForm::AddFileToHist(const QString &fileName)
{
    QMenu *reopen = menu(QStringLiteral("Reopen1"));
    const QList<QAction *> items = reopen->actions();
    for (int i = 1; i < items.size(); ++i) {
        // History items keep their path as data (their text escapes "&"); "Clear List" has none.
        const QVariant path = items.at(i)->data();
        const QString caption = path.isValid() ? path.toString() : items.at(i)->text();
        if (caption.compare(fileName, Qt::CaseInsensitive) == 0)
            return;
    }
    // The caption is a path: no mnemonic.
    auto *item =
        new QAction(QString(fileName).replace(QLatin1Char('&'), QStringLiteral("&&")), reopen);
    item->setData(fileName);
    connect(item, &QAction::triggered, this, [this, fileName] { LoadHistFile(fileName); });
    reopen->insertAction(items.value(1), item);
}

void TMainForm::LoadHistFile(const QString &fileName)
{
    const QString bare = Delphi::extractFileName(fileName);
    if (AllreadyOpen(bare)) {
        Prompter::instance()->messageDlg(
            this,
            QStringLiteral("A file with the filename ") + QLatin1Char('"') + bare + QLatin1Char('"')
                + QStringLiteral(" already exists in an editor window.") + QLatin1Char('\n')
                + QStringLiteral("You have to close this window before you can open another file "
                                 "with the same filename."),
            Prompter::Information, Prompter::OkButton);
        return;
    }
    LoadFile(fileName);
    LoadUserSettings();
}

void TMainForm::ClearList1Click()
{
    if (Prompter::instance()->messageBox(
            this, QStringLiteral("Question"),
            QStringLiteral("Are you sure you want to clear the history list?"), Prompter::Question,
            Prompter::YesButton | Prompter::NoButton)
        != Prompter::Yes)
        return;
    QMenu *reopen = menu(QStringLiteral("Reopen1"));
    for (QAction *a : historyActions(reopen)) {
        reopen->removeAction(a);
        a->deleteLater();
    }
    HistoryRing(m_settings).clear();
    action(QStringLiteral("empty1"))->setVisible(true);
}

// --- "Open Files" list --------------------------------------------------------------------

namespace {
constexpr int kWindowRole = Qt::UserRole + 1;
}

QTreeWidgetItem *TMainForm::addOpenFilesEntry(TEditForm *window)
{
    auto *item = new QTreeWidgetItem(ListView1, QStringList(window->caption()));
    item->setData(0, kWindowRole,
                  QVariant::fromValue<quintptr>(reinterpret_cast<quintptr>(window)));
    UpdateListView1ItemSize();
    return item;
}

TEditForm *TMainForm::windowOfEntry(QTreeWidgetItem *item) const
{
    if (!item)
        return nullptr;
    const quintptr tied = item->data(0, kWindowRole).value<quintptr>();
    // Only a window that is still open counts; the pointer itself is never trusted.
    for (TEditForm *w : documentWindows())
        if (reinterpret_cast<quintptr>(w) == tied)
            return w;
    return nullptr;
}

void TMainForm::RemoveItemFromList(const QString &caption)
{
    const int limit = qMin(m_documentCounter, ListView1->topLevelItemCount());
    for (int i = 0; i < limit; ++i) {
        QTreeWidgetItem *item = ListView1->topLevelItem(i);
        if (Delphi::trim(item->text(0)) == Delphi::trim(caption)) {
            if (item == LastOpenFilesItem)
                LastOpenFilesItem = nullptr;
            delete item;
            break;
        }
    }
    UpdateListView1ItemSize();
}

void TMainForm::removeOpenFilesEntry(TEditForm *window)
{
    const quintptr tied = reinterpret_cast<quintptr>(window);
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = ListView1->topLevelItem(i);
        if (item->data(0, kWindowRole).value<quintptr>() == tied) {
            if (item == LastOpenFilesItem)
                LastOpenFilesItem = nullptr;
            delete item;
            UpdateListView1ItemSize();
            return;
        }
    }
    RemoveItemFromList(window->caption());
}

void TMainForm::OppdaterListeView(const QString &newName, const QString &oldName)
{
    const int limit = qMin(m_documentCounter, ListView1->topLevelItemCount());
    for (int i = 0; i < limit; ++i) {
        QTreeWidgetItem *item = ListView1->topLevelItem(i);
        if (item->text(0) == oldName)
            item->setText(0, newName);
    }
}

void TMainForm::Gotodocumentwindow1Click()
{
    QTreeWidgetItem *item = ListView1->currentItem();
    if (!item)
        return;
    TEditForm *target = windowOfEntry(item);
    if (!target) {
        const QString caption = Delphi::trim(item->text(0));
        for (TEditForm *w : documentWindows()) {
            if (Delphi::trim(w->caption()) == caption) {
                target = w;
                break;
            }
        }
    }
    bringToFront(target);
}

void TMainForm::Delete1Click()
{
    QTreeWidgetItem *item = ListView1->currentItem();
    if (!item)
        return;
    TEditForm *target = windowOfEntry(item);
    if (!target) {
        for (TEditForm *w : documentWindows()) {
            if (w->caption() == item->text(0)) {
                target = w;
                break;
            }
        }
    }
    if (!target) {
        // An entry without a window has nothing to close: it goes.
        if (item == LastOpenFilesItem)
            LastOpenFilesItem = nullptr;
        delete item;
        UpdateListView1ItemSize();
        return;
    }
    ClosingFromOpenFilesList = true;
    const bool closed = target->subWindow() ? target->subWindow()->close() : target->close();
    ClosingFromOpenFilesList = false;
    if (closed)
        removeOpenFilesEntryItem(item);
}

void TMainForm::removeOpenFilesEntryItem(QTreeWidgetItem *entry)
{
    // Looked up again: the entry is deleted only while it is still in the list.
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        if (ListView1->topLevelItem(i) == entry) {
            if (entry == LastOpenFilesItem)
                LastOpenFilesItem = nullptr;
            delete entry;
            break;
        }
    }
    UpdateListView1ItemSize();
}

void TMainForm::UpdateListView1ItemSize()
{
    const int rows = ListView1->height() / 20;
    if (rows < 1)
        return;
    const int width =
        ListView1->topLevelItemCount() > rows ? ListView1->width() - 21 : ListView1->width() - 5;
    ListView1->setColumnWidth(0, qMax(0, width));
}

// --- Closing ------------------------------------------------------------------------------

void TMainForm::Close1Click()
{
    if (TEditForm *w = GetActiveEditor()) {
        if (QMdiSubWindow *sub = w->subWindow())
            sub->close();
    }
}

bool TMainForm::CloseAll()
{
    const QList<TEditForm *> windows = documentWindows();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        QMdiSubWindow *sub = (*it)->subWindow();
        if (sub && !sub->close())
            return false;
    }
    return true;
}

void TMainForm::Closeall2Click()
{
    // Each window takes its own entry out of the "Open Files" list as it closes, so the
    // entries of windows that stay open (a cancelled prompt) are kept.
    CloseAll();
}

void TMainForm::CloseAll1Click()
{
    CloseAll();
}
