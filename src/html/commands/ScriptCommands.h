#pragma once

#include "html/widgets/WizardHost.h"

class HtmlCommands;

// The "Javascripts:" commands of the HTML tool tab (today's date, last modified, the two
// clocks of the clock pop-up) and the link wizard over the active document's selection.
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

// Hands the commands to the HTML commands, which enable the items and buttons bound to them.
void provideTo(HtmlCommands &commands, const WizardHost &host);

} // namespace ScriptCommands
