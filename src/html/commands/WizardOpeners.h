#pragma once

#include "html/widgets/WizardHost.h"

#include <QList>
#include <QPair>
#include <QString>

#include <functional>

class FeatureHost;
class HtmlCommands;

// The openers of the HTML wizards (form fields, image, comment, table, lists, selection list,
// frameset, font, object, horizontal rule and the script wizards), by the handler names of the
// HTML tool buttons and menu items. Each call makes a new wizard owned by host.owner, shows it
// (in the middle of the screen, the image wizard where it stands) and frees it when it closes.
namespace WizardOpeners {

// The frameset wizard makes its documents through documents.
QList<QPair<QString, std::function<void()>>> openers(const WizardHost &host,
                                                     FeatureHost &documents);

// Hands every opener to the HTML commands, which enable the items and buttons bound to them.
void provideTo(HtmlCommands &commands, const WizardHost &host, FeatureHost &documents);

} // namespace WizardOpeners
