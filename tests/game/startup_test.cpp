// Starting the game: a first start, the catch-up for the days that passed, thawing, the end
// dialogs of start-up, and quitting.
#include <cmath>
#include <functional>
#include <limits>
#include <random>

#include "game_fixture.h"

namespace zupel::testing {
namespace {

using StartUp = GameTest;

TEST_F(StartUp, FirstStartCreatesTheFilesAndNamesANewSlime) {
    shell.todayValue = kDay;
    shell.nameToType = "ぷよ";
    bool onlyGrowthRanWhileNaming = false;
    shell.whileNaming = [&] {
        onlyGrowthRanWhileNaming = clock().enabled(TimerId::bigtimer) &&
                                   !clock().enabled(TimerId::movetimer) && !controls().slimeVisible;
    };
    start();
    EXPECT_TRUE(onlyGrowthRanWhileNaming);
    EXPECT_TRUE(folder.exists("data.sura") && folder.exists("word.sura"));
    EXPECT_EQ(pet().name, "ぷよ        ");
    EXPECT_EQ(pet().age, 1);
    EXPECT_EQ(pet().ondo, 50);
    EXPECT_EQ(pet().state, PetState::kLiving);
    EXPECT_EQ(pet().lastdate, kDay);
    EXPECT_EQ(controls().namebox, "ぷよ        ");
    EXPECT_EQ(controls().agebox, "1");
    EXPECT_EQ(controls().ondobox, "50");
    EXPECT_TRUE(controls().slimeVisible);
    EXPECT_EQ(controls().slime, (SlimeRect{96, 96, 10, 10}));
    // The new record and size reach the disk at once: a crash right after naming keeps them.
    const PetRecord saved = storedPet();
    EXPECT_EQ(saved.name, "ぷよ        ");
    EXPECT_EQ(saved.age, 1);
    EXPECT_EQ(saved.ondo, 50);
    EXPECT_EQ(saved.state, PetState::kLiving);
    EXPECT_EQ(saved.lastdate, kDay);
    EXPECT_EQ(storedSize(), 10);
    EXPECT_EQ(world().bigstop, 10);
    EXPECT_FALSE(shell.ended);
}

TEST_F(StartUp, CancellingTheNameEndsTheGameWithNothingWritten) {
    shell.nameToType = std::nullopt;
    start();
    EXPECT_TRUE(shell.ended);
    EXPECT_EQ(folder.writes, 0);
    EXPECT_TRUE(folder.files["data.sura"].empty());
    EXPECT_TRUE(folder.files["big.sura"].empty());
    EXPECT_FALSE(controls().slimeVisible);
    clock().advanceBy(600000);  // nothing ticks after the end
    EXPECT_EQ(world().bigcount, 0);
}

TEST_F(StartUp, NamesAreCutOrPaddedToTenCharacters) {
    shell.nameToType = "abcdefghijkl";
    start();
    EXPECT_EQ(pet().name, "abcdefghij");
    game.reset();
    folder.files.clear();
    shell.nameToType = "   ";
    start();
    EXPECT_EQ(pet().name, std::string(10, ' '));
}

struct CatchUpCase {
    const char* what;
    int16_t state;
    int16_t age;
    int elapsed;
    int16_t storedSize;
    bool starves;
    int16_t ageAfter;
    float sizeAfter;
    int16_t bigstopAfter;
};

class CatchUp : public GameTest, public ::testing::WithParamInterface<CatchUpCase> {};

TEST_P(CatchUp, AgesTheSlimeByTheDaysThatPassed) {
    const CatchUpCase& c = GetParam();
    PetRecord stored = livingSlime(c.age, kDay);
    stored.state = c.state;
    shell.todayValue = kDay + c.elapsed;
    startWith(stored, c.storedSize);

    if (c.starves) {
        ASSERT_EQ(shell.endDialogs.size(), 1u);
        EXPECT_EQ(shell.endDialogs[0].which, EndDialog::starved);
        EXPECT_FALSE(shell.endDialogs[0].at.has_value());  // centred
        EXPECT_TRUE(shell.ended);
        EXPECT_TRUE(folder.files.empty()) << "all three save files are deleted";
        return;
    }
    EXPECT_TRUE(shell.endDialogs.empty());
    EXPECT_EQ(pet().age, c.ageAfter);
    EXPECT_EQ(pet().lastdate, kDay + c.elapsed);
    EXPECT_EQ(pet().state, PetState::kLiving);
    EXPECT_EQ(controls().slime.width, c.sizeAfter);
    EXPECT_EQ(controls().slime.height, c.sizeAfter);
    EXPECT_EQ(world().bigstop, c.bigstopAfter);
    EXPECT_TRUE(controls().slimeVisible);
    EXPECT_TRUE(on(TimerId::movetimer) && on(TimerId::modetimer) && on(TimerId::foodtimer));
}

INSTANTIATE_TEST_SUITE_P(
    Days, CatchUp,
    ::testing::Values(CatchUpCase{"same day", 1, 5, 0, 14, false, 5, 14, 1},
                      CatchUpCase{"three days", 1, 5, 3, 14, false, 8, 14, 0},
                      CatchUpCase{"four days young", 1, 29, 4, 30, true, 0, 0, 0},
                      CatchUpCase{"four days grown", 1, 30, 4, 20, false, 34, 32, 0},
                      CatchUpCase{"clock set back, young", 1, 29, -1, 20, true, 0, 0, 0},
                      CatchUpCase{"clock set back, grown", 1, 30, -1, 20, false, 29, 32, 0},
                      CatchUpCase{"clock a year back, grown", 1, 30, -365, 20, false, 0, 32, 0},
                      CatchUpCase{"fresh and 22", 1, 20, 2, 14, false, 22, 32, 0},
                      CatchUpCase{"frozen a century", 2, 5, 100, 12, false, 105, 32, 0},
                      CatchUpCase{"frozen ten days", 2, 5, 10, 12, false, 15, 12, 0},
                      CatchUpCase{"frozen and thawed the same day", 2, 5, 0, 12, false, 5, 12, 1},
                      CatchUpCase{"frozen, clock set back", 2, 5, -2, 12, false, 3, 12, 0},
                      CatchUpCase{"frozen, clock a year back", 2, 10, -365, 12, false, 0, 12, 0}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        }
        return name;
    });

TEST_F(StartUp, AgeClampsInsteadOfOverflowing) {
    PetRecord stored = livingSlime(32000, kDay);
    stored.state = PetState::kFrozen;
    shell.todayValue = kDay + 2000;
    startWith(stored);
    EXPECT_EQ(pet().age, 32767);

    game.reset();
    stored = livingSlime(0, kDay);
    stored.state = PetState::kFrozen;
    shell.todayValue = kDay - 40000;
    startWith(stored);
    EXPECT_EQ(pet().age, 0) << "days taken away by the clock never make the age negative";
}

TEST_F(StartUp, ADateNoCalendarHoldsCountsAsToday) {
    for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(), 1e300, -1e9}) {
        for (int16_t age : {10, 40}) {  // nothing is charged for the unknown days: none starves
            folder.files.clear();
            shell = FakeShell{};
            startWith(livingSlime(age, bad));
            EXPECT_TRUE(shell.endDialogs.empty()) << bad;
            EXPECT_EQ(pet().age, age);
            EXPECT_EQ(pet().lastdate, kDay);
            EXPECT_EQ(controls().slime.width, age >= 22 ? 32 : 10);
        }
    }
}

