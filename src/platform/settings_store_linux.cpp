#include "settings_store.h"

#include <QStandardPaths>

namespace zupel {

QString SettingsStore::storeFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/zupel/zupel.conf";
}

}  // namespace zupel
