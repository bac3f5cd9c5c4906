#pragma once

#include "html/widgets/WizardDialog.h"

class EntryList;
class QCheckBox;
class QLabel;
class QLineEdit;

// TPopupMenuForm (unit PopupMenyForm1):
// "Popup menu wizard": a selection list (a select element with its options) at the caret.
class TPopupMenuForm : public WizardDialog
{
    Q_OBJECT
public:
    explicit TPopupMenuForm(const WizardHost &host, QWidget *parent = nullptr);

    EntryList *ListView1;
    QLineEdit *Edit1, *Edit2;
    QLabel *Label2;
    QCheckBox *CheckBox1;

public slots:
    void BitBtn1Click(); // OK
    void CheckBox1Click();

protected:
    void ok() override { BitBtn1Click(); }
};
