#include "html/commands/HtmlCommands.h"

#include "editor/EditorAdapter.h"
#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "html/commands/DeferredIcons.h"
#include "html/commands/HtmlInsertCommands.h"

#include <QAbstractButton>
#include <QAction>
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QMenu>
#include <QToolButton>

using HtmlMenuLayout::Item;

// The icons live in a resource of the static library; it must be pulled in by name.
static void initHtmlResources()
{
    Q_INIT_RESOURCE(html);
}

namespace {

constexpr int ToolColumns = 5;

bool isSeparator(const Item &item)
{
    return qstrcmp(item.caption, "-") == 0;
}

// Rows that wrap the selection through the page insertion services.
bool isWrapping(const HtmlInsert::Command *row)
{
    return row
        && (row->wrap == HtmlInsert::Wrap::Alignment || row->wrap == HtmlInsert::Wrap::StartEnd);
}

QMenu *addSubmenu(QMenu *parent, const Item &item)
{
    auto *sub = new QMenu(QLatin1String(item.caption), parent);
    sub->setObjectName(QLatin1String(item.name));
    sub->menuAction()->setObjectName(QLatin1String(item.name));
    parent->addMenu(sub);
    return sub;
}

QAction *addItem(QMenu *menu, const Item &item)
{
    QAction *a =
        isSeparator(item) ? menu->addSeparator() : menu->addAction(QLatin1String(item.caption));
    a->setObjectName(QLatin1String(item.name));
    return a;
}

} // namespace

HtmlCommands::HtmlCommands(FeatureHost &host, QObject *parent) : QObject(parent), m_host(&host)
{
    initHtmlResources();
    ActionRegistry &registry = m_host->actions();
    QWidget *window = m_host->window();
    m_htmlElement = new QMenu(window);
    m_htmlElement->setObjectName(QStringLiteral("HTMLElement"));
    m_clockMenu = new QMenu(window);
    m_clockMenu->setObjectName(QStringLiteral("PopupMenu6"));

    if (QMenu *insert = registry.menu(QStringLiteral("Insert2")))
        buildMainMenu(insert, HtmlMenuLayout::insertMenu);
    if (QMenu *modify = registry.menu(QStringLiteral("Modify1")))
        buildMainMenu(modify, HtmlMenuLayout::modifyMenu);
    if (QMenu *tools = registry.menu(QStringLiteral("ools2")))
        buildMainMenu(tools, HtmlMenuLayout::toolsMenu);
    if (QMenu *newMenu = registry.menu(QStringLiteral("New1"))) {
        // File, New, "Frameset" follows the HTML document item.
        const Item &item = HtmlMenuLayout::newFramesetItem;
        const QList<QAction *> items = newMenu->actions();
        const int html = items.indexOf(registry.action(QStringLiteral("HTMLdocument1")));
        QAction *a = registry.addItem(newMenu, QLatin1String(item.name),
                                      QLatin1String(item.caption), html >= 0 ? html + 1 : -1);
        if (a)
            bindAction(a, QLatin1String(item.handler));
    }

    buildPopup(m_htmlElement, HtmlMenuLayout::htmlElementMenu);
    buildPopup(m_clockMenu, HtmlMenuLayout::clockMenu);
    buildToolPanel();

    for (HostDocument *document : m_host->documents())
        fillDocumentPopup(document);
    connect(m_host, &FeatureHost::documentCreated, this, &HtmlCommands::fillDocumentPopup);
}

HtmlCommands::~HtmlCommands() = default;

void HtmlCommands::buildMainMenu(QMenu *menu, const Item *items)
{
    for (const Item *item = items; item->caption; ++item) {
        const QString name = QLatin1String(item->name);
        const QString caption = QLatin1String(item->caption);
        ActionRegistry &registry = m_host->actions();
        if (item->children) {
            if (QMenu *sub = registry.addSubmenu(menu, name, caption))
                buildMainMenu(sub, item->children);
            continue;
        }
        QAction *a = isSeparator(*item) ? registry.addSeparator(menu, name)
                                        : registry.addItem(menu, name, caption);
        if (a && item->handler) {
            bindAction(a, QLatin1String(item->handler));
            m_mainItems.insert(QLatin1String(item->handler), a);
        }
    }
}

