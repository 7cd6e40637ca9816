#include "player_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace zupel {
namespace {

// $HOME when it names a folder absolutely, otherwise the home of the player's own account.
std::filesystem::path homeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return home;
    const passwd* account = ::getpwuid(::getuid());
    if (account != nullptr && account->pw_dir != nullptr && account->pw_dir[0] == '/') {
        return account->pw_dir;
    }
    return {};
}

// A base directory: the variable when it holds an absolute path, otherwise its place under home.
std::filesystem::path baseFolder(const char* variable, const char* underHome) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/') return value;
    const std::filesystem::path home = homeFolder();
    return home.empty() ? home : home / underHome;
}

// Makes each missing folder of `path` with mode 0700; folders that exist keep theirs.
void makeMissingFolders(const std::filesystem::path& path) {
    std::filesystem::path folder;
    for (const std::filesystem::path& part : path) {
        folder /= part;
        ::mkdir(folder.c_str(), 0700);  // an existing one, or one that cannot be made, is left
    }
}

}  // namespace

std::filesystem::path playerDataFolder() {
    const std::filesystem::path base = baseFolder("XDG_DATA_HOME", ".local/share");
    return base.empty() ? base : base / "zupel";
}

GameFolder playerConfigFolder() {
    static const GameFolder folder = [] {
        const std::filesystem::path base = baseFolder("XDG_CONFIG_HOME", ".config");
        if (base.empty()) return GameFolder{};
        // Qt reaches a folder whose name is not UTF-8 only through the folder held open, so the
        // base folder is made now if it is missing, as the settings would make it anyway: the
        // player's alone, as the XDG rules ask, even when the language is read before an
        // installed copy has made every new file private.
        makeMissingFolders(base);
        const GameFolder home = gameFolderAt(base);
        return GameFolder{home.bytes / "zupel", home.forQt + "/zupel"};
    }();
    return folder;
}

void keepNewFilesPrivate() {
    ::umask(077);
}

}  // namespace zupel
