// The Edit menu's block commands, the Search menu, the View toggles and the Window menu's
// arrangement commands, with their tool buttons and the document pop-up's search items.
#include "shell/Main.h"

#include "editor/EditorAdapter.h"
#include "settings/store/AppSettings.h"
#include "shell/EditFrmUnit.h"
#include "shell/WindowArrangement.h"
#include "shell/commands/BlockCommands.h"
#include "shell/commands/GotoLineFrm.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolButton>
#include <QVBoxLayout>

using Settings::Key;

void TMainForm::installEditCommands()
{
    // The Java tab's block buttons, below its new-document button (the compile buttons go
    // between them).
    auto *row = new QWidget(JavaSheet);
    row->setObjectName(QStringLiteral("BlockButtons"));
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    static const struct {
        const char *name;
        const char *caption;
        void (TMainForm::*handler)();
    } buttons[] = {
        {"SpeedButton10", "Comment", &TMainForm::SpeedButton10Click},
        {"SpeedButton11", "Uncomment", &TMainForm::SpeedButton11Click},
        {"SpeedButton12", "Indent", &TMainForm::SpeedButton12Click},
        {"SpeedButton13", "Unindent", &TMainForm::SpeedButton13Click},
    };
    for (const auto &def : buttons) {
        auto *b = new QToolButton(row);
        b->setObjectName(QLatin1String(def.name));
        b->setText(QLatin1String(def.caption));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(b, &QToolButton::clicked, this, def.handler);
        rowLayout->addWidget(b);
    }
    if (auto *javaLayout = qobject_cast<QVBoxLayout *>(JavaSheet->layout()))
        javaLayout->insertWidget(1, row);

    connect(this, &TMainForm::documentCreated, this, [](TEditForm *w) { w->addSearchItems(); });
}

// --- Block commands -------------------------------------------------------------------------

void TMainForm::SpeedButton10Click()
{
    if (TEditForm *w = GetActiveEditor())
        BlockCommands::comment(w, *w->editor());
}

void TMainForm::SpeedButton11Click()
{
    if (TEditForm *w = GetActiveEditor())
        BlockCommands::uncomment(w, *w->editor());
}

void TMainForm::SpeedButton12Click()
{
    if (TEditForm *w = GetActiveEditor())
        BlockCommands::indent(*w->editor());
}

void TMainForm::SpeedButton13Click()
{
    if (TEditForm *w = GetActiveEditor())
        BlockCommands::unindent(w, *w->editor());
}

// --- Search ---------------------------------------------------------------------------------

void TMainForm::Find1Click()
{
    if (TEditForm *w = GetActiveEditor())
        w->Soek();
}

void TMainForm::FindNext1Click()
{
    if (TEditForm *w = GetActiveEditor())
        w->FinnNeste();
}

void TMainForm::Replace1Click()
{
    if (TEditForm *w = GetActiveEditor())
        w->Replace1Click();
}

void TMainForm::SpeedButton15Click()
{
    if (TEditForm *w = GetActiveEditor())
        w->Replaceagain1Click();
}

void TMainForm::Gotoline1Click()
{
    TEditForm *w = GetActiveEditor();
    if (!w)
        return;
    auto *form = new TGotoLineFrm(
        w->editor()->lineCount(),
        [this]() -> EditorAdapter * {
            TEditForm *active = GetActiveEditor();
            return active ? active->editor() : nullptr;
        },
        this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    form->raise();
    form->activateWindow();
}

// --- View toggles -------------------------------------------------------------------------

void TMainForm::Linenumbers1Click()
{
    TEditForm *w = GetActiveEditor();
    if (!w)
        return;
    QAction *item = action(QStringLiteral("Linenumbers1"));
    item->setChecked(!w->LineNumbersShown);
    w->LineNumbersShown = item->isChecked();
    w->editor()->setShowLineNumbers(w->LineNumbersShown);
    m_settings->setBool(Key::ShowLineNumbers, item->isChecked());
}

void TMainForm::Specialcharacters1Click()
{
    QAction *item = action(QStringLiteral("Specialcharacters1"));
    item->setChecked(!item->isChecked());
    if (TEditForm *w = GetActiveEditor())
        w->editor()->setShowSpecialChars(item->isChecked());
    m_settings->setBool(Key::ViewSecialChars, item->isChecked());
}

void TMainForm::CompletionProposal1Click()
{
    QAction *item = action(QStringLiteral("CompletionProposal1"));
    item->setChecked(!item->isChecked());
    m_settings->setBool(Key::CompProposal, item->isChecked());
}

void TMainForm::Autocompletion1Click()
{
    QAction *item = action(QStringLiteral("Autocompletion1"));
    item->setChecked(!item->isChecked());
    m_settings->setBool(Key::AutoCompletion, item->isChecked());
}

// --- Window arrangement -------------------------------------------------------------------

namespace {

QList<QMdiSubWindow *> subWindowsOf(const QList<TEditForm *> &windows)
{
    QList<QMdiSubWindow *> subs;
    for (TEditForm *w : windows)
        if (QMdiSubWindow *sub = w->subWindow())
            subs.append(sub);
    return subs;
}

// Activates the document window after (or before) the active one, in the order they were
// made, wrapping around.
void activateNeighbour(QMdiArea *area, bool next)
{
    QList<QMdiSubWindow *> subs;
    for (QMdiSubWindow *sub : area->subWindowList(QMdiArea::CreationOrder)) {
        auto *w = qobject_cast<TEditForm *>(sub->widget());
        if (w && !w->isClosed())
            subs.append(sub);
    }
    if (QMdiSubWindow *target = WindowArrangement::neighbour(subs, area->currentSubWindow(), next))
        area->setActiveSubWindow(target);
}

} // namespace

void TMainForm::TileHorizontally1Click()
{
    WindowArrangement::tileHorizontally(m_mdiArea, subWindowsOf(documentWindows()));
}

void TMainForm::TileVertically1Click()
{
    WindowArrangement::tileVertically(m_mdiArea, subWindowsOf(documentWindows()));
}

void TMainForm::MinimizeAll1Click()
{
    WindowArrangement::minimizeAll(subWindowsOf(documentWindows()));
}

void TMainForm::Nexteditorwindow1Click()
{
    activateNeighbour(m_mdiArea, true);
}

void TMainForm::Previouseditorwindow1Click()
{
    activateNeighbour(m_mdiArea, false);
}
