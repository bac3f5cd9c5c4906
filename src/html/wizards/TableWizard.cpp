#include "html/wizards/TableWizard.h"

#include "platform/DelphiStrings.h"
#include "platform/FileDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox *unitBox(QWidget *parent, const char *name, const QStringList &items)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    combo->setPlaceholderText(QStringLiteral("Select"));
    combo->setCurrentIndex(-1);
    return combo;
}

QLabel *decoration(QWidget *parent, const char *name, const QString &icon)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setPixmap(QIcon(icon).pixmap(24, 24));
    return label;
}

} // namespace

TTableForm::TTableForm(const WizardHost &host, QWidget *parent)
    : WizardDialog("TableForm", QStringLiteral("Table wizard:"), QStringLiteral("HID_TABLEDLG"),
                   host, parent)
{
    const QStringList units {QStringLiteral("Pixel"), QStringLiteral("Prosent")};
    Edit1 = named(new QLineEdit(QStringLiteral("3"), this), "Edit1");
    Edit2 = named(new QLineEdit(QStringLiteral("3"), this), "Edit2");
    Edit3 = named(new QLineEdit(this), "Edit3");
    Edit4 = named(new QLineEdit(this), "Edit4");
    Edit5 = named(new QLineEdit(QStringLiteral("75"), this), "Edit5");
    ComboBox1 = unitBox(this, "ComboBox1", units);
    Edit6 = named(new QLineEdit(this), "Edit6");
    ComboBox2 = unitBox(this, "ComboBox2", units);
    CheckBox1 = named(new QCheckBox(QStringLiteral("Frame"), this), "CheckBox1");
    CheckBox1->setChecked(true);
    ComboBox3 =
        unitBox(this, "ComboBox3",
                {QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Center")});
    Edit9 = named(new QLineEdit(this), "Edit9");
    Button1 = named(new QPushButton(QStringLiteral("Select color.."), this), "Button1");
    Button1->setAutoDefault(false);
    Edit12 = named(new QLineEdit(this), "Edit12");
    Image1 = decoration(this, "Image1", QStringLiteral(":/html/icons/tablerows.svg"));
    Image2 = decoration(this, "Image2", QStringLiteral(":/html/icons/tablecolumns.svg"));

    auto *options = named(new QGroupBox(QStringLiteral("Options:"), this), "GroupBox1");
    auto *grid = new QGridLayout(options);
    int row = 0;
    auto addRow = [&row](QGridLayout *g, const QString &label, QWidget *field,
                         QWidget *beside = nullptr) {
        g->addWidget(new QLabel(label, g->parentWidget()), row, 0);
        g->addWidget(field, row, 1);
        if (beside)
            g->addWidget(beside, row, 2);
        ++row;
    };
    addRow(grid, QStringLiteral("Row:"), Edit1, Image1);
    addRow(grid, QStringLiteral("Column:"), Edit2, Image2);
    addRow(grid, QStringLiteral("Cell space:"), Edit3);
    addRow(grid, QStringLiteral("Cellpadding:"), Edit4);
    addRow(grid, QStringLiteral("Width:"), Edit5, ComboBox1);
    addRow(grid, QStringLiteral("Height:"), Edit6, ComboBox2);

    auto *other = named(new QGroupBox(QStringLiteral("Other options:"), this), "GroupBox2");
    auto *otherGrid = new QGridLayout(other);
    row = 0;
    otherGrid->addWidget(CheckBox1, row++, 1);
    addRow(otherGrid, QStringLiteral("Alignment:"), ComboBox3);
    addRow(otherGrid, QStringLiteral("BG color:"), Edit9, Button1);
    addRow(otherGrid, QStringLiteral("Table name:"), Edit12);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(options);
    layout->addWidget(other);
    layout->addLayout(makeButtons({"BitBtn1", "BitBtn2", "Button2"}));

    connect(Button1, &QPushButton::clicked, this, &TTableForm::Button1Click);
}

WizardTexts::TableFields TTableForm::fields() const
{
    WizardTexts::TableFields f;
    f.rows = Edit1->text();
    f.columns = Edit2->text();
    f.cellSpacing = Edit3->text();
    f.cellPadding = Edit4->text();
    f.width = Edit5->text();
    f.widthUnit = ComboBox1->currentIndex();
    f.height = Edit6->text();
    f.heightUnit = ComboBox2->currentIndex();
    f.frame = CheckBox1->isChecked();
    f.alignment = ComboBox3->currentIndex();
    f.bgColor = Edit9->text();
    f.name = Edit12->text();
    return f;
}

void TTableForm::BitBtn1Click()
{
    QString text;
    QString error;
    if (!WizardTexts::table(fields(), caretIndent(), text, &error)) {
        Delphi::showErrorBox(this, error);
        return;
    }
    insert(text);
    close();
}

void TTableForm::Button1Click()
{
    QColor colour;
    if (FileDialogs::instance()->getColor(this, colour))
        Edit9->setText(WizardTexts::colourText(colour));
}
