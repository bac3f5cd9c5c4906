#pragma once

#include "html/formfields/FormFieldWizard.h"

class QLineEdit;

// "File field": <input type="file" name="..." size="...">; its Help button does nothing.
class TFileFieldFrm : public FormFieldWizard
{
    Q_OBJECT
public:
    explicit TFileFieldFrm(InsertText insertText, QWidget *parent = nullptr);

    QLineEdit *Edit1; // name
    QLineEdit *Edit2; // size
};
