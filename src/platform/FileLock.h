#pragma once

#include <QString>

// An advisory lock (flock) on the lock file beside a file ("<file>.lock"), held while the object
// lives. Writers that take it before they read, change and replace the file never interleave
// those steps, also across processes. When the lock file cannot be opened the object holds no
// lock and the caller goes on alone: the write that follows reports its own failure.
class FileLock
{
public:
    explicit FileLock(const QString &fileName);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    bool isLocked() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};
