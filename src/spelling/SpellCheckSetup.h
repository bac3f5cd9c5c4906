#pragma once

#include <QString>

class AppSettings;
class QObject;
class QWidget;
class TSpellCheck;

namespace SpellCheckSetup {

// The main window's spell checker "SpellChecker1" as the window creates it: sound-key
// suggestions (Soundex), as-you-type checking, hidden caret and hourglass during the check,
// single characters and words with digits ignored, case kept in suggestions, the unknown
// word selected, the check started at the caret, suggestions on.
TSpellCheck *createMainSpellChecker(QObject *parent);

// Start-up: points the checker at programFolder + "dictionaries/" (dictionaries and user
// lists), loads the dictionary named by "SpellCheck" "DictLanguage" when that folder holds
// any, then applies the pen colour and the four options kept in the settings file. A
// dictionary that cannot be loaded leaves the checker without it; the rest still applies.
// Returns the reason the dictionary was not loaded, or an empty text.
QString applyStartupSettings(TSpellCheck &checker, const AppSettings &settings,
                             const QString &programFolder);

// Loads the dictionary of language when the user asked for it (the Options dialog), its words
// in place of those in memory: when it cannot be loaded, the checker keeps what it had and the
// user is told why.
bool loadDictionaryAsked(TSpellCheck &checker, const QString &language, QWidget *parent);

} // namespace SpellCheckSetup
