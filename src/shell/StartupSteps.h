#pragma once

#include <functional>
#include <memory>

class TMainForm;
class UserLanguages;

// What the composition root puts into the main window, as the window's own code calls it: the
// steps of start-up that belong to the features, by name, and the user-defined languages.
class StartupSteps
{
public:
    virtual ~StartupSteps() = default;

    // The window's constructor, once its menus and panels stand: every feature with its menus,
    // tool tabs and pop-up items. The other steps run after it.
    virtual void installFeatures() = 0;
    // Creation, in this order.
    virtual void LoadCustomLanglistFromFile() = 0; // user-defined languages in the New menus
    virtual void LagNyCompletionListe() = 0;       // the code-template list
    virtual void showTipWindow() = 0;              // the tip of the day
    virtual void LoadShortcuts() = 0;              // the shortcut table
    virtual void restartFlatMenu() = 0;            // the menu styling
    // The one-shot start-up timer.
    virtual void setUpSpellChecker() = 0;
    // The program block, once the window is made: the hidden forms of the features.
    virtual void createHiddenForms() = 0;

    // The user-defined languages of the file filter, new documents and loading; usable from
    // installFeatures() on.
    virtual UserLanguages &userLanguages() = 0;
};

// Makes the composition root of a main window; the window's constructor calls it once, before
// installFeatures(), and owns what it returns until the window goes.
using StartupStepsFactory = std::function<std::unique_ptr<StartupSteps>(TMainForm &)>;
