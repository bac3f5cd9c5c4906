#include "settings/options/OptionsSpellPage.h"

#include "platform/DelphiStrings.h"
#include "platform/FileDialogs.h"
#include "platform/MakerWebPage.h"
#include "platform/NamedWidget.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"
#include "settings/options/ColorPanel.h"
#include "settings/options/OptionsSpellChecker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

OptionsSpellPage::OptionsSpellPage(OptionsSpellChecker *checker, std::function<bool()> documentOpen,
                                   QWidget *parent)
    : QWidget(parent), m_checker(checker), m_documentOpen(std::move(documentOpen))
{
    auto *group = named(new QGroupBox(QStringLiteral("Options:"), this), "GroupBox12");
    ComboBox1 = named(new QComboBox(group), "ComboBox1");
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setMinimumWidth(160);
    CheckBox1 =
        named(new QCheckBox(QStringLiteral("Automatically spellcheck text in editor"), group),
              "CheckBox1");
    CheckBox7 = named(new QCheckBox(QStringLiteral("Ignore words with numbers in them"), group),
                      "CheckBox7");
    CheckBox13 =
        named(new QCheckBox(QStringLiteral("Ignore single characters"), group), "CheckBox13");
    CheckBox14 =
        named(new QCheckBox(QStringLiteral("Show hourglass while searching"), group), "CheckBox14");
    Panel1 = named(new ColorPanel(QString(), group), "Panel1");
    Panel1->setColor(TColor::clRed);

    auto *grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("Dictionary language:"), group), 0, 0);
    grid->addWidget(ComboBox1, 0, 1);
    grid->addWidget(CheckBox1, 1, 0, 1, 3);
    grid->addWidget(CheckBox7, 2, 0, 1, 3);
    grid->addWidget(CheckBox13, 3, 0, 1, 3);
    grid->addWidget(CheckBox14, 4, 0, 1, 3);
    grid->addWidget(Panel1, 5, 0);
    grid->addWidget(new QLabel(QStringLiteral("(Spellcheck word underline color)"), group), 5, 1, 1,
                    2);
    grid->setColumnStretch(2, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();

    connect(ComboBox1, &QComboBox::activated, this, &OptionsSpellPage::ComboBox1Change);
    connect(Panel1, &ColorPanel::clicked, this, &OptionsSpellPage::Panel1Click);
}

void OptionsSpellPage::fillLanguages()
{
    QStringList languages;
    if (m_checker) {
        languages = m_checker->dictionaryLanguages();
        if (m_documentOpen && m_documentOpen())
            Panel1->setColor(m_checker->penColor());
    }
    languages.append(QStringLiteral("Other.."));
    const QString shown = ComboBox1->currentText();
    ComboBox1->clear();
    ComboBox1->addItems(languages);
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(shown);
}

bool OptionsSpellPage::otherChosen() const
{
    return Delphi::contains(ComboBox1->currentText(), QStringLiteral("Other"));
}

QString OptionsSpellPage::otherDictionariesQuestion()
{
    return QStringLiteral(
        "You can download dictionaries for the following languages from the program webpage: "
        "czech, danish, dutch, italian, japanese, latin, norwegian, polish, russian and turkish. "
        "Do you want to visit the program homepage to download one of these languages?");
}

void OptionsSpellPage::ComboBox1Change()
{
    if (!Delphi::contains(ComboBox1->currentText(), QStringLiteral("Other")))
        return;
    const int answer = Prompter::instance()->messageBox(
        this, QStringLiteral("Information"), otherDictionariesQuestion(), Prompter::Information,
        Prompter::YesButton | Prompter::NoButton);
    if (answer == Prompter::Yes)
        Shell::instance()->openUrl(QLatin1String(MakerWebPage));
}

void OptionsSpellPage::Panel1Click()
{
    QColor colour = Panel1->color().toQColor();
    if (m_checker && m_documentOpen && m_documentOpen())
        colour = m_checker->penColor().toQColor();
    if (FileDialogs::instance()->getColor(this, colour))
        Panel1->setColor(TColor::fromQColor(colour));
}
