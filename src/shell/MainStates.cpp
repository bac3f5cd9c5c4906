// Menu, tab and tool-button states by the type of the active document.
#include "shell/Main.h"

#include "platform/DelphiStrings.h"
#include "shell/EditFrmUnit.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>

QStringList TMainForm::documentItemNames()
{
    return {QStringLiteral("Windows1"),       QStringLiteral("View1"),
            QStringLiteral("Search1"),        QStringLiteral("Undo1"),
            QStringLiteral("Redo1"),          QStringLiteral("Past1"),
            QStringLiteral("Cut1"),           QStringLiteral("SelectAll1"),
            QStringLiteral("Copy1"),          QStringLiteral("Comment1"),
            QStringLiteral("Uncomment1"),     QStringLiteral("Indent1"),
            QStringLiteral("Unindent1"),      QStringLiteral("Print1"),
            QStringLiteral("PrinterSetup1"),  QStringLiteral("ForhndVisning1"),
            QStringLiteral("Save1"),          QStringLiteral("SaveAs1"),
            QStringLiteral("Exporter1"),      QStringLiteral("Saveall1"),
            QStringLiteral("Close1"),         QStringLiteral("Closeall2"),
            QStringLiteral("Sendtoexternal1")};
}

QStringList TMainForm::javaMenuNames()
{
    return {QStringLiteral("Insert1"), QStringLiteral("Debugging1"), QStringLiteral("ools1")};
}

QStringList TMainForm::htmlMenuNames()
{
    return {QStringLiteral("Insert2"), QStringLiteral("Project1"), QStringLiteral("Modify1"),
            QStringLiteral("ools2")};
}

QStringList TMainForm::javaEditItemNames()
{
    return {QStringLiteral("N22"),
            QStringLiteral("N4"),
            QStringLiteral("Comment1"),
            QStringLiteral("Uncomment1"),
            QStringLiteral("Indent1"),
            QStringLiteral("Unindent1"),
            QStringLiteral("N17"),
            QStringLiteral("Nextbookmark1"),
            QStringLiteral("Previousbookmark1")};
}

void TMainForm::EnableMainMenu()
{
    for (const QString &name : documentItemNames())
        if (QAction *a = action(name))
            a->setEnabled(true);
}

void TMainForm::DisableMainMenu()
{
    for (const QString &name : documentItemNames())
        if (QAction *a = action(name))
            a->setEnabled(false);
}

void TMainForm::ViewMainMenu(const QString &kind)
{
    const DocumentTypes::MenuKind menus = DocumentTypes::menuKindFor(kind);
    const bool java = menus == DocumentTypes::MenuKind::Java;
    const bool html = menus == DocumentTypes::MenuKind::HTML;
    for (const QString &name : javaMenuNames())
        action(name)->setVisible(java);
    for (const QString &name : htmlMenuNames())
        action(name)->setVisible(html);
}

void TMainForm::ViewJavaInMainMenu(bool show)
{
    for (const QString &name : javaEditItemNames())
        action(name)->setVisible(show);
}

void TMainForm::EnableDisableTabs(bool show)
{
    for (QWidget *page : {TabSheet6, TabSheet7, TabSheet8, DebugVars})
        setTabShown(PageControl4, page, show);
}

void TMainForm::EnableGeneralButtons(bool enable)
{
    for (QToolButton *b : std::as_const(m_generalButtons))
        b->setEnabled(enable);
    for (QToolButton *b : std::as_const(m_undoRedoButtons))
        b->setVisible(enable);
    for (QToolButton *b : std::as_const(m_undoRedoPlaceholders))
        b->setVisible(!enable);
}

void TMainForm::PopupMenuItemsUpdate(const QString &kind)
{
    TEditForm *w = GetActiveEditor();
    if (!w)
        return;
    const DocumentTypes::MenuKind menus = DocumentTypes::menuKindFor(kind);
    const bool java = menus == DocumentTypes::MenuKind::Java;
    const bool html = menus == DocumentTypes::MenuKind::HTML;
    for (const QString &name : w->popupJavaGroup())
        w->popupAction(name)->setVisible(java);
    for (const QString &name : w->popupHTMLGroup())
        w->popupAction(name)->setVisible(html);
}

void TMainForm::setSideTab(DocumentTypes::SideTab tab)
{
    using DocumentTypes::SideTab;
    setTabShown(PageControl3, JavaSheet, tab == SideTab::Java);
    setTabShown(PageControl3, HTMLSheet, tab == SideTab::HTML);
    setTabShown(PageControl3, GeneralSheet, tab == SideTab::General);
}

void TMainForm::UpdateMaskAndJTab()
{
    TEditForm *w = GetActiveEditor();
    if (!w)
        return;
    const QString ext = Delphi::trim(Delphi::extractFileExt(w->caption()).toLower());
    if (ext.isEmpty())
        return;
    const DocumentTypes::TabChoice choice = DocumentTypes::sideTabFor(ext);
    setSideTab(choice.tab);
    if (choice.filterItem >= 0)
        m_filterIndex = choice.filterItem;
    const bool java = choice.tab == DocumentTypes::SideTab::Java;
    ViewJavaInMainMenu(java);
    EnableDisableTabs(java);
}

void TMainForm::PageControl3Change()
{
    EnableGeneralButtons(documentCount() > 0);
}

void TMainForm::Tools1Click()
{
    QAction *item = action(QStringLiteral("Tools1"));
    item->setChecked(!item->isChecked());
    Panel2->setVisible(item->isChecked());
}

void TMainForm::Messagepane1Click()
{
    QAction *item = action(QStringLiteral("Messagepane1"));
    item->setChecked(!item->isChecked());
    PageControl4->setVisible(item->isChecked());
}
