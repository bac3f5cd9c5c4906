#pragma once

#include <QString>
#include <QTemporaryDir>

// A small tmpfs of its own for tests of full and read-only disks. Mounting needs the
// superuser (the CI runs tests as root); isMounted() is false, with reason() saying why,
// where that is not allowed, and the test skips.
class SmallFileSystem
{
public:
    explicit SmallFileSystem(int kilobytes = 256);
    ~SmallFileSystem();

    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool isMounted() const { return m_mounted; }
    QString reason() const { return m_reason; }
    // The mount point, ending in "/".
    QString path() const;
    QString filePath(const QString &name) const { return path() + name; }

    // Takes every free byte (a filler file); release() gives them back.
    bool fill();
    void release();
    // Mounts the file system read-only (true) or writable again (false).
    bool setReadOnly(bool readOnly);

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_reason;
    int m_kilobytes;
};
