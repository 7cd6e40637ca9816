// Health and death: the countdown of a weak slime, the fatal feeding of an overfed one, and the
// death step with its dialog, after which only big.sura remains.
#include <functional>
#include <map>

#include "life_fixture.h"

namespace zupel::testing {
namespace {

// What the dead slime's dialog saw when it opened.
struct DeathSeen {
    bool opened = false;
    Millis at = 0;
    int16_t condition = 0;
    int frame = 0;
    bool anyButton = true;
    bool wandering = true;
    bool filesStillThere = false;
};

class DeathTest : public LifeTest {
protected:
    DeathSeen seen;

    void watchDeath() {
        shell.whileEndDialogOpen = [this](EndDialog) {
            const Controls& c = controls();
            seen.opened = true;
            seen.at = clock().now();
            seen.condition = pet().condition;
            seen.frame = c.slimeFrame;
            seen.anyButton =
                c.button1Enabled || c.button2Enabled || c.button3Enabled || c.button4Enabled;
            seen.wandering = on(TimerId::movetimer);
            seen.filesStillThere = folder.exists("data.sura") && folder.exists("word.sura");
        };
    }
};

TEST_F(DeathTest, AWeakSlimeLeftAloneDiesOnTheFifthCountdownTick) {
    shell.windowPosition = {200, -300};
    startStill(withMeters(livingSlime(), 400, 400), 14);
    watchDeath();
    pet().condition = Condition::kWeak;
    advance(1000);  // the status tick switches the countdown on
    ASSERT_TRUE(on(TimerId::deadtimer));
    advance(49999);
    EXPECT_FALSE(seen.opened);

    advance(1);
    ASSERT_TRUE(seen.opened);
    EXPECT_EQ(seen.at, 51000);
    EXPECT_EQ(seen.condition, Condition::kDead);
    EXPECT_EQ(seen.frame, 11);
    EXPECT_FALSE(seen.anyButton);
    EXPECT_FALSE(seen.wandering);
    EXPECT_TRUE(seen.filesStillThere);

    ASSERT_EQ(shell.endDialogs.size(), 1u);
    EXPECT_EQ(shell.endDialogs[0].which, EndDialog::died);
    ASSERT_TRUE(shell.endDialogs[0].at.has_value());
    EXPECT_EQ(shell.endDialogs[0].at->x, 200 + 3405);
    EXPECT_EQ(shell.endDialogs[0].at->y, -300 + 2175);

    // The dialog closed: only the size is left, untouched, and nothing more was written.
    EXPECT_TRUE(shell.ended);
    EXPECT_FALSE(folder.exists("data.sura"));
    EXPECT_FALSE(folder.exists("word.sura"));
    EXPECT_EQ(storedSize(), 14);
    EXPECT_EQ(folder.writes, 0);
    EXPECT_EQ(shell.log.back(), "end");
}

TEST_F(DeathTest, TheCountdownSurvivesAFeeding) {
    startStill(withMeters(livingSlime(), 400, 400));
    watchDeath();
    pet().condition = Condition::kWeak;
    advance(35000);  // countdown on at 1 s; ticks at 11, 21 and 31 s
    feed();
    EXPECT_FALSE(on(TimerId::deadtimer));
    advance(2500);
    ASSERT_EQ(pet().condition, Condition::kFine);

    // Bored again: weak at the meter tick of 38 s; the status tick of that same moment runs
    // first, so the countdown comes back on at 39 s.
    pet().asobi = 1;
    advance(1500);
    ASSERT_EQ(pet().condition, Condition::kWeak);
    ASSERT_TRUE(on(TimerId::deadtimer));
    advance(30000);
    ASSERT_TRUE(seen.opened);
    EXPECT_EQ(seen.at, 59000);  // the second tick of the new countdown
}

TEST_F(DeathTest, FeedingAnOverfedSlimeKillsItAtOnce) {
    startStill(withMeters(livingSlime(), 600, 400));
    watchDeath();
    pet().condition = Condition::kOverfed;
    world().deadcount = 3;
    world().asobimode = 1;
    controls().pointer = Pointer{true, PointerIcon::furi};
    feed(0.5);
    EXPECT_TRUE(seen.opened);
    EXPECT_EQ(seen.at, 0);
    EXPECT_EQ(pet().condition, Condition::kDead);
    EXPECT_EQ(pet().esa, 600);
    EXPECT_EQ(world().deadcount, 3);
    EXPECT_EQ(shell.soundCount("esa.wav"), 0);
    EXPECT_EQ(world().asobimode, 0);  // play ends before the slime dies
    EXPECT_FALSE(controls().pointer.custom);
    EXPECT_TRUE(shell.ended);
}

TEST_F(DeathTest, AHungrySlimeInABadRoomCannotBeSavedByTheSlider) {
    startStill(withMeters(livingSlime(), 12, 400));
    watchDeath();
    game->Slider1_Change(10);
    advance(1000);
    ASSERT_TRUE(on(TimerId::deadtimer));
    advance(3000);  // the food meter reaches 9
    ASSERT_EQ(pet().condition, Condition::kHungry);

    game->Slider1_Change(5);
    EXPECT_EQ(pet().condition, Condition::kHungry);
    EXPECT_FALSE(controls().button1Enabled);
    advance(46999);
    EXPECT_FALSE(seen.opened);
    advance(1);
    EXPECT_TRUE(seen.opened);
}

// However long deadform stays open, the timers that still tick neither save, resurrect, move
// nor kill the dead slime again; the status tick keeps beeping and calling the player.
struct AfterDeathCase {
    const char* what;
    std::function<void(Game&, FakeShell&)> kill;
};

void PrintTo(const AfterDeathCase& c, std::ostream* os) {
    *os << c.what;
}

class WhileTheDialogIsOpen : public LifeTest,
                             public ::testing::WithParamInterface<AfterDeathCase> {};

TEST_P(WhileTheDialogIsOpen, NothingChangesTheDeadSlime) {
    startStill(withMeters(fromYesterday(5), 400, 400), 14);  // it would grow at 300 s
    struct Snapshot {
        int16_t condition;
        int frame;
        SlimeRect slime;
        std::map<std::string, Bytes> files;
        int writes;
        std::size_t sounds;
        bool wandering;
    };
    auto snapshot = [this] {
        return Snapshot{pet().condition, controls().slimeFrame, controls().slime,      folder.files,
                        folder.writes,   shell.sounds.size(),   on(TimerId::movetimer)};
    };
    std::optional<Snapshot> opened, later;
    int beepsWhileOpen = 0;
    shell.whileEndDialogOpen = [&](EndDialog) {
        opened = snapshot();
        const int beeps = shell.beeps;
        clock().advanceBy(600000);
        later = snapshot();
        beepsWhileOpen = shell.beeps - beeps;
    };

    GetParam().kill(*game, shell);
    ASSERT_TRUE(opened && later);
    EXPECT_EQ(later->condition, Condition::kDead);
    EXPECT_EQ(later->frame, 11);
    EXPECT_EQ(later->slime, opened->slime);
    EXPECT_EQ(later->files, opened->files);
    EXPECT_EQ(later->writes, opened->writes);
    EXPECT_EQ(later->sounds, opened->sounds);
    EXPECT_FALSE(later->wandering);
    EXPECT_GE(beepsWhileOpen, 599);
    EXPECT_EQ(controls().infobox, "死んでしまいました");
    EXPECT_EQ(shell.endDialogs.size(), 1u);
    EXPECT_TRUE(folder.exists("big.sura"));
    EXPECT_FALSE(folder.exists("data.sura"));
}

void weakAndLeftAlone(Game& game, FakeShell&) {
    game.world().pet.condition = Condition::kWeak;
    game.scheduler().advanceBy(60000);
}

void overfedDuringTheHops(Game& game, FakeShell& shell) {
    game.world().pet.esa = 460;
    shell.randoms = {0.0};
    game.button1_Click();              // 510: overfed at the meter tick of 1 s
    game.scheduler().advanceBy(1200);  // one hop still to come
    game.button1_Click();
}

// A slime fed in a hot room turns weak at the status tick and, with more than 500 in its
// stomach, overfed at the next meter tick: its countdown is still on.
void overfedWhileTheCountdownRuns(Game& game, FakeShell&) {
    game.world().pet.esa = 600;
    game.world().pet.condition = Condition::kOverfed;
    game.world().deadcount = 4;
    game.scheduler().setEnabled(TimerId::deadtimer, true);
    game.button1_Click();
}

void weakWhileTalking(Game& game, FakeShell&) {
    game.scheduler().setEnabled(TimerId::wordtimer, true);
    game.world().pet.condition = Condition::kWeak;
    game.scheduler().advanceBy(60000);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, WhileTheDialogIsOpen,
    ::testing::Values(AfterDeathCase{"weakAndLeftAlone", weakAndLeftAlone},
                      AfterDeathCase{"overfedDuringTheHops", overfedDuringTheHops},
                      AfterDeathCase{"overfedWhileTheCountdownRuns", overfedWhileTheCountdownRuns},
                      AfterDeathCase{"weakWhileTalking", weakWhileTalking}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace zupel::testing
