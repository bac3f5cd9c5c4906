#include "shell/explorer/ExplorerFolderList.h"

#include "shell/explorer/ExplorerIcons.h"
#include "shell/explorer/ExplorerMask.h"

#include <QDir>
#include <QFileInfo>
#include <QStyledItemDelegate>

namespace {

constexpr int DepthRole = Qt::UserRole + 1;
constexpr int IndentPixels = 12;

// Draws each entry indented by its depth, icon and all.
class IndentDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(option.rect.left() + index.data(DepthRole).toInt() * IndentPixels);
        QStyledItemDelegate::paint(painter, shifted, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index)
            + QSize(index.data(DepthRole).toInt() * IndentPixels, 0);
    }
};

} // namespace

ExplorerFolderList::ExplorerFolderList(QWidget *parent)
    : QListWidget(parent),
      m_openFolder(ExplorerIcons::openFolder()),
      m_closedFolder(ExplorerIcons::closedFolder())
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new IndentDelegate(this));
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setDirectory(item->data(Qt::UserRole).toString()); });
}

void ExplorerFolderList::setDirectory(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isDir())
        return;
    const QString clean = QDir::cleanPath(info.absoluteFilePath());
    const bool changed = clean != m_directory;
    m_directory = clean;
    fill();
    if (changed)
        emit directoryChanged(m_directory);
}

void ExplorerFolderList::refresh()
{
    const QString selected = selectedFolder();
    if (!QFileInfo(m_directory).isDir()) {
        // The folder went away: climb to the nearest one still there.
        QString up = m_directory;
        while (!QFileInfo(up).isDir() && up != QLatin1String("/"))
            up = QFileInfo(up).path();
        setDirectory(up);
        return;
    }
    fill();
    selectFolder(selected);
}

void ExplorerFolderList::fill()
{
    clear();
    QStringList parts = m_directory.split(u'/', Qt::SkipEmptyParts);
    QString path = QStringLiteral("/");
    auto *root = new QListWidgetItem(m_openFolder, QStringLiteral("/"), this);
    root->setData(Qt::UserRole, path);
    root->setData(DepthRole, 0);
    QListWidgetItem *current = root;
    int depth = 0;
    for (const QString &part : std::as_const(parts)) {
        path = path == QLatin1String("/") ? path + part : path + u'/' + part;
        ++depth;
        current = new QListWidgetItem(m_openFolder, part, this);
        current->setData(Qt::UserRole, path);
        current->setData(DepthRole, depth);
    }
    const QString prefix = m_directory == QLatin1String("/") ? m_directory : m_directory + u'/';
    const QStringList subs = ExplorerMask::subfolders(m_directory);
    for (const QString &sub : subs) {
        auto *item = new QListWidgetItem(m_closedFolder, sub, this);
        item->setData(Qt::UserRole, prefix + sub);
        item->setData(DepthRole, depth + 1);
    }
    setCurrentItem(current);
}

QString ExplorerFolderList::selectedFolder() const
{
    const QListWidgetItem *item = currentItem();
    return item ? item->data(Qt::UserRole).toString() : m_directory;
}

bool ExplorerFolderList::selectFolder(const QString &path)
{
    for (int i = 0; i < count(); ++i) {
        if (item(i)->data(Qt::UserRole).toString() == path) {
            setCurrentRow(i);
            return true;
        }
    }
    return false;
}
