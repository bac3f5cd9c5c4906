#pragma once

class SpellCheckCommands;
class TMainForm;
class TSpellCheck;

// The main window's spell checker "SpellChecker1" and what joins it to the window: the
// "Spell check.." command of the Search menu and "Spellcheck document.." of every document
// pop-up, the checker's editor following the active document window, the spell-check dialog.
namespace MainSpellCheck {

// The main window's checker, made with its commands and links on first use.
TSpellCheck *spellChecker(TMainForm *main);
SpellCheckCommands *commands(TMainForm *main);

// The start-up step of the one-shot timer: folders, dictionary, pen colour and options
// from the settings file.
void setUp(TMainForm *main);

// Makes the program's spell-check dialog SpellCheckFrm (hidden until used).
void createDialog(TMainForm *main);

} // namespace MainSpellCheck
