#include "html/formfields/FormFieldTextArea.h"

#include <QComboBox>
#include <QLineEdit>

TTextArea::TTextArea(InsertText insertText, QWidget *parent)
    : FormFieldWizard({QStringLiteral("Textarea wizard:"), QString(), QStringLiteral("<textarea"),
                       QStringLiteral("HID_TEXTAREA"), true, FormFieldTag::Blank::Write},
                      std::move(insertText), parent)
{
    setObjectName(QStringLiteral("TextArea"));
    setAttribute(Qt::WA_DeleteOnClose);
    Edit1 = addField("Edit1", QStringLiteral("Name:"), QStringLiteral("Name"));
    Edit2 =
        addField("Edit2", QStringLiteral("Height:"), QStringLiteral("rows"), QStringLiteral("10"));
    Edit3 =
        addField("Edit3", QStringLiteral("Width:"), QStringLiteral("cols"), QStringLiteral("30"));
    ComboBox1 =
        addComboBox("ComboBox1", QStringLiteral("Encapulation:"),
                    {QStringLiteral("Virtual"), QStringLiteral("Physical"), QStringLiteral("Off")},
                    QStringLiteral("Select"));
}

QString TTextArea::extraAttributes() const
{
    switch (ComboBox1->currentIndex()) {
    case 0: return QStringLiteral(" wrap=\"virtual\"");
    case 1: return QStringLiteral(" wrap=\"physical\"");
    case 2: return QStringLiteral(" wrap=\"off\"");
    default: return {};
    }
}

QString TTextArea::textAfterTag() const
{
    return QStringLiteral("</textarea>");
}
