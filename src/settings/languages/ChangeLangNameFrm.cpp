#include "settings/languages/ChangeLangNameFrm.h"

#include "platform/DialogButtonRow.h"
#include "platform/NamedWidget.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TChangeLangNameFrm::TChangeLangNameFrm(QWidget *parent) : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("ChangeLangNameFrm"));
    setWindowTitle(QStringLiteral("Change Language Name"));
    auto *group = named(new QGroupBox(QStringLiteral("Change name:"), this), "GroupBox1");
    Label3 = named(new QLabel(group), "Label3");
    Edit2 = named(new QLineEdit(group), "Edit2");
    auto *form = new QFormLayout(group);
    form->addRow(QStringLiteral("Old language name:"), Label3);
    form->addRow(QStringLiteral("New language name:"), Edit2);

    QHBoxLayout *buttons = dialogButtonRow(this,
                                           {{&Button2, "Button2", QStringLiteral("OK")},
                                            {&Button1, "Button1", QStringLiteral("Cancel")}});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(Button2, &QPushButton::clicked, this, [this] { done(1); });
    connect(Button1, &QPushButton::clicked, this, [this] { done(2); });
}
