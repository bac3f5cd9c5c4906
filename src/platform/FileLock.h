#pragma once

#include <QString>

// An exclusive advisory lock (flock) on the folder that holds a file (for a symbolic link, the
// folder of the file it finally names, which is the file a write replaces), held while the
// object lives. Writers that take it before they read, change and replace a file never
// interleave those steps, also across processes; a waiting writer sleeps until the lock is
// released.
// Nothing is created on disk, and the system drops the lock of a process that dies, so no
// stale lock is ever left. The lock covers every file of the folder: one thread must not hold
// two of them at once (the second would wait for the first for ever). When the folder cannot
// be opened or locked the object holds no lock and the caller goes on alone: the write that
// follows reports its own failure.
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
