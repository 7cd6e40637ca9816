#include "small_file.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace zupel {
namespace {

std::string tooLarge(qint64 size, qint64 limit) {
    return "it holds " + std::to_string(size) + " bytes, more than the " + std::to_string(limit) +
           " the game reads";
}

}  // namespace

#ifdef Q_OS_UNIX
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
#else
SmallFile readSmallFile(const QString& path, qint64 limit) {
    const QFileInfo info(path);
    if (info.isSymLink()) return {{}, "it is a link, not the file itself"};
    if (!info.isFile()) return {{}, "it is not an ordinary file"};
    if (info.size() > limit) return {{}, tooLarge(info.size(), limit)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {{}, file.errorString().toStdString()};
    SmallFile read{file.read(limit + 1), {}};
    if (read.bytes.size() > limit) return {{}, tooLarge(read.bytes.size(), limit)};
    return read;
}
#endif

}  // namespace zupel
