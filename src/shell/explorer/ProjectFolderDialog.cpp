#include "shell/explorer/ProjectFolderDialog.h"

#include "platform/DelphiStrings.h"
#include "platform/DialogButtonRow.h"
#include "platform/HelpViewer.h"
#include "platform/Prompter.h"
#include "shell/explorer/FolderChooser.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TProsjektKatFrm::TProsjektKatFrm(const ProjectSettings &current, ProjectSetter apply,
                                 QWidget *parent)
    : QDialog(parent), m_apply(std::move(apply))
{
    setObjectName(QStringLiteral("ProsjektKatFrm"));
    setWindowTitle(QStringLiteral("Project catalog:"));
    setAttribute(Qt::WA_DeleteOnClose);

    Edit1 = new QLineEdit(current.projectFolder, this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2 = new QLineEdit(current.imageFolder, this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Button1 = new QPushButton(QStringLiteral("Find.."), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    QHBoxLayout *buttons = dialogButtonRow(this,
                                           {{&Button2, "Button2", QStringLiteral("OK")},
                                            {&Button3, "Button3", QStringLiteral("Cancel")},
                                            {&Button4, "Button4", QStringLiteral("Help")}});

    auto *root = new QHBoxLayout;
    root->addWidget(Edit1, 1);
    root->addWidget(Button1);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Project catalog root:"), root);
    form->addRow(QStringLiteral("Put images in subcatalog:"), Edit2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    resize(460, sizeHint().height());

    connect(Button1, &QPushButton::clicked, this, &TProsjektKatFrm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TProsjektKatFrm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::close);
    connect(Button4, &QPushButton::clicked, this, &TProsjektKatFrm::Button4Click);
}

void TProsjektKatFrm::Button1Click()
{
    TVelgKatalogFrm chooser(Edit1->text(), this);
    if (chooser.exec() == QDialog::Accepted)
        Edit1->setText(chooser.folder());
}

void TProsjektKatFrm::Button2Click()
{
    if (imageFolderLeadsOutside(Edit2->text())) {
        Prompter::information(
            this,
            QStringLiteral("Cannot use \"%1\" as the image subcatalog: it must lie inside "
                           "the project catalog, so its name may not be a full path or "
                           "hold \"..\".")
                .arg(Delphi::trim(Edit2->text())));
        Edit2->setFocus();
        Edit2->selectAll();
        return;
    }
    if (m_apply)
        m_apply({Edit1->text(), Edit2->text()});
    close();
}

void TProsjektKatFrm::Button4Click()
{
    HelpViewer::instance()->showTopic(QStringLiteral("HID_PROJECT"));
}
