#include "html/wizards/FontWizard.h"

#include "editor/EditorAdapter.h"
#include "html/widgets/EntryList.h"
#include "html/wizards/FontPicker.h"
#include "platform/DelphiStrings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFontForm::TFontForm(const WizardHost &host, QWidget *parent)
    : WizardDialog("FontForm", QStringLiteral("Font - Wizard:"), QStringLiteral("HID_FONTDLG"),
                   host, parent),
      m_execPicker([](TFontViewFrm &picker) { return picker.exec(); })
{
    auto button = [this](const char *name, const QString &caption) {
        auto *b = named(new QPushButton(caption, this), name);
        b->setAutoDefault(false);
        return b;
    };

    Edit1 = named(new QLineEdit(this), "Edit1");
    Button1 = button("Button1", QStringLiteral("Find.."));
    ComboBox1 = named(new QComboBox(this), "ComboBox1");
    ComboBox1->setEditable(true);
    for (int size = 1; size <= 7; ++size)
        ComboBox1->addItem(QString::number(size));
    ComboBox1->setCurrentIndex(-1);
    CheckBox1 = named(new QCheckBox(QStringLiteral("Bold"), this), "CheckBox1");
    CheckBox2 = named(new QCheckBox(QStringLiteral("Italics"), this), "CheckBox2");
    CheckBox3 = named(new QCheckBox(QStringLiteral("Underline"), this), "CheckBox3");

    auto *options = named(new QGroupBox(QStringLiteral("Font options:"), this), "GroupBox1");
    auto *grid = new QGridLayout(options);
    grid->addWidget(new QLabel(QStringLiteral("Font:"), options), 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(Button1, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Size:"), options), 1, 0);
    grid->addWidget(ComboBox1, 1, 1);
    auto *styles = new QHBoxLayout;
    for (QCheckBox *box : {CheckBox1, CheckBox2, CheckBox3})
        styles->addWidget(box);
    styles->addStretch();
    grid->addLayout(styles, 2, 1, 1, 2);

    EntryList::Setup setup;
    setup.listName = "ListView1";
    setup.columns = {QStringLiteral("Fonts")};
    setup.width = {0, 5, 288, 305};
    ListView1 = new EntryList(setup, this);
    Button4 = button("Button4", QStringLiteral("Add font.."));
    Button5 = button("Button5", QStringLiteral("Delete.."));
    CheckBox4 = named(new QCheckBox(QStringLiteral("Predefined series:"), this), "CheckBox4");
    ComboBox2 = named(new QComboBox(this), "ComboBox2");
    ComboBox2->addItems({QStringLiteral("Arial, Helvetica, sans-serif"),
                         QStringLiteral("Times New Roman, Times, serif"),
                         QStringLiteral("Courier New, Courier, mono"),
                         QStringLiteral("Georgia, Times New Roman, Times, serif"),
                         QStringLiteral("Verdana, Arial, Helvetica, sans-serif")});
    ComboBox2->setPlaceholderText(QStringLiteral("Select series"));
    ComboBox2->setCurrentIndex(-1);
    ComboBox2->setEnabled(false);

    auto *more =
        named(new QGroupBox(QStringLiteral("More than one font - Options:"), this), "GroupBox2");
    auto *moreLayout = new QGridLayout(more);
    moreLayout->addWidget(ListView1, 0, 0, 1, 2);
    moreLayout->addWidget(Button4, 1, 0);
    moreLayout->addWidget(Button5, 1, 1, Qt::AlignLeft);
    moreLayout->addWidget(CheckBox4, 2, 0);
    moreLayout->addWidget(ComboBox2, 2, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(options);
    layout->addWidget(more);
    layout->addLayout(makeButtons({"Button2", "Button3", "Button6", QStringLiteral("Ok")}));

    connect(Button1, &QPushButton::clicked, this, &TFontForm::Button1Click);
    connect(Button4, &QPushButton::clicked, this, &TFontForm::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TFontForm::Button5Click);
    connect(CheckBox4, &QCheckBox::toggled, this, &TFontForm::CheckBox4Click);
    connect(ComboBox2, &QComboBox::activated, this, &TFontForm::ComboBox2Click);
}

WizardTexts::FontFields TFontForm::fields() const
{
    WizardTexts::FontFields f;
    f.size = ComboBox1->currentText();
    f.face = Edit1->text();
    f.bold = CheckBox1->isChecked();
    f.italics = CheckBox2->isChecked();
    f.underline = CheckBox3->isChecked();
    f.fonts = ListView1->texts();
    return f;
}

void TFontForm::Button1Click()
{
    hide();
    {
        TFontViewFrm picker(this);
        m_execPicker(picker);
        const QString font = picker.selectedFont();
        if (!font.isEmpty())
            Edit1->setText(font);
    }
    show();
}

void TFontForm::Button2Click()
{
    WizardTexts::FontFields f = fields();
    if (EditorAdapter *editor = activeEditor())
        f.selection = editor->selectedText();
    insert(WizardTexts::font(f));
    close();
}

void TFontForm::Button4Click()
{
    if (Delphi::trim(Edit1->text()).isEmpty())
        return;
    ListView1->addEntry({Edit1->text()});
    Edit1->clear();
}

void TFontForm::Button5Click()
{
    ListView1->removeSelected();
}

void TFontForm::CheckBox4Click()
{
    ComboBox2->setEnabled(CheckBox4->isChecked());
}

void TFontForm::ComboBox2Click(int index)
{
    if (index >= 0)
        ListView1->addEntry({ComboBox2->itemText(index)});
}
