#include "shell/explorer/CreateDirFrm.h"

#include "platform/DelphiStrings.h"
#include "platform/DialogButtonRow.h"
#include "platform/Prompter.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CreateDirResult createSubfolder(const QString &parentFolder, const QString &name)
{
    const QString trimmed = Delphi::trim(name);
    QString base = parentFolder;
    if (!base.endsWith(u'/'))
        base += u'/';
    const QString path = base + trimmed;
    if (trimmed.isEmpty() || trimmed.contains(u'/') || trimmed.contains(QLatin1String("..")))
        return {CreateDirResult::InvalidName, path};
    if (QFileInfo::exists(path))
        return {CreateDirResult::Exists, path};
    if (!QDir().mkdir(path))
        return {CreateDirResult::Failed, path};
    return {CreateDirResult::Created, path};
}

TCreateDirFrm::TCreateDirFrm(const QString &parentFolder, QWidget *parent)
    : QDialog(parent), m_parentFolder(parentFolder)
{
    setObjectName(QStringLiteral("CreateDirFrm"));
    setWindowTitle(QStringLiteral("Create directory"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *info = new QFrame(this);
    info->setFrameShape(QFrame::StyledPanel);
    auto *label1 = new QLabel(
        QStringLiteral("The directory spesified under directory name below will be"), info);
    label1->setObjectName(QStringLiteral("Label1"));
    auto *label2 = new QLabel(QStringLiteral("created as a subfolder of:"), info);
    label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(u'"' + parentFolder + u'"', info);
    Label3->setObjectName(QStringLiteral("Label3"));
    auto *infoLayout = new QVBoxLayout(info);
    infoLayout->addWidget(label1);
    infoLayout->addWidget(label2);
    infoLayout->addWidget(Label3);

    auto *group = new QGroupBox(QStringLiteral("Directory name:"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    Edit1 = new QLineEdit(group);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(Edit1);

    QHBoxLayout *buttons = dialogButtonRow(this,
                                           {{&Button1, "Button1", QStringLiteral("OK")},
                                            {&Button2, "Button2", QStringLiteral("Cancel")}});

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(info);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TCreateDirFrm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::close);
}

void TCreateDirFrm::Button1Click()
{
    const CreateDirResult result = createSubfolder(m_parentFolder, Edit1->text());
    switch (result.kind) {
    case CreateDirResult::Exists:
        Prompter::instance()->messageBox(
            this, QStringLiteral("Information"),
            QStringLiteral("The directory could not be created because it already exists?"),
            Prompter::Information, Prompter::OkButton);
        break;
    case CreateDirResult::InvalidName:
        Prompter::instance()->messageDlg(
            this,
            QStringLiteral(
                "Cannot create %1: a directory name may not be empty or hold \"/\" or \"..\"")
                .arg(result.path),
            Prompter::Error, Prompter::OkButton);
        break;
    case CreateDirResult::Failed:
        Prompter::instance()->messageDlg(this, QStringLiteral("Cannot create ") + result.path,
                                         Prompter::Error, Prompter::OkButton);
        break;
    case CreateDirResult::Created: emit folderCreated(result.path); break;
    }
    close();
}
