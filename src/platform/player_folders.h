// The folders of the player who runs the game, where an installed copy keeps that player's own
// slime and every copy keeps the player's settings. On Linux they are the XDG base directories,
// taken byte for byte from the environment; a relative value is ignored, as the XDG rules ask,
// so the slime does not depend on the folder the game was started from.
#pragma once

#include <filesystem>

#include "game_folder.h"

namespace zupel {

// $XDG_DATA_HOME/zupel, or ~/.local/share/zupel (on Windows %APPDATA%\zupel); empty when no home
// folder is known.
std::filesystem::path playerDataFolder();

// $XDG_CONFIG_HOME/zupel, or ~/.config/zupel, which holds the settings file (Linux; Windows keeps
// the settings in the registry and names no folder). The same folder for the whole run.
GameFolder playerConfigFolder();

// From here on, the folders and files the game makes are the player's alone (0700 and 0600):
// the slime's name and the words it learned are nobody else's to read.
void keepNewFilesPrivate();

}  // namespace zupel
