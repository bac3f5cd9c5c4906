#include "html/formfields/FormFieldImageButton.h"

#include "platform/FileDialogs.h"

#include <QLineEdit>
#include <QPushButton>

TImageButtonFrm::TImageButtonFrm(ProjectGetter project, InsertText insertText, QWidget *parent)
    : FormFieldWizard({QStringLiteral("Form image button"), QStringLiteral("Image button options:"),
                       QStringLiteral("<input type=\"image\""), QStringLiteral("HID_IMAGEBUTTON")},
                      std::move(insertText), parent),
      m_project(std::move(project))
{
    setObjectName(QStringLiteral("ImageButtonFrm"));
    Edit1 = addField("Edit1", QStringLiteral("Name:"), QStringLiteral("name"));
    Button4 = new QPushButton(QStringLiteral(".."), this);
    Button4->setObjectName(QStringLiteral("Button4"));
    Edit2 = addField("Edit2", QStringLiteral("Source:"), QString(), QStringLiteral("#"), Button4);
    addAttribute(QStringLiteral("src"), [this] { return sourceValue(); });
    connect(Button4, &QPushButton::clicked, this, &TImageButtonFrm::Button4Click);
}

void TImageButtonFrm::Button4Click()
{
    const QString file = CopyToProjectFolder::pickPicture(this);
    if (file.isEmpty())
        return;
    const ProjectSettings project = m_project();
    Edit2->setText(CopyToProjectFolder::run(this, project, file));
    m_copiedName = project.projectFolder.isEmpty() ? QString() : Edit2->text();
}

// A picture copied into the project is named by its path inside the project, as the
// image tag names it; anything else is written as typed.
QString TImageButtonFrm::sourceValue() const
{
    const QString text = Edit2->text();
    const ProjectSettings project = m_project();
    if (!m_copiedName.isEmpty() && text == m_copiedName && !project.projectFolder.isEmpty())
        return CopyToProjectFolder::imagePath(project, text);
    return text;
}
