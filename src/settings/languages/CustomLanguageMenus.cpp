#include "settings/languages/CustomLanguageMenus.h"

#include "settings/languages/CustomLanguageFile.h"
#include "settings/languages/CustomLanguageIndex.h"

#include <QAction>
#include <QMenu>
#include <QSet>

namespace {
const char *const EmptyItems[] = {"empty4", "empty5"};
constexpr int DesignedItems = 3; // "(empty)", the separator, "Define new custom language.."
} // namespace

CustomLanguageMenus::CustomLanguageMenus(QMenu *fileNewMenu, QMenu *popupMenu, QObject *parent)
    : QObject(parent), m_menus {fileNewMenu, popupMenu}
{
    setObjectName(QStringLiteral("CustomLanguageMenus"));
}

QString CustomLanguageMenus::nameOf(const QAction *item)
{
    return item ? item->data().toString() : QString();
}

QStringList CustomLanguageMenus::languages() const
{
    QStringList names;
    if (m_menus[0])
        for (const QAction *item : m_menus[0]->actions())
            if (!nameOf(item).isEmpty())
                names.append(nameOf(item));
    return names;
}

void CustomLanguageMenus::insertItem(QMenu *menu, const QString &name)
{
    if (!menu)
        return;
    auto *item = new QAction(QString(name).replace(u'&', QStringLiteral("&&")), menu);
    item->setData(name);
    connect(item, &QAction::triggered, this, [this, name] { emit languageChosen(name); });
    menu->insertAction(menu->actions().value(0), item);
}

void CustomLanguageMenus::addLanguage(const QString &name)
{
    for (QMenu *menu : m_menus)
        insertItem(menu, name);
}

void CustomLanguageMenus::removeLanguage(const QString &name)
{
    for (QMenu *menu : m_menus) {
        if (!menu)
            continue;
        for (QAction *item : menu->actions()) {
            if (!nameOf(item).isEmpty() && nameOf(item).compare(name, Qt::CaseInsensitive) == 0) {
                menu->removeAction(item);
                delete item;
            }
        }
    }
}

void CustomLanguageMenus::setEmptyVisible(bool visible)
{
    for (int i = 0; i < 2; ++i) {
        if (!m_menus[i])
            continue;
        for (QAction *item : m_menus[i]->actions())
            if (item->objectName() == QLatin1String(EmptyItems[i]))
                item->setVisible(visible);
    }
}

void CustomLanguageMenus::LoadCustomLanglistFromFile()
{
    const CustomLanguageIndex index;
    if (index.count() <= 0) {
        setEmptyVisible(true);
        return;
    }
    setEmptyVisible(false);
    QSet<QString> listed;
    for (const QString &name : languages())
        listed.insert(name.toCaseFolded());
    for (const QString &name : index.entries()) {
        if (listed.contains(name.toCaseFolded()) || !CustomLanguageFile(name).exists())
            continue; // listed already: the rest still come
        listed.insert(name.toCaseFolded());
        addLanguage(name);
    }
}

void CustomLanguageMenus::updateEmptyItems()
{
    setEmptyVisible(!m_menus[0] || m_menus[0]->actions().size() <= DesignedItems);
}
