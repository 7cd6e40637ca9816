#include "game_places.h"

#include <system_error>

namespace zupel {

std::filesystem::path installedDataFolder(const std::filesystem::path& programFolder) {
    if (programFolder.filename() != "games") return {};
    const std::filesystem::path data = programFolder.parent_path() / "share" / "games" / "zupel";
    std::error_code error;
    // The help is part of every install, and never lies beside a program that is not installed.
    if (!std::filesystem::is_regular_file(data / "zupelhelp.hlp", error)) return {};
    return data;
}

}  // namespace zupel
