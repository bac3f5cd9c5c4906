#include "platform/SafeWrite.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeWrite {

namespace {

// Symbolic links followed before giving up, as the system itself does.
constexpr int MaxLinkHops = 40;

QString tr(const char *text)
{
    return QCoreApplication::translate("SafeWrite", text);
}

QString systemReason(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}

QString shown(const QByteArray &path)
{
    return QFile::decodeName(path);
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray bareNameOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

// The file a write to path really changes: symbolic links are followed to their final
// target, which need not exist yet.
bool resolveTarget(QByteArray path, QByteArray &target, QString *error)
{
    for (int hop = 0; hop <= MaxLinkHops; ++hop) {
        struct stat st;
        if (::lstat(path.constData(), &st) != 0) {
            if (errno != ENOENT) {
                if (error)
                    *error = systemReason(errno);
                return false;
            }
            target = path; // a new file (or a dangling link's target): made by the write
            return true;
        }
        if (!S_ISLNK(st.st_mode)) {
            target = path;
            return true;
        }
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(path.constData(), buffer, sizeof buffer);
        if (n < 0) {
            if (error)
                *error = systemReason(errno);
            return false;
        }
        const QByteArray link(buffer, n);
        path = link.startsWith('/') ? link : folderOf(path) + '/' + link;
    }
    if (error)
        *error = systemReason(ELOOP);
    return false;
}

bool writeAll(int fd, const QByteArray &bytes, off_t offset, int &err)
{
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::pwrite(fd, data, size_t(qMin<qint64>(left, 1 << 30)), offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            return false;
        }
        if (n == 0) {
            err = EIO;
            return false;
        }
        data += n;
        left -= n;
        offset += n;
    }
    return true;
}

// Syncs fd and checks that it holds exactly size bytes.
bool syncAndCheck(int fd, qint64 size, int &err)
{
    if (::fsync(fd) != 0 && errno != EINVAL) {
        err = errno;
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        err = errno;
        return false;
    }
    if (qint64(st.st_size) != size) {
        err = EIO;
        return false;
    }
    return true;
}

void syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd); // the file itself is on disk already; a folder that cannot sync is no failure
    ::close(fd);
}

QString folderReason(const QByteArray &folder, int err)
{
    if (err == EACCES || err == EPERM || err == EROFS)
        return tr("The folder %1 is read-only.").arg(shown(folder));
    return systemReason(err);
}

// A new, empty temporary file in folder, named after the target; -1 with err set on failure.
int createTemporary(const QByteArray &folder, const QByteArray &bareName, QByteArray &tempPath,
                    int &err)
{
    // Room for the dot, the suffix and the rest within a name's 255 bytes.
    const QByteArray stem = folder + "/." + bareName.left(200) + '.';
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = stem + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        // Mode 0666 less the umask: what a new file would get.
        const int fd = ::open(tempPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST) {
            err = errno;
            return -1;
        }
    }
    err = EEXIST;
    return -1;
}

// Writes bytes to a new temporary file beside target and syncs it. The file is left open
// in fd for the caller.
bool writeTemporary(const QByteArray &target, const QByteArray &bytes, const struct stat *old,
                    QByteArray &tempPath, int &fd, QString *error)
{
    int err = 0;
    const QByteArray folder = folderOf(target);
    fd = createTemporary(folder, bareNameOf(target), tempPath, err);
    if (fd < 0) {
        if (error)
            *error = folderReason(folder, err);
        return false;
    }
    if (old) {
        // Owner first: a change of owner clears the set-id bits the mode then restores.
        if (::fchown(fd, old->st_uid, old->st_gid) != 0) {
            // Only the superuser may give a file away; the file stays the writer's.
        }
        ::fchmod(fd, old->st_mode & 07777);
    }
    if (writeAll(fd, bytes, 0, err) && syncAndCheck(fd, bytes.size(), err))
        return true;
    if (error)
        *error = systemReason(err);
    ::close(fd);
    ::unlink(tempPath.constData());
    fd = -1;
    return false;
}

