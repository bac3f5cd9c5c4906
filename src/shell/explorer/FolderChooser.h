#pragma once

#include <QDialog>

class ExplorerDriveBox;
class ExplorerFolderList;
class QPushButton;

// TVelgKatalogFrm (unit VelgKatalogFrm):
// "Select directory": a box of roots and a folder list; OK accepts the selected folder.
class TVelgKatalogFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TVelgKatalogFrm(const QString &startFolder, QWidget *parent = nullptr);

    // The chosen folder: the folder list's selected entry.
    QString folder() const;

    ExplorerDriveBox *DriveComboBox1;
    ExplorerFolderList *DirectoryListBox1;
    QPushButton *Button1; // OK
    QPushButton *Button2; // Cancel
};
