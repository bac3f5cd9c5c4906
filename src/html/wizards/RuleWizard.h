#pragma once

#include "html/text/WizardTexts.h"
#include "html/widgets/WizardDialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// THorisontalLinjalFrm (unit HRunit):
// "Horisontal ruler": an hr element at the caret.
class THorisontalLinjalFrm : public WizardDialog
{
    Q_OBJECT
public:
    explicit THorisontalLinjalFrm(const WizardHost &host, QWidget *parent = nullptr);

    WizardTexts::RuleFields fields() const;

    QComboBox *ComboBox1;
    QLineEdit *Edit2, *Edit3;
    QCheckBox *CheckBox1;

public slots:
    void Button1Click(); // OK

protected:
    void ok() override { Button1Click(); }
};
