#pragma once

#include "html/text/WizardTexts.h"
#include "html/widgets/WizardDialog.h"

class QLineEdit;

// TMediaForm (unit MediaForm1):
// "Object wizard:": an object element with an empty line for its parameters; the caret ends
// on that line, four columns deeper than the caret line's indentation.
class TMediaForm : public WizardDialog
{
    Q_OBJECT
public:
    explicit TMediaForm(const WizardHost &host, QWidget *parent = nullptr);

    WizardTexts::ObjectFields fields() const;

    QLineEdit *Edit1, *Edit2, *Edit3, *Edit5, *Edit6, *Edit7, *Edit8;

public slots:
    void Button2Click(); // OK

protected:
    void ok() override { Button2Click(); }
};
