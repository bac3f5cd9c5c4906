// The menu bar of the main window and the new-document pop-up. Every item is created with its
// component name as objectName and registered in the action registry under that name.
#include "shell/Main.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

QMenu *TMainForm::addTopMenu(const QString &name, const QString &caption)
{
    auto *m = new QMenu(caption, menuBar());
    m->setObjectName(name);
    menuBar()->addMenu(m);
    m_registry.addMenu(m);
    return m;
}

void TMainForm::bind(const QString &name, void (TMainForm::*handler)())
{
    if (QAction *a = action(name))
        connect(a, &QAction::triggered, this, handler);
}

void TMainForm::buildMenus()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    buildFileMenu();
    buildEditMenus();
    buildViewAndWindowMenus();
    buildNewDocumentPopup();
}

void TMainForm::buildFileMenu()
{
    QMenu *file = addTopMenu(QStringLiteral("File1"), QStringLiteral("&File"));
    QMenu *newMenu = m_registry.addSubmenu(file, QStringLiteral("New1"), QStringLiteral("New"));
    m_registry.addItem(newMenu, QStringLiteral("NyApplikasjonkode1"),
                       QStringLiteral("Java application document"));
    m_registry.addItem(newMenu, QStringLiteral("NyAppletkode1"),
                       QStringLiteral("Java applet document"));
    m_registry.addItem(newMenu, QStringLiteral("HTMLdocument1"), QStringLiteral("HTML document"));
    m_registry.addItem(newMenu, QStringLiteral("Perldocument1"), QStringLiteral("Perl document"));
    m_registry.addItem(newMenu, QStringLiteral("PHPdocument1"), QStringLiteral("PHP document"));
    m_registry.addItem(newMenu, QStringLiteral("XMLdocument1"), QStringLiteral("XML document"));
    m_registry.addItem(newMenu, QStringLiteral("CSSdocument1"), QStringLiteral("CSS document"));
    m_registry.addItem(newMenu, QStringLiteral("Textfile1"), QStringLiteral("Text file"));
    QMenu *custom = m_registry.addSubmenu(newMenu, QStringLiteral("Customlanguages1"),
                                          QStringLiteral("Custom language document"));
    m_registry.addItem(custom, QStringLiteral("empty4"), QStringLiteral("(empty)"))
        ->setEnabled(false);
    m_registry.addSeparator(custom, QStringLiteral("N40"));
    m_registry.addItem(custom, QStringLiteral("Definenewcustomlanguage1"),
                       QStringLiteral("Define new custom language.."));

    m_registry.addItem(file, QStringLiteral("Load1"), QStringLiteral("&Load.."));
    QMenu *reopen =
        m_registry.addSubmenu(file, QStringLiteral("Reopen1"), QStringLiteral("Reopen"));
    m_registry.addItem(reopen, QStringLiteral("empty1"), QStringLiteral("(empty)"))
        ->setEnabled(false);
    m_registry.addItem(reopen, QStringLiteral("ClearList1"), QStringLiteral("Clear List"));
    m_registry.addSeparator(file, QStringLiteral("N6"));
    m_registry.addItem(file, QStringLiteral("Save1"), QStringLiteral("S&ave"));
    m_registry.addItem(file, QStringLiteral("SaveAs1"), QStringLiteral("Sa&ve as.."));
    m_registry.addItem(file, QStringLiteral("Saveall1"), QStringLiteral("Save all"));
    m_registry.addSeparator(file, QStringLiteral("N7"));
    m_registry.addItem(file, QStringLiteral("Close1"), QStringLiteral("Close"));
    m_registry.addItem(file, QStringLiteral("Closeall2"), QStringLiteral("Close all"));
    m_registry.addSeparator(file, QStringLiteral("N8"));
    m_registry.addItem(file, QStringLiteral("Print1"), QStringLiteral("P&rint.."));
    m_registry.addItem(file, QStringLiteral("PrinterSetup1"), QStringLiteral("&Print Setup.."));
    m_registry.addItem(file, QStringLiteral("ForhndVisning1"), QStringLiteral("Print Preview"));
    QMenu *exporter =
        m_registry.addSubmenu(file, QStringLiteral("Exporter1"), QStringLiteral("Export to"));
    m_registry.addItem(exporter, QStringLiteral("RTFfiltekst1"), QStringLiteral("RTF"));
    m_registry.addItem(exporter, QStringLiteral("HTML3"), QStringLiteral("HTML"));
    m_registry.addSubmenu(file, QStringLiteral("Sendtoexternal1"),
                          QStringLiteral("Send to external program"));
    m_registry.addSeparator(file, QStringLiteral("N9"));
    m_registry.addItem(file, QStringLiteral("Exit1"), QStringLiteral("Quit"));

    bind(QStringLiteral("NyApplikasjonkode1"), &TMainForm::Source1Click);
    bind(QStringLiteral("NyAppletkode1"), &TMainForm::Applet1Click);
    bind(QStringLiteral("HTMLdocument1"), &TMainForm::HTMLdocument1Click);
    bind(QStringLiteral("Perldocument1"), &TMainForm::Perldocument1Click);
    bind(QStringLiteral("PHPdocument1"), &TMainForm::PHPdocument1Click);
    bind(QStringLiteral("XMLdocument1"), &TMainForm::XMLdocument1Click);
    bind(QStringLiteral("CSSdocument1"), &TMainForm::CSSdocument1Click);
    bind(QStringLiteral("Textfile1"), &TMainForm::Textfile1Click);
    bind(QStringLiteral("Load1"), &TMainForm::Load1Click);
    bind(QStringLiteral("ClearList1"), &TMainForm::ClearList1Click);
    bind(QStringLiteral("Save1"), &TMainForm::Save1Click);
    bind(QStringLiteral("SaveAs1"), &TMainForm::SaveAs1Click);
    bind(QStringLiteral("Saveall1"), &TMainForm::Saveall1Click);
    bind(QStringLiteral("Close1"), &TMainForm::Close1Click);
    bind(QStringLiteral("Closeall2"), &TMainForm::Closeall2Click);
    bind(QStringLiteral("Exit1"), &TMainForm::Exit1Click);
}

