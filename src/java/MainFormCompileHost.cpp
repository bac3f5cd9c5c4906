#include "java/MainFormCompileHost.h"

#include <QAction>
#include <QBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>

#include "editor/EditorAdapter.h"
#include "java/CompileCommands.h"
#include "shell/EditFrmUnit.h"
#include "shell/Main.h"

MainFormCompileHost *MainFormCompileHost::install(TMainForm *main)
{
    auto *host = new MainFormCompileHost(main);
    host->bindMainWindow();
    return host;
}

CompileCommands *MainFormCompileHost::commandsOf(const TMainForm *main)
{
    auto *host = main ? main->findChild<MainFormCompileHost *>(QString(), Qt::FindDirectChildrenOnly)
                      : nullptr;
    return host ? host->m_commands : nullptr;
}

MainFormCompileHost::MainFormCompileHost(TMainForm *main)
    : QObject(main), m_main(main)
{
    setObjectName(QStringLiteral("CompileCommandsHost"));
    m_commands = new CompileCommands(this, this);
    m_commands->setObjectName(QStringLiteral("CompileCommands"));
}

void MainFormCompileHost::bindMainWindow()
{
    CompileCommands *c = m_commands;
    QAction *compile = m_main->action(QStringLiteral("Compile1"));
    if (!compile)
        compile = m_main->addMenuItem(QStringLiteral("ools1"), QStringLiteral("Compile1"),
                                      QStringLiteral("Compile current file"));
    QAction *compileAndRun = m_main->action(QStringLiteral("CompileandRun1"));
    if (!compileAndRun)
        compileAndRun = m_main->addMenuItem(QStringLiteral("ools1"), QStringLiteral("CompileandRun1"),
                                            QStringLiteral("Compile and Run current files"));
    if (compile)
        connect(compile, &QAction::triggered, c, &CompileCommands::Compile1Click);
    if (compileAndRun)
        connect(compileAndRun, &QAction::triggered, c, &CompileCommands::SpeedButton36Click);

    // The Java side tab's tool buttons, below its new-document button.
    if (auto *layout = m_main->JavaSheet ? qobject_cast<QBoxLayout *>(m_main->JavaSheet->layout()) : nullptr) {
        auto *row = new QHBoxLayout;
        auto addButton = [&](const char *name, const QString &text, const QString &hint,
                             void (CompileCommands::*handler)()) {
            auto *b = new QToolButton(m_main->JavaSheet);
            b->setObjectName(QLatin1String(name));
            b->setText(text);
            b->setToolTip(hint);
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            connect(b, &QToolButton::clicked, c, handler);
            row->addWidget(b);
        };
        addButton("CompileSpeedButton", QStringLiteral("Compile"), QStringLiteral("Compile.."),
                  &CompileCommands::Compile1Click);
        addButton("SpeedButton36", QStringLiteral("Compile and run"), QStringLiteral("Compile and run.."),
                  &CompileCommands::SpeedButton36Click);
        layout->insertLayout(qMin(1, layout->count()), row);
    }

    for (TEditForm *w : m_main->documentWindows())
        bindDocument(w);
    connect(m_main, &TMainForm::documentCreated, this, &MainFormCompileHost::bindDocument);
}

void MainFormCompileHost::bindDocument(TEditForm *window)
{
    QMenu *compiling = window ? window->popupMenu(QStringLiteral("ools2")) : nullptr;
    if (!compiling || compiling->findChild<QAction *>(QStringLiteral("Compile1")))
        return;
    QAction *compile = compiling->addAction(QStringLiteral("Compile"));
    compile->setObjectName(QStringLiteral("Compile1"));
    connect(compile, &QAction::triggered, m_commands, &CompileCommands::Compile1Click);
    QAction *compileAndRun = compiling->addAction(QStringLiteral("Compile and Run"));
    compileAndRun->setObjectName(QStringLiteral("CompileandRun1"));
    connect(compileAndRun, &QAction::triggered, m_commands, &CompileCommands::SpeedButton36Click);
}

QWidget *MainFormCompileHost::window() const
{
    return m_main;
}

IniFile *MainFormCompileHost::settings() const
{
    return m_main->iniFile();
}

CompileDocument *MainFormCompileHost::activeDocument()
{
    m_document.window = m_main->GetActiveEditor();
    return m_document.window ? &m_document : nullptr;
}

CompileDocument *MainFormCompileHost::documentOf(const QString &fileName)
{
    m_document.window = nullptr;
    for (TEditForm *w : m_main->documentWindows())
        if (!fileName.isEmpty() && w->DocumentFileName == fileName)
            m_document.window = w;
    return m_document.window ? &m_document : nullptr;
}

QWidget *MainFormCompileHost::messagesPage() const
{
    return m_main->TabSheet6;
}

QWidget *MainFormCompileHost::outputPage() const
{
    return m_main->TabSheet8;
}

void MainFormCompileHost::showBottomTab(QWidget *page, bool current)
{
    QTabWidget *pages = m_main->PageControl4;
    const int index = pages ? pages->indexOf(page) : -1;
    if (index < 0)
        return;
    pages->setTabVisible(index, true);
    if (current)
        pages->setCurrentIndex(index);
}

bool MainFormCompileHost::errorLineHighlighted() const
{
    return m_main->ErrorLineHighlighted;
}

void MainFormCompileHost::setErrorLineHighlighted(bool on)
{
    m_main->ErrorLineHighlighted = on;
}

void MainFormCompileHost::setCompilerOutputLines(const QStringList &lines)
{
    m_main->CompilerOutputLines = lines;
}

void MainFormCompileHost::setCompileErrorCount(int count)
{
    m_main->CompileErrorCount = count;
}

QList<FileFilterEntry> MainFormCompileHost::saveDialogFilter()
{
    return m_main->UpdateFilesFilter();
}

// --- The active document ------------------------------------------------------------------

QString MainFormCompileHost::Document::fileName() const
{
    return window->DocumentFileName;
}

QString MainFormCompileHost::Document::caption() const
{
    return window->caption();
}

bool MainFormCompileHost::Document::save()
{
    return window->SaveFileNow();
}

EditorAdapter *MainFormCompileHost::Document::editor() const
{
    return window->editor();
}

int MainFormCompileHost::Document::errorLine() const
{
    return window->ErrorLine;
}

void MainFormCompileHost::Document::setErrorLine(int line)
{
    window->ErrorLine = line;
}

void MainFormCompileHost::Document::bringToFront()
{
    QMdiSubWindow *sub = window->subWindow();
    if (!sub)
        return;
    if (sub->isMinimized())
        sub->showNormal();
    if (QMdiArea *area = sub->mdiArea())
        area->setActiveSubWindow(sub);
    sub->raise();
    window->setFocus();   // the editor is the window's focus proxy
}
