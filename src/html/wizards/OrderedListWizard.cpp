#include "html/wizards/OrderedListWizard.h"

#include "html/text/WizardTexts.h"
#include "html/widgets/EntryList.h"
#include "platform/DelphiStrings.h"
#include "platform/Prompter.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TOLtagFrm::TOLtagFrm(const WizardHost &host, QWidget *parent)
    : WizardDialog("OLtagFrm", QStringLiteral("Ordered list"), QStringLiteral("HID_ORDEREDLIST"),
                   host, parent)
{
    EntryList::Setup setup;
    setup.listName = "Elementer";
    setup.columns = {QStringLiteral("Elements in list")};
    setup.width = {0, 5, 272, 288};
    setup.fields = {{"Edit2", QStringLiteral("Element:")}};
    setup.add = {"Button2", QStringLiteral("Add..")};
    setup.import = {"Button4", QStringLiteral("Import..")};
    setup.remove = {"Button5", QStringLiteral("Delete")};
    setup.importFilter = {{QStringLiteral("Text files (*.txt)"), {QStringLiteral("*.txt")}},
                          {QStringLiteral("Richtext files (*.rtf)"), {QStringLiteral("*.rtf")}}};
    setup.importTitle = QStringLiteral("Select file you want to be imported to the list");
    Elementer = new EntryList(setup, this);

    ComboBox1 = named(new QComboBox(this), "ComboBox1");
    ComboBox1->addItems(
        {QStringLiteral("Large index letters"), QStringLiteral("Smal index letters"),
         QStringLiteral("Big roman index letters"), QStringLiteral("Smal roman index letters"),
         QStringLiteral("Ordinary index numbers")});
    ComboBox1->setCurrentIndex(-1);
    Edit1 = named(new QLineEdit(this), "Edit1");
    Label3 = named(new QLabel(this), "Label3");
    Label3->setMinimumHeight(Label3->fontMetrics().lineSpacing() * 3);
    auto *example = named(new QGroupBox(QStringLiteral("Example:"), this), "GroupBox2");
    (new QVBoxLayout(example))->addWidget(Label3);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Index type:"), ComboBox1);
    form->addRow(QStringLiteral("Start value:"), Edit1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Elementer);
    layout->addLayout(form);
    layout->addWidget(example);
    layout->addLayout(makeButtons({"Button1", "Button3", "Button6"}));

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TOLtagFrm::ComboBox1Click);
    Edit1->installEventFilter(this);
}

bool TOLtagFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1) {
        if (event->type() == QEvent::KeyPress) {
            m_waitForPress = false;
        } else if (event->type() == QEvent::KeyRelease
                   && !static_cast<QKeyEvent *>(event)->isAutoRepeat() && !m_waitForPress) {
            Edit1KeyUp();
        }
    }
    return WizardDialog::eventFilter(watched, event);
}

void TOLtagFrm::Edit1KeyUp()
{
    double value;
    if (Delphi::tryStrToFloat(Edit1->text(), value))
        return;
    m_waitForPress = true;
    Prompter::instance()->messageBox(this, QStringLiteral("info"),
                                     QStringLiteral("Start value has to be a number!"),
                                     Prompter::Information, Prompter::OkButton);
    Edit1->clear();
}

void TOLtagFrm::ComboBox1Click()
{
    Label3->setText(WizardTexts::orderedExample(ComboBox1->currentIndex()));
}

void TOLtagFrm::Button1Click()
{
    insert(WizardTexts::orderedList(Elementer->texts(), ComboBox1->currentIndex(), Edit1->text(),
                                    caretIndent()));
    close();
}
