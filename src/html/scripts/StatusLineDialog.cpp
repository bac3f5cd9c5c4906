#include "html/scripts/StatusLineDialog.h"

#include "html/text/LinkTexts.h"
#include "platform/DialogButtonRow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TStatusLinjeFrm::TStatusLinjeFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("StatusLinjeFrm"));
    setWindowTitle(QStringLiteral("Statusline massage"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(260);
    QHBoxLayout *buttons = dialogButtonRow(this,
                                           {{&Button1, "Button1", QStringLiteral("OK")},
                                            {&Button2, "Button2", QStringLiteral("Cancel")}});

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Message:"), Edit1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TStatusLinjeFrm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TStatusLinjeFrm::Button1Click()
{
    StatusText = LinkTexts::statusLine(Edit1->text());
    accept();
}
