#include "shell/explorer/ExplorerFileList.h"

#include "shell/explorer/ExplorerIcons.h"
#include "shell/explorer/ExplorerMask.h"

#include <QDir>

ExplorerFileList::ExplorerFileList(QWidget *parent)
    : QListWidget(parent), m_fileIcon(ExplorerIcons::file())
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void ExplorerFileList::setDirectory(const QString &path)
{
    m_directory = path;
    refresh();
}

void ExplorerFileList::setMask(const QString &mask)
{
    if (mask == m_mask)
        return; // the same mask: the list stands (activating a document sets it again)
    m_mask = mask;
    refresh();
}

void ExplorerFileList::refresh()
{
    clear();
    if (m_directory.isEmpty())
        return;
    const QStringList names = ExplorerMask::files(m_directory, m_mask);
    for (const QString &name : names)
        new QListWidgetItem(m_fileIcon, name, this);
}

QString ExplorerFileList::fileName() const
{
    const QListWidgetItem *item = currentItem();
    if (!item || !item->isSelected())
        return {};
    return QDir(m_directory).filePath(item->text());
}
