#include "java/compile/CompilerOutputWindow.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TOutputForm1::TOutputForm1(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("OutputForm1"));
    setWindowTitle(QStringLiteral("Compiler output window"));
    setModal(false);

    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(RichEdit1);
    resize(560, 360);
}
