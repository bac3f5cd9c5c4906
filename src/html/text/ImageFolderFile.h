#pragma once

#include "host/ProjectSettings.h"

#include <QString>
#include <QStringList>

// The picture file an entry of the random-image list stands for, when the wizard may offer
// to delete it from the disk.
namespace ImageFolderFile {

// The full path (links followed) of the file entry names in the project's image folder (as
// CopyToProjectFolder::targetFolder finds it); empty when no project is chosen, when
// entry is empty, absolute or holds "..", or when it does not resolve to an existing file
// inside that folder.
QString resolve(const ProjectSettings &project, const QString &entry);

// resolve() of entry, unless another of entries (which holds entry itself once) names the
// same file; empty then.
QString deletable(const ProjectSettings &project, const QString &entry, const QStringList &entries);

// The question asked before the file at path is deleted.
QString deleteQuestion(const QString &path);
// The message for a file that could not be deleted.
QString cannotDeleteText(const QString &path, const QString &reason);

} // namespace ImageFolderFile