TEST_F(StartUp, OnlyLivingConditionsSurviveTheStart) {
    for (int16_t condition = -1; condition <= 9; ++condition) {
        folder.files.clear();
        shell = FakeShell{};
        PetRecord stored = livingSlime();
        stored.condition = condition;
        startWith(stored);
        // A code the game never writes is damage, mended to fine.
        const bool lives = condition < 0 || condition > 8 || condition == 0 || condition == 4 ||
                           condition == 5 || condition == 8;
        EXPECT_EQ(shell.endDialogs.empty(), lives) << condition;
        if (!lives) {
            EXPECT_EQ(shell.endDialogs[0].which, EndDialog::badEnvironment);
            EXPECT_TRUE(folder.files.empty()) << "all three files go";
            EXPECT_TRUE(shell.ended);
        }
    }
}

TEST_F(StartUp, ANewSlimeAfterAnEndDialogStartsLikeTheFirst) {
    PetRecord stored = livingSlime();
    stored.condition = Condition::kDead;
    startWith(stored);
    ASSERT_TRUE(shell.ended);
    game.reset();
    shell = FakeShell{};
    start();
    EXPECT_EQ(shell.log.front(), "dialog:name");
}

TEST_F(StartUp, QuittingWritesTheRecordTwiceWithTodaysDate) {
    shell.todayValue = kDay;
    startWith(livingSlime(5, kDay - 2), 14);
    shell.todayValue = kDay + 1;  // played past midnight
    controls().slime.width = 14.5f;
    const int writesBefore = folder.writes;
    game->Command2_Click();
    EXPECT_EQ(folder.writes - writesBefore, 3);  // the quit, then the close, then the size
    const PetRecord saved = storedPet();
    EXPECT_EQ(saved.state, PetState::kLiving);
    EXPECT_EQ(saved.lastdate, kDay + 1);
    EXPECT_EQ(saved.age, 8);      // the day it lived with the game open counts
    EXPECT_EQ(storedSize(), 14);  // 14.5 rounds to even
    EXPECT_TRUE(shell.ended);
}

