// The window going away (its display died) while the game waits on a dialog: the dialog counts as
// closed by its title bar, and the window close then writes what it always writes.
#include <functional>

#include "life_fixture.h"

namespace zupel::testing {
namespace {

class WindowGone : public LifeTest {
protected:
    void closeWindow() { game->Form_Unload(); }
};

TEST_F(WindowGone, TheOpenDialogCancelsAndTheCloseSavesWhatItAlwaysSaves) {
    enum class Files { none, living, endedAsEnd };
    const struct {
        const char* what;
        std::function<void()> run;  // opens the dialog; the shell closes the window
        Files expected;
    } cases[] = {
        {"the naming dialog",
         [this] {
             shell.whileNaming = [this] { closeWindow(); };
             start();
         },
         Files::none},
        {"the starvation dialog at start-up",
         [this] {
             shell.whileEndDialogOpen = [this](EndDialog) { closeWindow(); };
             startWith(livingSlime(5, kDay - 5));
         },
         Files::endedAsEnd},
        {"the dead slime's dialog",
         [this] {
             startStill(livingSlime(5, kDay - 2));
             shell.whileEndDialogOpen = [this](EndDialog) { closeWindow(); };
             game->deathStep();
         },
         Files::endedAsEnd},
        {"the freeze question, even if OK would come after",
         [this] {
             startStill(livingSlime(5, kDay - 2));
             shell.whileFreezing = [this] { closeWindow(); };
             shell.freezeAnswer = true;
             game->button4_Click();
         },
         Files::living},
        {"the redecorating dialog, with a colour picked",
         [this] {
             startStill(livingSlime(5, kDay - 2));
             shell.colourToChoose = 0x0000FF;
             shell.whileOptionsOpen = [this](const OptionformEvents& events) {
                 events.Command5_Click();
                 closeWindow();
             };
             game->option_Click();
         },
         Files::living},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        game.reset();
        shell = FakeShell{};
        folder.files.clear();
        c.run();
        EXPECT_TRUE(shell.ended);
        EXPECT_TRUE(shell.settingWrites.empty());
        switch (c.expected) {
            case Files::none:
                EXPECT_TRUE(folder.files["data.sura"].empty());
                EXPECT_TRUE(folder.files["big.sura"].empty());
                break;
            case Files::endedAsEnd:
                EXPECT_FALSE(folder.exists("data.sura"));
                EXPECT_FALSE(folder.exists("word.sura"));
                break;
            case Files::living: {
                const PetRecord saved = storedPet();
                EXPECT_EQ(saved.state, PetState::kLiving);
                EXPECT_EQ(saved.lastdate, kDay);
                EXPECT_EQ(saved.age, 7);
                break;
            }
        }
    }
}

}  // namespace
}  // namespace zupel::testing
