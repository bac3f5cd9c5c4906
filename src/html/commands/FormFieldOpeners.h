#pragma once

#include "html/widgets/WizardHost.h"

#include <QList>
#include <QPair>
#include <QString>

#include <functional>

class HtmlCommands;

// The openers of the wizards, by the handler names of the HTML tool buttons and Tools items:
// each call makes a new wizard owned by the main window and shows it.
namespace FormFieldOpeners {

QList<QPair<QString, std::function<void()>>> openers(const WizardHost &host);

// Hands every opener to the HTML commands, which enable the items and buttons bound to them.
void provideTo(HtmlCommands &commands, const WizardHost &host);

} // namespace FormFieldOpeners
