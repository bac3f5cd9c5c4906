#include "shell/explorer/ExplorerPanel.h"

#include "platform/Shell.h"
#include "shell/explorer/CreateDirFrm.h"
#include "shell/explorer/ExplorerDriveBox.h"
#include "shell/explorer/ExplorerFileList.h"
#include "shell/explorer/ExplorerFolderList.h"
#include "shell/explorer/ProjectFolderDialog.h"

#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QVBoxLayout>

ExplorerPanel::ExplorerPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ExplorerPanel"));

    DriveComboBox3 = new ExplorerDriveBox(this);
    DriveComboBox3->setObjectName(QStringLiteral("DriveComboBox3"));
    DirectoryListBox3 = new ExplorerFolderList(this);
    DirectoryListBox3->setObjectName(QStringLiteral("DirectoryListBox3"));
    FilterComboBox1 = new QComboBox(this);
    FilterComboBox1->setObjectName(QStringLiteral("FilterComboBox1"));
    FileListBox3 = new ExplorerFileList(this);
    FileListBox3->setObjectName(QStringLiteral("FileListBox3"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(DriveComboBox3);
    layout->addWidget(DirectoryListBox3, 1);
    layout->addWidget(FilterComboBox1);
    layout->addWidget(FileListBox3, 1);

    PopupMenu5 = new QMenu(this);
    PopupMenu5->setObjectName(QStringLiteral("PopupMenu5"));
    auto addItem = [this](const char *name, const QString &caption, void (ExplorerPanel::*slot)()) {
        QAction *action = PopupMenu5->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    Createcatalog1 = addItem("Createcatalog1", QStringLiteral("Create new directory"),
                             &ExplorerPanel::Createcatalog1Click);
    Setasworkingdir1 = addItem("Setasworkingdir1", QStringLiteral("Set as working dir"),
                               &ExplorerPanel::Setasworkingdir1Click);
    Explorefromhere1 = addItem("Explorefromhere1", QStringLiteral("Explore from here"),
                               &ExplorerPanel::Explorefromhere1Click);
    Opendirindospromtfromhere1 =
        addItem("Opendirindospromtfromhere1", QStringLiteral("Open in dos promt from here"),
                &ExplorerPanel::Opendirindospromtfromhere1Click);
    Defineprojectcatalog1 =
        addItem("Defineprojectcatalog1", QStringLiteral("Define project catalog.."),
                &ExplorerPanel::Defineprojectcatalog1Click);
    DirectoryListBox3->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DirectoryListBox3, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) {
                PopupMenu5->popup(DirectoryListBox3->viewport()->mapToGlobal(pos));
            });

    connect(DriveComboBox3, &ExplorerDriveBox::driveChosen, this, [this](const QString &root) {
        DirectoryListBox3->setDirectory(root);
        emit driveClicked();
    });
    connect(DirectoryListBox3, &ExplorerFolderList::directoryChanged, this,
            [this](const QString &path) {
                DriveComboBox3->followDirectory(path);
                FileListBox3->setDirectory(path);
            });
    connect(FilterComboBox1, &QComboBox::activated, this, &ExplorerPanel::applyFilterMask);
    connect(FileListBox3, &QListWidget::itemDoubleClicked, this, [this] {
        const QString file = selectedFile();
        if (!file.isEmpty())
            emit fileActivated(file);
    });

    setDirectory(QDir::currentPath());
}

void ExplorerPanel::setProjectAccess(ProjectGetter get, ProjectSetter set)
{
    m_getProject = std::move(get);
    m_setProject = std::move(set);
}

QString ExplorerPanel::directory() const
{
    return DirectoryListBox3->directory();
}

void ExplorerPanel::setDirectory(const QString &path)
{
    DirectoryListBox3->setDirectory(path);
}

QString ExplorerPanel::selectedFolder() const
{
    return DirectoryListBox3->selectedFolder();
}

QString ExplorerPanel::mask() const
{
    return FileListBox3->mask();
}

void ExplorerPanel::setMask(const QString &mask)
{
    FileListBox3->setMask(mask);
}

void ExplorerPanel::setFilterItems(const QList<FileFilterEntry> &filter)
{
    bool same = FilterComboBox1->count() == filter.size();
    for (int i = 0; same && i < filter.size(); ++i)
        same = FilterComboBox1->itemText(i) == filter.at(i).description
            && FilterComboBox1->itemData(i).toString() == filter.at(i).masks.join(u';');
    if (same)
        return;
    const QSignalBlocker blocker(FilterComboBox1);
    FilterComboBox1->clear();
    for (const FileFilterEntry &entry : filter)
        FilterComboBox1->addItem(entry.description, entry.masks.join(u';'));
}

int ExplorerPanel::filterIndex() const
{
    return FilterComboBox1->currentIndex();
}

void ExplorerPanel::setFilterIndex(int index)
{
    if (index < 0 || index >= FilterComboBox1->count())
        return;
    FilterComboBox1->setCurrentIndex(index);
    applyFilterMask(index);
}

void ExplorerPanel::applyFilterMask(int index)
{
    if (index >= 0)
        setMask(FilterComboBox1->itemData(index).toString());
}

QString ExplorerPanel::selectedFile() const
{
    return FileListBox3->fileName();
}

void ExplorerPanel::Createcatalog1Click()
{
    auto *dialog = new TCreateDirFrm(selectedFolder(), this);
    connect(dialog, &TCreateDirFrm::folderCreated, this, [this] { DirectoryListBox3->refresh(); });
    dialog->show();
}

void ExplorerPanel::Setasworkingdir1Click()
{
    emit workingFolderChosen(selectedFolder());
}

void ExplorerPanel::Explorefromhere1Click()
{
    Shell::instance()->explore(selectedFolder());
}

void ExplorerPanel::Opendirindospromtfromhere1Click()
{
    Shell::instance()->terminal(selectedFolder());
}

void ExplorerPanel::Defineprojectcatalog1Click()
{
    if (!m_getProject || !m_setProject)
        return;
    (new TProsjektKatFrm(m_getProject(), m_setProject, this))->show();
}