void TMainForm::buildEditMenus()
{
    QMenu *edit = addTopMenu(QStringLiteral("Edit1"), QStringLiteral("&Edit"));
    m_registry.addItem(edit, QStringLiteral("Undo1"), QStringLiteral("Undo"));
    m_registry.addItem(edit, QStringLiteral("Redo1"), QStringLiteral("Redo"));
    m_registry.addSeparator(edit, QStringLiteral("N10"));
    m_registry.addItem(edit, QStringLiteral("Cut1"), QStringLiteral("Cut"));
    m_registry.addItem(edit, QStringLiteral("Copy1"), QStringLiteral("Copy"));
    m_registry.addItem(edit, QStringLiteral("Past1"), QStringLiteral("Paste"));
    m_registry.addItem(edit, QStringLiteral("SelectAll1"), QStringLiteral("Select All"));
    m_registry.addSeparator(edit, QStringLiteral("N22"));
    m_registry.addItem(edit, QStringLiteral("Comment1"), QStringLiteral("Comment"));
    m_registry.addItem(edit, QStringLiteral("Uncomment1"), QStringLiteral("Uncomment"));
    m_registry.addSeparator(edit, QStringLiteral("N4"));
    m_registry.addItem(edit, QStringLiteral("Indent1"), QStringLiteral("Indent"));
    m_registry.addItem(edit, QStringLiteral("Unindent1"), QStringLiteral("Unindent"));
    m_registry.addSeparator(edit, QStringLiteral("N11"));
    m_registry.addItem(edit, QStringLiteral("Options2"), QStringLiteral("Options"));

    bind(QStringLiteral("Undo1"), &TMainForm::SpeedButton79Click);
    bind(QStringLiteral("Redo1"), &TMainForm::SpeedButton93Click);
    bind(QStringLiteral("Cut1"), &TMainForm::Cut1Click);
    bind(QStringLiteral("Copy1"), &TMainForm::Copy1Click);
    bind(QStringLiteral("Past1"), &TMainForm::Past1Click);
    bind(QStringLiteral("SelectAll1"), &TMainForm::SelectAll1Click);

    // The type-specific menus; their items come with their features.
    addTopMenu(QStringLiteral("Insert1"), QStringLiteral("Insert"));
    addTopMenu(QStringLiteral("Insert2"), QStringLiteral("&Insert"));

    QMenu *search = addTopMenu(QStringLiteral("Search1"), QStringLiteral("&Search"));
    m_registry.addItem(search, QStringLiteral("Find1"), QStringLiteral("Find.."));
    m_registry.addItem(search, QStringLiteral("FindNext1"), QStringLiteral("Find Next"));
    m_registry.addItem(search, QStringLiteral("Replace1"), QStringLiteral("Replace.."));
    m_registry.addItem(search, QStringLiteral("Replaceagain1"), QStringLiteral("Replace again"));
    m_registry.addSeparator(search, QStringLiteral("N12"));
    m_registry.addItem(search, QStringLiteral("Gotoline1"), QStringLiteral("Goto line number.."));
    m_registry.addSeparator(search, QStringLiteral("N17"));
    m_registry.addItem(search, QStringLiteral("Nextbookmark1"), QStringLiteral("Next breakpoint"));
    m_registry.addItem(search, QStringLiteral("Previousbookmark1"),
                       QStringLiteral("Previous breakpoint"));

    addTopMenu(QStringLiteral("Project1"), QStringLiteral("HTML Project"));
    addTopMenu(QStringLiteral("Modify1"), QStringLiteral("&Modify"));
    addTopMenu(QStringLiteral("Debugging1"), QStringLiteral("Debugging"));
    addTopMenu(QStringLiteral("ools1"), QStringLiteral("Tools"));
    addTopMenu(QStringLiteral("ools2"), QStringLiteral("Tools"));
}

