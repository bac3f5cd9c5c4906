#include "shell/explorer/FolderChooser.h"

#include "platform/DialogButtonRow.h"
#include "shell/explorer/ExplorerDriveBox.h"
#include "shell/explorer/ExplorerFolderList.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TVelgKatalogFrm::TVelgKatalogFrm(const QString &startFolder, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("VelgKatalogFrm"));
    setWindowTitle(QStringLiteral("Select directory"));

    DriveComboBox1 = new ExplorerDriveBox(this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DirectoryListBox1 = new ExplorerFolderList(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    QHBoxLayout *buttons = dialogButtonRow(this,
                                           {{&Button1, "Button1", QStringLiteral("OK")},
                                            {&Button2, "Button2", QStringLiteral("Cancel")}});

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DriveComboBox1);
    layout->addWidget(DirectoryListBox1, 1);
    layout->addLayout(buttons);
    resize(360, 400);

    connect(DriveComboBox1, &ExplorerDriveBox::driveChosen, DirectoryListBox1,
            &ExplorerFolderList::setDirectory);
    connect(DirectoryListBox1, &ExplorerFolderList::directoryChanged, DriveComboBox1,
            &ExplorerDriveBox::followDirectory);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    DirectoryListBox1->setDirectory(QFileInfo(startFolder).isDir() ? startFolder
                                                                   : QDir::currentPath());
    DriveComboBox1->followDirectory(DirectoryListBox1->directory());
}

QString TVelgKatalogFrm::folder() const
{
    return DirectoryListBox1->selectedFolder();
}
