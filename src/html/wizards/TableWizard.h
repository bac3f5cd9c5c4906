#pragma once

#include "html/text/WizardTexts.h"
#include "html/widgets/WizardDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// TTableForm (unit TabellForm):
// "Table wizard:": OK inserts a table skeleton with its attributes at the caret. A row or
// column count that is no integer, or a table too large to build, is reported and the wizard
// stays open with its fields as they are.
class TTableForm : public WizardDialog
{
    Q_OBJECT
public:
    explicit TTableForm(const WizardHost &host, QWidget *parent = nullptr);

    WizardTexts::TableFields fields() const;

    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit9, *Edit12;
    QComboBox *ComboBox1, *ComboBox2, *ComboBox3;
    QCheckBox *CheckBox1;
    QPushButton *Button1;
    QLabel *Image1, *Image2;

public slots:
    void BitBtn1Click(); // OK
    void Button1Click(); // Select color..

protected:
    void ok() override { BitBtn1Click(); }
};
