#include "game_folder.h"

#include <QFile>

#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace zupel {
namespace {

// The kernel's own record of the running executable, byte for byte. A program started through
// a path longer than the system's limit has none, and no other folder may stand in for its own.
std::filesystem::path executablePath() {
    std::string buffer(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0 && errno != ENAMETOOLONG) {
        throw GameFolderError(std::string("/proc/self/exe: ") + std::strerror(errno));
    }
    if (length < 0 || static_cast<std::size_t>(length) >= buffer.size()) {
        throw GameFolderError("the program's path is longer than the system's limit of " +
                              std::to_string(PATH_MAX) +
                              " bytes; start it from a folder with a shorter path");
    }
    buffer.resize(static_cast<std::size_t>(length));
    if (!buffer.starts_with('/')) throw GameFolderError("the program lies out of reach: " + buffer);
    return buffer;
}

// Qt names files by QString, and bytes that are not valid UTF-8 do not survive the trip. An
// open directory stays reachable by a name made only of digits, for as long as the game runs.
QString nameThroughOpenFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return QFile::decodeName(QByteArray::fromStdString(folder.string()));
    return QString("/proc/self/fd/%1").arg(fd);
}

}  // namespace

GameFolder gameFolderAt(const std::filesystem::path& folder) {
    const QByteArray bytes = QByteArray::fromStdString(folder.string());
    const QString decoded = QFile::decodeName(bytes);
    if (QFile::encodeName(decoded) == bytes) return {folder, decoded};
    return {folder, nameThroughOpenFolder(folder)};
}

GameFolder findGameFolder() {
    return gameFolderAt(executablePath().parent_path());
}

}  // namespace zupel
