#pragma once

#include "html/widgets/WizardDialog.h"

class EntryList;
class QComboBox;
class QLabel;
class QLineEdit;

// TOLtagFrm (unit OLtagUntit):
// "Ordered list": entries, a numbering type and an optional start value; OK inserts the
// list at the caret. The start value is checked as a number at every key release in its
// field; a failed check says so and empties the field.
class TOLtagFrm : public WizardDialog
{
    Q_OBJECT
public:
    explicit TOLtagFrm(const WizardHost &host, QWidget *parent = nullptr);

    EntryList *Elementer;
    QComboBox *ComboBox1;
    QLineEdit *Edit1;
    QLabel *Label3;

public slots:
    void Button1Click(); // OK
    void ComboBox1Click();
    void Edit1KeyUp();

protected:
    void ok() override { Button1Click(); }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // After a failed check, the release of the key that closed the message is not another
    // try: releases count again once a key is pressed in the field.
    bool m_waitForPress = false;
};
