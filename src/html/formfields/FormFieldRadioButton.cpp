#include "html/formfields/FormFieldRadioButton.h"

TRadioButtonFrm::TRadioButtonFrm(InsertText insertText, QWidget *parent)
    : FormFieldChoice({QStringLiteral("Radio button"), QStringLiteral("Radio button options:"),
                       QStringLiteral("<input type=\"radio\""),
                       QStringLiteral("HID_RADIOBUTTONDLG")},
                      QStringLiteral("Belongs to group (name):"),
                      QStringLiteral("Radio button label:"), std::move(insertText), parent)
{
    setObjectName(QStringLiteral("RadioButtonFrm"));
}
