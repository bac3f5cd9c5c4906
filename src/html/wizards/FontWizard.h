#pragma once

#include "html/text/WizardTexts.h"
#include "html/widgets/WizardDialog.h"

#include <functional>

class EntryList;
class QCheckBox;
class QComboBox;
class QLineEdit;
class TFontViewFrm;

// TFontForm (unit FontForm1):
// "Font - Wizard:": a font element with size, styles and one font or a list of fonts, put
// around the active document's selection in its place. "Find.." hides the wizard while the
// modal font picker is shown.
class TFontForm : public WizardDialog
{
    Q_OBJECT
public:
    using ExecPicker = std::function<int(TFontViewFrm &)>;

    explicit TFontForm(const WizardHost &host, QWidget *parent = nullptr);

    // Runs the font picker modally; tests answer it instead.
    void setExecPicker(ExecPicker exec) { m_execPicker = std::move(exec); }

    WizardTexts::FontFields fields() const; // without the selection

    QLineEdit *Edit1;
    QPushButton *Button1, *Button4, *Button5;
    QComboBox *ComboBox1, *ComboBox2;
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4;
    EntryList *ListView1;

public slots:
    void Button1Click(); // Find..
    void Button2Click(); // Ok
    void Button4Click(); // Add font..
    void Button5Click(); // Delete..
    void CheckBox4Click();
    void ComboBox2Click(int index);

protected:
    void ok() override { Button2Click(); }

private:
    ExecPicker m_execPicker;
};
