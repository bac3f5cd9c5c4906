#include "html/formfields/FormFieldTextField.h"

#include <QLineEdit>

TTextfieldFrm::TTextfieldFrm(InsertText insertText, QWidget *parent)
    : TTextfieldFrm({QStringLiteral("Textfield"), QStringLiteral("Textfield options:"),
                     QStringLiteral("<input type=\"text\""), QStringLiteral("HID_TEXTFIELDDLG")},
                    std::move(insertText), parent)
{
    setObjectName(QStringLiteral("TextfieldFrm"));
}

TTextfieldFrm::TTextfieldFrm(const Look &look, InsertText insertText, QWidget *parent)
    : FormFieldWizard(look, std::move(insertText), parent)
{
    Edit1 = addField("Edit1", QStringLiteral("Name:"), QStringLiteral("name"));
    Edit2 = addField("Edit2", QStringLiteral("Value:"), QStringLiteral("value"));
    Edit3 = addField("Edit3", QStringLiteral("Size:"), QStringLiteral("size"));
}
