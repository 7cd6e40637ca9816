// The movement timer: which behaviour the slime picks at each age, how the room's edges turn it
// back, and when it may speak.
#include <array>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "draws.h"
#include "game_fixture.h"

namespace zupel::testing {
namespace {

struct AgeCase {
    int16_t age;
    std::set<int> allowed;
};

class AgeGates : public GameTest, public ::testing::WithParamInterface<AgeCase> {};

// Chi-square bounds at p = 0.001 for 4 to 9 degrees of freedom.
double chiSquareBound(std::size_t degrees) {
    constexpr double kBounds[] = {18.47, 20.52, 22.46, 24.32, 26.12, 27.88};
    return kBounds[degrees - 4];
}

// Every allowed behaviour comes up equally often; the others never do.
TEST_P(AgeGates, ChangeTheOdds) {
    const AgeCase& c = GetParam();
    startWith(livingSlime(c.age));
    std::mt19937 generator(20240607u + c.age);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    shell.fallbackRandom = [&] { return uniform(generator); };

    constexpr int kTicks = 18000;
    std::array<int, 11> counts{};
    for (int i = 0; i < kTicks; ++i) {
        world().movestep = 0;  // every tick picks anew
        game->movetimer_Timer();
        ASSERT_GE(world().movemode, 1);
        ASSERT_LE(world().movemode, 10);
        ++counts[world().movemode];
    }
    const double expected = double(kTicks) / c.allowed.size();
    double chiSquare = 0;
    for (int mode = 1; mode <= 10; ++mode) {
        if (!c.allowed.count(mode)) {
            EXPECT_EQ(counts[mode], 0) << "behaviour " << mode;
            continue;
        }
        const double d = counts[mode] - expected;
        chiSquare += d * d / expected;
    }
    EXPECT_LT(chiSquare, chiSquareBound(c.allowed.size() - 1));
}

const std::set<int> kYoung{1, 2, 3, 4, 5};
const std::set<int> kSways{1, 2, 3, 4, 5, 9};
const std::set<int> kTurns{1, 2, 3, 4, 5, 6, 9};
const std::set<int> kSideHops{1, 2, 3, 4, 5, 6, 7, 9};
const std::set<int> kStretches{1, 2, 3, 4, 5, 6, 7, 8, 9};
const std::set<int> kDances{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

INSTANTIATE_TEST_SUITE_P(ByAge, AgeGates,
                         ::testing::Values(AgeCase{1, kYoung}, AgeCase{2, kYoung},
                                           AgeCase{3, kSways}, AgeCase{4, kSways},
                                           AgeCase{5, kTurns}, AgeCase{9, kTurns},
                                           AgeCase{10, kSideHops}, AgeCase{14, kSideHops},
                                           AgeCase{15, kStretches}, AgeCase{19, kStretches},
                                           AgeCase{20, kDances}, AgeCase{300, kDances}),
                         [](const auto& info) { return "Age" + std::to_string(info.param.age); });

struct RedrawCase {
    const char* what;
    int16_t age, movemode, movestep;
    std::vector<double> draws;
    int16_t modeAfter, stepAfter;
    int frame;
};

class Redraws : public GameTest, public ::testing::WithParamInterface<RedrawCase> {};

// A behaviour the slime is too young for is drawn again, until one it may run comes up.
TEST_P(Redraws, UntilTheSlimeMayRunIt) {
    const RedrawCase& c = GetParam();
    startWith(livingSlime(c.age));
    world().movemode = c.movemode;
    world().movestep = c.movestep;
    shell.randoms = {c.draws.begin(), c.draws.end()};
    game->movetimer_Timer();
    EXPECT_TRUE(shell.randoms.empty());
    EXPECT_EQ(world().movemode, c.modeAfter);
    EXPECT_EQ(world().movestep, c.stepAfter);
    EXPECT_EQ(controls().slimeFrame, c.frame);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    AtAnyStep, Redraws,
    ::testing::Values(
        RedrawCase{"ANewBehaviour", 2, 0, 0, {pick(10, 10), pick(9, 10), pick(6, 10), pick(1, 10)}, 1, 1, 1},
        // Midway through a dance: the hop takes over at the step it finds, its landing.
        RedrawCase{"MidAnimation", 5, 10, 2, {pick(1, 10)}, 1, 0, 1},
        // The talk mode's hop was cut short before the first tick chose any behaviour.
        RedrawCase{"NoneChosenYet", 5, 0, 1, {pick(1, 10)}, 1, 2, 2}),
    [](const auto& info) { return std::string(info.param.what); });
// clang-format on

using Movement = GameTest;

TEST_F(Movement, AGeneratorStuckOnAForbiddenBehaviourStillEndsTheTick) {
    startWith(livingSlime(1));
    int draws = 0;
    shell.fallbackRandom = [&] {
        ++draws;
        return pick(10, 10);
    };
    game->movetimer_Timer();
    EXPECT_EQ(world().movemode, 1);
    EXPECT_EQ(world().movestep, 1);
    EXPECT_LE(draws, 2000);
}

struct LimitCase {
    const char* what;
    int mode;
    float left, top;
    int frame;  // the first step of a walk shows which way it goes
    float leftAfter, topAfter;
};

class RoomLimits : public GameTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(RoomLimits, DecideTheWay) {
    const LimitCase& c = GetParam();
    startWith(livingSlime(1));
    controls().slime.left = c.left;
    controls().slime.top = c.top;
    shell.randoms = {pick(c.mode, 10), pick(1, 5)};
    game->movetimer_Timer();
    EXPECT_EQ(world().movemode, c.mode);
    EXPECT_EQ(controls().slimeFrame, c.frame);
    EXPECT_FLOAT_EQ(controls().slime.left, c.leftAfter);
    EXPECT_FLOAT_EQ(controls().slime.top, c.topAfter);
}

INSTANTIATE_TEST_SUITE_P(
    AtTheEdges, RoomLimits,
    ::testing::Values(LimitCase{"UpFromTheTopEdge", 2, 50, 0, 3, 50, -8},
                      LimitCase{"UpFromAboveTheRoom", 2, 50, -1, 5, 50, 7},
                      LimitCase{"UpFromJustAboveTheRoom", 2, 50, -0.5f, 5, 50, 7.5f},
                      LimitCase{"DownFromTheBottomLimit", 3, 50, 176, 5, 50, 184},
                      LimitCase{"DownFromBelowIt", 3, 50, 177, 3, 50, 169},
                      LimitCase{"LeftFromTheLeftEdge", 4, 0, 50, 7, -8, 50},
                      LimitCase{"LeftFromOutside", 4, -1, 50, 9, 7, 50},
                      LimitCase{"RightFromTheRightLimit", 5, 176, 50, 9, 184, 50},
                      LimitCase{"RightFromBeyondIt", 5, 177, 50, 7, 169, 50},
                      LimitCase{"RightFromJustBeyondIt", 5, 176.5f, 50, 7, 168.5f, 50}),
    [](const auto& info) { return std::string(info.param.what); });

struct GateCase {
    const char* what;
    int16_t condition;
    int16_t wordcount;
    int16_t movemode;
    int16_t movestep;
    std::vector<double> moveDraws;  // what the tick draws before it may speak
    bool speaks;
};

class SpeechGate : public GameTest, public ::testing::WithParamInterface<GateCase> {};

TEST_P(SpeechGate, DecidesWhetherTheSlimeSpeaks) {
    const GateCase& c = GetParam();
    storeWords({"あめ"});
    startWith(livingSlime(20));
    pet().condition = c.condition;
    pet().wordcount = c.wordcount;
    world().movemode = c.movemode;
    world().movestep = c.movestep;
    world().walkVariant = {1, 1, 1, 1};
    controls().wordbox = asHeld("まえ");
    shell.randoms = {c.moveDraws.begin(), c.moveDraws.end()};
    shell.randoms.push_back(pick(10, 12));  // falls silent: clears the line
    game->movetimer_Timer();
    EXPECT_EQ(controls().wordbox, c.speaks ? "" : "まえ");
    EXPECT_EQ(shell.randoms.size(), c.speaks ? 0u : 1u);
}

using C = GateCase;
const std::vector<double> kNewWalk{pick(2, 10), pick(1, 5)};
const std::vector<double> kNewHop{pick(1, 10)};

INSTANTIATE_TEST_SUITE_P(
    OnEveryTick, SpeechGate,
    ::testing::Values(C{"WalkStarting", Condition::kFine, 1, 0, 0, kNewWalk, true},
                      C{"WalkEnding", Condition::kFine, 1, 2, 1, {}, true},
                      C{"Weak", Condition::kWeak, 1, 2, 1, {}, true},
                      C{"Hungry", Condition::kHungry, 1, 2, 1, {}, false},
                      C{"Stressed", Condition::kStressed, 1, 0, 0, kNewWalk, false},
                      C{"NoWords", Condition::kFine, 0, 0, 0, kNewWalk, false},
                      C{"ACountBelowZero", Condition::kFine, -3, 2, 1, {}, false},
                      C{"HopStarting", Condition::kFine, 1, 0, 0, kNewHop, false},
                      C{"HopInTheAir", Condition::kFine, 1, 1, 1, {}, false},
                      C{"HopLanding", Condition::kFine, 1, 1, 2, {}, true},
                      C{"TurnMidway", Condition::kFine, 1, 6, 1, {}, false},
                      C{"TurnEnding", Condition::kFine, 1, 6, 4, {}, true},
                      C{"SideHopsMidway", Condition::kFine, 1, 7, 3, {}, false},
                      C{"StretchEnding", Condition::kFine, 1, 8, 5, {}, true},
                      C{"SwayMidway", Condition::kFine, 1, 9, 5, {}, false},
                      C{"DanceMidway", Condition::kFine, 1, 10, 6, {}, false},
                      C{"DanceEnding", Condition::kFine, 1, 10, 7, {}, true}),
    [](const auto& info) { return std::string(info.param.what); });

// A whole hop on the clock: the room's pace (50 degrees) to the first tick, three ticks at 200 ms,
// then the room's pace again; only the landing speaks.
TEST_F(Movement, AHopOnTheClockSpeaksWhenItLands) {
    storeWords({"あめ"});
    PetRecord slime = livingSlime(1);
    slime.wordcount = 1;
    startWith(slime);
    controls().wordbox = asHeld("まえ");
    shell.randoms = {pick(1, 10), pick(1, 12), pick(1, 1), pick(2, 5)};

    advance(700);
    EXPECT_EQ(controls().slimeFrame, 1);
    EXPECT_EQ(interval(TimerId::movetimer), 200);
    advance(200);
    EXPECT_EQ(controls().slimeFrame, 2);
    EXPECT_EQ(controls().wordbox, "まえ");
    advance(199);
    EXPECT_EQ(world().movestep, 2);
    advance(1);
    EXPECT_EQ(world().movestep, 0);
    EXPECT_EQ(shell.sounds, std::vector<std::string>{"move1.wav"});
    EXPECT_EQ(interval(TimerId::movetimer), 700);
    EXPECT_EQ(controls().wordbox, "あめ");  // one word of five: no ending yet
    EXPECT_TRUE(shell.randoms.empty());
}

}  // namespace
}  // namespace zupel::testing

namespace zupel::testing {
namespace {

// A grown-up slime (its meters stand still) left to itself for a simulated day in the busiest
// room wanders all over, but never gets further out of its room than the rules let it: one walk
// step (8 pixels) past an edge, and on the left side the side hops' 8 more from there.
TEST_F(GameTest, ADayOfWanderingReachesEveryWallButNeverStraysFar) {
    PetRecord stored = livingSlime(35);
    stored.ondo = 80;
    startWith(stored, 32);
    std::mt19937 generator(7);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    shell.fallbackRandom = [&] { return uniform(generator); };

    float minLeft = 96, maxLeft = 96, minTop = 96, maxTop = 96;
    for (int second = 0; second < 86400; ++second) {
        advance(1000);
        const SlimeRect& s = controls().slime;
        minLeft = std::min(minLeft, s.left);
        maxLeft = std::max(maxLeft, s.left);
        minTop = std::min(minTop, s.top);
        maxTop = std::max(maxTop, s.top);
    }
    EXPECT_GE(minLeft, -16);
    EXPECT_GE(minTop, -8);
    EXPECT_LE(maxLeft, 176 + 8);
    EXPECT_LE(maxTop, 176 + 8);
    // ... and it does reach every wall.
    EXPECT_LT(minLeft, 8);
    EXPECT_LT(minTop, 8);
    EXPECT_GT(maxLeft, 168);
    EXPECT_GT(maxTop, 168);
}

}  // namespace
}  // namespace zupel::testing
