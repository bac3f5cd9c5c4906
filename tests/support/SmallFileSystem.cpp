#include "SmallFileSystem.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {
const char kFiller[] = ".filler";

QByteArray options(int kilobytes)
{
    return "size=" + QByteArray::number(kilobytes) + "k,mode=0777";
}
} // namespace

SmallFileSystem::SmallFileSystem(int kilobytes) : m_kilobytes(kilobytes)
{
    const QByteArray target = QFile::encodeName(m_dir.path());
    if (::mount("tmpfs", target.constData(), "tmpfs", 0, options(kilobytes).constData()) == 0)
        m_mounted = true;
    else
        m_reason = QStringLiteral("mounting a tmpfs is not permitted here (%1)")
                       .arg(QString::fromLocal8Bit(std::strerror(errno)));
}

SmallFileSystem::~SmallFileSystem()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

QString SmallFileSystem::path() const
{
    return m_dir.path() + u'/';
}

bool SmallFileSystem::fill()
{
    const int fd = ::open(QFile::encodeName(filePath(QLatin1String(kFiller))).constData(),
                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    static const char block[4096] = {};
    for (size_t chunk = sizeof block; chunk > 0;) {
        if (::write(fd, block, chunk) < 0) {
            if (errno != ENOSPC)
                break;
            chunk /= 2; // the last few bytes go in smaller pieces
        }
    }
    ::close(fd);
    return true;
}

void SmallFileSystem::release()
{
    QFile::remove(filePath(QLatin1String(kFiller)));
}

bool SmallFileSystem::setReadOnly(bool readOnly)
{
    const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
    return ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", flags,
                   options(m_kilobytes).constData())
        == 0;
}
