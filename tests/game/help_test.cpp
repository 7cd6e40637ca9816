// The help menu: the document opens only under its exact name; the version box never changes.
#include "game_fixture.h"

namespace zupel::testing {
namespace {

TEST_F(GameTest, HelpOpensOnlyUnderItsExactNameAndTheVersionNeverChanges) {
    startWith(livingSlime());
    // A case-blind disk finds "ZupelHelp.hlp"; the game still does not open it.
    for (std::vector<std::string> onDisk :
         {std::vector<std::string>{}, {"ZupelHelp.hlp"}, {"zupelhelp.html"}, {"zupelhelp.hlp"}}) {
        shell.gameFiles = onDisk;
        game->help1_Click();
    }
    EXPECT_EQ(shell.helpShown, std::vector<std::string>{"zupelhelp.hlp"});

    game->aboutgame_Click();
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].text, "ZUPEL Ver.2.51");
    EXPECT_EQ(shell.messages[0].title, "ﾊﾞｰｼﾞｮﾝ情報");
}

}  // namespace
}  // namespace zupel::testing
