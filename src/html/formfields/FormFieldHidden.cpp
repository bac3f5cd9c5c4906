#include "html/formfields/FormFieldHidden.h"

#include <QLineEdit>

THidnFieldFrm::THidnFieldFrm(InsertText insertText, QWidget *parent)
    : FormFieldWizard({QStringLiteral("Hidden field"), QStringLiteral("Hidden field options:"),
                       QStringLiteral("<input type=\"hidden\""), QString()},
                      std::move(insertText), parent)
{
    setObjectName(QStringLiteral("HidnFieldFrm"));
    Edit1 = addField("Edit1", QStringLiteral("Name:"), QStringLiteral("name"));
    Edit2 = addField("Edit2", QStringLiteral("Value:"), QStringLiteral("value"));
}
