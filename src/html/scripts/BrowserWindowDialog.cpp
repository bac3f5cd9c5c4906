#include "html/scripts/BrowserWindowDialog.h"

#include "html/text/CopyToProjectFolder.h"
#include "html/text/LinkTexts.h"
#include "platform/DialogButtonRow.h"
#include "platform/FileDialogs.h"
#include "platform/HelpViewer.h"
#include "platform/NamedWidget.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TBrowserFrm::TBrowserFrm(ProjectGetter project, QWidget *parent)
    : QDialog(parent), m_project(std::move(project))
{
    setObjectName(QStringLiteral("BrowserFrm"));
    setWindowTitle(QStringLiteral("Browser window"));

    Edit1 = named(new QLineEdit(this), "Edit1");
    Edit1->setMinimumWidth(240);
    Button3 = named(new QPushButton(QStringLiteral("Find.."), this), "Button3");
    Button3->setAutoDefault(false);
    Edit2 = named(new QLineEdit(this), "Edit2");
    Edit3 = named(new QLineEdit(this), "Edit3");
    Edit4 = named(new QLineEdit(this), "Edit4");
    CheckBox1 = named(new QCheckBox(QStringLiteral("Navigation toolbar"), this), "CheckBox1");
    CheckBox2 = named(new QCheckBox(QStringLiteral("Location toolbar"), this), "CheckBox2");
    CheckBox3 = named(new QCheckBox(QStringLiteral("Meny line"), this), "CheckBox3");
    CheckBox4 = named(new QCheckBox(QStringLiteral("Scrollbars as nessesary"), this), "CheckBox4");
    CheckBox5 = named(new QCheckBox(QStringLiteral("Resize handle"), this), "CheckBox5");
    CheckBox6 = named(new QCheckBox(QStringLiteral("Status line"), this), "CheckBox6");
    QHBoxLayout *buttons = dialogButtonRow(this,
                                           {{&Button1, "Button1", QStringLiteral("OK")},
                                            {&Button2, "Button2", QStringLiteral("Cancel")},
                                            {&Button4, "Button4", QStringLiteral("Help")}});

    auto *fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Document:"), this), 0, 0);
    fields->addWidget(Edit1, 0, 1, 1, 3);
    fields->addWidget(Button3, 0, 4);
    fields->addWidget(new QLabel(QStringLiteral("Height:"), this), 1, 0);
    fields->addWidget(Edit2, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Width:"), this), 1, 2);
    fields->addWidget(Edit3, 1, 3);
    fields->addWidget(new QLabel(QStringLiteral("Window title:"), this), 2, 0);
    fields->addWidget(Edit4, 2, 1, 1, 3);

    auto *boxes = new QGridLayout;
    boxes->addWidget(CheckBox1, 0, 0);
    boxes->addWidget(CheckBox2, 1, 0);
    boxes->addWidget(CheckBox3, 2, 0);
    boxes->addWidget(CheckBox4, 0, 1);
    boxes->addWidget(CheckBox5, 1, 1);
    boxes->addWidget(CheckBox6, 2, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(boxes);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TBrowserFrm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, &TBrowserFrm::Button3Click);
    connect(Button4, &QPushButton::clicked, this,
            [] { HelpViewer::instance()->showTopic(QStringLiteral("HID_OPENBROWSER")); });
}

void TBrowserFrm::Button1Click()
{
    LinkTexts::WindowFields f;
    f.document = Edit1->text();
    f.height = Edit2->text();
    f.width = Edit3->text();
    f.title = Edit4->text();
    f.toolbar = CheckBox1->isChecked();
    f.location = CheckBox2->isChecked();
    f.menubar = CheckBox3->isChecked();
    f.scrollbars = CheckBox4->isChecked();
    f.resizable = CheckBox5->isChecked();
    f.status = CheckBox6->isChecked();
    WindowOpenText = LinkTexts::windowOpen(f);
    accept();
}

void TBrowserFrm::Button3Click()
{
    FileDialogs::Request request;
    request.filter = {{QStringLiteral("HTML dukument (*.html, *.htm)"),
                       {QStringLiteral("*.html"), QStringLiteral("*.htm")}},
                      {QStringLiteral("Andre filer (*.*)"), {QStringLiteral("*.*")}}};
    const FileDialogs::Answer answer = FileDialogs::instance()->getOpenFileName(this, request);
    if (!answer.accepted || answer.files.isEmpty())
        return;
    CopyToProjectFolder::Options options;
    options.target = CopyToProjectFolder::Target::ProjectFolder;
    options.existing = CopyToProjectFolder::Existing::Keep;
    Edit1->setText(CopyToProjectFolder::run(this, m_project(), answer.files.first(), options));
}
