#pragma once

#include <QObject>

#include "html/HtmlCommandHost.h"

class HtmlCommands;
class TEditForm;
class TMainForm;

// The main window as host of the HTML commands. Install() is the one call the main window
// makes, after its menus and side panel stand and before its shortcut table is applied: it
// creates the HTML commands (owned by the main window) and fills the HTML group of every
// document window's pop-up as that window is created.
class MainFormHtmlHost : public QObject, public HtmlCommandHost
{
    Q_OBJECT
public:
    static HtmlCommands *Install(TMainForm *mainForm);

    QWidget *window() const override;
    EditorAdapter *activeEditor() const override;
    QMenu *menu(const QString &name) const override;
    QAction *action(const QString &name) const override;
    QMenu *addSubmenu(QMenu *parent, const QString &name, const QString &caption) override;
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption) override;
    QAction *addSeparator(QMenu *menu, const QString &name) override;
    QWidget *htmlSheet() const override;

private:
    explicit MainFormHtmlHost(TMainForm *mainForm);
    void fillPopup(TEditForm *window);

    TMainForm *m_main;
    HtmlCommands *m_commands = nullptr;
};
