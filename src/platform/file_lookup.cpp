#include "file_lookup.h"

#include <QDir>

namespace zupel {

QString findOrdinaryFile(const QString& folder, const QString& name) {
    // Without QDir::Hidden and QDir::System the listing leaves out hidden files and devices;
    // its name filter ignores letter case, as the look-up must on every system.
    const QStringList found = QDir(folder).entryList({name}, QDir::Files);
    if (found.contains(name)) return name;
    return found.isEmpty() ? QString() : found.first();
}

}  // namespace zupel
