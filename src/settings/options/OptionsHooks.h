#pragma once

#include <QString>

#include <functional>

class QWidget;

// What the Options dialog asks of the main window beyond the host interface; the composition
// root fills these. An empty hook does nothing.
struct OptionsHooks {
    // The folder dialog "Select directory" from start; empty when it was cancelled.
    std::function<QString(QWidget *parent, const QString &start)> chooseFolder;
    // Loads the colour file of the active document's type into its highlighter.
    std::function<void()> updateColorsInEditor;
    // Makes the main window's code-template list again from "completion/auto.cmp".
    std::function<void()> lagNyCompletionListe;
    // Applies the shortcut table to the main menu.
    std::function<void()> loadShortcuts;
    // The user-defined languages in the main window: a language's items put at the top of the
    // two "Custom language document" submenus or taken out of them, the file filter built
    // again (the explorer's filter box follows), and the "(empty)" items shown while the
    // submenus hold no language.
    std::function<void(const QString &name)> addLanguageItems;
    std::function<void(const QString &name)> removeLanguageItems;
    std::function<void()> updateFilesFilter;
    std::function<void()> updateEmptyLanguageItems;
};
