// A document window's find and replace, and the search items of its pop-up menu.
#include "shell/EditFrmUnit.h"
#include "shell/Main.h"
#include "shell/commands/DocumentSearch.h"

#include <QAction>
#include <QMenu>

DocumentSearch *TEditForm::search()
{
    if (!m_search) {
        TMainForm *main = m_main;
        m_search = new DocumentSearch(
            SynEdit1, this,
            [main](bool enabled) {
                if (QAction *findNext = main->action(QStringLiteral("FindNext1")))
                    findNext->setEnabled(enabled);
            },
            this);
    }
    return m_search;
}

void TEditForm::Soek()
{
    search()->Soek();
}
void TEditForm::Finn()
{
    search()->Finn();
}
void TEditForm::FinnNeste()
{
    search()->FinnNeste();
}
bool TEditForm::FinnErstatt()
{
    return search()->FinnErstatt();
}
void TEditForm::Erstatt()
{
    search()->Erstatt();
}

void TEditForm::Find1Click()
{
    Soek();
}
void TEditForm::FindNext1Click()
{
    FinnNeste();
}
void TEditForm::Replace1Click()
{
    search()->showReplaceDialog();
}
void TEditForm::Replaceagain1Click()
{
    search()->replaceAgain();
}
void TEditForm::Gotolinenumber1Click()
{
    m_main->Gotoline1Click();
}

void TEditForm::addSearchItems()
{
    if (m_popupActions.contains(QStringLiteral("Find1")))
        return;
    // After the "Edit" submenu, with a separator below them.
    const QList<QAction *> existing = PopupMenu1->actions();
    int position = qMin(1, int(existing.size()));
    auto *separator = new QAction(PopupMenu1);
    separator->setObjectName(QStringLiteral("N19"));
    separator->setSeparator(true);
    PopupMenu1->insertAction(existing.value(position), separator);
    m_popupActions.add(separator);
    static const struct {
        const char *name;
        const char *caption;
        void (TEditForm::*handler)();
    } items[] = {
        {"Find1", "Find", &TEditForm::Find1Click},
        {"FindNext1", "Find Next", &TEditForm::FindNext1Click},
        {"Replace1", "Replace", &TEditForm::Replace1Click},
        {"Replaceagain1", "Replace again", &TEditForm::Replaceagain1Click},
        {"Gotolinenumber1", "Goto linenumber..", &TEditForm::Gotolinenumber1Click},
    };
    for (const auto &item : items) {
        if (QAction *a = m_popupActions.addItem(PopupMenu1, QLatin1String(item.name),
                                                QLatin1String(item.caption), position++))
            connect(a, &QAction::triggered, this, item.handler);
    }
}
