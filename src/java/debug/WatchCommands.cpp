#include "java/debug/WatchCommands.h"

#include "analysis/javasource/JavaDocumentScanner.h"
#include "editor/EditorAdapter.h"
#include "editor/tokenizers/JavaTokenizer.h"
#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "java/debug/DebugCommands.h"
#include "java/debug/VariableTracker.h"
#include "platform/DelphiStrings.h"
#include "platform/Prompter.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QToolButton>

WatchCommands::WatchCommands(FeatureHost &host, DebugCommands &debugger, QObject *parent)
    : QObject(parent),
      m_host(&host),
      m_debugger(&debugger),
      m_exec([](TVarTrackerFrm &dlg) { return dlg.exec(); })
{
    ActionRegistry &registry = host.actions();
    QAction *tracker = registry.action(QStringLiteral("Variabletracker1"));
    if (tracker)
        tracker->setEnabled(true);
    else
        tracker = registry.addItem(QStringLiteral("Debugging1"), QStringLiteral("Variabletracker1"),
                                   QStringLiteral("Variable tracker.."));
    if (tracker)
        connect(tracker, &QAction::triggered, this, &WatchCommands::SpeedButton44Click);

    SpeedButton44 = new QToolButton(host.page(FeatureHost::Page::Java));
    SpeedButton44->setObjectName(QStringLiteral("SpeedButton44"));
    SpeedButton44->setText(QStringLiteral("Variabel value tracker"));
    SpeedButton44->setToolTip(QStringLiteral("Variabel value tracker"));
    SpeedButton44->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(SpeedButton44, &QToolButton::clicked, this, &WatchCommands::SpeedButton44Click);
    host.addToPage(FeatureHost::Page::Java, SpeedButton44);

    for (HostDocument *document : host.documents())
        bindDocument(document);
    connect(&host, &FeatureHost::documentCreated, this, &WatchCommands::bindDocument);
}

void WatchCommands::bindDocument(HostDocument *document)
{
    ActionRegistry &popup = document->popupActions();
    QPointer<QWidget> window = document->widget();
    if (QAction *add = popup.action(QStringLiteral("Addtodebuggerwatch1")))
        connect(add, &QAction::triggered, this, [this, window, document] {
            if (window)
                Addtodebuggerwatch1Click(document);
        });
    if (QMenu *menu = document->popupMenu())
        connect(menu, &QMenu::aboutToShow, this, [this, window, document] {
            if (window)
                PopupMenu1Popup(document);
        });
    if (QMenu *debugging = popup.menu(QStringLiteral("Debugging1")))
        if (QAction *tracker = popup.addItem(debugging, QStringLiteral("Variabletracker1"),
                                             QStringLiteral("Variable tracker..")))
            connect(tracker, &QAction::triggered, this, &WatchCommands::SpeedButton44Click);
}

bool WatchCommands::watchIdentifier(const QString &line, QString *identifier)
{
    JavaTokenizer::State state = JavaTokenizer::Code;
    QString last;
    for (const JavaTokenizer::Token &token : JavaTokenizer::tokenizeLine(line, state)) {
        if (token.kind == JavaTokenizer::Identifier) {
            last = token.text;
        } else if (token.kind == JavaTokenizer::Symbol) {
            *identifier = last;
            return true;
        }
    }
    return false;
}

void WatchCommands::SpeedButton44Click()
{
    HostDocument *doc = m_host->activeDocument();
    if (!doc)
        return;
    EditorAdapter *editor = doc->editor();
    const QString name = Delphi::trim(JavaDocumentScanner::FindMainClassName(editor));
    if (name.isEmpty()) {
        Prompter::instance()->messageBox(m_host->window(), QStringLiteral("Information"),
                                         QStringLiteral("No main class found! Can't run variable "
                                                        "tracker."),
                                         Prompter::Information, Prompter::OkButton);
        return;
    }
    QPointer<QWidget> window = doc->widget();
    TVarTrackerFrm dlg(
        [window, editor](const QString &className) {
            return window ? JavaDocumentScanner::FinnAlleDatamedlemmer(editor, className, true)
                          : QStringList();
        },
        m_host->window());
    dlg.MainClass = name;
    dlg.WatchList = m_debugger->watches(doc);
    dlg.FormShow();
    if (m_exec(dlg) == QDialog::Accepted && window)
        m_debugger->setWatches(doc, dlg.WatchList);
}

void WatchCommands::Addtodebuggerwatch1Click(HostDocument *document)
{
    EditorAdapter *editor = document->editor();
    QString identifier;
    if (!editor || !watchIdentifier(editor->line(editor->caretLine()), &identifier))
        return;
    QStringList watches = m_debugger->watches(document);
    watches.append(JavaDocumentScanner::FindMainClassName(editor) + u'.' + identifier);
    m_debugger->setWatches(document, watches);
    Prompter::instance()->messageBox(
        m_host->window(), QStringLiteral("Information"),
        QStringLiteral("The variable \"") + identifier
            + QStringLiteral("\", have now been added to the list of variables beeing tracked! To "
                             "see the full list of variables beeing tracked for this editor "
                             "window, goto the variable tracker dialogbox."),
        Prompter::NoIcon, Prompter::OkButton);
}

void WatchCommands::PopupMenu1Popup(HostDocument *document)
{
    EditorAdapter *editor = document->editor();
    if (QAction *add = document->popupActions().action(QStringLiteral("Addtodebuggerwatch1")))
        add->setEnabled(editor && editor->line(editor->caretLine()).contains(u';'));
}
