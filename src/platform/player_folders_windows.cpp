#include <QStandardPaths>

#include "player_folders.h"

namespace zupel {

std::filesystem::path playerDataFolder() {
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return own.isEmpty() ? std::filesystem::path() : std::filesystem::path(own.toStdWString());
}

GameFolder playerConfigFolder() {
    return {};  // the settings live in the registry
}

void keepNewFilesPrivate() {
    // The player's profile, which holds the data folder, is the player's alone already.
}

}  // namespace zupel
