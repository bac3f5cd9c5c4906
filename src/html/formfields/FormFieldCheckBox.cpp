#include "html/formfields/FormFieldCheckBox.h"

TCheckBoxGenFrm::TCheckBoxGenFrm(InsertText insertText, QWidget *parent)
    : FormFieldChoice({QStringLiteral("Checkbox"), QStringLiteral("Checkbox options:"),
                       QStringLiteral("<input type=\"checkbox\""), QStringLiteral("HID_CHECKBOX")},
                      QStringLiteral("Name:"), QStringLiteral("Checkbox label:"),
                      std::move(insertText), parent)
{
    setObjectName(QStringLiteral("CheckBoxGenFrm"));
}
