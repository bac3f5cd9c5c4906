#pragma once

#include "html/widgets/WizardDialog.h"

class EntryList;

// TLinkScriptFrm (unit LinkScriptunit):
// "Linkscript": a form with a select box whose choice sends the browser to the entry's web
// address, and the navigation function showThePage in the page head.
class TLinkScriptFrm : public WizardDialog
{
    Q_OBJECT
public:
    explicit TLinkScriptFrm(const WizardHost &host, QWidget *parent = nullptr);

    EntryList *ListView1; // columns "Value" and "Link"

    // The number of the last menu built (its select box is named listID and the number).
    int listNumber() const { return ListNumber; }

public slots:
    void Button4Click(); // OK

protected:
    void ok() override { Button4Click(); }

private:
    int ListNumber = 0;
};
