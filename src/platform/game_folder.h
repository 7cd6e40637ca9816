// The game folder: the folder that holds the running program, where the save files, the lock,
// the sounds and the help live. It is found from the bytes of the executable's path, whatever
// they are, so a folder whose name is not valid UTF-8 is still the game's own folder.
#pragma once

#include <QString>
#include <filesystem>
#include <stdexcept>

namespace zupel {

struct GameFolder {
    std::filesystem::path bytes;  // the folder's own name, byte for byte (the save files)
    QString forQt;                // a name by which Qt's file functions reach the same folder
};

// The running program's folder cannot be named (its path is longer than the system allows, or it
// lies outside what the game can see). The game must not play in any other folder.
struct GameFolderError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Throws GameFolderError.
GameFolder findGameFolder();
// The same for a folder given by its bytes (`findGameFolder` uses it; tests call it directly).
GameFolder gameFolderAt(const std::filesystem::path& folder);

}  // namespace zupel
