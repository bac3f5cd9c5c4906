#pragma once

#include "html/formfields/FormFieldWizard.h"

class QLineEdit;

// "Hidden field": <input type="hidden" name="..." value="...">; its Help button does nothing.
class THidnFieldFrm : public FormFieldWizard
{
    Q_OBJECT
public:
    explicit THidnFieldFrm(InsertText insertText, QWidget *parent = nullptr);

    QLineEdit *Edit1; // name
    QLineEdit *Edit2; // value
};
