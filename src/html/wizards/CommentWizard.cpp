#include "html/wizards/CommentWizard.h"

#include "html/text/WizardTexts.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TKommentForm::TKommentForm(const WizardHost &host, QWidget *parent)
    : WizardDialog("KommentForm", QStringLiteral("Comment:"), QString(), host, parent)
{
    Memo1 = named(new QPlainTextEdit(this), "Memo1");
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setMinimumSize(320, 140);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Memo1);
    layout->addLayout(makeButtons({"BitBtn1", "BitBtn2", nullptr}));
}

void TKommentForm::BitBtn1Click()
{
    insert(WizardTexts::comment(Memo1->toPlainText(), caretIndent()));
    close();
}
