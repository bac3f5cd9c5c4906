#include "html/MainFormHtmlHost.h"

#include <QMenu>

#include "html/HtmlCommands.h"
#include "shell/EditFrmUnit.h"
#include "shell/Main.h"

MainFormHtmlHost::MainFormHtmlHost(TMainForm *mainForm)
    : QObject(mainForm), m_main(mainForm)
{
    setObjectName(QStringLiteral("HTMLCommandHost"));
}

HtmlCommands *MainFormHtmlHost::Install(TMainForm *mainForm)
{
    auto *host = new MainFormHtmlHost(mainForm);
    host->m_commands = new HtmlCommands(host, host);
    host->m_commands->setObjectName(QStringLiteral("HTMLCommands"));
    connect(mainForm, &TMainForm::documentCreated, host, &MainFormHtmlHost::fillPopup);
    return host->m_commands;
}

void MainFormHtmlHost::fillPopup(TEditForm *window)
{
    HtmlDocumentPopup popup;
    popup.common = window->popupMenu(QStringLiteral("Common1"));
    popup.specialCharacters = window->popupMenu(QStringLiteral("Spesiellebokstaver1"));
    popup.form = window->popupMenu(QStringLiteral("Skjema1"));
    popup.alignment = window->popupMenu(QStringLiteral("Plasser1"));
    popup.font = window->popupMenu(QStringLiteral("Font2"));
    m_commands->fillDocumentPopup(popup, window->SynEdit1);
}

QWidget *MainFormHtmlHost::window() const
{
    return m_main;
}

EditorAdapter *MainFormHtmlHost::activeEditor() const
{
    TEditForm *active = m_main->GetActiveEditor();
    return active ? active->SynEdit1 : nullptr;
}

QMenu *MainFormHtmlHost::menu(const QString &name) const
{
    return m_main->menu(name);
}

QAction *MainFormHtmlHost::action(const QString &name) const
{
    return m_main->action(name);
}

QMenu *MainFormHtmlHost::addSubmenu(QMenu *parent, const QString &name, const QString &caption)
{
    return m_main->addSubmenu(parent, name, caption);
}

QAction *MainFormHtmlHost::addItem(QMenu *menu, const QString &name, const QString &caption)
{
    return m_main->addItem(menu, name, caption);
}

QAction *MainFormHtmlHost::addSeparator(QMenu *menu, const QString &name)
{
    return m_main->addSeparator(menu, name);
}

QWidget *MainFormHtmlHost::htmlSheet() const
{
    return m_main->HTMLSheet;
}
