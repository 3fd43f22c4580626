#include "FolderLock.h"

#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Whether a running program keeps the lock file open and locked, as every window does
// while it holds the lock. A lock being written this very moment is held too.
bool heldOpen(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd); // which also releases a lock taken just now
    return held;
}

} // namespace

FolderLockOutcome takeFolderLock(QLockFile &lock, const QString &path)
{
    // Held as long as the window is open, so never stale for its age alone.
    lock.setStaleLockTime(0);
    bool tookOver = false;
    while (!lock.tryLock(0)) {
        const int error = errno;
        if (lock.error() != QLockFile::LockFailedError)
            return { FolderLockOutcome::Failed, systemReason(error ? error : EIO) };
        if (QFileInfo(path).isDir())
            return { FolderLockOutcome::Failed, systemReason(EISDIR) };
        qint64 pid = 0;
        QString host, application;
        if (lock.getLockInfo(&pid, &host, &application)) {
            // Of this computer, its process is running: Qt takes a lock over when it is gone.
            if (!host.isEmpty() && host != QSysInfo::machineHostName())
                return { FolderLockOutcome::HeldByOtherComputer, host };
            return { FolderLockOutcome::HeldByWindow, QString() };
        }
        if (tookOver || heldOpen(path) || !lock.removeStaleLockFile())
            return { FolderLockOutcome::HeldByWindow, QString() };
        tookOver = true;
    }
    return { FolderLockOutcome::Taken, QString() };
}
