#pragma once

#include "html/CopyToProjectFolder.h"

#include <QList>
#include <QPair>
#include <QString>
#include <functional>

class HtmlCommands;
class QWidget;

// What the form-field and image tag wizards need of the main window.
struct WizardHost {
    QWidget *owner = nullptr;                        // the main window
    std::function<void(const QString &)> insertText; // SkrivTekstenTilEditor
    ProjectGetter project; // ProjectFolder and ImageFolder, read when used
};

// The openers of the wizards, by the handler names of the HTML tool buttons and Tools items:
// each call makes a new wizard owned by the main window and shows it.
namespace FormFieldOpeners {

QList<QPair<QString, std::function<void()>>> openers(const WizardHost &host);

// Hands every opener to the HTML commands, which enable the items and buttons bound to them.
void provideTo(HtmlCommands &commands, const WizardHost &host);

} // namespace FormFieldOpeners