void TMainForm::buildViewAndWindowMenus()
{
    QMenu *view = addTopMenu(QStringLiteral("View1"), QStringLiteral("&View"));
    for (const auto &[name, caption] : {std::pair {"Linenumbers1", "Line Numbers"},
                                        std::pair {"Specialcharacters1", "Special characters"},
                                        std::pair {"CompletionProposal1", "Completion Proposal"},
                                        std::pair {"Autocompletion1", "Autocompletion"}})
        m_registry.addItem(view, QLatin1String(name), QLatin1String(caption))->setCheckable(true);

    QMenu *window = addTopMenu(QStringLiteral("Windows1"), QStringLiteral("&Window"));
    QAction *tools = m_registry.addItem(window, QStringLiteral("Tools1"),
                                        QStringLiteral("Show File and Tools tab"));
    tools->setCheckable(true);
    tools->setChecked(true);
    QAction *pane =
        m_registry.addItem(window, QStringLiteral("Messagepane1"),
                           QStringLiteral("Show Open Files (and java compile - debug) tabs"));
    pane->setCheckable(true);
    pane->setChecked(true);
    m_registry.addSeparator(window, QStringLiteral("N13"));
    m_registry.addItem(window, QStringLiteral("TileHorizontally1"),
                       QStringLiteral("Devide Horisontally"));
    m_registry.addItem(window, QStringLiteral("TileVertically1"),
                       QStringLiteral("Devide Vertically"));
    m_registry.addItem(window, QStringLiteral("MinimizeAll1"), QStringLiteral("Minimize All"));
    m_registry.addItem(window, QStringLiteral("Nexteditorwindow1"),
                       QStringLiteral("Next editor window"));
    m_registry.addItem(window, QStringLiteral("Previouseditorwindow1"),
                       QStringLiteral("Previous editor window"));
    m_registry.addSeparator(window, QStringLiteral("N15"));
    m_registry.addItem(window, QStringLiteral("CloseAll1"), QStringLiteral("Close all"));
    // Launches of other programs; the HTML tab's "View page in browser" button finds its
    // action here when it is made.
    m_registry.addSeparator(window, QStringLiteral("WindowLaunchSeparator"));
    m_registry.addItem(window, QStringLiteral("WindowsExplorer1"),
                       QStringLiteral("Windows Explorer"));
    m_registry.addItem(window, QStringLiteral("Showdospromt1"), QStringLiteral("Show dos promt"));
    m_registry.addItem(window, QStringLiteral("Viewpageinbrowser1"),
                       QStringLiteral("View page in browser"));

    // The handlers toggle the check themselves: undo the action's own toggle first.
    connect(tools, &QAction::triggered, this, [this, tools] {
        tools->setChecked(!tools->isChecked());
        Tools1Click();
    });
    connect(pane, &QAction::triggered, this, [this, pane] {
        pane->setChecked(!pane->isChecked());
        Messagepane1Click();
    });
    bind(QStringLiteral("CloseAll1"), &TMainForm::CloseAll1Click);

    QMenu *help = addTopMenu(QStringLiteral("Help1"), QStringLiteral("&Help"));
    m_registry.addItem(help, QStringLiteral("ipoftheday1"), QStringLiteral("Tip of the day"));
    m_registry.addItem(help, QStringLiteral("Content1"), QStringLiteral("Contents"));
    m_registry.addItem(help, QStringLiteral("Index1"), QStringLiteral("Index"));
    m_registry.addItem(help, QStringLiteral("Homepage1"), QStringLiteral("Homepage"));
    m_registry.addItem(help, QStringLiteral("About1"), QStringLiteral("About.."));
}

void TMainForm::buildNewDocumentPopup()
{
    PopupMenu3 = new QMenu(this);
    PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
    static const struct {
        const char *name;
        const char *caption;
        void (TMainForm::*handler)();
    } items[] = {
        {"Javaapplication1", "Java application", &TMainForm::Source1Click},
        {"Javaapplet1", "Java applet", &TMainForm::Applet1Click},
        {"htmldocument2", "html document", &TMainForm::HTMLdocument1Click},
        {"Perldocument2", "Perl document", &TMainForm::Perldocument1Click},
        {"phpdocument2", "php document", &TMainForm::PHPdocument1Click},
        {"xmldocument2", "xml document", &TMainForm::XMLdocument1Click},
        {"cssdocument2", "css document", &TMainForm::CSSdocument1Click},
        {"txtfile1", "txt file", &TMainForm::Textfile1Click},
    };
    for (const auto &item : items) {
        QAction *a = PopupMenu3->addAction(QLatin1String(item.caption));
        a->setObjectName(QLatin1String(item.name));
        connect(a, &QAction::triggered, this, item.handler);
    }
    QMenu *custom = PopupMenu3->addMenu(QStringLiteral("Custom language document"));
    custom->setObjectName(QStringLiteral("Customlanguages2"));
    custom->menuAction()->setObjectName(QStringLiteral("Customlanguages2"));
    Customlanguages2 = custom;
    QAction *empty = custom->addAction(QStringLiteral("(empty)"));
    empty->setObjectName(QStringLiteral("empty5"));
    empty->setEnabled(false);
    custom->addSeparator();
    custom->addAction(QStringLiteral("Define new custom language.."))
        ->setObjectName(QStringLiteral("Definenewcustomlanguage2"));
}
