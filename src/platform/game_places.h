// Where a copy of the game keeps what. An installed copy (on Linux the program in PREFIX/games,
// its sounds and help in PREFIX/share/games/zupel, where Debian keeps games; on Windows the
// installer's folder, with the uninstaller beside the program) keeps each player's slime, its
// save files and its lock in that player's own data folder (~/.local/share/zupel,
// %APPDATA%\zupel), where no upgrade or uninstall reaches. Any other copy (the build folder, an
// unpacked folder) keeps everything beside the program, so a portable folder stays portable.
// The layout alone decides; nothing is tried out by writing.
#pragma once

#include <filesystem>
#include <string>

#include "game_folder.h"

namespace zupel {

// The folder where an installed copy keeps its sounds and help, when the copy in `programFolder`
// is laid out as installed (game_places_linux.cpp, game_places_windows.cpp); empty for a
// portable copy.
std::filesystem::path installedDataFolder(const std::filesystem::path& programFolder);

struct GamePlaces {
    GameFolder data;   // the sounds and the help
    GameFolder saves;  // the slime's save files and the lock
};

// Thrown when an installed copy cannot make the player's data folder.
struct SaveFolderError {
    std::string folder;
    std::string reason;
};

// Call once a QCoreApplication with the game's application name exists. An installed copy makes
// the player's data folder on its first start.
GamePlaces findGamePlaces();

}  // namespace zupel
