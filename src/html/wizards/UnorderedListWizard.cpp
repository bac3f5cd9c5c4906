#include "html/wizards/UnorderedListWizard.h"

#include "html/text/WizardTexts.h"
#include "html/widgets/EntryList.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

TULtagFrm::TULtagFrm(const WizardHost &host, QWidget *parent)
    : WizardDialog("ULtagFrm", QStringLiteral("Unordered list"), QStringLiteral("HID_UNOREREDLIST"),
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
    setup.importFilter = {{QStringLiteral("Text Files (*.txt)"), {QStringLiteral("*.txt")}},
                          {QStringLiteral("Richtext Files (*.rtf)"), {QStringLiteral("*.rtf")}}};
    setup.importTitle = QStringLiteral("Select file you want to be imported to the list");
    Elementer = new EntryList(setup, this);

    ComboBox1 = named(new QComboBox(this), "ComboBox1");
    ComboBox1->addItems(
        {QStringLiteral("Disc"), QStringLiteral("Circle"), QStringLiteral("Square")});
    ComboBox1->setCurrentIndex(-1);

    // The example pictures share one place; the chosen type's is shown.
    auto *example = named(new QGroupBox(QStringLiteral("Example:"), this), "GroupBox2");
    auto *pictures = new QHBoxLayout(example);
    QLabel **images[] = {&Image1, &Image2, &Image3};
    const char *const files[] = {"bulletdisc", "bulletcircle", "bulletsquare"};
    for (int i = 0; i < 3; ++i) {
        auto *image = named(new QLabel(example), i == 0 ? "Image1" : i == 1 ? "Image2" : "Image3");
        image->setPixmap(QIcon(QStringLiteral(":/html/icons/%1.svg").arg(QLatin1String(files[i])))
                             .pixmap(96, 48));
        image->hide();
        pictures->addWidget(image);
        *images[i] = image;
    }
    pictures->addStretch();
    example->setMinimumHeight(80);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Type of index:"), ComboBox1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Elementer);
    layout->addLayout(form);
    layout->addWidget(example);
    layout->addLayout(makeButtons({"Button1", "Button3", "Button6"}));

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TULtagFrm::ComboBox1Click);
}

void TULtagFrm::ComboBox1Click()
{
    const int index = ComboBox1->currentIndex();
    Image1->setVisible(index == 0);
    Image2->setVisible(index == 1);
    Image3->setVisible(index == 2);
}

void TULtagFrm::Button1Click()
{
    insert(
        WizardTexts::unorderedList(Elementer->texts(), ComboBox1->currentIndex(), caretIndent()));
    close();
}
