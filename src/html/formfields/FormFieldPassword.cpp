#include "html/formfields/FormFieldPassword.h"

TPasswordFieldFrm::TPasswordFieldFrm(InsertText insertText, QWidget *parent)
    : TTextfieldFrm({QStringLiteral("Password Field"), QStringLiteral("Password field options:"),
                     QStringLiteral("<input type=\"password\""), QStringLiteral("HID_PWDFIELDDLG")},
                    std::move(insertText), parent)
{
    setObjectName(QStringLiteral("PasswordFieldFrm"));
}
