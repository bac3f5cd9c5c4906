#include "shell/explorer/ExplorerDriveBox.h"

#include <QDir>
#include <QStorageInfo>

ExplorerDriveBox::ExplorerDriveBox(QWidget *parent) : QComboBox(parent)
{
    refreshRoots();
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit driveChosen(itemData(index).toString()); });
}

void ExplorerDriveBox::refreshRoots()
{
    QStringList paths {QStringLiteral("/"), QDir::homePath()};
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes) {
        if (!volume.isValid() || !volume.isReady() || volume.fileSystemType() == "squashfs")
            continue;
        if (!paths.contains(volume.rootPath()))
            paths.append(volume.rootPath());
    }

    const QSignalBlocker blocker(this);
    clear();
    for (const QString &path : std::as_const(paths))
        addItem(path, path);
}

QStringList ExplorerDriveBox::roots() const
{
    QStringList result;
    for (int i = 0; i < count(); ++i)
        result.append(itemData(i).toString());
    return result;
}

QString ExplorerDriveBox::drive() const
{
    return currentData().toString();
}

void ExplorerDriveBox::followDirectory(const QString &path)
{
    int best = -1;
    int bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemData(i).toString();
        const bool holds = root == QLatin1String("/") || path == root
            || path.startsWith(root.endsWith(u'/') ? root : root + u'/');
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    const QSignalBlocker blocker(this);
    setCurrentIndex(best);
}
