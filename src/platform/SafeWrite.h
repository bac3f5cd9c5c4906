#pragma once

#include <QByteArray>
#include <QString>

// The one way the program replaces a file on disk. Nothing older is lost when a write fails:
//
// - An ordinary file (or a new one) is replaced atomically: the bytes go to a temporary file
//   in the same folder, every write is checked, the file is synced to disk and its size
//   verified, it takes the old file's permissions (and owner, where allowed), and only then
//   is it renamed over the target; the folder is synced after the rename.
// - A symbolic link is followed: its final target is replaced and the link stays a link.
// - A file with more than one hard link is written in place, so every name keeps seeing the
//   same file; the new bytes are first written and synced to a temporary copy beside it, and
//   when the write in place fails the old bytes are put back.
//
// On failure the target is untouched, no temporary file is left behind, and error holds the
// reason in the system's words ("No space left on device", "The folder ... is read-only").
namespace SafeWrite {

bool replaceFile(const QString &fileName, const QByteArray &bytes, QString *error = nullptr);

} // namespace SafeWrite
