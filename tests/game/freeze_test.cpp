// Freezing: the button halts the game, OK stores the slime frozen and ends the program,
// CANCEL (or closing the question any other way) lets the game go on.
#include "life_fixture.h"

namespace zupel::testing {
namespace {

class Freeze : public LifeTest {
protected:
    // A slime in the middle of everything: talking, weak, playing, just fed.
    void startBusy() {
        startStill();
        for (TimerId id : {TimerId::movetimer, TimerId::deadtimer, TimerId::wordtimer,
                           TimerId::asobitimer, TimerId::uretimer})
            clock().setEnabled(id, true);
        world().talkmode = 1;
        world().asobimode = 1;
        controls().wordinboxEnabled = true;
        controls().wordinboxColor = kWhite;
        controls().wordbuttonEnabled = true;
        controls().pointer = {true, PointerIcon::furi};
    }
    // Which of the eight timers run, in the scheduler's order.
    std::vector<bool> running() {
        std::vector<bool> on;
        for (int i = 0; i < kTimerCount; ++i) on.push_back(clock().enabled(TimerId(i)));
        return on;
    }
};

//                                      big  word   asobi  ure   mode  food   dead   move
const std::vector<bool> kWhileAsked = {true, false, false, true, true, false, false, false};
const std::vector<bool> kAfterCancel = {true, false, false, true, true, true, false, true};

TEST_F(Freeze, HaltsTheGameAndCancelResumesOnlyFoodAndMovement) {
    startBusy();
    std::vector<bool> whileAsked;
    Controls asked;
    shell.whileFreezing = [&] {
        whileAsked = running();
        asked = controls();
        controls().infobox.clear();
        advance(1000);  // the timers left on keep ticking behind the question
    };
    shell.freezeAnswer = false;  // CANCEL, or the title bar's close
    game->endgame2_Click();

    EXPECT_EQ(whileAsked, kWhileAsked);
    EXPECT_FALSE(asked.wordinboxEnabled);
    EXPECT_EQ(asked.wordinboxColor, kLightGrey);
    EXPECT_FALSE(asked.wordbuttonEnabled);
    EXPECT_EQ(asked.pointer, (Pointer{false, PointerIcon::furi}));
    EXPECT_EQ(controls().infobox, "元気です");

    EXPECT_EQ(running(), kAfterCancel);
    EXPECT_FALSE(controls().wordinboxEnabled);  // talk mode comes back closed
    EXPECT_EQ(controls().wordinboxColor, kLightGrey);
    EXPECT_EQ(world().talkmode, 1);  // the mode flags are not the freeze's business
    EXPECT_EQ(world().asobimode, 1);
    EXPECT_FALSE(shell.ended);
    EXPECT_EQ(storedPet().state, PetState::kLiving);  // nothing was saved
}

TEST_F(Freeze, OkStoresTheSlimeFrozenWithTodaysDateAndEndsAtOnce) {
    startStill(livingSlime(5, kDay - 1));
    shell.todayValue = kDay + 1;  // frozen after midnight: the record takes the new date
    controls().slime.width = 12.5f;
    shell.freezeAnswer = true;
    game->button4_Click();

    EXPECT_TRUE(shell.ended);
    const Bytes& data = folder.files["data.sura"];
    ASSERT_EQ(data.size(), 32u);
    EXPECT_EQ(Bytes(data.begin() + 22, data.end()),
              (Bytes{0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xA5, 0xE1, 0x40}));  // 36136.0
    EXPECT_EQ(storedPet(), pet());
    EXPECT_EQ(storedSize(), 12);  // 12.5 rounds to even
    const int writes = folder.writes;
    game->Form_Unload();  // the window's close must not thaw the record
    EXPECT_EQ(folder.writes, writes);
}

TEST_F(Freeze, ASlimeThatDiesWhileAskedIsNotStoredFrozen) {
    startStill();
    shell.whileFreezing = [&] { game->deathStep(); };
    shell.freezeAnswer = true;
    game->button4_Click();
    EXPECT_FALSE(folder.exists("data.sura"));  // the death dialog removed it for good
}

}  // namespace
}  // namespace zupel::testing