TEST_F(StartUp, ClosingTheWindowSavesAFrozenSlimeThawed) {
    PetRecord stored = livingSlime(5, kDay - 1);
    stored.state = PetState::kFrozen;
    shell.todayValue = kDay;
    startWith(stored, 12);
    shell.todayValue = kDay + 1;
    controls().slime.width = 15.5f;
    game->Form_Unload();
    const PetRecord saved = storedPet();
    EXPECT_EQ(saved.state, PetState::kLiving);
    EXPECT_EQ(saved.lastdate, kDay + 1);
    EXPECT_EQ(storedSize(), 16);
    EXPECT_TRUE(shell.ended);
    const int writes = folder.writes;
    game->Form_Unload();  // the program has ended: nothing more is written
    EXPECT_EQ(folder.writes, writes);
}

}  // namespace
}  // namespace zupel::testing

namespace zupel::testing {
namespace {

// Save files full of garbage (a damaged disk, a stray editor) never crash the game or trip the
// sanitizers, whatever record they hold: it starts, plays for a while and ends cleanly.
TEST_F(GameTest, GarbageSaveFilesNeverBreakTheGame) {
    std::mt19937 generator(1998);
    auto randomBytes = [&](std::size_t n) {
        Bytes bytes(n);
        for (auto& b : bytes) b = static_cast<uint8_t>(generator());
        return bytes;
    };
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        game.reset();
        shell = FakeShell{};
        shell.fallbackRandom = [&] { return uniform(generator); };
        folder.files.clear();
        folder.files["data.sura"] = randomBytes(generator() % 40);
        folder.files["word.sura"] = randomBytes(generator() % 200);
        folder.files["big.sura"] = randomBytes(generator() % 3);
        if (round % 2 == 0) {  // half of them with a living code, so that play goes on
            folder.files["data.sura"].resize(32);
            folder.files["data.sura"][12] = 0;
            folder.files["data.sura"][13] = 0;
        }
        const std::size_t length = folder.files["data.sura"].size();
        if (length != 0 && length != 32) {  // a torn record is reported, never played
            EXPECT_THROW(start(), SaveFileError);
            continue;
        }
        start();
        if (!shell.ended) advance(120000);
        if (!shell.ended) game->Command2_Click();
        EXPECT_TRUE(shell.ended);
    }
}

// A day the game is open is a day the slime lived and was looked after, however the game ends
// (days on a suspended laptop). A clock moved back takes nothing away.
TEST_F(StartUp, DaysLivedWithTheGameOpenCountHoweverItEnds) {
    const std::function<void()> quit = [this] { game->Command2_Click(); };
    const struct {
        const char* how;
        int days;  // how far the calendar moves while the game runs
        std::function<void()> end;
        int16_t state = PetState::kLiving;
    } cases[] = {
        {"quit, ten days on", 10, quit},
        {"the title bar, a log-off or a signal, a month on", 30, [this] { game->Form_Unload(); }},
        {"freezing", 10,
         [this] {
             shell.freezeAnswer = true;
             game->button4_Click();
         },
         PetState::kFrozen},
        {"quit after the clock went back", -3, quit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        game.reset();
        shell = FakeShell{};
        folder.files.clear();
        startWith(livingSlime(5, kDay), 10);            // saved today: no growth in this run so far
        clock().setEnabled(TimerId::foodtimer, false);  // looked after: its meters stay full
        advance(60000);
        shell.todayValue = kDay + c.days;
        advance(301000);  // the next tick brings the age up; five minutes into a new day it grows
        const int16_t age = static_cast<int16_t>(c.days > 0 ? 5 + c.days : 5);
        const float width = age >= 22 ? 32.0f : c.days > 0 ? 10.0f + age + 1 : 10.0f;
        EXPECT_EQ(pet().age, age);
        EXPECT_EQ(controls().agebox, std::to_string(age));
        EXPECT_EQ(controls().slime.width, width);
        c.end();
        ASSERT_TRUE(shell.ended);
        const PetRecord saved = storedPet();
        EXPECT_EQ(saved.state, c.state);
        EXPECT_EQ(saved.age, age);
        EXPECT_EQ(saved.lastdate, kDay + c.days);
        EXPECT_EQ(storedSize(), width);

        game.reset();
        shell = FakeShell{};
        shell.todayValue = kDay + c.days;
        start();
        EXPECT_FALSE(shell.ended) << "it lives";
        EXPECT_EQ(pet().age, age);
        EXPECT_EQ(controls().slime.width, width);
    }
}

}  // namespace
}  // namespace zupel::testing
