#pragma once

#include "html/widgets/WizardHost.h"

class FeatureHost;
class HtmlCommands;

// The openers of the comment, table, list, frameset, font, object and horizontal-rule
// wizards, by the handler names of the HTML tool buttons and menu items. Each call makes a
// new wizard owned by the main window, shown in the middle of the screen and freed when it
// closes.
namespace HtmlWizardOpeners {

// Hands every opener to the HTML commands, which enable the items and buttons bound to them.
// The frameset wizard makes its documents through documents.
void provideTo(HtmlCommands &commands, const WizardHost &host, FeatureHost &documents);

} // namespace HtmlWizardOpeners
