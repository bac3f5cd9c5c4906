#include "html/scripts/RandomImageWizard.h"

#include "html/text/CopyToProjectFolder.h"
#include "html/text/ImageFolderFile.h"
#include "html/text/ScriptTexts.h"
#include "html/widgets/EntryList.h"
#include "platform/FileDialogs.h"
#include "platform/Prompter.h"

#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TTilfeldigebilderFrm1::TTilfeldigebilderFrm1(const WizardHost &host, QWidget *parent)
    : WizardDialog("TilfeldigebilderFrm1", QStringLiteral("Random image"),
                   QStringLiteral("HID_RNDImageDLG"), host, parent)
{
    ComboBox1 = named(new QComboBox(this), "ComboBox1");
    ComboBox1->addItems({QStringLiteral("Ordinary image"), QStringLiteral("Background image")});
    ComboBox1->setCurrentIndex(-1);

    Button2 = named(new QPushButton(QStringLiteral("Find file."), this), "Button2");
    Button2->setAutoDefault(false);
    EntryList::Setup setup;
    setup.listName = "Elementer";
    setup.columns = {QStringLiteral("Images in list")};
    setup.width = {0, 5, 272, 289};
    setup.fields = {{"Edit1", QStringLiteral("Image:"), Button2}};
    setup.add = {"Button1", QStringLiteral("Add..")};
    setup.remove = {"Button6", QStringLiteral("Delete..")};
    Elementer = new EntryList(setup, this);
    Edit1 = Elementer->field(0);

    auto *type = new QFormLayout;
    type->addRow(QStringLiteral("Type of random image:"), ComboBox1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(type);
    layout->addWidget(Elementer);
    layout->addLayout(makeButtons({"Button3", "Button4", "Button5"}));

    connect(Button2, &QPushButton::clicked, this, &TTilfeldigebilderFrm1::Button2Click);
    connect(Elementer, &EntryList::removing, this, &TTilfeldigebilderFrm1::offerFileDelete);
}

void TTilfeldigebilderFrm1::Button2Click()
{
    FileDialogs::Request request;
    request.filter = {{QStringLiteral("GIF (*.gif)"), {QStringLiteral("*.gif")}},
                      {QStringLiteral("Jpeg (*.jpg,*.jpeg)"),
                       {QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")}},
                      {QStringLiteral("PNG (*.png)"), {QStringLiteral("*.png")}}};
    const FileDialogs::Answer answer = FileDialogs::instance()->getOpenFileName(this, request);
    if (!answer.accepted || answer.files.isEmpty())
        return;
    const QString file = answer.files.first();
    CopyToProjectFolder::Options options;
    options.warningText = CopyToProjectFolder::noProsjectWarning();
    options.warningIcon = false;
    Edit1->setText(CopyToProjectFolder::run(this, host().project(), file, options));
}

void TTilfeldigebilderFrm1::offerFileDelete(const QStringList &entry)
{
    const QString path =
        ImageFolderFile::deletable(host().project(), entry.value(0), Elementer->texts());
    if (path.isEmpty()
        || Prompter::question(this, ImageFolderFile::deleteQuestion(path)) != Prompter::Yes)
        return;
    QFile file(path);
    if (!file.remove())
        Prompter::instance()->messageDlg(
            this, ImageFolderFile::cannotDeleteText(path, file.errorString()), Prompter::Error,
            Prompter::OkButton);
}

void TTilfeldigebilderFrm1::Button3Click()
{
    const ProjectSettings project = host().project();
    QStringList paths;
    for (const QString &entry : Elementer->texts())
        paths.append(ScriptTexts::pagePath(project, entry));
    insert(ScriptTexts::randomImages(paths, ComboBox1->currentIndex() == 0, caretIndent()));
    close();
}
