#include "java/debug/DebugCommands.h"

#include "analysis/javasource/JavaDocumentScanner.h"
#include "editor/EditorAdapter.h"
#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "java/compile/CompileCommands.h"
#include "java/debug/BreakpointCommands.h"
#include "java/debug/BreakpointMarks.h"
#include "java/debug/DebugLogEdit.h"
#include "java/debug/DebugLogInput.h"
#include "java/debug/DebugVarsPane.h"
#include "java/debug/Debugger.h"
#include "java/process/JavaCommandLine.h"
#include "platform/DelphiStrings.h"
#include "platform/Prompter.h"
#include "settings/store/AppSettings.h"

#include <QAction>
#include <QBoxLayout>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>

using Page = FeatureHost::Page;

namespace {

struct Command {
    const char *name;
    const char *caption;
    void (DebugCommands::*handler)();
};

// The Debugging menus' first items, in their order.
const Command menuCommands[] = {
    {"Startdebug1", "Start debug", &DebugCommands::SpeedButton41Click},
    {"Stopdebug1", "Stop debug", &DebugCommands::SpeedButton3Click},
    {"Nextinstruction1", "Next instruction", &DebugCommands::SpeedButton42Click},
};

// Whether the class file of mainClass beside sourceFile (where javac puts it) is at least as
// new as the source.
bool classIsCurrent(const QString &sourceFile, const QString &mainClass)
{
    const QFileInfo source(sourceFile);
    if (mainClass.isEmpty() || sourceFile.isEmpty() || !source.isFile())
        return false;
    const QFileInfo classFile(source.dir().filePath(mainClass + QStringLiteral(".class")));
    return classFile.isFile() && classFile.lastModified() >= source.lastModified();
}

} // namespace

DebugCommands::DebugCommands(FeatureHost &host, CompileCommands &compile,
                             BreakpointCommands &breakpoints, QObject *parent)
    : QObject(parent),
      m_host(&host),
      m_compile(&compile),
      m_breakpoints(&breakpoints),
      m_flushTimer(new QTimer(this))
{
    // The log's lines come in bursts; the log and the pane take each burst at once.
    m_flushTimer->setSingleShot(true);
    m_flushTimer->setInterval(0);
    connect(m_flushTimer, &QTimer::timeout, this, &DebugCommands::flushLog);

    REDebugLog = new DebugLogEdit(host.page(Page::Debugger));
    host.addToPage(Page::Debugger, REDebugLog);
    connect(REDebugLog, &DebugLogEdit::returnPressed, this, &DebugCommands::REDebugLogKeyDown);
    m_pane = new DebugVarsPane(REDebugLog, host.page(Page::DebugVars));
    REDebugVar = m_pane->REDebugVar;
    host.addToPage(Page::DebugVars, REDebugVar);

    ActionRegistry &registry = host.actions();
    int position = 0;
    for (const Command &c : menuCommands) {
        QAction *a = registry.action(QLatin1String(c.name));
        if (a)
            a->setEnabled(true);
        else
            a = registry.addItem(QStringLiteral("Debugging1"), QLatin1String(c.name),
                                 QLatin1String(c.caption), position);
        ++position;
        if (a)
            connect(a, &QAction::triggered, this, c.handler);
    }

    // The Java tab's buttons, above the breakpoint buttons.
    auto *row = new QWidget(host.page(Page::Java));
    row->setObjectName(QStringLiteral("DebugButtons"));
    auto *grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    auto addButton = [&](const char *name, const QString &text, void (DebugCommands::*handler)(),
                         int at) {
        auto *b = new QToolButton(row);
        b->setObjectName(QLatin1String(name));
        b->setText(text);
        b->setToolTip(text);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(b, &QToolButton::clicked, this, handler);
        grid->addWidget(b, at / 2, at % 2);
        return b;
    };
    SpeedButton41 = addButton("SpeedButton41", QStringLiteral("Start debugging"),
                              &DebugCommands::SpeedButton41Click, 0);
    SpeedButton42 = addButton("SpeedButton42", QStringLiteral("Next instruction"),
                              &DebugCommands::SpeedButton42Click, 1);
    SpeedButton3 = addButton("SpeedButton3", QStringLiteral("Stop execution"),
                             &DebugCommands::SpeedButton3Click, 2);
    int index = -1;
    if (QLayout *layout = host.page(Page::Java)->layout())
        index = layout->indexOf(breakpoints.javaButtons());
    host.addToPage(Page::Java, row, index);
    setRunning(false);

    for (HostDocument *document : host.documents())
        bindDocument(document);
    connect(&host, &FeatureHost::documentCreated, this, &DebugCommands::bindDocument);
    connect(&host, &FeatureHost::documentClosed, this, [this](HostDocument *document) {
        m_watches.remove(document->widget());
        if (document == m_runDocument)
            m_runWindow = nullptr;
    });
}

