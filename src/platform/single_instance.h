// Only one copy of the game may run: a lock file, zupel.lock, in the game folder. Only a lock
// held by a live copy on this machine means "already running"; a copy that crashed, or a lock
// file that cannot be read as one, is stale and taken over.
#pragma once

#include <QLockFile>
#include <QString>
#include <string>

namespace zupel {

class SingleInstance {
public:
    enum class Outcome {
        acquired,        // this copy runs the game
        runningHere,     // a live copy on this machine holds the lock
        maybeElsewhere,  // the lock was made on another machine (a shared or synced folder)
        failed,          // the lock file cannot be made at all (read-only folder, full disk, ...)
    };
    struct Result {
        Outcome outcome = Outcome::failed;
        std::string host;    // maybeElsewhere: the machine named in the lock
        std::string reason;  // failed: the system's reason
        bool folderReadOnly = false;  // failed: nothing may be written in the folder
    };

    explicit SingleInstance(const QString& folder);
    Result acquire();
    void release() { lock_.unlock(); }
    // The lock file's full name, for reports.
    const QString& path() const { return path_; }

private:
    // The system's own part (single_instance_linux.cpp, single_instance_windows.cpp).
    // The name QLockFile writes into a lock made on this machine.
    static QString thisMachine();
    // A failure with the system's reason why the lock file at `path` cannot be made.
    static Result whyNoLock(const QString& path);
    // Why what stands in the lock's place cannot serve as one, or "" when it can (an ordinary
    // file, or nothing yet).
    static std::string notALockFile(const QString& path);
    // Removes a lock file that cannot be read as a lock. Empty on success; otherwise why not.
    std::string takeOverUnreadable(Outcome& heldBy);

    QString path_;
    QLockFile lock_;
};

}  // namespace zupel