void HtmlCommands::buildPopup(QMenu *menu, const Item *items)
{
    for (const Item *item = items; item->caption; ++item) {
        if (item->children) {
            buildPopup(addSubmenu(menu, *item), item->children);
        } else if (!item->name) {
            // The same command object as in the main menu, so that its shortcut shows here too.
            if (QAction *shared = m_mainItems.value(QLatin1String(item->handler)))
                menu->addAction(shared);
        } else {
            QAction *a = addItem(menu, *item);
            if (item->handler)
                bindAction(a, QLatin1String(item->handler));
        }
    }
}

void HtmlCommands::fillDocumentPopup(HostDocument *document)
{
    if (!document)
        return;
    const std::pair<const char *, const Item *> groups[] = {
        {"Common1", HtmlMenuLayout::documentCommon},
        {"Spesiellebokstaver1", HtmlMenuLayout::documentSpecialCharacters},
        {"Skjema1", HtmlMenuLayout::documentForm},
        {"Plasser1", HtmlMenuLayout::documentAlignment},
        {"Font2", HtmlMenuLayout::documentFont},
    };
    for (const auto &[name, items] : groups) {
        QMenu *menu = document->popupActions().menu(QLatin1String(name));
        if (menu && menu->isEmpty())
            buildDocumentItems(document, menu, items);
    }
}

void HtmlCommands::buildDocumentItems(HostDocument *document, QMenu *menu, const Item *items)
{
    ActionRegistry &registry = document->popupActions();
    EditorAdapter *editor = document->editor();
    for (const Item *item = items; item->caption; ++item) {
        const QString name = QLatin1String(item->name);
        if (item->children) {
            if (QMenu *sub = registry.addSubmenu(menu, name, QLatin1String(item->caption)))
                buildDocumentItems(document, sub, item->children);
            continue;
        }
        QAction *a = isSeparator(*item)
            ? registry.addSeparator(menu, name)
            : registry.addItem(menu, name, QLatin1String(item->caption));
        if (!a || !item->handler)
            continue;
        const QString handler = QLatin1String(item->handler);
        const HtmlInsert::Command *row = HtmlInsert::find(handler);
        if (!isWrapping(row)) {
            bindAction(a, handler); // forwards to the main window's handler
            continue;
        }
        // Alignment and font items wrap the selection of their own document.
        QPointer<EditorAdapter> own(editor);
        connect(a, &QAction::triggered, this, [own, row] {
            if (own)
                HtmlInsert::apply(*own, *row, own->caretLineIndent());
        });
    }
}

