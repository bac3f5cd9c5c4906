#include "java/generators/JavaSnippetCommands.h"

#include "editor/EditorAdapter.h"
#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "java/generators/JavaSnippets.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QToolButton>

using JavaSnippets::Snippet;

namespace {

// System.out.println's default shortcut; the pop-ups show it without taking the key.
const char *const PrintlnShortcut = "F2";

void showShortcut(QAction *item)
{
    item->setShortcut(QKeySequence(QLatin1String(PrintlnShortcut)));
    item->setShortcutContext(Qt::WidgetShortcut);
}

} // namespace

JavaSnippetCommands::JavaSnippetCommands(FeatureHost &host, QObject *parent)
    : QObject(parent), m_host(&host)
{
    setObjectName(QStringLiteral("JavaSnippetCommands"));
    ActionRegistry &registry = m_host->actions();

    JavaElementer = new QMenu(m_host->window());
    JavaElementer->setObjectName(QStringLiteral("JavaElementer"));
    registry.addMenu(JavaElementer);

    for (const Snippet *s = JavaSnippets::snippets; s->handler; ++s) {
        const QString handler = QLatin1String(s->handler);
        auto bind = [this, handler, s](QAction *item) {
            if (!item)
                return;
            item->setEnabled(true);
            item->setVisible(!s->hidden);
            connect(item, &QAction::triggered, this, [this, handler] { run(handler); });
        };

        const QString menuName = QLatin1String(s->menuItem);
        QAction *item = registry.action(menuName);
        if (!item)
            item = registry.addItem(QStringLiteral("Insert1"), menuName, QLatin1String(s->caption));
        bind(item);
        if (s->popupItem) {
            QAction *popupItem = registry.addItem(JavaElementer, QLatin1String(s->popupItem),
                                                  QLatin1String(s->popupCaption));
            bind(popupItem);
            if (popupItem && menuName == QLatin1String("Systemoutprintln2"))
                showShortcut(popupItem);
        }
    }
    if (QAction *println = registry.action(QStringLiteral("Systemoutprintln2"));
        println && println->shortcut().isEmpty())
        println->setShortcut(QKeySequence(QLatin1String(PrintlnShortcut)));

    SpeedButton47 = new QToolButton(m_host->page(FeatureHost::Page::Java));
    SpeedButton47->setObjectName(QStringLiteral("SpeedButton47"));
    SpeedButton47->setText(QStringLiteral("Insert code.."));
    SpeedButton47->setToolTip(QStringLiteral("Insert code.."));
    SpeedButton47->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(SpeedButton47, &QToolButton::clicked, this, &JavaSnippetCommands::SpeedButton47Click);
    m_host->addToPage(FeatureHost::Page::Java, SpeedButton47, 3);

    for (HostDocument *document : m_host->documents())
        fillDocumentPopup(document);
    connect(m_host, &FeatureHost::documentCreated, this, &JavaSnippetCommands::fillDocumentPopup);
}

void JavaSnippetCommands::fillDocumentPopup(HostDocument *document)
{
    ActionRegistry &popup = document->popupActions();
    QMenu *insertCode = popup.menu(QStringLiteral("Insert2"));
    if (!insertCode || !insertCode->isEmpty())
        return;
    for (const Snippet *s = JavaSnippets::snippets; s->handler; ++s) {
        if (!s->documentItem)
            continue;
        QAction *item =
            popup.addItem(insertCode, QLatin1String(s->documentItem), QLatin1String(s->caption));
        if (!item)
            continue;
        if (qstrcmp(s->menuItem, "Systemoutprintln2") == 0)
            showShortcut(item);
        const QString handler = QLatin1String(s->handler);
        connect(item, &QAction::triggered, this, [this, handler] { run(handler); });
    }
}

void JavaSnippetCommands::run(const QString &handler)
{
    const Snippet *snippet = JavaSnippets::find(handler);
    EditorAdapter *editor = m_host->activeEditor();
    if (!snippet || !editor)
        return;
    m_host->insertText(QString()); // the selection goes first
    const QString ws = editor->caretLineIndent();
    m_host->insertText(JavaSnippets::textOf(*snippet, ws));
    if (snippet->linesUp == 0 && snippet->column == JavaSnippets::Column::Stay)
        return;
    const JavaSnippets::Caret caret = JavaSnippets::caretAfter(
        *snippet, editor->caretLine(), editor->caretColumn(), int(ws.size()));
    editor->setCaret(caret.line, caret.column);
}

void JavaSnippetCommands::SpeedButton47Click()
{
    JavaElementer->popup(SpeedButton47->mapToGlobal(QPoint(SpeedButton47->width(), 0)));
}
