// A save file that cannot be opened, read, written or deleted ends the game with a clear
// report: a line on standard error and a message box naming the file, what failed and why.
#pragma once

#include "save_folder.h"

namespace zupel {

void reportSaveFileFailure(const SaveFileError& error);

}  // namespace zupel
