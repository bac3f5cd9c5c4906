#pragma once

#include <QString>

#include <functional>

// The HTML project of the main window: chosen in the project folder dialog, read by the
// wizards whenever they pick a file or build their text. Not stored in the settings file;
// it lasts until the program ends.
struct ProjectSettings {
    QString projectFolder;                          // full path; empty: no project chosen
    QString imageFolder = QStringLiteral("images"); // name of the image folder inside it
};

// How a wizard reads the project settings at the moment it needs them, and how the project
// dialog writes them back (both stand for the main window's state).
using ProjectGetter = std::function<ProjectSettings()>;
using ProjectSetter = std::function<void(const ProjectSettings &)>;