bool readAllFrom(const QByteArray &path, QByteArray &bytes, int &err)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        err = errno;
        return false;
    }
    bytes.clear();
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        bytes.append(buffer, n);
    }
    ::close(fd);
    return true;
}

// Puts bytes into the file open in fd from its start, cutting it to their length.
bool overwrite(int fd, const QByteArray &bytes, int &err)
{
    if (!writeAll(fd, bytes, 0, err))
        return false;
    if (::ftruncate(fd, off_t(bytes.size())) != 0) {
        err = errno;
        return false;
    }
    return syncAndCheck(fd, bytes.size(), err);
}

// A file with several hard links keeps its identity: its bytes are replaced in place.
bool replaceInPlace(const QByteArray &target, const QByteArray &bytes, const struct stat &old,
                    QString *error)
{
    QByteArray tempPath;
    int tempFd = -1;
    if (!writeTemporary(target, bytes, &old, tempPath, tempFd, error))
        return false;
    ::close(tempFd);
    auto dropTemporary = [&] { ::unlink(tempPath.constData()); };

    int err = 0;
    QByteArray previous;
    const int fd = ::open(target.constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0 || !readAllFrom(target, previous, err)) {
        if (error)
            *error = systemReason(fd < 0 ? errno : err);
        if (fd >= 0)
            ::close(fd);
        dropTemporary();
        return false;
    }
    // Room for the new bytes before the first old byte is overwritten, where the file
    // system can say so.
    if (bytes.size() > previous.size()
        && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(bytes.size())) != 0 && errno == ENOSPC) {
        if (error)
            *error = systemReason(ENOSPC);
        ::close(fd);
        dropTemporary();
        return false;
    }
    if (overwrite(fd, bytes, err)) {
        ::close(fd);
        dropTemporary();
        syncFolder(folderOf(target));
        return true;
    }
    QString reason = systemReason(err);
    int restoreErr = 0;
    if (!overwrite(fd, previous, restoreErr)) {
        // The old bytes could not be put back: the new ones stay in the temporary copy.
        reason += u' ' + tr("The new text is kept in %1.").arg(shown(tempPath));
        tempPath.clear();
    }
    ::close(fd);
    if (!tempPath.isEmpty())
        dropTemporary();
    if (error)
        *error = reason;
    return false;
}

bool replaceAtomically(const QByteArray &target, const QByteArray &bytes, const struct stat *old,
                       QString *error)
{
    QByteArray tempPath;
    int fd = -1;
    if (!writeTemporary(target, bytes, old, tempPath, fd, error))
        return false;
    int err = 0;
    if (::close(fd) != 0)
        err = errno;
    else if (::rename(tempPath.constData(), target.constData()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(tempPath.constData());
        if (error)
            *error = err == EACCES || err == EROFS ? folderReason(folderOf(target), err)
                                                   : systemReason(err);
        return false;
    }
    syncFolder(folderOf(target));
    return true;
}

} // namespace

bool replaceFile(const QString &fileName, const QByteArray &bytes, QString *error)
{
    if (fileName.isEmpty()) {
        if (error)
            *error = systemReason(ENOENT);
        return false;
    }
    QByteArray target;
    if (!resolveTarget(QFile::encodeName(fileName), target, error))
        return false;

    struct stat st;
    const bool exists = ::stat(target.constData(), &st) == 0;
    if (!exists && errno != ENOENT) {
        if (error)
            *error = systemReason(errno);
        return false;
    }
    if (exists) {
        if (S_ISDIR(st.st_mode)) {
            if (error)
                *error = tr("%1 is a folder.").arg(shown(target));
            return false;
        }
        if (!S_ISREG(st.st_mode)) {
            if (error)
                *error = tr("%1 is not a regular file.").arg(shown(target));
            return false;
        }
        // A write-protected file is not replaced behind its protection.
        if (::access(target.constData(), W_OK) != 0) {
            if (error)
                *error =
                    errno == EROFS ? folderReason(folderOf(target), EROFS) : systemReason(errno);
            return false;
        }
        if (st.st_nlink > 1)
            return replaceInPlace(target, bytes, st, error);
    }
    return replaceAtomically(target, bytes, exists ? &st : nullptr, error);
}

} // namespace SafeWrite
