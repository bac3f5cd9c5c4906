#pragma once

#include "html/text/CopyToProjectFolder.h"

#include <QString>

#include <functional>

class EditorAdapter;
class QWidget;

// What the HTML wizards need of the main window. Each is read when the wizard uses it, so a
// wizard works on whatever document is active when its OK is pressed.
struct WizardHost {
    QWidget *owner = nullptr;                        // the main window
    std::function<void(const QString &)> insertText; // SkrivTekstenTilEditor
    ProjectGetter project; // ProjectFolder and ImageFolder, read when used
    // The active document's editor (its caret line, selection and caret); nullptr when no
    // document is open.
    std::function<EditorAdapter *()> activeEditor = {};
};
