#include "small_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace zupel {
namespace {

// What stands where the file should be, as the player is told.
std::string notAFile(mode_t mode) {
    if (S_ISLNK(mode)) return "it is a symbolic link, not the file itself";
    if (S_ISDIR(mode)) return "it is a folder, not a file";
    if (S_ISFIFO(mode)) return "it is a FIFO, not an ordinary file";
    if (S_ISSOCK(mode)) return "it is a socket, not an ordinary file";
    return "it is a device, not an ordinary file";
}

}  // namespace

// The checks are made on the opened file itself, so nothing can be swapped in between; opening
// without blocking keeps a FIFO from holding the caller up until a writer comes.
SmallFile readSmallFile(const QString& path, qint64 limit, Links links) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY |
                                                (links == Links::refused ? O_NOFOLLOW : 0));
    if (fd < 0) {
        const int error = errno;
        struct stat entry = {};  // a link or a socket cannot be opened: say which it is
        const int found = links == Links::refused ? ::lstat(name.constData(), &entry)
                                                  : ::stat(name.constData(), &entry);
        if (found == 0 && !S_ISREG(entry.st_mode)) return {{}, notAFile(entry.st_mode)};
        return {{}, std::strerror(error)};
    }
    SmallFile file;
    struct stat info = {};
    if (::fstat(fd, &info) != 0) {
        file.refusal = std::strerror(errno);
    } else if (!S_ISREG(info.st_mode)) {
        file.refusal = notAFile(info.st_mode);
    } else if (info.st_size > limit) {
        file.refusal = tooLarge(info.st_size, limit);
    } else if (info.st_size > 0) {
        // A file that says it is empty is not read: a pseudo-file such as /proc/kmsg would make
        // the reader wait for, or take away, what the system writes there. The file may still
        // grow while it is read; never more than the limit is taken.
        file.bytes.resize(static_cast<qsizetype>(info.st_size) + 1);
        qsizetype filled = 0;
        for (;;) {
            if (filled == file.bytes.size()) {
                if (filled > limit) break;
                file.bytes.resize(
                    std::min<qsizetype>(2 * filled, static_cast<qsizetype>(limit) + 1));
            }
            const ssize_t got = ::read(fd, file.bytes.data() + filled,
                                       static_cast<size_t>(file.bytes.size() - filled));
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) file.refusal = std::strerror(errno);
            if (got <= 0) break;
            filled += got;
        }
        if (filled > limit) file.refusal = tooLarge(filled, limit);
        file.bytes.resize(file.refusal.empty() ? filled : 0);
    }
    ::close(fd);
    return file;
}

}  // namespace zupel
