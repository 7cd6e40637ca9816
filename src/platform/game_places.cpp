#include "game_places.h"

#include <system_error>

#include "file_save_folder.h"
#include "player_folders.h"

namespace zupel {

GamePlaces findGamePlaces() {
    const GameFolder program = findGameFolder();
    const std::filesystem::path data = installedDataFolder(program.bytes);
    if (data.empty()) return {program, program};

    keepNewFilesPrivate();  // the copy is shared by every player; each slime is its player's
    const std::filesystem::path saves = playerDataFolder();
    if (saves.empty()) throw SaveFolderError{"~/.local/share/zupel", "no home folder is known"};
    std::error_code error;
    std::filesystem::create_directories(saves, error);
    if (error) throw SaveFolderError{shownPath(saves), error.message()};
    return {gameFolderAt(data), gameFolderAt(saves)};
}

}  // namespace zupel
