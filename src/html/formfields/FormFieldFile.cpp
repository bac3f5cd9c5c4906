#include "html/formfields/FormFieldFile.h"

#include <QLineEdit>

TFileFieldFrm::TFileFieldFrm(InsertText insertText, QWidget *parent)
    : FormFieldWizard({QStringLiteral("File field"), QStringLiteral("File field options:"),
                       QStringLiteral("<input type=\"file\""), QString()},
                      std::move(insertText), parent)
{
    setObjectName(QStringLiteral("FileFieldFrm"));
    Edit1 = addField("Edit1", QStringLiteral("Name:"), QStringLiteral("name"));
    Edit2 = addField("Edit2", QStringLiteral("Size:"), QStringLiteral("size"));
}
