#pragma once

#include "host/ProjectSettings.h"
#include "platform/FileDialogs.h"

#include <QWidget>

class ExplorerDriveBox;
class ExplorerFileList;
class ExplorerFolderList;
class QAction;
class QComboBox;
class QMenu;

// The "Files" tab of the side panel: a box of roots, the folder list with its pop-up, the
// filter box and the file list. A double click on a file asks for it to be opened.
class ExplorerPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ExplorerPanel(QWidget *parent = nullptr);

    // The project settings the "Define project catalog.." item shows and writes; without
    // them the item does nothing.
    void setProjectAccess(ProjectGetter get, ProjectSetter set);

    // The folder list's current folder and its selected entry (full paths).
    QString directory() const;
    void setDirectory(const QString &path);
    QString selectedFolder() const;

    // The file list's mask, e.g. "*.java" or "*.pl;*.perl".
    QString mask() const;
    void setMask(const QString &mask);

    // The filter box: one item per entry; choosing an item gives the file list its masks.
    // Setting the items it already holds keeps the chosen one.
    void setFilterItems(const QList<FileFilterEntry> &filter);
    int filterIndex() const;
    void setFilterIndex(int index); // 0-based; also sets the item's mask

    // Full path of the file list's selected file; empty when none is selected.
    QString selectedFile() const;

    ExplorerDriveBox *DriveComboBox3;
    ExplorerFolderList *DirectoryListBox3;
    QComboBox *FilterComboBox1;
    ExplorerFileList *FileListBox3;
    QMenu *PopupMenu5;
    QAction *Createcatalog1;
    QAction *Setasworkingdir1;
    QAction *Explorefromhere1;
    QAction *Opendirindospromtfromhere1;
    QAction *Defineprojectcatalog1;

public slots:
    void Createcatalog1Click();
    void Setasworkingdir1Click();
    void Explorefromhere1Click();
    void Opendirindospromtfromhere1Click();
    void Defineprojectcatalog1Click();

signals:
    // A file of the list was double-clicked (never without a selected file).
    void fileActivated(const QString &fullPath);
    // The user chose a root in the drive box.
    void driveClicked();
    // "Set as working dir": the file dialogs should start in folder.
    void workingFolderChosen(const QString &folder);

private:
    void applyFilterMask(int index);

    ProjectGetter m_getProject;
    ProjectSetter m_setProject;
};
