#pragma once

#include <QString>

class QLockFile;

// What taking the lock beside data.db came to.
struct FolderLockOutcome {
    enum Kind {
        Taken,
        // A window of this computer holds it.
        HeldByWindow,
        // A program of another computer sharing the folder wrote it; detail is its name.
        HeldByOtherComputer,
        // No lock could be made; detail is the system's reason.
        Failed,
    } kind;
    QString detail;
};

// Takes the lock for as long as the window is open. A lock no running program of this
// computer holds (its process gone, or empty or unreadable, as a power cut can leave it) is
// taken over; any other failure is reported, so the program never runs without the lock.
FolderLockOutcome takeFolderLock(QLockFile &lock, const QString &path);
