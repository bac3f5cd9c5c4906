#include "java/compile/CompileCommands.h"

#include "editor/EditorAdapter.h"
#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "java/compile/CompileResultWindow.h"
#include "java/compile/CompilerOutput.h"
#include "java/process/JavaCommandLine.h"
#include "java/process/ProcessRunner.h"
#include "platform/Clock.h"
#include "platform/DelphiStrings.h"
#include "platform/FileDialogs.h"
#include "platform/Prompter.h"
#include "platform/TColor.h"
#include "platform/TextFile.h"
#include "settings/store/AppSettings.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

using Page = FeatureHost::Page;

namespace {

const char *const NoJavaFolder =
    "No javabin catalog defined, don't know where to look for javac. Please spesify the javabin "
    "catalog (can be found under Edit->Options->Compiler)!";
const char *const NoJavaFolderNow =
    "No javabin catalog defined, don't know where to look for javac. Please spesify the javabin "
    "catalog now!";

// The page's layout, made on first use.
QVBoxLayout *pageLayout(QWidget *page)
{
    if (auto *layout = qobject_cast<QVBoxLayout *>(page->layout()))
        return layout;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

} // namespace

CompileCommands::CompileCommands(FeatureHost &host, QObject *parent)
    : QObject(parent), m_host(&host), m_runner(new ProcessRunner(this))
{
    m_runner->setReadSize(50);
    connect(m_runner, &ProcessRunner::finished, this, &CompileCommands::compilerFinished);
    connect(m_runner, &ProcessRunner::failedToStart, this, &CompileCommands::compilerFailedToStart);

    QWidget *outputPage = m_host->page(Page::CompilerOutput);
    KompilatorLogTxt = new QPlainTextEdit(outputPage);
    KompilatorLogTxt->setObjectName(QStringLiteral("KompilatorLogTxt"));
    KompilatorLogTxt->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    KompilatorLogTxt->setLineWrapMode(QPlainTextEdit::NoWrap);
    KompilatorLogTxt->setContextMenuPolicy(Qt::CustomContextMenu);
    pageLayout(outputPage)->addWidget(KompilatorLogTxt);

    LogPopupMenu = new QMenu(KompilatorLogTxt);
    LogPopupMenu->setObjectName(QStringLiteral("LogPopupMenu"));
    auto addLogCommand = [this](const char *name, const QString &text,
                                void (CompileCommands::*handler)()) {
        QAction *a = LogPopupMenu->addAction(text);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    Restartlog1 = addLogCommand("Restartlog1", QStringLiteral("Empty log window"),
                                &CompileCommands::Restartlog1Click);
    Lagretilfil1 = addLogCommand("Lagretilfil1", QStringLiteral("Store log to file.."),
                                 &CompileCommands::Lagretilfil1Click);
    Kopiertilskrivebord1 =
        addLogCommand("Kopiertilskrivebord1", QStringLiteral("Copy log to clipboard"),
                      &CompileCommands::Kopiertilskrivebord1Click);
    connect(KompilatorLogTxt, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) {
                LogPopupMenu->popup(KompilatorLogTxt->viewport()->mapToGlobal(pos));
            });

    QWidget *messagesPage = m_host->page(Page::CompilerMessages);
    KompilerErrors = new QTreeWidget(messagesPage);
    KompilerErrors->setObjectName(QStringLiteral("KompilerErrors"));
    KompilerErrors->setColumnCount(2);
    KompilerErrors->setHeaderLabels({QStringLiteral("Line"), QStringLiteral("Error message")});
    KompilerErrors->setRootIsDecorated(false);
    KompilerErrors->setSelectionMode(QAbstractItemView::SingleSelection);
    KompilerErrors->header()->resizeSection(0, 60);
    pageLayout(messagesPage)->addWidget(KompilerErrors);
    connect(KompilerErrors, &QTreeWidget::itemClicked, this, &CompileCommands::KompilerErrorsClick);
    connect(KompilerErrors, &QTreeWidget::itemDoubleClicked, this,
            &CompileCommands::KompilerErrorsDblClick);

    bindCommands();
}

CompileCommands::~CompileCommands() = default;

void CompileCommands::bindCommands()
{
    ActionRegistry &registry = m_host->actions();
    QAction *compile = registry.action(QStringLiteral("Compile1"));
    if (!compile)
        compile = registry.addItem(QStringLiteral("ools1"), QStringLiteral("Compile1"),
                                   QStringLiteral("Compile current file"));
    QAction *compileAndRun = registry.action(QStringLiteral("CompileandRun1"));
    if (!compileAndRun)
        compileAndRun = registry.addItem(QStringLiteral("ools1"), QStringLiteral("CompileandRun1"),
                                         QStringLiteral("Compile and Run current files"));
    if (compile)
        connect(compile, &QAction::triggered, this, &CompileCommands::Compile1Click);
    if (compileAndRun)
        connect(compileAndRun, &QAction::triggered, this, &CompileCommands::SpeedButton36Click);

    // The Java tab's tool buttons, below its new-document button.
    auto *row = new QWidget(m_host->page(Page::Java));
    row->setObjectName(QStringLiteral("CompileButtons"));
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    auto addButton = [&](const char *name, const QString &text, const QString &hint,
                         void (CompileCommands::*handler)()) {
        auto *b = new QToolButton(row);
        b->setObjectName(QLatin1String(name));
        b->setText(text);
        b->setToolTip(hint);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(b, &QToolButton::clicked, this, handler);
        rowLayout->addWidget(b);
    };
    addButton("CompileSpeedButton", QStringLiteral("Compile"), QStringLiteral("Compile.."),
              &CompileCommands::Compile1Click);
    addButton("SpeedButton36", QStringLiteral("Compile and run"),
              QStringLiteral("Compile and run.."), &CompileCommands::SpeedButton36Click);
    m_host->addToPage(Page::Java, row, 1);

    for (HostDocument *document : m_host->documents())
        bindDocument(document);
    connect(m_host, &FeatureHost::documentCreated, this, &CompileCommands::bindDocument);
}

// The "Compiling" submenu of a document's pop-up runs the same commands.
void CompileCommands::bindDocument(HostDocument *document)
{
    ActionRegistry &popup = document->popupActions();
    QMenu *compiling = popup.menu(QStringLiteral("ools2"));
    if (!compiling || popup.contains(QStringLiteral("Compile1")))
        return;
    if (QAction *compile =
            popup.addItem(compiling, QStringLiteral("Compile1"), QStringLiteral("Compile")))
        connect(compile, &QAction::triggered, this, &CompileCommands::Compile1Click);
    if (QAction *andRun = popup.addItem(compiling, QStringLiteral("CompileandRun1"),
                                        QStringLiteral("Compile and Run")))
        connect(andRun, &QAction::triggered, this, &CompileCommands::SpeedButton36Click);
}

TCompiler1 *CompileCommands::CompilerWindow() const
{
    return m_compilerWindow;
}

bool CompileCommands::isCompiling() const
{
    return m_runner->isRunning();
}

QWidget *CompileCommands::window() const
{
    return m_host->window();
}

void CompileCommands::log(const QString &line)
{
    KompilatorLogTxt->appendPlainText(line);
}

QString CompileCommands::completionStamp()
{
    const QDateTime now = Clock::instance()->now();
    const QLocale locale;
    // The long time format without the time zone ("t").
    const QString timeFormat = locale.timeFormat(QLocale::LongFormat).remove(u't').trimmed();
    return QStringLiteral("Compilation complete: ")
        + locale.toString(now.date(), QLocale::ShortFormat) + u' '
        + locale.toString(now.time(), timeFormat);
}

// --- Commands -----------------------------------------------------------------------------

void CompileCommands::Compile1Click()
{
    if (isCompiling())
        return;
    HostDocument *doc = m_host->activeDocument();
    if (!doc || !doc->save())
        return;
    startCompile(Mode::WithWindow, doc, QString::fromLatin1(NoJavaFolder));
}

void CompileCommands::SpeedButton36Click()
{
    if (isCompiling())
        return;
    HostDocument *doc = m_host->activeDocument();
    if (!doc || !doc->save())
        return;
    startCompile(Mode::AndRun, doc, QString::fromLatin1(NoJavaFolderNow));
}

bool CompileCommands::CompileNoCompilerWnd(const std::function<void(int)> &done)
{
    if (isCompiling())
        return false;
    HostDocument *doc = m_host->activeDocument();
    if (!doc || !doc->save())
        return false;
    m_silentDone = done;
    return startCompile(Mode::Silent, doc, QString::fromLatin1(NoJavaFolder));
}

bool CompileCommands::startCompile(Mode mode, HostDocument *doc, const QString &noJavaFolderText)
{
    const AppSettings &settings = m_host->settings();
    const QString javaBinDir = settings.textValue(Settings::Key::JavaBinDir);
    const QString options = settings.textValue(Settings::Key::DebugGenOptions);
    const QString classPath = settings.textValue(Settings::Key::ClassPathDir);
    if (javaBinDir.isEmpty()) {
        Prompter::instance()->messageBox(window(), QStringLiteral("Information"), noJavaFolderText,
                                         Prompter::Information, Prompter::OkButton);
        return false;
    }

    const ToolCommand cmd = JavaCommandLine::javac(javaBinDir, options, classPath, doc->fileName());
    m_mode = mode;
    m_caption = doc->caption();
    m_fileName = doc->fileName();

    m_host->showPage(Page::CompilerMessages, false);
    switch (mode) {
    case Mode::WithWindow:
        m_compilerWindow = new TCompiler1(window());
        m_compilerWindow->setAttribute(Qt::WA_DeleteOnClose);
        m_compilerWindow->ProjName->setText(Delphi::extractFileName(doc->fileName()));
        connect(m_compilerWindow, &TCompiler1::runRequested, this,
                [this, file = m_fileName] { emit runProgramRequested(false, file); });
        m_compilerWindow->show();
        m_compilerWindow->raise();
        m_compilerWindow->setWindowTitle(QStringLiteral("Compiling file, please wait.."));
        KompilerErrors->clear();
        m_host->showPage(Page::CompilerOutput, true);
        log(QStringLiteral("Compiling: ") + doc->fileName());
        break;
    case Mode::AndRun:
        m_host->showPage(Page::CompilerOutput, true);
        log(QStringLiteral("Compiling: ") + doc->fileName());
        KompilerErrors->clear();
        break;
    case Mode::Silent:
        m_host->showPage(Page::CompilerOutput, false);
        KompilerErrors->clear();
        log(QStringLiteral("Compiling: ") + doc->fileName());
        break;
    }

    m_runner->start(cmd.program, cmd.arguments, cmd.folder);
    return true;
}

void CompileCommands::compilerFinished(int exitCode, bool normalExit)
{
    const QString output = m_runner->output();
    const QString trimmed = Delphi::trim(output);
    log(trimmed);
    if (m_mode == Mode::WithWindow && m_compilerWindow)
        m_compilerWindow->CompilerOutput = trimmed;

    const QStringList lines = CompilerOutput::splitLines(output);
    m_outputLines = lines;
    const int analysed = AnalyseOutput(lines, m_caption);
    const int count = CompilerOutput::errorCountAfterExit(analysed, exitCode, normalExit);

    switch (m_mode) {
    case Mode::WithWindow: finishWithWindow(count); break;
    case Mode::AndRun: finishAndRun(count); break;
    case Mode::Silent: finishSilent(count); break;
    }
}

void CompileCommands::compilerFailedToStart(const QString &message)
{
    m_outputLines.clear();
    KompilerErrors->clear();
    log(message);
    log(QString());
    if (m_mode == Mode::WithWindow && m_compilerWindow) {
        m_compilerWindow->BitBtn1->setEnabled(true);
        m_compilerWindow->setWindowTitle(QStringLiteral("Compilation complete"));
    }
    m_errorCount = m_mode == Mode::Silent ? 1 : 0;
    Prompter::instance()->messageDlg(window(), message, Prompter::Error, Prompter::OkButton);

    if (m_mode == Mode::Silent && m_silentDone)
        std::exchange(m_silentDone, nullptr)(1);
    emit compileFinished(1);
}

void CompileCommands::finishWithWindow(int count)
{
    if (TCompiler1 *w = m_compilerWindow) {
        w->Label5->setText(QString::number(count));
        w->BitBtn2->setEnabled(count > 0);
        w->BitBtn1->setEnabled(true);
        w->BitBtn3->setEnabled(count == 0);
        w->setWindowTitle(QStringLiteral("Compilation complete"));
    }
    if (count == 0)
        log(QStringLiteral("No errors found."));
    log(completionStamp());
    log(QString());
    m_errorCount = 0;
    emit compileFinished(count);
}

void CompileCommands::finishAndRun(int count)
{
    m_errorCount = 0;
    if (count == 0) {
        log(QStringLiteral("No errors found."));
        log(completionStamp());
        log(QStringLiteral("Running program."));
        log(QString());
        emit compileFinished(count);
        emit runProgramRequested(true, m_fileName);
    } else {
        log(QStringLiteral("Errors found, can't run program now!"));
        emit compileFinished(count);
    }
}

void CompileCommands::finishSilent(int count)
{
    if (count == 0)
        log(QStringLiteral("No errors found."));
    log(completionStamp());
    log(QString());
    m_errorCount = count;
    if (m_silentDone)
        std::exchange(m_silentDone, nullptr)(count);
    emit compileFinished(count);
}

int CompileCommands::AnalyseOutput(const QStringList &lines, const QString &caption)
{
    KompilerErrors->clear();
    const CompilerOutput::Result result = CompilerOutput::analyse(lines, caption);
    for (const CompilerMessage &entry : result.entries)
        new QTreeWidgetItem(KompilerErrors, {entry.line, entry.message});
    return result.errorCount;
}

// --- The message list -----------------------------------------------------------------------

void CompileCommands::KompilerErrorsClick()
{
    QTreeWidgetItem *item = KompilerErrors->currentItem();
    if (KompilerErrors->topLevelItemCount() == 0 || !item)
        return;
    KompilerErrors->setToolTip(CompilerOutput::hintText({item->text(0), item->text(1)}));
}

void CompileCommands::KompilerErrorsDblClick()
{
    QTreeWidgetItem *item = KompilerErrors->currentItem();
    if (KompilerErrors->topLevelItemCount() == 0 || !item)
        return;
    // An entry without a line number (a note of the compiler) has nowhere to go.
    int line = 0;
    if (!Delphi::tryStrToInt(item->text(0), line))
        return;
    // The list belongs to the document compiled, wherever it stands now.
    if (HostDocument *doc = compiledDocument())
        SelectErrorLine(doc);
}

HostDocument *CompileCommands::compiledDocument() const
{
    if (m_fileName.isEmpty())
        return nullptr;
    for (HostDocument *doc : m_host->documents())
        if (doc->fileName() == m_fileName)
            return doc;
    return nullptr;
}

void CompileCommands::SelectErrorLine(HostDocument *doc)
{
    QTreeWidgetItem *item = KompilerErrors->currentItem();
    EditorAdapter *editor = doc->editor();
    if (!item || !editor)
        return;
    editor->setSelectionBackgroundColor(QColor(0, 0, 255));

    const QString caption = item->text(0);
    int line = 0;
    if (!Delphi::strToIntOrComplain(window(), caption, line))
        return;
    if (line > editor->lineCount())
        --line;
    editor->setCaret(line, editor->caretColumn());
    doc->bringToFront();

    m_errorLineHighlighted = true;
    doc->setErrorLine(editor->caretLine());
    paintErrorLine(editor, editor->caretLine());
}

void CompileCommands::paintErrorLine(EditorAdapter *editor, int line)
{
    clearPaintedLines();
    editor->setLineColors(line, TColor::clWhite.toQColor(), TColor::clMaroon.toQColor());
    m_painted.append({editor, line});
    connect(editor, &EditorAdapter::textChanged, this, &CompileCommands::editorChanged,
            Qt::UniqueConnection);
}

void CompileCommands::editorChanged()
{
    auto *editor = qobject_cast<EditorAdapter *>(sender());
    // Editing the error line ends the highlight (in every document).
    for (const PaintedLine &p : std::as_const(m_painted)) {
        if (p.editor == editor && editor->caretLine() == p.line)
            m_errorLineHighlighted = false;
    }
    if (!m_errorLineHighlighted)
        clearPaintedLines();
}

void CompileCommands::clearPaintedLines()
{
    for (const PaintedLine &p : std::as_const(m_painted)) {
        if (p.editor)
            p.editor->clearLineColors();
    }
    m_painted.clear();
}

// --- The log's pop-up -----------------------------------------------------------------------

void CompileCommands::Restartlog1Click()
{
    KompilatorLogTxt->clear();
}

void CompileCommands::Kopiertilskrivebord1Click()
{
    KompilatorLogTxt->selectAll();
    KompilatorLogTxt->copy();
    QTextCursor cursor = KompilatorLogTxt->textCursor();
    cursor.clearSelection();
    KompilatorLogTxt->setTextCursor(cursor);
}

void CompileCommands::Lagretilfil1Click()
{
    FileDialogs::Request request;
    request.filter = m_host->fileFilter();
    const FileDialogs::Answer answer = FileDialogs::instance()->getSaveFileName(window(), request);
    if (!answer.accepted || answer.files.isEmpty())
        return;
    QString text = KompilatorLogTxt->toPlainText();
    if (!text.isEmpty())
        text += u'\n';
    QString error;
    if (!TextFile::save(answer.files.first(), text, TextFile::Format(), &error)) {
        Prompter::instance()->messageDlg(
            window(),
            QStringLiteral("Could not store the log in %1: %2").arg(answer.files.first(), error),
            Prompter::Error, Prompter::OkButton);
    }
}
