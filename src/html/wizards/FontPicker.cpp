#include "html/wizards/FontPicker.h"

#include "platform/DialogButtonRow.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TFontViewFrm::TFontViewFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FontViewFrm"));
    setWindowTitle(QStringLiteral("Select Font"));

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->addItems(QFontDatabase::families());
    QHBoxLayout *buttons = dialogButtonRow(this, {{&Button1, "Button1", QStringLiteral("OK")}});

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ListBox1);
    layout->addLayout(buttons);
    resize(260, 340);

    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

QString TFontViewFrm::selectedFont() const
{
    const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}
