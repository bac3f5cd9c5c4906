#include "html/wizards/FontPicker.h"

#include <QFontDatabase>
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
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ListBox1);
    layout->addWidget(Button1, 0, Qt::AlignRight);
    resize(260, 340);

    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

QString TFontViewFrm::selectedFont() const
{
    const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}
