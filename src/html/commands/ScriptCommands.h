#pragma once

#include "html/widgets/WizardHost.h"

class HtmlCommands;

// The "Javascripts:" commands of the HTML tool tab (today's date, last modified, the two
// clocks of the clock pop-up) and the openers of the link wizard and the script wizards
// (random images, link menu, rollover, browser information).
namespace ScriptCommands {

// Todays date / Document last modified: the script at the active document's caret.
void SpeedButton56Click(const WizardHost &host);
void SpeedButton58Click(const WizardHost &host);
// Textfield clock: the clock's form at the caret and, once per page, the start call in the
// body tag and the function in the head.
void extfieldclock1Click(const WizardHost &host);
// Statusline clock: once per page, the start call and the function; nothing at the caret.
void Statuslineclock1Click(const WizardHost &host);
// Link..: the link wizard with the active document's selection as its link text.
void SpeedButton33Click(const WizardHost &host);

// Hands the commands and the wizards' openers to the HTML commands, which enable the items
// and buttons bound to them. Each opener call makes a new wizard owned by host.owner, shown
// in the middle of the screen and freed when it closes.
void provideTo(HtmlCommands &commands, const WizardHost &host);

} // namespace ScriptCommands
