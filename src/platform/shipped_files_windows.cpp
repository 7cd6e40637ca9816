#include <QDir>

#include "file_lookup.h"
#include "shipped_files.h"

namespace zupel {

bool shippedFilesMissing(const QString& folder) {
    return findGameEntry(folder, "zupelhelp.hlp").isEmpty() ||
           QDir(folder).entryList({"*.wav"}, QDir::Files).isEmpty();
}

}  // namespace zupel
