#pragma once

#include "html/formfields/FormFieldTextField.h"

// "Password Field": the text field's controls, building <input type="password" ...>
class TPasswordFieldFrm : public TTextfieldFrm
{
    Q_OBJECT
public:
    explicit TPasswordFieldFrm(InsertText insertText, QWidget *parent = nullptr);
};
