#include "game_places.h"

#include <system_error>

namespace zupel {

std::filesystem::path installedDataFolder(const std::filesystem::path& programFolder) {
    // The installer leaves its uninstaller beside the program, its sounds and its help; the zip
    // never holds one.
    std::error_code error;
    if (!std::filesystem::is_regular_file(programFolder / "uninstall.exe", error)) return {};
    return programFolder;
}

}  // namespace zupel
