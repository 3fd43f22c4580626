#include "FolderLock.h"

#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include <cerrno>
#include <cstring>

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
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
        // Empty or unreadable, as a power cut can leave it. Qt removes it only when no program
        // holds it open, as a window does while it writes its lock.
        if (tookOver || !lock.removeStaleLockFile())
            return { FolderLockOutcome::HeldByWindow, QString() };
        tookOver = true;
    }
    return { FolderLockOutcome::Taken, QString() };
}
