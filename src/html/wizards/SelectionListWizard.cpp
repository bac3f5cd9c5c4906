#include "html/wizards/SelectionListWizard.h"

#include "html/text/WizardTexts.h"
#include "html/widgets/EntryList.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TPopupMenuForm::TPopupMenuForm(const WizardHost &host, QWidget *parent)
    : WizardDialog("PopupMenuForm", QStringLiteral("Popup menu wizard"),
                   QStringLiteral("HID_POPUPDIALOG"), host, parent)
{
    EntryList::Setup setup;
    setup.listName = "ListView1";
    setup.columns = {QStringLiteral("Fields")};
    setup.width = {0, 4, 242, 259};
    setup.fields = {{"Edit3", QStringLiteral("Field:")}};
    setup.add = {"Button3", QStringLiteral("Add..")};
    setup.import = {"Button1", QStringLiteral("Import..")};
    setup.remove = {"Button2", QStringLiteral("Delete")};
    setup.importFilter = {{QStringLiteral("Text Files (*.txt)"), {QStringLiteral("*.txt")}},
                          {QStringLiteral("Richtext Files (*.rtf)"), {QStringLiteral("*.rtf")}}};
    setup.importTitle = QStringLiteral("Select a file to be imported to the list");
    ListView1 = new EntryList(setup, this);

    Edit1 = named(new QLineEdit(this), "Edit1");
    Edit2 = named(new QLineEdit(this), "Edit2");
    Label2 = named(new QLabel(QStringLiteral("Length:"), this), "Label2");
    CheckBox1 = named(new QCheckBox(QStringLiteral("Multiline"), this), "CheckBox1");
    // The length counts only for a multi-line list.
    Edit2->setEnabled(false);
    Label2->setEnabled(false);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Name:"), this), 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(CheckBox1, 1, 1);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(Edit2, 2, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ListView1);
    layout->addLayout(grid);
    layout->addLayout(makeButtons({"BitBtn1", "BitBtn2", "Button4"}));

    connect(CheckBox1, &QCheckBox::toggled, this, &TPopupMenuForm::CheckBox1Click);
}

void TPopupMenuForm::CheckBox1Click()
{
    Edit2->setEnabled(CheckBox1->isChecked());
    Label2->setEnabled(CheckBox1->isChecked());
}

void TPopupMenuForm::BitBtn1Click()
{
    insert(WizardTexts::selectList(ListView1->texts(), Edit1->text(), Edit2->text(),
                                   CheckBox1->isChecked(), caretIndent()));
    close();
}
