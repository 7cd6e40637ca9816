#include "game_places.h"

#include <QStandardPaths>
#include <system_error>

#include "file_save_folder.h"

namespace zupel {

GamePlaces findGamePlaces() {
    const GameFolder program = findGameFolder();
    const std::filesystem::path data = installedDataFolder(program.bytes);
    if (data.empty()) return {program, program};

    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (own.isEmpty()) throw SaveFolderError{"~/.local/share/zupel", "no home folder is known"};
    const std::filesystem::path saves(own.toStdU16String());
    std::error_code error;
    std::filesystem::create_directories(saves, error);
    if (error) throw SaveFolderError{shownPath(saves), error.message()};
    return {gameFolderAt(data), gameFolderAt(saves)};
}

}  // namespace zupel
