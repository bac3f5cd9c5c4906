#include "settings/options/NewKeywordFrmUnit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TKeywordFrm::TKeywordFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("KeywordFrm"));
    setWindowTitle(QStringLiteral("Keywords"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *group = new QGroupBox(QStringLiteral("Add new keyword:"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    Keywordtext = new QLineEdit(group);
    Keywordtext->setObjectName(QStringLiteral("Keywordtext"));
    auto *label = new QLabel(QStringLiteral("Keyword name:"), group);
    label->setBuddy(Keywordtext);
    auto *row = new QHBoxLayout(group);
    row->addWidget(label);
    row->addWidget(Keywordtext, 1);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    resize(320, sizeHint().height());
}
