#include "single_instance.h"

#include <QDir>
#include <QFileInfo>

namespace zupel {
namespace {

constexpr qint64 kLargestLock = 64 * 1024;  // a lock holds a process number and two names

}  // namespace

SingleInstance::SingleInstance(const QString& folder)
    : path_(QDir(folder).filePath("zupel.lock")), lock_(path_) {
    lock_.setStaleLockTime(0);  // held for hours: only a dead owner makes it stale
}

SingleInstance::Result SingleInstance::acquire() {
    if (std::string why = notALockFile(path_); !why.empty()) return {Outcome::failed, {}, why};
    // A second try covers a stale file taken over, or a holder that let go in between.
    for (int attempt = 0; attempt < 3; ++attempt) {
        // QLockFile reads a lock's lines to their end, so a file far larger than any lock (an
        // 8 GB sparse one) would be read whole before the window opens. No copy of the game
        // writes one: it is taken over like any other lock that cannot be read.
        const bool readable = QFileInfo(path_).size() <= kLargestLock;
        if (readable && lock_.tryLock(0)) return {Outcome::acquired, {}, {}};
        if (readable && lock_.error() != QLockFile::LockFailedError) {
            return whyNoLock(path_);
        }
        qint64 pid = 0;
        QString host;
        QString application;
        if (readable && lock_.getLockInfo(&pid, &host, &application)) {
            // QLockFile has already taken over a lock of a dead copy on this machine, so a
            // readable lock from here is a live copy's. Another machine's copy cannot be seen.
            if (!host.isEmpty() && host != thisMachine()) {
                return {Outcome::maybeElsewhere, host.toStdString(), {}};
            }
            return {Outcome::runningHere, {}, {}};
        }
        Outcome heldBy = Outcome::acquired;
        const std::string why = takeOverUnreadable(heldBy);
        if (heldBy == Outcome::runningHere) return {Outcome::runningHere, {}, {}};
        if (!why.empty()) return {Outcome::failed, {}, why};
    }
    return {Outcome::runningHere, {}, {}};  // it keeps coming back: another copy is starting
}

}  // namespace zupel
