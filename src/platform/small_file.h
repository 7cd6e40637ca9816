// Reading a small file the game ships beside itself (its help document) without ever waiting on
// something that is not one: a FIFO, a device or a link is refused before a byte is read, and so
// is a file larger than the caller can use.
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

// Reads `path` when it is an ordinary file (not a symbolic link) of at most `limit` bytes.
SmallFile readSmallFile(const QString& path, qint64 limit);

}  // namespace zupel