// A jdb still running goes with its debugger, and the program it debugs with it.
DebugCommands::~DebugCommands() = default;

void DebugCommands::bindDocument(HostDocument *document)
{
    ActionRegistry &popup = document->popupActions();
    QMenu *debugging = popup.menu(QStringLiteral("Debugging1"));
    if (!debugging)
        return;
    int position = 0;
    for (const Command &c : menuCommands)
        if (QAction *a = popup.addItem(debugging, QLatin1String(c.name), QLatin1String(c.caption),
                                       position++))
            connect(a, &QAction::triggered, this, c.handler);
}

TDebugger *DebugCommands::DebuggerThread() const
{
    return m_debugger;
}

bool DebugCommands::isBusy() const
{
    return m_compiling || (m_debugger && m_debugger->isRunning());
}

void DebugCommands::setRunning(bool running)
{
    SpeedButton41->setEnabled(!running);
    SpeedButton42->setEnabled(running);
    SpeedButton3->setEnabled(running);
}

QStringList DebugCommands::watches(HostDocument *document) const
{
    return m_watches.value(document->widget());
}

void DebugCommands::setWatches(HostDocument *document, const QStringList &watches)
{
    if (watches.isEmpty())
        m_watches.remove(document->widget());
    else
        m_watches.insert(document->widget(), watches);
}

QStringList DebugCommands::runWatches() const
{
    return m_runWindow ? m_watches.value(m_runWindow.data()) : QStringList();
}

QList<int> DebugCommands::runMarks() const
{
    if (!m_runWindow)
        return {};
    const BreakpointMarks *marks = m_breakpoints->marksOf(m_runDocument->editor());
    return marks ? marks->lines() : QList<int>();
}

// --- The log ------------------------------------------------------------------------------

void DebugCommands::queueLogLine(const QString &line)
{
    m_pendingLines.append(line);
    if (!m_flushTimer->isActive())
        m_flushTimer->start();
}

void DebugCommands::flushLog()
{
    m_flushTimer->stop();
    if (m_pendingLines.isEmpty())
        return;
    REDebugLog->addLines(std::exchange(m_pendingLines, {}));
    REDebugLogChange();
}

void DebugCommands::addLog(const QString &line)
{
    queueLogLine(line);
    flushLog();
}

void DebugCommands::focusLogIfShown()
{
    if (m_host->page(Page::Debugger)->isVisible())
        REDebugLog->setFocus();
}

void DebugCommands::REDebugLogChange()
{
    if (m_debugger)
        m_pane->rebuild(runWatches());
}

void DebugCommands::REDebugLogKeyDown()
{
    flushLog();
    const DebugLogInput::Typed typed = DebugLogInput::typedCommand(REDebugLog->commandLine());
    if (typed.action == DebugLogInput::Typed::NewPrompt)
        addLog(QStringLiteral("main[1] "));
    else if (m_debugger)
        m_debugger->SendCommand(typed.command);
}

