#include "java/compile/CompileResultWindow.h"

#include "java/compile/CompilerOutputWindow.h"
#include "platform/DialogButtonRow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TCompiler1::TCompiler1(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Compiler1"));
    setModal(false);

    auto *info = new QGroupBox(QStringLiteral("Information:"), this);
    info->setObjectName(QStringLiteral("GroupBox1"));
    auto *grid = new QGridLayout(info);
    grid->addWidget(new QLabel(QStringLiteral("Filename:"), info), 0, 0);
    ProjName = new QLabel(info);
    ProjName->setObjectName(QStringLiteral("ProjName"));
    ProjName->setMinimumWidth(180);
    grid->addWidget(ProjName, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Number of errors:"), info), 1, 0);
    Label5 = new QLabel(info);
    Label5->setObjectName(QStringLiteral("Label5"));
    grid->addWidget(Label5, 1, 1);
    grid->setColumnStretch(1, 1);

    // Enabled when the compile has ended.
    QHBoxLayout *buttons =
        dialogButtonRow(this,
                        {{&BitBtn1, "BitBtn1", QStringLiteral("OK")},
                         {&BitBtn2, "BitBtn2", QStringLiteral("Show all errors")},
                         {&BitBtn3, "BitBtn3", QStringLiteral("Run")}},
                        EnterPresses::Nothing);
    for (QPushButton *b : {BitBtn1, BitBtn2, BitBtn3})
        b->setEnabled(false);
    connect(BitBtn1, &QPushButton::clicked, this, &TCompiler1::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TCompiler1::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TCompiler1::BitBtn3Click);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(info);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Centred on the screen.
    adjustSize();
    if (QScreen *screen = owner ? owner->screen() : nullptr)
        move(screen->availableGeometry().center() - rect().center());
}

void TCompiler1::BitBtn1Click()
{
    // Hidden, and freed when it was made for one compile.
    close();
}

void TCompiler1::BitBtn2Click()
{
    auto *output = new TOutputForm1(this);
    output->setAttribute(Qt::WA_DeleteOnClose);
    output->RichEdit1->appendPlainText(CompilerOutput);
    output->show();
}

void TCompiler1::BitBtn3Click()
{
    emit runRequested();
}
