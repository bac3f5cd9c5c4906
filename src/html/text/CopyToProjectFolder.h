#pragma once

#include "host/ProjectSettings.h"
#include "platform/FileDialogs.h"

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// How every HTML wizard treats a file the user picks for a page: with a project the file
// is copied into it and the page names it relatively; without one the page names the
// file's full local path and the user is warned.
namespace CopyToProjectFolder {

QString noProjectWarning();
QString noProsjectWarning(); // the random-image wizard's wording

enum class Target { ImageFolder, ProjectFolder };
enum class Existing { Overwrite, Keep };

struct Options {
    Target target = Target::ImageFolder;
    Existing existing = Existing::Overwrite;
    QString warningText = noProjectWarning();
    bool warningIcon = true;
};

// The text the page's field receives for the picked file (full path or bare name).
// Copies the file into the project when there is one; a failed copy is reported
// with the file's name.
QString run(QWidget *parent, const ProjectSettings &project, const QString &file,
            const Options &options = Options());

// The folder a target kind stands for (without a trailing "/"); the image folder is
// the project folder itself when its name is blank or could lead outside the project
// (imageFolderLeadsOutside).
QString targetFolder(const ProjectSettings &project, Target target);

// The path a page uses for a bare picture name in the image folder ("images/logo.gif",
// or the bare name when the image folder is the project folder itself).
QString imagePath(const ProjectSettings &project, const QString &bareName);

// Copies from to to without ever damaging to: the bytes go to a temporary file beside
// it, which then replaces it. Copying a file onto itself does nothing and succeeds.
// With Existing::Keep an existing to is left alone and the result is false.
bool copyFile(const QString &from, const QString &to, Existing existing, QString *error = nullptr);

// The open dialog filter of the picture pickers: GIF, JPEG, PNG.
QList<FileFilterEntry> pictureFilter();

// The open dialog of the picture pickers; empty when cancelled.
QString pickPicture(QWidget *parent);

} // namespace CopyToProjectFolder
