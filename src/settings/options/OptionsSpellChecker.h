#pragma once

#include "platform/TColor.h"

#include <QString>
#include <QStringList>

class QWidget;

// What the Options dialog's "Spell Checker" page needs of the main window's spell checker.
// The composition root hands the dialog one over the program's checker.
class OptionsSpellChecker
{
public:
    enum Option { AutoSpellCheck, IgnoreWordsWithNumbers, IgnoreSingleChars, HourGlass };

    virtual ~OptionsSpellChecker() = default;
    // The languages of the dictionaries in the dictionary folder.
    virtual QStringList dictionaryLanguages() const = 0;
    virtual bool dictionaryExists(const QString &language) const = 0;
    // The language of the dictionary loaded; empty when none is.
    virtual QString currentLanguage() const = 0;
    virtual TColor penColor() const = 0;
    virtual void setPenColor(TColor colour) = 0;
    virtual void setOption(Option option, bool on) = 0;
    // Loads language's dictionary in place of the words in memory, telling the user why when
    // it cannot (the old words then stay).
    virtual bool loadDictionaryAsked(const QString &language, QWidget *parent) = 0;
};