// --- Commands -----------------------------------------------------------------------------

void DebugCommands::SpeedButton41Click()
{
    if (isBusy())
        return;
    HostDocument *doc = m_host->activeDocument();
    if (!doc)
        return;
    flushLog();
    REDebugLog->clear();
    REDebugLogChange();
    const QString mainClass = Delphi::trim(JavaDocumentScanner::FindMainClassName(doc->editor()));
    if (!doc->isModified() && classIsCurrent(doc->fileName(), mainClass)) {
        startRun(doc);
        return;
    }

    addLog(QStringLiteral("Compiling.."));
    // The run goes on only when this compile ran and found no errors: a stale class file
    // would put the breakpoints on the wrong lines.
    QPointer<DebugCommands> self(this);
    QPointer<QWidget> window = doc->widget();
    m_compiling = true;
    const bool started = m_compile->CompileNoCompilerWnd([self, window, doc](int count) {
        if (!self || !self->m_compiling)
            return; // stopped meanwhile
        self->m_compiling = false;
        if (count > 0) {
            self->addLog(QStringLiteral("Can't continue debugger because of compiler errors.."));
            Prompter::instance()->messageBox(
                self->m_host->window(), QStringLiteral("Information"),
                QStringLiteral("There were ") + QString::number(count)
                    + QStringLiteral(
                        " errors in the compiled document. These errors have to be corrected "
                        "before the debugger can be run again. See the compiler messages and "
                        "compiler output tabs for more info about the errors found."),
                Prompter::Information, Prompter::OkButton);
            return;
        }
        if (window)
            self->startRun(doc);
    });
    if (!started)
        m_compiling = false;
}

void DebugCommands::startRun(HostDocument *doc)
{
    m_runWindow = doc->widget();
    m_runDocument = doc;
    m_mainClass = Delphi::trim(JavaDocumentScanner::FindMainClassName(doc->editor()));
    setRunning(true);

    if (m_debugger)
        m_debugger->deleteLater();
    m_debugger = new TDebugger(this);
    TDebugger *debugger = m_debugger;
    connect(debugger, &TDebugger::lineRead, this, &DebugCommands::queueLogLine);
    connect(debugger, &TDebugger::promptRead, this, [this] {
        flushLog();
        REDebugLog->setFocus();
    });
    connect(debugger, &TDebugger::initializing, this, [this, debugger] {
        debugger->SendWatchDumps(runWatches());
        debugger->SendBreakpointsAndRun(m_mainClass, runMarks());
    });
    connect(debugger, &TDebugger::commandWritten, this, &DebugCommands::focusLogIfShown);
    connect(debugger, &TDebugger::sessionEnded, this, [this, debugger] {
        flushLog();
        focusLogIfShown();
        if (debugger == m_debugger)
            SpeedButton3Click();
    });

    m_host->showPage(Page::Debugger, true);
    m_pane->addLine(QStringLiteral("[Debugger started, but no variabel information found yet]"));

    const AppSettings &settings = m_host->settings();
    using Settings::Key;
    const Settings::Reader reader = Settings::Reader::Debugger;
    debugger->RunDebugSession(JavaCommandLine::jdb(settings.textValue(Key::JavaBinDir, reader),
                                                   settings.textValue(Key::ClassPathDir, reader),
                                                   doc->fileName(), m_mainClass));
}

void DebugCommands::SpeedButton42Click()
{
    if (!m_debugger)
        return;
    m_debugger->SendWatchDumps(runWatches());
    m_debugger->SendCommand(QStringLiteral("cont"));
}

void DebugCommands::SpeedButton3Click()
{
    m_compiling = false;
    setRunning(false);
    if (m_debugger)
        m_debugger->exit();
    flushLog();
    m_pane->addLine(QStringLiteral("[Debugger has exited, no longer tracking vars]"));
}
