#include "platform/FileLock.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock::FileLock(const QString &fileName)
{
    const QByteArray lockName = QFile::encodeName(fileName + QStringLiteral(".lock"));
    const int fd = ::open(lockName.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return;
    int rc;
    do
        rc = ::flock(fd, LOCK_EX);
    while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        ::close(fd);
        return;
    }
    m_fd = fd;
}

FileLock::~FileLock()
{
    // Closing the descriptor releases the lock. The lock file stays: removing it would let a
    // waiting writer lock a file that another has just made anew.
    if (m_fd >= 0)
        ::close(m_fd);
}
