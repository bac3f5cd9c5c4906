#include "html/wizards/RuleWizard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

THorisontalLinjalFrm::THorisontalLinjalFrm(const WizardHost &host, QWidget *parent)
    : WizardDialog("HorisontalLinjalFrm", QStringLiteral("Horisontal ruler"),
                   QStringLiteral("HID_HR"), host, parent)
{
    ComboBox1 = named(new QComboBox(this), "ComboBox1");
    ComboBox1->setEditable(true);
    ComboBox1->addItems(
        {QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("center")});
    ComboBox1->setCurrentIndex(-1);
    Edit2 = named(new QLineEdit(this), "Edit2");
    Edit3 = named(new QLineEdit(this), "Edit3");
    CheckBox1 = named(new QCheckBox(QStringLiteral("No shadowing"), this), "CheckBox1");

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Alignment:"), ComboBox1);
    form->addRow(QStringLiteral("Size:"), Edit2);
    form->addRow(QStringLiteral("Width:"), Edit3);
    form->addRow(QString(), CheckBox1);
    setMinimumWidth(300);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(makeButtons({"Button1", "Button2", "Button3"}));
}

WizardTexts::RuleFields THorisontalLinjalFrm::fields() const
{
    WizardTexts::RuleFields f;
    f.alignment = ComboBox1->currentText();
    f.size = Edit2->text();
    f.width = Edit3->text();
    f.noShade = CheckBox1->isChecked();
    return f;
}

void THorisontalLinjalFrm::Button1Click()
{
    insert(WizardTexts::rule(fields()));
    close();
}
