#include "settings/languages/ChangeFileExtFrm.h"

#include "platform/DialogButtonRow.h"
#include "platform/NamedWidget.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TChangeFileExtFrm::TChangeFileExtFrm(QWidget *parent) : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("ChangeFileExtFrm"));
    setWindowTitle(QStringLiteral("Change File Extention"));
    GroupBox1 = named(new QGroupBox(QStringLiteral("Change extention for"), this), "GroupBox1");
    Label2 = named(new QLabel(GroupBox1), "Label2");
    Edit1 = named(new QLineEdit(GroupBox1), "Edit1");
    auto *form = new QFormLayout(GroupBox1);
    form->addRow(QStringLiteral("Old file extention:"), Label2);
    form->addRow(QStringLiteral("New file extention:"), Edit1);

    QHBoxLayout *buttons = dialogButtonRow(this,
                                           {{&Button2, "Button2", QStringLiteral("OK")},
                                            {&Button1, "Button1", QStringLiteral("Cancel")}});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);

    connect(Button2, &QPushButton::clicked, this, [this] { done(1); });
    connect(Button1, &QPushButton::clicked, this, [this] { done(2); });
}
