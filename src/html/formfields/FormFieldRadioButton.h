#pragma once

#include "html/formfields/FormFieldChoice.h"

// "Radio button": <input type="radio" name="group" checked>label
class TRadioButtonFrm : public FormFieldChoice
{
    Q_OBJECT
public:
    explicit TRadioButtonFrm(InsertText insertText, QWidget *parent = nullptr);
};
