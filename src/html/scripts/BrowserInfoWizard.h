#pragma once

#include "html/widgets/WizardDialog.h"

class QCheckBox;

// TNettleserInfFrm (unit BrowsrInfFrmUnit):
// "Browser Information script": a script that writes the chosen properties of the browser
// into the page. It has OK alone; with no box ticked OK inserts nothing.
class TNettleserInfFrm : public WizardDialog
{
    Q_OBJECT
public:
    explicit TNettleserInfFrm(const WizardHost &host, QWidget *parent = nullptr);

    // Browser type, version, program code name, platform, language.
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5;

public slots:
    void Button1Click(); // OK

protected:
    void ok() override { Button1Click(); }
};
