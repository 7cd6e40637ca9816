// Whether a copy is installed is read from where its files lie: only PREFIX/games beside
// PREFIX/share/games/zupel holding the help is an installed copy; anything else stays portable.
// An installed copy keeps the slime in the player's own data folder.
#include "game_places.h"

#include <pwd.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "player_folders.h"
#include "ui_fixture.h"

namespace zupel::testing {
namespace {

TEST(GamePlaces, TheLayoutAloneTellsAnInstalledCopy) {
    struct Layout {
        const char* program;  // the program's folder, under a fresh root
        const char* help;     // where the help lies ("" for nowhere)
        bool installed;
    };
    for (const Layout& layout : {
             Layout{"usr/games", "usr/share/games/zupel/zupelhelp.hlp", true},
             Layout{"p\xff/games", "p\xff/share/games/zupel/zupelhelp.hlp", true},
             Layout{"build/zupel", "build/zupel/zupelhelp.hlp", false},
             Layout{"x/games", "x/games/zupelhelp.hlp", false},
             Layout{"usr/games", "usr/share/games/other/zupelhelp.hlp", false},
             Layout{"usr/games", "", false},
         }) {
        SCOPED_TRACE(layout.program + std::string(" ") + layout.help);
        QTemporaryDir root;
        const std::filesystem::path base = root.path().toStdString();
        std::filesystem::create_directories(base / layout.program);
        if (*layout.help != '\0') {
            std::filesystem::create_directories((base / layout.help).parent_path());
            std::ofstream(base / layout.help) << "<html></html>";
        }
        const std::filesystem::path expected =
            layout.installed ? (base / layout.program).parent_path() / "share/games/zupel"
                             : std::filesystem::path();
        EXPECT_EQ(installedDataFolder(base / layout.program), expected);
        std::filesystem::remove_all(base);  // QTemporaryDir cannot name what is not UTF-8
    }
}

// Sets an environment variable for one scope (nullptr: unset), and puts back what was there.
class Environment {
public:
    Environment(const char* name, const char* value) : name_(name) {
        if (const char* was = std::getenv(name)) was_ = was;
        value == nullptr ? ::unsetenv(name) : ::setenv(name, value, 1);
    }
    ~Environment() { was_ ? ::setenv(name_, was_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> was_;
};

// The player's data folder follows $XDG_DATA_HOME only when it is an absolute path, byte for
// byte; otherwise it is the home folder's, wherever the game was started from.
TEST(GamePlaces, ThePlayersDataFolderComesFromAbsolutePathsOnly) {
    const passwd* account = ::getpwuid(::getuid());
    ASSERT_NE(account, nullptr);
    const std::filesystem::path accountsOwn =
        std::filesystem::path(account->pw_dir) / ".local/share/zupel";
    const struct {
        const char* dataHome;  // nullptr: unset
        const char* home;
        std::filesystem::path expected;
    } cases[] = {
        {nullptr, "/home/puyo", "/home/puyo/.local/share/zupel"},
        {"", "/home/puyo", "/home/puyo/.local/share/zupel"},
        {"/srv/data", "/home/puyo", "/srv/data/zupel"},
        {"/srv/d\xe9j\xe0 \xff", "/home/puyo", "/srv/d\xe9j\xe0 \xff/zupel"},
        {"data", "/home/puyo", "/home/puyo/.local/share/zupel"},
        {"./.local/share", "/home/puyo", "/home/puyo/.local/share/zupel"},
        {"~/data", "/home/puyo", "/home/puyo/.local/share/zupel"},
        {nullptr, "/home/p\xff", "/home/p\xff/.local/share/zupel"},
        {nullptr, "puyo", accountsOwn},
        {nullptr, nullptr, accountsOwn},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.dataHome ? c.dataHome : "(unset)") + " " +
                     (c.home ? c.home : "(unset)"));
        const Environment dataHome("XDG_DATA_HOME", c.dataHome);
        const Environment home("HOME", c.home);
        EXPECT_EQ(playerDataFolder().native(), c.expected.native());
    }
}

}  // namespace
}  // namespace zupel::testing
