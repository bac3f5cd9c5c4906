#include "app/MainWindowHost.h"

#include "shell/EditFrmUnit.h"
#include "shell/Main.h"
#include "shell/TabVisibility.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QTabWidget>

MainWindowHost::MainWindowHost(TMainForm &main) : FeatureHost(&main), m_main(main)
{
    setObjectName(QStringLiteral("FeatureHost"));
    connect(&main, &TMainForm::documentCreated, this,
            [this](TEditForm *w) { emit documentCreated(w); });
    connect(&main, &TMainForm::documentActivated, this,
            [this](TEditForm *w) { emit documentActivated(w); });
    connect(&main, &TMainForm::documentClosed, this,
            [this](TEditForm *w) { emit documentClosed(w); });
    connect(&main, &TMainForm::documentSaved, this,
            [this](TEditForm *w) { emit documentSaved(w); });
    connect(&main, &TMainForm::fileLoading, this, &FeatureHost::fileLoading);
    connect(&main, &TMainForm::filesFilterChanged, this, &FeatureHost::fileFilterChanged);
}

QWidget *MainWindowHost::window() const
{
    return &m_main;
}

ActionRegistry &MainWindowHost::actions()
{
    return m_main.actions();
}

AppSettings &MainWindowHost::settings()
{
    return m_main.settings();
}

HostDocument *MainWindowHost::activeDocument() const
{
    return m_main.GetActiveEditor();
}

QList<HostDocument *> MainWindowHost::documents() const
{
    QList<HostDocument *> list;
    for (TEditForm *w : m_main.documentWindows())
        list.append(w);
    return list;
}

void MainWindowHost::insertText(const QString &text)
{
    m_main.SkrivTekstenTilEditor(text);
}

HostDocument *MainWindowHost::makeDocument(const QString &name, const QString &text)
{
    return m_main.MakeUnitByName(name, text);
}

HostDocument *MainWindowHost::makeHtmlDocument(const QString &text, int caretLine)
{
    return m_main.LagEnhetHTML(text, caretLine);
}

QList<FileFilterEntry> MainWindowHost::fileFilter()
{
    return m_main.UpdateFilesFilter();
}

int MainWindowHost::explorerFilterIndex() const
{
    return m_main.filterIndex();
}

QString MainWindowHost::explorerMask() const
{
    return m_main.explorerMask();
}

void MainWindowHost::openFile(const QString &fileName)
{
    m_main.openFromExplorer(fileName);
}

QString MainWindowHost::workingFolder() const
{
    return m_main.WorkingFolder;
}

void MainWindowHost::setWorkingFolder(const QString &folder)
{
    m_main.WorkingFolder = folder;
}

QWidget *MainWindowHost::page(Page page) const
{
    switch (page) {
    case Page::Files: return m_main.TabSheet5;
    case Page::Java: return m_main.JavaSheet;
    case Page::Html: return m_main.HTMLSheet;
    case Page::General: return m_main.GeneralSheet;
    case Page::OpenFiles: return m_main.FileSheet;
    case Page::CompilerMessages: return m_main.TabSheet6;
    case Page::Debugger: return m_main.TabSheet7;
    case Page::CompilerOutput: return m_main.TabSheet8;
    case Page::DebugVars: return m_main.DebugVars;
    case Page::QuickFind: return m_main.GroupBox12;
    }
    return nullptr;
}

void MainWindowHost::addToPage(Page which, QWidget *widget, int index)
{
    QWidget *sheet = page(which);
    if (!sheet || !widget)
        return;
    auto *layout = qobject_cast<QBoxLayout *>(sheet->layout());
    if (!layout) {
        layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    if (index < 0) {
        // After the rest, but before a closing stretch.
        index = layout->count();
        if (index > 0 && layout->itemAt(index - 1)->spacerItem())
            --index;
    }
    layout->insertWidget(qMin(index, layout->count()), widget);
}

void MainWindowHost::showPage(Page which, bool current)
{
    QWidget *sheet = page(which);
    for (QTabWidget *pages : {m_main.PageControl3, m_main.PageControl4}) {
        const int index = pages->indexOf(sheet);
        if (index < 0)
            continue;
        TabVisibility::setShown(pages, sheet, true);
        if (current)
            pages->setCurrentIndex(index);
    }
}

ProjectSettings MainWindowHost::project() const
{
    return ProjectSettings {m_main.ProjectFolder(), m_main.ImageFolder()};
}

void MainWindowHost::setProject(const ProjectSettings &project)
{
    m_main.setProjectFolder(project.projectFolder);
    m_main.setImageFolder(project.imageFolder);
}
