#include "settings/shortcuts/MenuShortcuts.h"

#include "editor/EditorAdapter.h"
#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "settings/shortcuts/ShortcutTable.h"
#include "settings/shortcuts/ShortcutText.h"
#include "settings/store/AppSettings.h"

#include <QAction>
#include <QSet>

#include <algorithm>

MenuShortcuts::MenuShortcuts(FeatureHost &host, QObject *parent) : QObject(parent), m_host(host)
{
    setObjectName(QStringLiteral("MenuShortcuts"));
    for (HostDocument *document : m_host.documents())
        guardEditor(document);
    connect(&m_host, &FeatureHost::documentCreated, this, &MenuShortcuts::guardEditor);
}

QList<QKeySequence> MenuShortcuts::keysOf(const AppSettings &settings)
{
    QList<QKeySequence> keys;
    QSet<QKeySequence> given;
    for (const ShortcutRow &row : ShortcutTable) {
        QKeySequence key = ShortcutText::parse(
            settings.readString(QLatin1String(Settings::ShortCutList), QString::number(row.index),
                                QLatin1String(row.defaultText)));
        if (given.contains(key))
            key = QKeySequence();
        else if (!key.isEmpty())
            given.insert(key);
        keys.append(key);
    }
    return keys;
}

void MenuShortcuts::LoadShortcuts()
{
    ActionRegistry &menu = m_host.actions();
    const QList<QKeySequence> keys = keysOf(m_host.settings());
    for (const ShortcutRow &row : ShortcutTable) {
        if (QAction *item = menu.action(QLatin1String(row.menuItem)))
            item->setShortcut(keys.at(row.index));
        else
            qWarning("MenuShortcuts: no menu item \"%s\"", row.menuItem);
    }
}

void MenuShortcuts::guardEditor(HostDocument *document)
{
    EditorAdapter *editor = document ? document->editor() : nullptr;
    if (!editor)
        return;
    // The keys the main menu's commands take in the main window (a pop-up item showing a key
    // it does not take is no holder).
    ActionRegistry *menu = &m_host.actions();
    editor->setCommandKeys([menu](const QKeySequence &key) {
        const QList<QAction *> holders = menu->actionsWithShortcut(key);
        return std::any_of(holders.cbegin(), holders.cend(), [](const QAction *a) {
            return a->shortcutContext() != Qt::WidgetShortcut;
        });
    });
}
