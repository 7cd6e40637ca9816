#include "small_file.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zupel {

// The checks are made on the opened file itself, so nothing can be swapped in between; opening
// without blocking keeps a FIFO from holding the caller up until a writer comes.
SmallFile readSmallFile(const QString& path, qint64 limit) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return {
            {},
            errno == ELOOP ? "it is a symbolic link, not the file itself" : std::strerror(errno)};
    }
    SmallFile file;
    struct stat info = {};
    if (::fstat(fd, &info) != 0) {
        file.refusal = std::strerror(errno);
    } else if (!S_ISREG(info.st_mode)) {
        file.refusal = "it is not an ordinary file";
    } else if (info.st_size > limit) {
        file.refusal = tooLarge(info.st_size, limit);
    } else {
        // The file may still grow while it is read; never more than the limit is taken.
        file.bytes.resize(static_cast<qsizetype>(limit) + 1);
        qsizetype filled = 0;
        while (filled < file.bytes.size()) {
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
