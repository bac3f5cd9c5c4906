#pragma once

#include "html/formfields/FormFieldWizard.h"

class QComboBox;
class QLineEdit;

// "Button": <input name="..." value="..." type="button|submit|reset">; frees itself on close.
class TKnappeForm : public FormFieldWizard
{
    Q_OBJECT
public:
    explicit TKnappeForm(InsertText insertText, QWidget *parent = nullptr);

    QLineEdit *NameField;
    QLineEdit *ValueField;
    QComboBox *ChooseCombo; // "Ordinary button", "Send button", "Reset button"

protected:
    QString extraAttributes() const override;
};
