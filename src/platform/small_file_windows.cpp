#include "small_file.h"

#include <QFile>
#include <QFileInfo>

namespace zupel {

SmallFile readSmallFile(const QString& path, qint64 limit, Links links) {
    const QFileInfo info(path);
    if (links == Links::refused && info.isSymLink())
        return {{}, "it is a link, not the file itself"};
    if (!info.isFile()) return {{}, "it is not an ordinary file"};
    if (info.size() > limit) return {{}, tooLarge(info.size(), limit)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {{}, file.errorString().toStdString()};
    SmallFile read{file.read(limit + 1), {}};
    if (read.bytes.size() > limit) return {{}, tooLarge(read.bytes.size(), limit)};
    return read;
}

}  // namespace zupel
