#include "java/generators/TryCatchGenerator.h"

#include "editor/EditorAdapter.h"
#include "java/generators/JavaCodeText.h"
#include "java/generators/JavaMemo.h"
#include "platform/DialogButtonRow.h"
#include "platform/HelpViewer.h"
#include "platform/NamedWidget.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TExeptionFrm::TExeptionFrm(CodeTarget target, QWidget *parent)
    : QDialog(parent), m_target(std::move(target))
{
    setObjectName(QStringLiteral("ExeptionFrm"));
    setWindowTitle(QStringLiteral("Try catch code generator"));

    GroupBox1 = new QGroupBox(QStringLiteral("Try code:"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    SynMemo1 = JavaMemo::make(GroupBox1);
    (new QVBoxLayout(GroupBox1))->addWidget(SynMemo1->widget());

    GroupBox2 = new QGroupBox(QStringLiteral("Catch:"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    ComboBox1 = new QComboBox(GroupBox2);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems(JavaCodeText::catchExceptions());
    ComboBox1->setCurrentIndex(-1);
    ListView1 = new QListWidget(GroupBox2);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    Button3 = plainButton("Button3", QStringLiteral("Add.."), GroupBox2);
    Button4 = plainButton("Button4", QStringLiteral("Delete.."), GroupBox2);
    auto *catchLayout = new QGridLayout(GroupBox2);
    catchLayout->addWidget(new QLabel(QStringLiteral("Exception:"), GroupBox2), 0, 0);
    catchLayout->addWidget(ComboBox1, 0, 1);
    catchLayout->addWidget(Button3, 0, 2);
    catchLayout->addWidget(ListView1, 1, 0, 2, 2);
    catchLayout->addWidget(Button4, 1, 2, Qt::AlignTop);

    QHBoxLayout *buttons = dialogButtonRow(this,
                                           {{&Button1, "Button1", QStringLiteral("OK")},
                                            {&Button2, "Button2", QStringLiteral("Cancel")},
                                            {&Button5, "Button5", QStringLiteral("Help")}},
                                           EnterPresses::Nothing);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1, 3);
    layout->addWidget(GroupBox2, 2);
    layout->addLayout(buttons);
    resize(480, 460);

    connect(Button3, &QPushButton::clicked, this, &TExeptionFrm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TExeptionFrm::Button4Click);
    connect(Button1, &QPushButton::clicked, this, &TExeptionFrm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button5, &QPushButton::clicked, this, &TExeptionFrm::Button5Click);
}

QStringList TExeptionFrm::exceptions() const
{
    QStringList list;
    for (int i = 0; i < ListView1->count(); ++i)
        list.append(ListView1->item(i)->text());
    return list;
}

void TExeptionFrm::Button3Click()
{
    ListView1->addItem(ComboBox1->currentText());
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->clearEditText();
}

void TExeptionFrm::Button4Click()
{
    const QList<QListWidgetItem *> selected = ListView1->selectedItems();
    if (!selected.isEmpty())
        delete selected.first();
}

void TExeptionFrm::Button1Click()
{
    m_target.insertText(
        JavaCodeText::tryCatchText(SynMemo1->lines(), exceptions(), m_target.indent()));
    accept();
}

void TExeptionFrm::Button5Click()
{
    HelpViewer::instance()->showTopic(QStringLiteral("HID_TRYCATCHDLG"));
}
