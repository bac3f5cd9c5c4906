#include "html/formfields/FormFieldButton.h"

#include <QComboBox>
#include <QLineEdit>

TKnappeForm::TKnappeForm(InsertText insertText, QWidget *parent)
    : FormFieldWizard({QStringLiteral("Button"), QString(), QStringLiteral("<input"),
                       QStringLiteral("HID_BUTTON"), true},
                      std::move(insertText), parent)
{
    setObjectName(QStringLiteral("KnappeForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    NameField = addField("NameField", QStringLiteral("Name:"), QStringLiteral("name"));
    ValueField = addField("ValueField", QStringLiteral("Value:"), QStringLiteral("value"));
    ChooseCombo = addComboBox("ChooseCombo", QStringLiteral("Type:"),
                              {QStringLiteral("Ordinary button"), QStringLiteral("Send button"),
                               QStringLiteral("Reset button")},
                              QStringLiteral("Select"));
}

QString TKnappeForm::extraAttributes() const
{
    QString word = QStringLiteral("button");
    if (ChooseCombo->currentIndex() == 1)
        word = QStringLiteral("submit");
    else if (ChooseCombo->currentIndex() == 2)
        word = QStringLiteral("reset");
    return QStringLiteral(" type=\"") + word + QLatin1Char('"');
}
