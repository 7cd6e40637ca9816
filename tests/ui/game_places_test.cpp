// Whether a copy is installed is read from where its files lie: only PREFIX/games beside
// PREFIX/share/games/zupel holding the help is an installed copy; anything else stays portable.
#include "game_places.h"

#include <fcntl.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <filesystem>

#include "ui_fixture.h"

namespace zupel::testing {
namespace {

void makeFile(const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
    ASSERT_EQ(::close(::open(file.c_str(), O_WRONLY | O_CREAT, 0644)), 0);
}

TEST(GamePlaces, TheLayoutAloneTellsAnInstalledCopy) {
    struct Layout {
        const char* what;
        const char* program;  // the program's folder, under a fresh root
        const char* help;     // where the help lies ("" for nowhere)
        bool helpIsFolder;
        bool installed;
    };
    const Layout layouts[] = {
        {"installed", "usr/games", "usr/share/games/zupel/zupelhelp.hlp", false, true},
        {"installed in a prefix of non-UTF-8 bytes", "p\xff/games",
         "p\xff/share/games/zupel/zupelhelp.hlp", false, true},
        {"a build folder", "build/zupel", "build/zupel/zupelhelp.hlp", false, false},
        {"a games folder of its own", "x/games", "x/games/zupelhelp.hlp", false, false},
        {"a games folder beside another game's data", "usr/games",
         "usr/share/games/other/zupelhelp.hlp", false, false},
        {"a games folder without the help", "usr/games", "", false, false},
        {"the help is a folder", "usr/games", "usr/share/games/zupel/zupelhelp.hlp", true, false},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.what);
        QTemporaryDir root;
        const std::filesystem::path base = root.path().toStdString();
        std::filesystem::create_directories(base / layout.program);
        if (layout.helpIsFolder) {
            std::filesystem::create_directories(base / layout.help);
        } else if (*layout.help != '\0') {
            makeFile(base / layout.help);
        }
        const std::filesystem::path data = installedDataFolder(base / layout.program);
        EXPECT_EQ(!data.empty(), layout.installed);
        if (layout.installed) {
            EXPECT_EQ(data, (base / layout.program).parent_path() / "share/games/zupel");
        }
        std::filesystem::remove_all(base);  // QTemporaryDir cannot name what is not UTF-8
    }
}

}  // namespace
}  // namespace zupel::testing
