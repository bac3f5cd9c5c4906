#include "settings/options/NewKeywordFrmUnit.h"

#include "platform/DialogButtonRow.h"

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

    QHBoxLayout *buttons = dialogButtonRow(this,
                                           {{&Button1, "Button1", QStringLiteral("OK")},
                                            {&Button2, "Button2", QStringLiteral("Cancel")}});
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    resize(320, sizeHint().height());
}
