#include "single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSysInfo>
#include <cerrno>
#include <cstring>

namespace zupel {
namespace {

SingleInstance::Result failure(int error) {
    const bool readOnly = error == EACCES || error == EPERM || error == EROFS;
    return {SingleInstance::Outcome::failed, {}, std::strerror(error), readOnly};
}

}  // namespace

// The name QLockFile writes into a lock for this machine.
QString SingleInstance::thisMachine() {
    return QSysInfo::machineHostName();
}

// QLockFile tells only "permission" or "unknown"; the system's own words come from trying the
// same steps again: create the file, write a lock's worth of bytes, and clean up.
SingleInstance::Result SingleInstance::whyNoLock(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return failure(errno);
    const QByteArray probe = QByteArray::number(::getpid()) + '\n' + "zupel\n" +
                             thisMachine().toUtf8() + '\n';
    errno = 0;
    const bool written =
        ::write(fd, probe.constData(), probe.size()) == probe.size() && ::fsync(fd) == 0;
    const int error = errno != 0 ? errno : ENOSPC;  // a short write: the disk is full
    ::close(fd);
    ::unlink(name.constData());
    if (!written) return failure(error);
    return {Outcome::failed, {}, "the lock file could not be written"};
}

// Anything but an ordinary file never reaches QLockFile: it would wait for ever on a FIFO, and
// take a link to nothing for the lock of a live copy.
std::string SingleInstance::notALockFile(const QString& path) {
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

}  // namespace zupel
