// Whether a copy is installed is read from where its files lie: only PREFIX/games beside
// PREFIX/share/games/zupel holding the help is an installed copy; anything else stays portable.
#include "game_places.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

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

}  // namespace
}  // namespace zupel::testing
