#include "html/scripts/StatusLineDialog.h"

#include "html/text/LinkTexts.h"

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
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setObjectName(QStringLiteral("Button2"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Message:"), Edit1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
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
