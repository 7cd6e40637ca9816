// A save file or the lock file that cannot be used ends the game with a clear report: a line on
// standard error and a message box naming the file, what failed and why. A copy without its
// sounds and help is told so the same way, and plays on.
#pragma once

#include <string>

#include "save_folder.h"

namespace zupel {

// Without a window (the display is gone) only the line on standard error is left.
void reportSaveFileFailure(const SaveFileError& error, bool withWindow = true);
// The lock file cannot be made or taken over (a read-only folder, a full disk, ...).
// `moveFolder`: the game folder cannot be written, and the player can move it elsewhere.
void reportLockFailure(const std::string& lockFile, const std::string& reason,
                       bool moveFolder = false);
// The folder of the running program, where the slime lives, cannot be named.
void reportNoGameFolder(const std::string& reason);
// The lock was made on another machine, where the game may be running on the same slime.
void reportLockOfOtherMachine(const std::string& lockFile, const std::string& host);
// The player's own folder for the slime cannot be made (an installed copy's first start).
void reportSaveFolderFailure(const std::string& folder, const std::string& reason);
// The program runs without its sounds and help (started from inside the zip): the game plays
// on once the player has read to unzip the whole folder.
void reportShippedFilesMissing();

}  // namespace zupel
