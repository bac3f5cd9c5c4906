#include "platform/FileLock.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

QString folderOf(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QString target = info.canonicalFilePath(); // empty when there is no such file yet
    return target.isEmpty() ? info.absolutePath() : QFileInfo(target).path();
}

} // namespace

FileLock::FileLock(const QString &fileName)
{
    const QByteArray folder = QFile::encodeName(folderOf(fileName));
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
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
    // Closing the descriptor releases the lock.
    if (m_fd >= 0)
        ::close(m_fd);
}
