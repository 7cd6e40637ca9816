// Hunger and feeding: the meter tick and its bands, the feed button, and the hops after it.
#include "life_fixture.h"

namespace zupel::testing {
namespace {

using Hunger = LifeTest;

struct MeterCase {
    const char* what;
    int16_t age;
    int16_t esa;
    int16_t asobi;
    int16_t before;
    int16_t esaAfter;
    int16_t asobiAfter;
    int16_t after;
    bool keepsTicking;
};

void PrintTo(const MeterCase& c, std::ostream* os) {
    *os << c.what;
}

class MeterTick : public LifeTest, public ::testing::WithParamInterface<MeterCase> {};

TEST_P(MeterTick, LowersTheMetersAndJudgesFoodThenPlay) {
    const MeterCase& c = GetParam();
    startStill(withMeters(livingSlime(c.age), c.esa, c.asobi));
    pet().condition = c.before;
    game->foodtimer_Timer();
    EXPECT_EQ(pet().esa, c.esaAfter);
    EXPECT_EQ(pet().asobi, c.asobiAfter);
    EXPECT_EQ(pet().condition, c.after);
    EXPECT_EQ(on(TimerId::foodtimer), c.keepsTicking);
}

using C = MeterCase;
INSTANTIATE_TEST_SUITE_P(
    Bands, MeterTick,
    ::testing::Values(
        C{"normal", 5, 11, 50, 0, 10, 49, 0, true}, C{"hungryAt9", 5, 10, 50, 0, 9, 49, 3, true},
        C{"hungryAt1", 5, 2, 50, 0, 1, 49, 3, true}, C{"starving", 5, 1, 50, 0, 0, 49, 1, false},
        C{"overfedAt501", 5, 502, 50, 0, 501, 49, 8, true},
        C{"normalAt500ClearsOverfed", 5, 501, 50, 8, 500, 49, 0, true},
        C{"normalClearsJustFed", 5, 100, 50, 4, 99, 49, 0, true},
        C{"normalClearsStoredFine", 5, 100, 50, 5, 99, 49, 0, true},
        C{"normalKeepsWeak", 5, 100, 50, 1, 99, 49, 1, true},
        C{"normalKeepsHungry", 5, 100, 50, 3, 99, 49, 3, true},
        C{"normalKeepsStressed", 5, 100, 50, 6, 99, 49, 6, true},
        C{"normalKeepsBadTemperature", 5, 100, 50, 7, 99, 49, 7, true},
        C{"belowZeroIsNormal", 5, -3, 50, 4, -4, 49, 0, true},
        C{"stressedAt9", 5, 100, 10, 0, 99, 9, 6, true}, C{"bored", 5, 100, 1, 0, 99, 0, 1, false},
        C{"stressWinsOverHunger", 5, 5, 5, 0, 4, 4, 6, true},
        C{"stressAfterStarving", 5, 1, 6, 0, 0, 5, 6, false},
        C{"stressedAndOverfed", 5, 600, 3, 0, 599, 2, 6, true},
        C{"playBelowZeroChangesNothing", 5, 100, -1, 7, 99, -2, 7, true},
        C{"metersDoNotWrap", 5, -32768, -32768, 0, -32768, -32768, 0, true},
        C{"grownUpMetersStandStill", 30, 600, 50, 4, 600, 50, 4, true},
        C{"grownUpKeepsOverfed", 30, 600, 50, 8, 600, 50, 8, true},
        C{"grownUpStillHungry", 30, 5, 50, 0, 5, 50, 3, true}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(Hunger, TheMeterTimerStopsWhenTheFoodRunsOut) {
    startStill(withMeters(livingSlime(), 2, 50));
    advance(1000);
    EXPECT_EQ(pet().esa, 1);
    EXPECT_EQ(pet().condition, Condition::kHungry);
    advance(1000);
    EXPECT_EQ(pet().esa, 0);
    EXPECT_EQ(pet().condition, Condition::kWeak);
    EXPECT_FALSE(on(TimerId::foodtimer));
    advance(9000);
    EXPECT_EQ(pet().esa, 0);
    EXPECT_EQ(pet().asobi, 48);  // the other meter stops with it
}

TEST_F(Hunger, APlayMeterBelowZeroNeverMakesTheSlimeWeakAgain) {
    startStill(withMeters(livingSlime(), 100, 1));
    advance(1000);
    ASSERT_EQ(pet().condition, Condition::kWeak);
    ASSERT_FALSE(on(TimerId::foodtimer));
    feed();
    EXPECT_TRUE(on(TimerId::foodtimer));
    advance(5000);
    EXPECT_EQ(pet().asobi, -5);
    EXPECT_EQ(pet().condition, Condition::kFine);
    EXPECT_TRUE(on(TimerId::foodtimer));
}

TEST_F(Hunger, FeedingGivesFiftyToNinetyNine) {
    const std::pair<double, int> kDraws[] = {{0.0, 50}, {0.5, 75}, {0.999999, 99}};
    startStill();
    for (auto [r, amount] : kDraws) {
        SCOPED_TRACE(r);
        const int16_t before = pet().esa;
        feed(r);
        EXPECT_EQ(pet().esa, before + amount);
    }
}

TEST_F(Hunger, AGrownUpSlimesFoodMeterStopsAtItsTop) {
    startStill(withMeters(livingSlime(30), 32700, 50));
    feed(0.999999);
    EXPECT_EQ(pet().esa, 32767);
    feed(0.0);
    EXPECT_EQ(pet().esa, 32767);
    EXPECT_EQ(pet().condition, Condition::kJustFed);
}

TEST_F(Hunger, FeedingFromEveryLivingCode) {
    for (int16_t code : {0, 1, 3, 4, 5, 6, 7}) {
        SCOPED_TRACE(code);
        restartStill();
        pet().condition = code;
        Controls& c = controls();
        c.wordbox = asHeld("やあ");
        c.infobox = "元気です";
        c.button2Enabled = c.button3Enabled = c.slider1Enabled = false;
        c.wordinboxText = "こんにちは";
        c.wordinboxColor = kWhite;
        c.wordinboxEnabled = c.wordbuttonEnabled = true;
        for (TimerId id :
             {TimerId::movetimer, TimerId::deadtimer, TimerId::asobitimer, TimerId::wordtimer}) {
            clock().setEnabled(id, true);
        }
        clock().setEnabled(TimerId::foodtimer, false);

        feed(0.5);
        EXPECT_EQ(pet().condition, Condition::kJustFed);
        EXPECT_EQ(pet().esa, 60 + 75);
        EXPECT_EQ(shell.sounds, std::vector<std::string>{"esa.wav"});
        EXPECT_EQ(c.wordbox, "やあ");  // fewer than ten words: nothing said
        EXPECT_EQ(c.infobox, "喜んでいます");
        EXPECT_TRUE(c.button2Enabled && c.button3Enabled && c.slider1Enabled);
        EXPECT_EQ(c.wordinboxText, "");
        EXPECT_EQ(c.wordinboxColor, kLightGrey);
        EXPECT_FALSE(c.wordinboxEnabled || c.wordbuttonEnabled);
        EXPECT_TRUE(on(TimerId::uretimer) && on(TimerId::foodtimer));
        EXPECT_FALSE(on(TimerId::movetimer) || on(TimerId::deadtimer) || on(TimerId::asobitimer) ||
                     on(TimerId::wordtimer));
        EXPECT_FALSE(shell.ended);
    }
}

TEST_F(Hunger, ASlimeThatKnowsTenWordsSaysItIsDelicious) {
    for (int16_t words : {9, 10, 300}) {
        SCOPED_TRACE(words);
        restartStill();
        pet().wordcount = words;
        controls().wordbox = asHeld("やあ");
        feed();
        EXPECT_EQ(controls().wordbox, words >= 10 ? "おいしい！" : "やあ");
    }
}

TEST_F(Hunger, FeedingEndsPlayAndTalk) {
    startStill();
    world().asobimode = 1;
    world().talkmode = 1;
    controls().button2Caption = "やめる";
    controls().button3Caption = "やめる";
    controls().pointer = Pointer{true, PointerIcon::furi};
    clock().setEnabled(TimerId::asobitimer, true);
    feed();
    EXPECT_EQ(world().asobimode, 0);
    EXPECT_EQ(world().talkmode, 0);
    EXPECT_EQ(controls().button2Caption, "");
    EXPECT_EQ(controls().button3Caption, "");
    EXPECT_EQ(controls().pointer, (Pointer{false, PointerIcon::furi}));
    EXPECT_FALSE(on(TimerId::asobitimer));  // the chase stops at once
}

TEST_F(Hunger, AFedSlimeHopsThreeTimesThenWandersAgain) {
    startStill();
    ASSERT_EQ(world().movestep, 0);
    controls().slimeFrame = 5;
    feed();
    EXPECT_EQ(controls().slimeFrame, 5);

    const int kFrames[] = {1, 2};
    for (int frame : kFrames) {
        advance(500);
        EXPECT_EQ(controls().slimeFrame, frame);
        EXPECT_FALSE(on(TimerId::movetimer));
    }
    advance(499);
    EXPECT_EQ(shell.soundCount("move1.wav"), 0);
    EXPECT_FALSE(on(TimerId::movetimer));

    advance(1);  // 1.5 s after the feeding: the landing
    EXPECT_EQ(controls().slimeFrame, 1);
    EXPECT_EQ(shell.soundCount("move1.wav"), 1);
    EXPECT_EQ(world().movestep, 0);
    EXPECT_EQ(world().urecount, 0);
    EXPECT_FALSE(on(TimerId::uretimer));
    EXPECT_TRUE(on(TimerId::movetimer));
    EXPECT_EQ(interval(TimerId::movetimer), 700);  // the pace of a room at 50 degrees
}

TEST_F(Hunger, TalkOrPlayStartedDuringTheHopsKeepsTheSlimeFromWandering) {
    for (bool talk : {true, false}) {
        SCOPED_TRACE(talk ? "talk" : "play");
        restartStill();
        feed();
        advance(600);
        talk ? game->button3_Click() : game->button2_Click();
        advance(900);  // the landing
        EXPECT_FALSE(on(TimerId::uretimer));
        EXPECT_FALSE(on(TimerId::movetimer)) << "it would wander and hop at once";
        EXPECT_TRUE(on(talk ? TimerId::wordtimer : TimerId::asobitimer));
    }
}

TEST_F(Hunger, FeedingAgainDuringTheHopsDoesNotStartThemOver) {
    startStill();
    feed();
    advance(700);
    feed();
    EXPECT_EQ(shell.soundCount("esa.wav"), 2);
    advance(799);
    EXPECT_TRUE(on(TimerId::uretimer));
    advance(1);
    EXPECT_FALSE(on(TimerId::uretimer));
    EXPECT_TRUE(on(TimerId::movetimer));
    EXPECT_EQ(shell.soundCount("move1.wav"), 1);
    EXPECT_EQ(world().urecount, 0);
}

}  // namespace
}  // namespace zupel::testing
