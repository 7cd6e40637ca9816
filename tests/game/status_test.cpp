// The status tick: what the player sees and hears for each condition, once a second; and the
// talk hop.
#include <optional>

#include "life_fixture.h"

namespace zupel::testing {
namespace {

using Status = LifeTest;

constexpr int kOwnPace = 1234;  // an interval no rule sets
constexpr int kUnchanged = 0;
const std::vector<std::string> kCall = {"sound:yobu.wav", "raise"};
const std::vector<std::string> kQuiet = {};

struct StatusRow {
    int16_t condition;
    const char* infobox;  // nullptr: unchanged
    const char* wordbox;  // said when the slime knows 20 words; nullptr: unchanged
    std::optional<bool> button1;
    std::optional<bool> playAndTalk;
    int moveMs;  // kUnchanged: the interval it had
    std::optional<bool> deadtimer;
    std::vector<std::string> effects;
    int16_t after;
};

void PrintTo(const StatusRow& row, std::ostream* os) {
    *os << "code " << row.condition;
}

class StatusTick : public LifeTest, public ::testing::WithParamInterface<StatusRow> {};

TEST_P(StatusTick, ShowsTheConditionOnceASecond) {
    const StatusRow& row = GetParam();
    // Each row twice, from opposite states, so that "unchanged" is seen to hold.
    for (bool initially : {false, true}) {
        SCOPED_TRACE(initially);
        restartStill();
        clock().setEnabled(TimerId::foodtimer, false);  // no meter tick in between
        Controls& c = controls();
        pet().condition = row.condition;
        pet().wordcount = 20;
        world().movemode = 2;
        c.infobox = "喜んでいます";
        c.wordbox = asHeld("やあ");
        c.button1Enabled = c.button2Enabled = c.button3Enabled = initially;
        clock().setEnabled(TimerId::deadtimer, initially);
        clock().setInterval(TimerId::movetimer, kOwnPace);
        const std::size_t logged = shell.log.size();

        advance(1000);
        EXPECT_EQ(c.infobox, row.infobox ? row.infobox : "喜んでいます");
        EXPECT_EQ(c.wordbox, row.wordbox ? row.wordbox : "やあ");
        EXPECT_EQ(c.button1Enabled, row.button1.value_or(initially));
        EXPECT_EQ(c.button2Enabled, row.playAndTalk.value_or(initially));
        EXPECT_EQ(c.button3Enabled, row.playAndTalk.value_or(initially));
        EXPECT_EQ(interval(TimerId::movetimer), row.moveMs == kUnchanged ? kOwnPace : row.moveMs);
        EXPECT_EQ(on(TimerId::deadtimer), row.deadtimer.value_or(initially));
        EXPECT_EQ(std::vector<std::string>(shell.log.begin() + logged, shell.log.end()),
                  row.effects);
        EXPECT_EQ(pet().condition, row.after);
    }
}

const auto kNone = std::nullopt;
INSTANTIATE_TEST_SUITE_P(
    Conditions, StatusTick,
    ::testing::Values(
        StatusRow{0, "元気です", nullptr, kNone, true, 700, false, kQuiet, 0},
        StatusRow{1, "弱っています", nullptr, kNone, false, 3000, true, kCall, 1},
        StatusRow{2,
                  "死んでしまいました",
                  nullptr,
                  kNone,
                  kNone,
                  kUnchanged,
                  false,
                  {"beep", "raise"},
                  2},
        StatusRow{3, "餌が必要です", "おなかすいた", kNone, kNone, kUnchanged, kNone, kCall, 3},
        StatusRow{4, nullptr, nullptr, kNone, kNone, kUnchanged, kNone, kQuiet, 0},
        StatusRow{5, "元気です", nullptr, kNone, true, 700, kNone, kQuiet, 5},
        StatusRow{6, "ストレスがたまっています", "あそんで", kNone, kNone, kUnchanged, kNone, kCall,
                  6},
        StatusRow{7, "弱っています", nullptr, false, false, 3000, true, kCall, 7},
        StatusRow{8, "餌のやりすぎで弱っています", nullptr, kNone, kNone, 3000, kNone, kCall, 8},
        StatusRow{9, nullptr, nullptr, kNone, kNone, kUnchanged, kNone, kQuiet, 9},
        StatusRow{-1, nullptr, nullptr, kNone, kNone, kUnchanged, kNone, kQuiet, -1}),
    [](const auto& info) {
        const int code = info.param.condition;
        return code < 0 ? std::string("minus") + std::to_string(-code) : std::to_string(code);
    });

TEST_F(Status, BehavioursWithTheirOwnPaceAreNeitherSlowedNorRestored) {
    struct PaceCase {
        int16_t condition;
        int pacedMs;  // kUnchanged: the tick leaves the interval alone
        int ownPaceMs;
    };
    constexpr PaceCase kCases[] = {
        {Condition::kFine, 700, kUnchanged},       {Condition::kWeak, 3000, kUnchanged},
        {Condition::kFineStored, 700, kUnchanged}, {Condition::kBadTemperature, 3000, 3000},
        {Condition::kOverfed, 3000, 3000},
    };
    startStill();
    for (const PaceCase& c : kCases) {
        for (int16_t movemode = 0; movemode <= 10; ++movemode) {
            SCOPED_TRACE(::testing::Message()
                         << "code " << c.condition << ", behaviour " << movemode);
            const bool ownPace = movemode == 1 || movemode >= 6;
            pet().condition = c.condition;
            world().movemode = movemode;
            clock().setInterval(TimerId::movetimer, kOwnPace);
            game->modetimer_Timer();
            const int expected = ownPace ? c.ownPaceMs : c.pacedMs;
            EXPECT_EQ(interval(TimerId::movetimer), expected == kUnchanged ? kOwnPace : expected);
        }
    }
}

TEST_F(Status, TheSlimeAsksOnlyOnceItKnowsEnoughWords) {
    struct WordsCase {
        int16_t condition;
        int16_t words;
        const char* says;
    };
    constexpr WordsCase kCases[] = {
        {Condition::kHungry, 9, "やあ"},    {Condition::kHungry, 10, "おなかすいた"},
        {Condition::kStressed, 14, "やあ"}, {Condition::kStressed, 15, "あそんで"},
        {Condition::kFine, 300, "やあ"},    {Condition::kWeak, 300, "やあ"},
    };
    startStill();
    for (const WordsCase& c : kCases) {
        SCOPED_TRACE(::testing::Message() << "code " << c.condition << ", " << c.words);
        pet().condition = c.condition;
        pet().wordcount = c.words;
        controls().wordbox = asHeld("やあ");
        game->modetimer_Timer();
        EXPECT_EQ(controls().wordbox, c.says);
    }
}

TEST_F(Status, AJustFedSlimeIsWeakInARoomTooColdOrTooHot) {
    const std::pair<int16_t, int16_t> kCases[] = {
        {0, 1}, {10, 1}, {15, 1}, {20, 0}, {50, 0}, {80, 0}, {85, 1}, {90, 1}, {100, 1},
    };
    startStill();
    for (auto [ondo, after] : kCases) {
        SCOPED_TRACE(ondo);
        pet().ondo = ondo;
        pet().condition = Condition::kJustFed;
        game->modetimer_Timer();
        EXPECT_EQ(pet().condition, after);
    }
}

TEST_F(Status, WithinTwoSecondsOfAFeedingTheSlimeShowsHowItIs) {
    startStill(withMeters(livingSlime(), 100, 100));
    feed();
    advance(2000);
    EXPECT_EQ(controls().infobox, "元気です");
    EXPECT_TRUE(controls().button2Enabled && controls().button3Enabled);
    EXPECT_FALSE(on(TimerId::deadtimer));

    // A hungry slime keeps its code when the room turns hot, and may still be fed there.
    restartStill(withMeters(livingSlime(), 8, 100));
    pet().condition = Condition::kHungry;
    game->Slider1_Change(8);  // the meter tick now runs every 700 ms, off the status tick's beat
    game->Slider1_Change(9);
    advance(1500);
    ASSERT_EQ(pet().condition, Condition::kHungry);
    ASSERT_TRUE(controls().button1Enabled);
    feed();  // at 1.5 s: the status tick (2 s) comes before the meter tick (2.1 s)
    advance(1500);
    EXPECT_EQ(pet().condition, Condition::kWeak);
    EXPECT_EQ(controls().infobox, "弱っています");
    EXPECT_FALSE(controls().button2Enabled || controls().button3Enabled);
    EXPECT_TRUE(on(TimerId::deadtimer));

    // With both ticks on the same beat, the status tick settles the fed slime first, so the
    // meter tick of that moment cannot pass it off as fine.
    PetRecord hot = withMeters(livingSlime(), 100, 100);
    hot.ondo = 90;
    restartStill(hot);
    pet().condition = Condition::kWeak;
    advance(500);
    feed();
    advance(1500);
    EXPECT_EQ(pet().condition, Condition::kWeak);
    EXPECT_EQ(controls().infobox, "弱っています");
    EXPECT_TRUE(on(TimerId::deadtimer));
}

TEST_F(Status, TheTalkHopBouncesTheSlimeOnEveryTick) {
    startStill();
    clock().setEnabled(TimerId::wordtimer, true);
    controls().slimeFrame = 5;
    const int kFrames[] = {1, 2, 1, 1, 2, 1};
    for (int frame : kFrames) {
        advance(500);
        EXPECT_EQ(controls().slimeFrame, frame);
    }
    EXPECT_EQ(shell.soundCount("move1.wav"), 2);
}

}  // namespace
}  // namespace zupel::testing
