#pragma once

#include <QIcon>
#include <QListWidget>

// The explorer's folder list: the folders from "/" down to the current folder, then the
// current folder's subfolders, each drawn indented by its depth. A click selects a folder, a
// double click (or Enter) makes it the current one. Filled at once, without waiting.
class ExplorerFolderList : public QListWidget
{
    Q_OBJECT
public:
    explicit ExplorerFolderList(QWidget *parent = nullptr);

    QString directory() const { return m_directory; }
    // Makes path the current folder; a path that is no folder is ignored.
    void setDirectory(const QString &path);
    // Reads the current folder again (e.g. after a subfolder was made).
    void refresh();

    // Full path of the selected entry; the current folder when none is selected.
    QString selectedFolder() const;
    // Selects the entry of path when it is listed.
    bool selectFolder(const QString &path);

signals:
    void directoryChanged(const QString &path);

private:
    void fill();

    QString m_directory;
    QIcon m_openFolder;
    QIcon m_closedFolder;
};
