#include "shell/tools/UserToolsDialog.h"

#include "platform/DelphiStrings.h"
#include "platform/DialogButtonRow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

TUserToolFrm::TUserToolFrm(QWidget *parent)
    : TUserToolFrm(QStringLiteral("Usertool edit"), QStringLiteral("Action:"),
                   {QStringLiteral("Open"), QStringLiteral("Edit"), QStringLiteral("Print")},
                   parent)
{
    setObjectName(QStringLiteral("UserToolFrm"));
}

TUserToolFrm::TUserToolFrm(const QString &caption, const QString &typeLabel,
                           const QStringList &types, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems(types);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit3 = new QLineEdit(this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Button4 = new QPushButton(QStringLiteral(">"), this);
    Button4->setObjectName(QStringLiteral("Button4"));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const QList<QPair<QString, QString>> macros {
        {QStringLiteral("File directory"), QStringLiteral("$(FileDir)")},
        {QStringLiteral("Full path of file"), QStringLiteral("$(FilePath)")},
        {QStringLiteral("Filename"), QStringLiteral("$(FileName)")},
        {QStringLiteral("Filename without file ext"), QStringLiteral("$(FileNameNoExt)")},
        {QStringLiteral("File ext"), QStringLiteral("$(FileExt)")},
        {QStringLiteral("File drive"), QStringLiteral("$(FileDrive)")}};
    for (const auto &macro : macros) {
        const QString text = macro.second;
        connect(PopupMenu1->addAction(macro.first), &QAction::triggered, this,
                [this, text] { Edit3->insert(text); });
    }
    connect(Button4, &QPushButton::clicked, this,
            [this] { PopupMenu1->popup(Button4->mapToGlobal(QPoint(0, Button4->height()))); });

    Button1 = new QPushButton(QStringLiteral("Add"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Remove"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    QHBoxLayout *buttons = dialogButtonRow(this, {{&Button3, "Button3", QStringLiteral("Close")}},
                                           EnterPresses::Focused);
    buttons->insertWidget(0, Button1);
    buttons->insertWidget(1, Button2);

    auto *parameters = new QHBoxLayout;
    parameters->addWidget(Edit3, 1);
    parameters->addWidget(Button4);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Name:"), Edit1);
    form->addRow(typeLabel, ComboBox1);
    form->addRow(QStringLiteral("Path:"), Edit2);
    form->addRow(QStringLiteral("Parameters:"), parameters);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ListBox1, 1);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TUserToolFrm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TUserToolFrm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::close);
}

void TUserToolFrm::Button1Click()
{
    const QString name = Delphi::trim(Edit1->text());
    if (!name.isEmpty())
        ListBox1->addItem(name);
}

void TUserToolFrm::Button2Click()
{
    delete ListBox1->currentItem();
}
