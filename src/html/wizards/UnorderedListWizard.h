#pragma once

#include "html/widgets/WizardDialog.h"

class EntryList;
class QComboBox;
class QLabel;

// TULtagFrm (unit ULtagUnit):
// "Unordered list": entries and a bullet type, shown by its example picture; OK inserts the
// list at the caret.
class TULtagFrm : public WizardDialog
{
    Q_OBJECT
public:
    explicit TULtagFrm(const WizardHost &host, QWidget *parent = nullptr);

    EntryList *Elementer;
    QComboBox *ComboBox1;
    QLabel *Image1, *Image2, *Image3;

public slots:
    void Button1Click(); // OK
    void ComboBox1Click();

protected:
    void ok() override { Button1Click(); }
};
