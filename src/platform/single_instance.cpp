#include "single_instance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace zupel {
namespace {

constexpr qint64 kLargestLock = 64 * 1024;  // a lock holds a process number and two names

// The name QLockFile writes into a lock for this machine. On Windows that is the computer's own
// name (upper case, 15 letters at most), not the host name QSysInfo gives.
QString thisMachine() {
#ifdef Q_OS_WIN
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    return GetComputerNameW(name, &length) ? QString::fromWCharArray(name, length) : QString();
#else
    return QSysInfo::machineHostName();
#endif
}

#ifdef Q_OS_UNIX
// QLockFile tells only "permission" or "unknown"; the system's own words come from trying the
// same steps again: create the file, write a lock's worth of bytes, and clean up.
std::string whyNoLock(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return std::strerror(errno);
    const QByteArray probe = QByteArray::number(::getpid()) + '\n' + "zupel\n" +
                             thisMachine().toUtf8() + '\n';
    errno = 0;
    const bool written =
        ::write(fd, probe.constData(), probe.size()) == probe.size() && ::fsync(fd) == 0;
    const int error = errno != 0 ? errno : ENOSPC;  // a short write: the disk is full
    ::close(fd);
    ::unlink(name.constData());
    if (!written) return std::strerror(error);
    return "the lock file could not be written";
}

// Why what stands in the lock's place cannot serve as one, or "" when it can (an ordinary file,
// or nothing yet). Anything else never reaches QLockFile: it would wait for ever on a FIFO, and
// take a link to nothing for the lock of a live copy.
std::string notALockFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat entry = {};
    if (::lstat(name.constData(), &entry) != 0) return {};
    if (::stat(name.constData(), &entry) != 0) {
        return errno == ENOENT ? "Is a symbolic link to nothing" : std::strerror(errno);
    }
    if (S_ISREG(entry.st_mode)) return {};
    if (S_ISDIR(entry.st_mode)) return std::strerror(EISDIR);
    if (S_ISFIFO(entry.st_mode)) return "Is a FIFO, not an ordinary file";
    if (S_ISSOCK(entry.st_mode)) return "Is a socket, not an ordinary file";
    return "Is a device, not an ordinary file";
}
#else
std::string whyNoLock(const QString&) {
    return "the lock file could not be made";
}
std::string notALockFile(const QString&) {
    return {};
}
#endif

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
            return {Outcome::failed, {}, whyNoLock(path_)};
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

#ifdef Q_OS_UNIX
// An empty or garbled lock is what a crash while it was being written leaves behind. A live
// copy holds a kernel lock on its lock file, so a file nobody holds that way is safe to remove.
std::string SingleInstance::takeOverUnreadable(Outcome& heldBy) {
    const QByteArray name = QFile::encodeName(path_);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno == ENOENT ? std::string() : std::strerror(errno);
    std::string why;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            heldBy = Outcome::runningHere;  // a copy is writing it right now
        } else {
            why = std::strerror(errno);
        }
    } else if (::unlink(name.constData()) != 0 && errno != ENOENT) {
        why = std::strerror(errno);
    }
    ::close(fd);
    return why;
}
#else
std::string SingleInstance::takeOverUnreadable(Outcome&) {
    return lock_.removeStaleLockFile() ? std::string() : "the stale lock file cannot be removed";
}
#endif

}  // namespace zupel
