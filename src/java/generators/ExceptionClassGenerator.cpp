#include "java/generators/ExceptionClassGenerator.h"

#include "editor/EditorAdapter.h"
#include "java/generators/JavaCodeText.h"
#include "java/generators/JavaMemo.h"
#include "platform/DialogButtonRow.h"
#include "platform/HelpViewer.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TUnntak::TUnntak(CodeTarget target, QWidget *parent) : QDialog(parent), m_target(std::move(target))
{
    setObjectName(QStringLiteral("Unntak"));
    setWindowTitle(QStringLiteral("Exception"));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems(JavaCodeText::exceptionBases());
    ComboBox1->setCurrentIndex(-1);
    SynMemo1 = JavaMemo::make(this);
    QHBoxLayout *buttons = dialogButtonRow(this,
                                           {{&Button1, "Button1", QStringLiteral("OK")},
                                            {&Button2, "Button2", QStringLiteral("Cancel")},
                                            {&Button3, "Button3", QStringLiteral("Help")}},
                                           EnterPresses::Nothing);

    auto *layout = new QVBoxLayout(this);
    auto *inputs = new QGridLayout;
    inputs->addWidget(new QLabel(QStringLiteral("Exception name:"), this), 0, 0);
    inputs->addWidget(Edit1, 0, 1);
    inputs->addWidget(new QLabel(QStringLiteral("Extends:"), this), 1, 0);
    inputs->addWidget(ComboBox1, 1, 1);
    layout->addLayout(inputs);
    layout->addWidget(new QLabel(QStringLiteral("Preview:"), this));
    layout->addWidget(SynMemo1->widget(), 1);
    layout->addLayout(buttons);
    resize(460, 340);

    connect(Edit1, &QLineEdit::textChanged, this, &TUnntak::Edit1Change);
    connect(ComboBox1, &QComboBox::editTextChanged, this, &TUnntak::Edit1Change);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TUnntak::Edit1Change);
    connect(Button1, &QPushButton::clicked, this, &TUnntak::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, &TUnntak::Button3Click);
}

QString TUnntak::generatedText() const
{
    return JavaCodeText::exceptionClassText(Edit1->text(), ComboBox1->currentText(),
                                            m_target.indent());
}

void TUnntak::Edit1Change()
{
    SynMemo1->setText(ComboBox1->currentText().isEmpty() ? QString() : generatedText());
}

void TUnntak::Button1Click()
{
    m_target.insertText(generatedText());
    accept();
}

void TUnntak::Button3Click()
{
    HelpViewer::instance()->showTopic(QStringLiteral("HID_EXCEPTIONCODEDLG"));
}
