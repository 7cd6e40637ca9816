#include "file_lookup.h"

#include <QDir>

namespace zupel {

QString findGameEntry(const QString& folder, const QString& name) {
    // QDir::System brings in FIFOs, sockets, devices and links to nothing; without QDir::Hidden
    // the listing leaves out hidden entries. Its name filter ignores letter case, as the look-up
    // must on every system.
    const QStringList found =
        QDir(folder).entryList({name}, QDir::Files | QDir::Dirs | QDir::System);
    if (found.contains(name)) return name;
    return found.isEmpty() ? QString() : found.first();
}

}  // namespace zupel
