#pragma once

#include "html/formfields/FormFieldChoice.h"

// "Checkbox": <input type="checkbox" name="..." checked>label
class TCheckBoxGenFrm : public FormFieldChoice
{
    Q_OBJECT
public:
    explicit TCheckBoxGenFrm(InsertText insertText, QWidget *parent = nullptr);
};
