#include "settings/options/OptionsEditorPage.h"

#include "platform/DelphiStrings.h"
#include "platform/FileDialogs.h"
#include "platform/NamedWidget.h"
#include "settings/options/ColorPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// The colour dialog on panel's colour; on OK the panel takes the chosen colour as plain RGB.
void pickColour(QWidget *parent, ColorPanel *panel)
{
    QColor colour = panel->color().toQColor();
    if (FileDialogs::instance()->getColor(parent, colour))
        panel->setColor(TColor::fromQColor(colour));
}

} // namespace

OptionsEditorPage::OptionsEditorPage(QWidget *parent) : QWidget(parent)
{
    auto *fontGroup = named(new QGroupBox(QStringLiteral("Font options:"), this), "GroupBox1");
    Fonts = named(new QComboBox(fontGroup), "Fonts");
    Fonts->setEditable(true);
    Fonts->setInsertPolicy(QComboBox::NoInsert);
    Fonts->setMinimumWidth(200);
    FontSize = named(new QLineEdit(fontGroup), "FontSize");
    FontSize->setMaximumWidth(60);
    Panel2 = named(new QLabel(QStringLiteral("Font preview"), fontGroup), "Panel2");
    Panel2->setAlignment(Qt::AlignCenter);
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setFrameShadow(QFrame::Sunken);
    Panel2->setMinimumHeight(48);
    auto *fontGrid = new QGridLayout(fontGroup);
    fontGrid->addWidget(new QLabel(QStringLiteral("Font:"), fontGroup), 0, 0);
    fontGrid->addWidget(Fonts, 0, 1);
    fontGrid->addWidget(new QLabel(QStringLiteral("Size:"), fontGroup), 0, 2);
    fontGrid->addWidget(FontSize, 0, 3);
    fontGrid->addWidget(Panel2, 1, 0, 1, 4);

    auto *gutterGroup = named(new QGroupBox(QStringLiteral("Editor gutter:"), this), "GroupBox2");
    ShowGutterCbx =
        named(new QCheckBox(QStringLiteral("Show gutter"), gutterGroup), "ShowGutterCbx");
    ShowGutterCbx->setChecked(true);
    GutterSizeLbl = named(new QLabel(QStringLiteral("Gutter size:"), gutterGroup), "GutterSizeLbl");
    GutterSizeEdField = named(new QLineEdit(gutterGroup), "GutterSizeEdField");
    GutterSizeEdField->setMaximumWidth(60);
    LeedingZeroCbx =
        named(new QCheckBox(QStringLiteral("Show leding zeros on line numbers"), gutterGroup),
              "LeedingZeroCbx");
    ShowLineNrsCbx =
        named(new QCheckBox(QStringLiteral("Show line numbers"), gutterGroup), "ShowLineNrsCbx");
    auto *gutterGrid = new QGridLayout(gutterGroup);
    gutterGrid->addWidget(ShowGutterCbx, 0, 0);
    gutterGrid->addWidget(GutterSizeLbl, 0, 1, Qt::AlignRight);
    gutterGrid->addWidget(GutterSizeEdField, 0, 2);
    gutterGrid->addWidget(LeedingZeroCbx, 1, 0, 1, 3);
    gutterGrid->addWidget(ShowLineNrsCbx, 2, 0, 1, 3);

    auto *colourGroup = named(new QGroupBox(QStringLiteral("Editor colors:"), this), "GroupBox3");
    panelGRTColor = named(new ColorPanel(QStringLiteral("GTR"), colourGroup), "panelGRTColor");
    panelGRTColor->setToolTip(QStringLiteral("Editor gutter color"));
    PanelBGColor = named(new ColorPanel(QStringLiteral("BG"), colourGroup), "PanelBGColor");
    PanelBGColor->setToolTip(QStringLiteral("Editor background color"));
    auto *colourRow = new QHBoxLayout(colourGroup);
    colourRow->addWidget(panelGRTColor);
    colourRow->addWidget(PanelBGColor);
    colourRow->addStretch();

    auto *completionGroup =
        named(new QGroupBox(QStringLiteral("Code completion:"), this), "GroupBox4");
    CompPropCbx =
        named(new QCheckBox(QStringLiteral("Enable completion proposal at startup (html and java)"),
                            completionGroup),
              "CompPropCbx");
    AutoCompCbx =
        named(new QCheckBox(QStringLiteral("Enable autocompletion at startup (java only)"),
                            completionGroup),
              "AutoCompCbx");
    auto *completionColumn = new QVBoxLayout(completionGroup);
    completionColumn->addWidget(CompPropCbx);
    completionColumn->addWidget(AutoCompCbx);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fontGroup);
    layout->addWidget(gutterGroup);
    layout->addWidget(colourGroup);
    layout->addWidget(completionGroup);
    layout->addStretch();

    connect(Fonts->lineEdit(), &QLineEdit::textEdited, this, [this](const QString &text) {
        m_fontTyped = true;
        m_typedFont = text;
    });
    // Entering a typed name selects its entry as well: that leaves it typed.
    connect(Fonts, &QComboBox::activated, this, [this](int index) {
        if (Fonts->itemText(index).compare(m_typedFont, Qt::CaseInsensitive) != 0)
            m_fontTyped = false;
    });
    connect(Fonts, &QComboBox::currentTextChanged, this, &OptionsEditorPage::FontsChange);
    connect(FontSize, &QLineEdit::textChanged, this, &OptionsEditorPage::FontsChange);
    connect(ShowGutterCbx, &QCheckBox::toggled, this, &OptionsEditorPage::ShowGutterCbxClick);
    connect(panelGRTColor, &ColorPanel::clicked, this, &OptionsEditorPage::panelGRTColorClick);
    connect(PanelBGColor, &ColorPanel::clicked, this, &OptionsEditorPage::PanelBGColorClick);
}

void OptionsEditorPage::fillFonts()
{
    const QString shown = Fonts->currentText();
    const bool blocked = Fonts->blockSignals(true);
    Fonts->clear();
    Fonts->addItems(QFontDatabase::families());
    Fonts->setCurrentIndex(-1);
    Fonts->setEditText(shown);
    Fonts->blockSignals(blocked);
}

QString OptionsEditorPage::pickedFont() const
{
    const int index = Fonts->currentIndex();
    if (m_fontTyped || index < 0 || Fonts->itemText(index) != Fonts->currentText())
        return QString();
    return Fonts->itemText(index);
}

void OptionsEditorPage::showFontName(const QString &name)
{
    Fonts->setCurrentIndex(-1);
    Fonts->setEditText(name);
}

void OptionsEditorPage::FontsChange()
{
    const QString sizeText = FontSize->text();
    if (sizeText.isEmpty())
        return;
    QFont font = Panel2->font();
    font.setFamily(Fonts->currentText());
    // A size that is no number (yet) keeps the size shown.
    const int size = Delphi::strToIntDef(sizeText, 0);
    if (size > 0 && size <= 512)
        font.setPointSize(size);
    Panel2->setFont(font);
}

void OptionsEditorPage::ShowGutterCbxClick()
{
    const bool on = ShowGutterCbx->isChecked();
    GutterSizeLbl->setEnabled(on);
    GutterSizeEdField->setEnabled(on);
}

void OptionsEditorPage::panelGRTColorClick()
{
    pickColour(this, panelGRTColor);
}

void OptionsEditorPage::PanelBGColorClick()
{
    pickColour(this, PanelBGColor);
}
