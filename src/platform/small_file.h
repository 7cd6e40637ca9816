// Reading a small file from outside the game (its help document, the player's room picture)
// without ever waiting on something that is not one: a FIFO, a device or a socket is refused
// before a byte is read, and so is a file larger than the caller can use.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

namespace zupel {

struct SmallFile {
    QByteArray bytes;
    std::string refusal;  // empty when `bytes` is the whole file; otherwise why it was not read
};

// Why a file of `size` bytes is not read, when the caller reads at most `limit`.
inline std::string tooLarge(qint64 size, qint64 limit) {
    return "it holds " + std::to_string(size) + " bytes, more than the " + std::to_string(limit) +
           " the game reads";
}

enum class Links { refused, followed };

// Reads `path` when it is an ordinary file of at most `limit` bytes; a symbolic link is refused
// unless `links` says to follow it. A file that reports no size at all is taken as empty.
SmallFile readSmallFile(const QString& path, qint64 limit, Links links = Links::refused);

}  // namespace zupel
