#include "html/formfields/FormFieldChoice.h"

#include "platform/DelphiStrings.h"

#include <QCheckBox>
#include <QLineEdit>

FormFieldChoice::FormFieldChoice(const Look &look, const QString &nameLabel,
                                 const QString &textLabel, InsertText insertText, QWidget *parent)
    : FormFieldWizard(look, std::move(insertText), parent)
{
    Edit1 = addField("Edit1", nameLabel, QStringLiteral("name"));
    Edit2 = addField("Edit2", textLabel);
    CheckBox1 = addCheckBox("CheckBox1", QStringLiteral("Checked"));
}

QString FormFieldChoice::extraAttributes() const
{
    return CheckBox1->isChecked() ? QStringLiteral(" checked") : QString();
}

QString FormFieldChoice::textAfterTag() const
{
    return Delphi::trim(Edit2->text()).isEmpty() ? QString() : Edit2->text();
}
