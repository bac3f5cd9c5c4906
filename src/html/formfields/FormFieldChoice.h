#pragma once

#include "html/formfields/FormFieldWizard.h"

class QCheckBox;
class QLineEdit;

// A checkbox or radio button: name, label text after the tag and a "Checked" box.
class FormFieldChoice : public FormFieldWizard
{
    Q_OBJECT
public:
    QLineEdit *Edit1;     // name
    QLineEdit *Edit2;     // label written after the tag
    QCheckBox *CheckBox1; // "Checked"

protected:
    FormFieldChoice(const Look &look, const QString &nameLabel, const QString &textLabel,
                    InsertText insertText, QWidget *parent);

    QString extraAttributes() const override;
    QString textAfterTag() const override;
};
