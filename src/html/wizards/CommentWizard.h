#pragma once

#include "html/widgets/WizardDialog.h"

class QPlainTextEdit;

// TKommentForm (unit KommentarForm):
// "Comment:": OK turns the memo's text into an HTML comment at the caret.
class TKommentForm : public WizardDialog
{
    Q_OBJECT
public:
    explicit TKommentForm(const WizardHost &host, QWidget *parent = nullptr);

    QPlainTextEdit *Memo1;

public slots:
    void BitBtn1Click(); // OK

protected:
    void ok() override { BitBtn1Click(); }
};
