#pragma once

#include "html/formfields/FormFieldWizard.h"

class QComboBox;
class QLineEdit;

// "Textarea wizard:": <textarea Name="..." rows="10" cols="30" wrap="..."></textarea>.
// Its fields count as empty only when they hold nothing at all; frees itself on close.
class TTextArea : public FormFieldWizard
{
    Q_OBJECT
public:
    explicit TTextArea(InsertText insertText, QWidget *parent = nullptr);

    QLineEdit *Edit1;     // name
    QLineEdit *Edit2;     // height (rows)
    QLineEdit *Edit3;     // width (cols)
    QComboBox *ComboBox1; // "Virtual", "Physical", "Off"

protected:
    QString extraAttributes() const override;
    QString textAfterTag() const override;
};
