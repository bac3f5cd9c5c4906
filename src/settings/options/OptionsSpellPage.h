#pragma once

#include <QWidget>

#include <functional>

class ColorPanel;
class OptionsSpellChecker;
class QCheckBox;
class QComboBox;

// The Options dialog's "Spell Checker" page: the dictionary language (with "Other.." for the
// dictionaries offered on the maker's home page), the checking boxes and the underline colour.
class OptionsSpellPage : public QWidget
{
    Q_OBJECT
public:
    // checker may be nullptr (no spell checker); documentOpen tells whether a document
    // window is open.
    OptionsSpellPage(OptionsSpellChecker *checker, std::function<bool()> documentOpen,
                     QWidget *parent = nullptr);

    // Creation: the languages of the dictionaries found, then "Other..".
    void fillLanguages();
    // Whether the box shows "Other.." (or any text holding "Other"): then OK leaves every
    // spell-checker setting alone.
    bool otherChosen() const;

    QComboBox *ComboBox1;  // "Dictionary language:"
    QCheckBox *CheckBox1;  // "Automatically spellcheck text in editor"
    QCheckBox *CheckBox7;  // "Ignore words with numbers in them"
    QCheckBox *CheckBox13; // "Ignore single characters"
    QCheckBox *CheckBox14; // "Show hourglass while searching"
    ColorPanel *Panel1;    // the underline colour

    // The question of "Other..".
    static QString otherDictionariesQuestion();

public slots:
    void ComboBox1Change();
    void Panel1Click();

private:
    OptionsSpellChecker *m_checker;
    std::function<bool()> m_documentOpen;
};
