#include "html/wizards/ImageTagWizard.h"

#include "html/text/ImageTag.h"
#include "html/widgets/SpinEdit.h"
#include "platform/DialogButtonRow.h"
#include "platform/FileDialogs.h"
#include "platform/HelpViewer.h"
#include "platform/NamedWidget.h"
#include "platform/Prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TBildeFrm::TBildeFrm(ProjectGetter project, std::function<void(const QString &)> insertText,
                     QWidget *parent)
    : QDialog(parent), m_project(std::move(project)), m_insertText(std::move(insertText))
{
    setObjectName(QStringLiteral("BildeFrm"));
    setWindowTitle(QStringLiteral("Image"));

    Edit1 = named(new QLineEdit(this), "Edit1");
    Button1 = named(new QPushButton(QStringLiteral("Find.."), this), "Button1");
    Height1 = named(new QLineEdit(this), "Height1");
    Width1 = named(new QLineEdit(this), "Width1");
    SpinEdit1 = named(new SpinEdit(this), "SpinEdit1");
    SpinEdit1->setRange(0, 9999);
    SpinEdit1->setValue(1); // a spin box writes its text only on a change of value
    SpinEdit1->setValue(0);
    Edit4 = named(new QLineEdit(this), "Edit4");
    Edit5 = named(new QLineEdit(this), "Edit5");
    Edit6 = named(new QLineEdit(this), "Edit6");
    ComboBox1 = named(new QComboBox(this), "ComboBox1");
    ComboBox1->setEditable(true);
    ComboBox1->addItems({QStringLiteral("top"), QStringLiteral("texttop"), QStringLiteral("middle"),
                         QStringLiteral("absmiddle"), QStringLiteral("bottom"),
                         QStringLiteral("absbottom"), QStringLiteral("baseline"),
                         QStringLiteral("left"), QStringLiteral("right"),
                         QStringLiteral("center")});
    ComboBox1->setCurrentIndex(-1);
    Edit7 = named(new QLineEdit(this), "Edit7");
    CheckBox1 = named(new QCheckBox(QStringLiteral("Is map"), this), "CheckBox1");
    Edit8 = named(new QLineEdit(this), "Edit8");
    Edit9 = named(new QLineEdit(this), "Edit9");
    Button4 = named(new QPushButton(QStringLiteral("Find.."), this), "Button4");
    QHBoxLayout *buttons = dialogButtonRow(this,
                                           {{&Button3, "Button3", QStringLiteral("OK")},
                                            {&Button2, "Button2", QStringLiteral("Cancel")},
                                            {&Button5, "Button5", QStringLiteral("Help")}});

    auto *grid = new QGridLayout;
    int row = 0;
    auto addRow = [&](const QString &label, QWidget *field, QWidget *extra = nullptr) {
        grid->addWidget(new QLabel(label, this), row, 0);
        grid->addWidget(field, row, 1, 1, extra ? 1 : 2);
        if (extra)
            grid->addWidget(extra, row, 2);
        ++row;
    };
    addRow(QStringLiteral("File:"), Edit1, Button1);
    addRow(QStringLiteral("Height:"), Height1);
    addRow(QStringLiteral("Width:"), Width1);
    addRow(QStringLiteral("Border size:"), SpinEdit1);
    addRow(QStringLiteral("hspace:"), Edit4);
    addRow(QStringLiteral("vspace:"), Edit5);
    addRow(QStringLiteral("Alt text:"), Edit6);
    addRow(QStringLiteral("Alignment:"), ComboBox1);
    addRow(QStringLiteral("Use map:"), Edit7);
    grid->addWidget(CheckBox1, row++, 1, 1, 2);
    addRow(QStringLiteral("Name:"), Edit8);
    addRow(QStringLiteral("lowsrc"), Edit9, Button4);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TBildeFrm::Button1Click);
    connect(Button4, &QPushButton::clicked, this, &TBildeFrm::Button4Click);
    connect(Button3, &QPushButton::clicked, this, &TBildeFrm::Button3Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::close);
    connect(Button5, &QPushButton::clicked, this, &TBildeFrm::Button5Click);
}

void TBildeFrm::Button1Click()
{
    const QString file = CopyToProjectFolder::pickPicture(this);
    if (file.isEmpty())
        return;

    quint16 width = 0;
    quint16 height = 0;
    const ImgSize::Result result = BildeTag::pictureSize(file, width, height);
    const bool gif = file.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive);
    if (result == ImgSize::Result::OpenFailed && !gif) {
        Prompter::instance()->messageDlg(this, QStringLiteral("Cannot open file \"%1\".").arg(file),
                                         Prompter::Error, Prompter::OkButton);
        return;
    }

    const ProjectSettings project = m_project();
    Edit1->setText(CopyToProjectFolder::run(this, project, file));
    // Picked without a project, the picture is still to be copied when one exists at OK.
    m_uncopiedPicture = project.projectFolder.isEmpty() ? file : QString();
    const bool measured = result == ImgSize::Result::Measured;
    Width1->setText(measured ? QString::number(width) : QString());
    Height1->setText(measured ? QString::number(height) : QString());
}

void TBildeFrm::Button4Click()
{
    const QString file = CopyToProjectFolder::pickPicture(this);
    if (!file.isEmpty())
        Edit9->setText(file);
}

QString TBildeFrm::buildTag() const
{
    BildeTagFields fields;
    fields.file = Edit1->text();
    fields.height = Height1->text();
    fields.width = Width1->text();
    fields.name = Edit8->text();
    fields.align = ComboBox1->currentText();
    fields.hspace = Edit4->text();
    fields.vspace = Edit5->text();
    fields.alt = Edit6->text();
    fields.usemap = Edit7->text();
    fields.lowsrc = Edit9->text();
    fields.border = SpinEdit1->cleanText();
    fields.ismap = CheckBox1->isChecked();
    return BildeTag::build(fields, m_project());
}

void TBildeFrm::Button3Click()
{
    // A picture picked before the project folder was chosen goes into the project now, and
    // the source names it there.
    const ProjectSettings project = m_project();
    if (!project.projectFolder.isEmpty() && !m_uncopiedPicture.isEmpty()
        && Edit1->text() == m_uncopiedPicture) {
        Edit1->setText(CopyToProjectFolder::run(this, project, m_uncopiedPicture));
        m_uncopiedPicture.clear();
    }
    if (m_insertText)
        m_insertText(buildTag());
    close();
}

void TBildeFrm::Button5Click()
{
    HelpViewer::instance()->showTopic(QStringLiteral("HID_IMAGEDLG"));
}
