#include "html/scripts/LinkWizard.h"

#include "html/scripts/BrowserWindowDialog.h"
#include "html/scripts/StatusLineDialog.h"
#include "html/text/LinkTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TLinkForm::TLinkForm(const WizardHost &host, QWidget *parent)
    : WizardDialog("LinkForm", QStringLiteral("Link/Anker point"), QStringLiteral("HID_LINKDLG"),
                   host, parent),
      m_execBrowser([](TBrowserFrm &dialog) { return dialog.exec(); }),
      m_execStatus([](TStatusLinjeFrm &dialog) { return dialog.exec(); })
{
    Lenke = named(new QLineEdit(this), "Lenke");
    Navn = named(new QLineEdit(this), "Navn");
    Memo1 = named(new QPlainTextEdit(this), "Memo1");
    Memo1->setMinimumSize(280, 60);
    Memo1->setTabChangesFocus(true);
    onklikk = named(new QCheckBox(QStringLiteral("onClick event"), this), "onklikk");
    KlikkCompo = named(new QComboBox(this), "KlikkCompo");
    KlikkCompo->addItems({QStringLiteral("Print document"), QStringLiteral("Close browser window"),
                          QStringLiteral("Open Browser window")});
    mouseover = named(new QCheckBox(QStringLiteral("onMouseOver"), this), "mouseover");
    MouseOverCompo = named(new QComboBox(this), "MouseOverCompo");
    MouseOverCompo->addItem(QStringLiteral("Status line message"));
    for (QComboBox *combo : {KlikkCompo, MouseOverCompo}) {
        combo->setPlaceholderText(QStringLiteral("Select"));
        combo->setCurrentIndex(-1);
        combo->setEnabled(false);
    }

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Link:"), this), 0, 0);
    grid->addWidget(Lenke, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Name:"), this), 1, 0);
    grid->addWidget(Navn, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Link text:"), this), 2, 0, Qt::AlignTop);
    grid->addWidget(Memo1, 2, 1);
    grid->addWidget(onklikk, 3, 0);
    grid->addWidget(KlikkCompo, 3, 1);
    grid->addWidget(mouseover, 4, 0);
    grid->addWidget(MouseOverCompo, 4, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(makeButtons({"BitBtn1", "BitBtn2", "Button1"}));

    connect(onklikk, &QCheckBox::toggled, this, &TLinkForm::onklikkClick);
    connect(mouseover, &QCheckBox::toggled, this, &TLinkForm::mouseoverClick);
    // The user's choice, also of the item already shown.
    connect(KlikkCompo, &QComboBox::activated, this, &TLinkForm::KlikkCompoClick);
    connect(MouseOverCompo, &QComboBox::activated, this, &TLinkForm::MouseOverCompoClick);
}

void TLinkForm::setLinkText(const QString &text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Memo1->setPlainText(lines);
}

void TLinkForm::onklikkClick()
{
    KlikkCompo->setEnabled(onklikk->isChecked());
    if (!onklikk->isChecked())
        Lenke->setEnabled(true);
}

void TLinkForm::mouseoverClick()
{
    MouseOverCompo->setEnabled(mouseover->isChecked());
    if (!mouseover->isChecked())
        Lenke->setEnabled(true);
}

void TLinkForm::KlikkCompoClick()
{
    if (KlikkCompo->currentIndex() == int(LinkTexts::OnClick::OpenWindow)) {
        TBrowserFrm dialog(host().project, this);
        m_execBrowser(dialog);
        OnClickText = dialog.WindowOpenText;
    }
    Lenke->setText(QStringLiteral("#"));
}

void TLinkForm::MouseOverCompoClick()
{
    TStatusLinjeFrm dialog(this);
    m_execStatus(dialog);
    MouseOverText = dialog.StatusText;
}

void TLinkForm::BitBtn1Click()
{
    LinkTexts::LinkFields f;
    f.link = Lenke->text();
    f.name = Navn->text();
    f.text = Memo1->toPlainText();
    if (onklikk->isChecked())
        f.onClick = LinkTexts::OnClick(KlikkCompo->currentIndex());
    f.windowOpenText = OnClickText;
    if (mouseover->isChecked() && MouseOverCompo->currentIndex() == 0)
        f.mouseOverText = MouseOverText;
    insert(LinkTexts::link(f));
    close();
}
