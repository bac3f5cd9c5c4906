#pragma once

#include "html/widgets/WizardDialog.h"

#include <QStringList>

class EntryList;
class QComboBox;
class QLineEdit;
class QPushButton;

// TTilfeldigebilderFrm1 (unit TilfeldigeBilderUnit1):
// "Random image": a script that shows one picture of the list, chosen at random, as an image
// or as the page background.
class TTilfeldigebilderFrm1 : public WizardDialog
{
    Q_OBJECT
public:
    explicit TTilfeldigebilderFrm1(const WizardHost &host, QWidget *parent = nullptr);

    QComboBox *ComboBox1;
    EntryList *Elementer;
    QLineEdit *Edit1;
    QPushButton *Button2; // Find file.

public slots:
    void Button2Click(); // Find file.
    void Button3Click(); // OK

protected:
    void ok() override { Button3Click(); }

private:
    // Delete..: the entry goes; its copied picture only when the user agrees.
    void offerFileDelete(const QStringList &entry);
};
