#pragma once

#include "html/widgets/WizardDialog.h"

class QLineEdit;
class QPushButton;

// TRolloverForm (unit RolloverForm2):
// "Rollover image wizard": a linked picture that swaps to a second picture under the mouse
// and shows a status-line message, with the functions TheRollover and ShowStatusMSG in the
// page head.
class TRolloverForm : public WizardDialog
{
    Q_OBJECT
public:
    explicit TRolloverForm(const WizardHost &host, QWidget *parent = nullptr);

    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5; // original, name, rollover, link, message
    QPushButton *Button1, *Button3, *Button4;         // Find.., Find.., File..

public slots:
    void Button1Click(); // original picture
    void Button3Click(); // rollover picture
    void Button4Click(); // link file
    void BitBtn1Click(); // OK

protected:
    void ok() override { BitBtn1Click(); }

private:
    void pickPicture(QLineEdit *target);
};
