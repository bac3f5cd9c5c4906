#include "java/generators/ClassWizard.h"

#include "platform/DialogButtonRow.h"
#include "platform/HelpViewer.h"
#include "platform/NamedWidget.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TJavaKlasseWizFrm::TJavaKlasseWizFrm(CodeTarget target, QWidget *parent)
    : QDialog(parent), m_target(std::move(target))
{
    setObjectName(QStringLiteral("JavaKlasseWizFrm"));
    setWindowTitle(QStringLiteral("Java class wizard"));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));

    GroupBox1 = new QGroupBox(QStringLiteral("Class members:"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    ComboBox1 = new QComboBox(GroupBox1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems(JavaCodeText::memberTypes());
    ComboBox1->setCurrentIndex(-1);
    Edit3 = new QLineEdit(GroupBox1);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Button1 = plainButton("Button1", QStringLiteral("Add.."), GroupBox1);
    Button5 = plainButton("Button5", QStringLiteral("Delete.."), GroupBox1);
    Datamedlemmer = new QTreeWidget(GroupBox1);
    Datamedlemmer->setObjectName(QStringLiteral("Datamedlemmer"));
    Datamedlemmer->setColumnCount(2);
    Datamedlemmer->setHeaderLabels({QStringLiteral("Classmember name"), QStringLiteral("Type")});
    Datamedlemmer->setRootIsDecorated(false);
    Datamedlemmer->header()->resizeSection(0, 180);

    auto *members = new QGridLayout(GroupBox1);
    members->addWidget(new QLabel(QStringLiteral("Datatype:"), GroupBox1), 0, 0);
    members->addWidget(ComboBox1, 0, 1);
    members->addWidget(new QLabel(QStringLiteral("Class member name"), GroupBox1), 1, 0);
    members->addWidget(Edit3, 1, 1);
    auto *addDelete = new QHBoxLayout;
    addDelete->addStretch(1);
    addDelete->addWidget(Button1);
    addDelete->addWidget(Button5);
    members->addLayout(addDelete, 2, 0, 1, 2);
    members->addWidget(
        new QLabel(QStringLiteral("Mark the members your wish to have a set function on:"),
                   GroupBox1),
        3, 0, 1, 2);
    members->addWidget(Datamedlemmer, 4, 0, 1, 2);

    QHBoxLayout *buttons = dialogButtonRow(this,
                                           {{&Button2, "Button2", QStringLiteral("OK")},
                                            {&Button3, "Button3", QStringLiteral("Cancel")},
                                            {&Button4, "Button4", QStringLiteral("Help")}},
                                           EnterPresses::Nothing);

    auto *layout = new QVBoxLayout(this);
    auto *name = new QHBoxLayout;
    name->addWidget(new QLabel(QStringLiteral("Classname:"), this));
    name->addWidget(Edit1, 1);
    layout->addLayout(name);
    layout->addWidget(GroupBox1, 1);
    layout->addLayout(buttons);
    resize(440, 460);

    connect(Button1, &QPushButton::clicked, this, &TJavaKlasseWizFrm::Button1Click);
    connect(Button5, &QPushButton::clicked, this, &TJavaKlasseWizFrm::Button5Click);
    connect(Button2, &QPushButton::clicked, this, &TJavaKlasseWizFrm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button4, &QPushButton::clicked, this, &TJavaKlasseWizFrm::Button4Click);
}

QList<JavaCodeText::ClassMember> TJavaKlasseWizFrm::members() const
{
    QList<JavaCodeText::ClassMember> list;
    for (int i = 0; i < Datamedlemmer->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = Datamedlemmer->topLevelItem(i);
        list.append({row->text(0), row->text(1), row->checkState(0) == Qt::Checked});
    }
    return list;
}

void TJavaKlasseWizFrm::Button1Click()
{
    auto *row = new QTreeWidgetItem(Datamedlemmer, {Edit3->text(), ComboBox1->currentText()});
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
    row->setCheckState(0, Qt::Unchecked);
    Edit3->clear();
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->clearEditText();
}

void TJavaKlasseWizFrm::Button5Click()
{
    const QList<QTreeWidgetItem *> selected = Datamedlemmer->selectedItems();
    if (!selected.isEmpty())
        delete selected.first();
}

void TJavaKlasseWizFrm::Button2Click()
{
    m_target.insertText(JavaCodeText::classText(Edit1->text(), members()));
    accept();
}

void TJavaKlasseWizFrm::Button4Click()
{
    HelpViewer::instance()->showTopic(QStringLiteral("HID_CLASSWIZDLG"));
}
