#include "shell/SaveDocChangeFrm.h"

#include "platform/DialogButtonRow.h"
#include "platform/NamedWidget.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

TSaveDocChangeFrm::TSaveDocChangeFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SaveDocChangeFrm"));
    setWindowTitle(QStringLiteral("Save document changes"));
    setModal(true);

    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    auto *text = new QLabel(QStringLiteral("The document(s) below have been modified. Would you\n"
                                           "like to save the changes to the document(s)?"),
                            this);
    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(text, 1);

    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setColumnCount(1);
    ListView1->setHeaderHidden(true);
    ListView1->setRootIsDecorated(false);
    ListView1->header()->setStretchLastSection(false);
    ListView1->setColumnWidth(0, 300);

    // Yes, No and Cancel at the left; the list's own buttons at the right.
    QHBoxLayout *buttons =
        dialogButtonRow(this,
                        {{&YesButton, "YesButton", QStringLiteral("Yes")},
                         {&NoButton, "NoButton", QStringLiteral("No")},
                         {&CancelButton, "CancelButton", QStringLiteral("Cancel")}},
                        EnterPresses::First, Qt::AlignLeft);
    SelectAllButton = plainButton("SelectAllButton", QStringLiteral("Select all"), this);
    DeselectAllButton = plainButton("DeselectAllButton", QStringLiteral("Deselect all"), this);
    buttons->addWidget(SelectAllButton);
    buttons->addWidget(DeselectAllButton);

    connect(YesButton, &QPushButton::clicked, this, [this] { done(Yes); });
    connect(NoButton, &QPushButton::clicked, this, [this] { done(No); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { done(Cancel); });
    connect(SelectAllButton, &QPushButton::clicked, this, &TSaveDocChangeFrm::SelectAllClick);
    connect(DeselectAllButton, &QPushButton::clicked, this, &TSaveDocChangeFrm::DeselectAllClick);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ListView1, 1);
    layout->addLayout(buttons);
}

void TSaveDocChangeFrm::addDocument(const QString &caption)
{
    auto *item = new QTreeWidgetItem(ListView1, QStringList(caption));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Checked);
    if (ListView1->topLevelItemCount() > 7)
        ListView1->setColumnWidth(0, 358);
}

int TSaveDocChangeFrm::rowCount() const
{
    return ListView1->topLevelItemCount();
}

QString TSaveDocChangeFrm::caption(int row) const
{
    QTreeWidgetItem *item = ListView1->topLevelItem(row);
    return item ? item->text(0) : QString();
}

bool TSaveDocChangeFrm::isChecked(int row) const
{
    QTreeWidgetItem *item = ListView1->topLevelItem(row);
    return item && item->checkState(0) == Qt::Checked;
}

void TSaveDocChangeFrm::setChecked(int row, bool checked)
{
    if (QTreeWidgetItem *item = ListView1->topLevelItem(row))
        item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

QList<int> TSaveDocChangeFrm::checkedRows() const
{
    QList<int> rows;
    for (int i = 0; i < rowCount(); ++i)
        if (isChecked(i))
            rows.append(i);
    return rows;
}

void TSaveDocChangeFrm::SelectAllClick()
{
    setAllChecked(true);
}
void TSaveDocChangeFrm::DeselectAllClick()
{
    setAllChecked(false);
}

void TSaveDocChangeFrm::setAllChecked(bool checked)
{
    for (int i = 0; i < rowCount(); ++i)
        setChecked(i, checked);
}
