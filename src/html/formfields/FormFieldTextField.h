#pragma once

#include "html/formfields/FormFieldWizard.h"

class QLineEdit;

// "Textfield": <input type="text" name="..." value="..." size="...">
class TTextfieldFrm : public FormFieldWizard
{
    Q_OBJECT
public:
    explicit TTextfieldFrm(InsertText insertText, QWidget *parent = nullptr);

    QLineEdit *Edit1; // name
    QLineEdit *Edit2; // value
    QLineEdit *Edit3; // size

protected:
    // For the password field, which has the same fields.
    TTextfieldFrm(const Look &look, InsertText insertText, QWidget *parent);
};
