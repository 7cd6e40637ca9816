#include "game_places.h"

#include <system_error>

#include "player_folders.h"

namespace zupel {

std::filesystem::path installedDataFolder(const std::filesystem::path& programFolder) {
    if (programFolder.filename() != "games") return {};
    const std::filesystem::path data = programFolder.parent_path() / "share" / "games" / "zupel";
    std::error_code error;
    // The help is part of every install, and never lies beside a program that is not installed.
    if (!std::filesystem::is_regular_file(data / "zupelhelp.hlp", error)) return {};
    return data;
}

GamePlaces findGamePlaces() {
    const GameFolder program = findGameFolder();
    const std::filesystem::path data = installedDataFolder(program.bytes);
    if (data.empty()) return {program, program};

    keepNewFilesPrivate();  // the copy is shared by every player; each slime is its player's
    const std::filesystem::path saves = playerDataFolder();
    if (saves.empty()) throw SaveFolderError{"~/.local/share/zupel", "no home folder is known"};
    std::error_code error;
    std::filesystem::create_directories(saves, error);
    if (error) throw SaveFolderError{saves.string(), error.message()};
    return {gameFolderAt(data), gameFolderAt(saves)};
}

}  // namespace zupel
