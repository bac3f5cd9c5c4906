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

// Whether an image folder name could lead outside the project folder: trimmed, it is an
// absolute path or holds "..". The project dialog refuses such a name; where one is met
// anyway, it stands for the project folder itself.
bool imageFolderLeadsOutside(const QString &name);

// How a wizard reads the project settings at the moment it needs them, and how the project
// dialog writes them back (both stand for the main window's state).
using ProjectGetter = std::function<ProjectSettings()>;
using ProjectSetter = std::function<void(const ProjectSettings &)>;