void HtmlCommands::buildToolPanel()
{
    QWidget *sheet = m_host->page(FeatureHost::Page::Html);
    if (!sheet)
        return;
    m_toolPanel = new QWidget(sheet);
    m_toolPanel->setObjectName(QStringLiteral("HTMLToolPanel"));
    // The "HTML" tab is hidden until an HTML document is open: its icons wait until it shows.
    auto *icons = new DeferredIcons(m_toolPanel);
    auto *panelLayout = new QVBoxLayout(m_toolPanel);
    panelLayout->setContentsMargins(0, 0, 0, 0);

    for (const HtmlMenuLayout::ToolGroup *group = HtmlMenuLayout::toolGroups; group->title;
         ++group) {
        auto *box = new QGroupBox(QLatin1String(group->title), m_toolPanel);
        box->setObjectName(QLatin1String(group->name));
        auto *grid = new QGridLayout(box);
        grid->setSpacing(2);
        int index = 0;
        for (const HtmlMenuLayout::ToolButton *def = group->buttons; def->hint; ++def, ++index) {
            auto *b = new QToolButton(box);
            b->setObjectName(QLatin1String(def->name));
            b->setToolTip(QLatin1String(def->hint));
            b->setAccessibleName(QLatin1String(def->hint));
            icons->add(b, QStringLiteral(":/html/icons/%1.svg").arg(QLatin1String(def->icon)));
            b->setIconSize(QSize(20, 20));
            b->setAutoRaise(true);
            grid->addWidget(b, index / ToolColumns, index % ToolColumns);
            if (def->handler) {
                bindButton(b, QLatin1String(def->handler));
                continue;
            }
            // Buttons for the main window's own commands follow their command's state.
            QAction *command = m_host->actions().action(QLatin1String(def->action));
            b->setEnabled(command && command->isEnabled());
            if (command) {
                connect(b, &QAbstractButton::clicked, command, &QAction::trigger);
                connect(command, &QAction::changed, b,
                        [b, command] { b->setEnabled(command->isEnabled()); });
            }
        }
        grid->setColumnStretch(ToolColumns, 1);
        panelLayout->addWidget(box);
    }
    m_host->addToPage(FeatureHost::Page::Html, m_toolPanel);
}

void HtmlCommands::bindAction(QAction *action, const QString &handler)
{
    connect(action, &QAction::triggered, this, [this, handler] { run(handler); });
    track(action, handler);
}

void HtmlCommands::bindButton(QAbstractButton *button, const QString &handler)
{
    if (handler == QLatin1String(HtmlMenuLayout::pasteCodeHandler))
        connect(button, &QAbstractButton::clicked, this,
                [this, button] { dropDown(m_htmlElement, button); });
    else if (handler == QLatin1String(HtmlMenuLayout::clockHandler))
        connect(button, &QAbstractButton::clicked, this,
                [this, button] { dropDown(m_clockMenu, button); });
    else
        connect(button, &QAbstractButton::clicked, this, [this, handler] { run(handler); });
    track(button, handler);
}

void HtmlCommands::track(QObject *itemOrButton, const QString &handler)
{
    // Only what waits for its handler needs to be found again.
    if (isAvailable(handler))
        return;
    m_bound[handler].append(itemOrButton);
    setObjectEnabled(itemOrButton, false);
}

void HtmlCommands::setObjectEnabled(QObject *itemOrButton, bool enabled)
{
    if (auto *a = qobject_cast<QAction *>(itemOrButton))
        a->setEnabled(enabled);
    else if (auto *w = qobject_cast<QWidget *>(itemOrButton))
        w->setEnabled(enabled);
}

bool HtmlCommands::isAvailable(const QString &handler) const
{
    return m_provided.contains(handler) || HtmlInsert::find(handler)
        || handler == QLatin1String(HtmlMenuLayout::pasteCodeHandler)
        || handler == QLatin1String(HtmlMenuLayout::clockHandler);
}

void HtmlCommands::provide(const QString &handler, std::function<void()> function)
{
    if (!function)
        return;
    m_provided.insert(handler, std::move(function));
    enableBound(handler);
}

void HtmlCommands::enableBound(const QString &handler)
{
    const QList<QPointer<QObject>> objects = m_bound.take(handler);
    for (QObject *o : objects) {
        if (o)
            setObjectEnabled(o, true);
    }
}

void HtmlCommands::run(const QString &handler)
{
    const auto provided = m_provided.constFind(handler);
    if (provided != m_provided.constEnd()) {
        if (HtmlMenuLayout::needsDocument(handler.toLatin1().constData())
            && !m_host->activeEditor())
            return;
        const std::function<void()> function = provided.value(); // may replace itself
        function();
        return;
    }
    HtmlInsert::run(m_host->activeEditor(), handler);
}

void HtmlCommands::dropDown(QMenu *menu, QWidget *button)
{
    menu->popup(button->mapToGlobal(QPoint(button->width(), 0)));
}
