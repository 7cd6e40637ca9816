// The help menu: the document opens only under its exact name; the version box never changes.
#include "game_fixture.h"

namespace zupel::testing {
namespace {

using Help = GameTest;

TEST_F(Help, TheDocumentOpensOnlyUnderItsExactName) {
    const struct {
        std::vector<std::string> onDisk;
        bool opens;
    } rows[] = {
        {{"zupelhelp.hlp"}, true},
        {{}, false},
        {{"ZupelHelp.hlp"}, false},  // a case-blind disk finds it, the game does not open it
        {{"zupelhelp.html"}, false},
    };
    startWith(livingSlime());
    for (const auto& row : rows) {
        shell.gameFiles = row.onDisk;
        shell.helpShown.clear();
        game->help1_Click();
        const std::vector<std::string> opened =
            row.opens ? std::vector<std::string>{"zupelhelp.hlp"} : std::vector<std::string>{};
        EXPECT_EQ(shell.helpShown, opened) << ::testing::PrintToString(row.onDisk);
    }
    EXPECT_FALSE(shell.ended);
}

TEST_F(Help, TheVersionBoxAlwaysSaysTheSame) {
    startWith(livingSlime());
    game->aboutgame_Click();
    game->aboutgame_Click();
    ASSERT_EQ(shell.messages.size(), 2u);
    for (const auto& m : shell.messages) {
        EXPECT_EQ(m.text, "ZUPEL Ver.2.51");
        EXPECT_EQ(m.title, "ﾊﾞｰｼﾞｮﾝ情報");
    }
}

}  // namespace
}  // namespace zupel::testing
