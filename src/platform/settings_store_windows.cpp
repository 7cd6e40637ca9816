#include "settings_store.h"

namespace zupel {

QString SettingsStore::storeFile() {
    return {};
}

}  // namespace zupel
