#include "game_places.h"

#include <QFile>
#include <QStandardPaths>
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

GamePlaces findGamePlaces() {
    const GameFolder program = findGameFolder();
    const std::filesystem::path data = installedDataFolder(program.bytes);
    if (data.empty()) return {program, program};

    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (own.isEmpty()) throw SaveFolderError{"~/.local/share/zupel", "no home folder is known"};
    const std::filesystem::path saves(QFile::encodeName(own).toStdString());
    std::error_code error;
    std::filesystem::create_directories(saves, error);
    if (error) throw SaveFolderError{saves.string(), error.message()};
    return {gameFolderAt(data), gameFolderAt(saves)};
}

}  // namespace zupel
