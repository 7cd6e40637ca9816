// The slime's animations step by step: frames, positions, sounds and the timers they touch.
#include <map>
#include <string>
#include <vector>

#include "draws.h"
#include "game_fixture.h"

namespace zupel::testing {
namespace {

using Routine = void (Game::*)();

class MoveRoutines : public GameTest {
protected:
    void SetUp() override {
        startWith(livingSlime(20));
        shell.sounds.clear();
        controls().slime.left = 100;
        controls().slime.top = 100;
    }
    void run(Routine routine) { (game.get()->*routine)(); }
    // Fails the test when a routine draws without being expected to.
    void forbidDraws() {
        shell.fallbackRandom = [] {
            ADD_FAILURE() << "unexpected draw";
            return 0.0;
        };
    }
};

struct Point {
    float left, top;
};

struct WalkCase {
    const char* what;
    Routine routine;
    int slot;         // its place in walkVariant
    int16_t variant;  // 1 to 4 walk, 5 jumps
    std::vector<int> frames;
    std::vector<Point> positions;  // after each step, from (100, 100)
    int soundStep;                 // the step that plays the landing; -1 for none
};

class Walks : public MoveRoutines, public ::testing::WithParamInterface<WalkCase> {};

TEST_P(Walks, StepByStep) {
    const WalkCase& c = GetParam();
    game->scheduler().setInterval(TimerId::movetimer, 1234);
    game->scheduler().setEnabled(TimerId::modetimer, true);
    shell.randoms = {pick(c.variant, 5)};
    forbidDraws();  // the variant is drawn on the first step only
    for (std::size_t i = 0; i < c.frames.size(); ++i) {
        SCOPED_TRACE(i);
        run(c.routine);
        const bool last = i + 1 == c.frames.size();
        EXPECT_EQ(controls().slimeFrame, c.frames[i]);
        EXPECT_FLOAT_EQ(controls().slime.left, c.positions[i].left);
        EXPECT_FLOAT_EQ(controls().slime.top, c.positions[i].top);
        EXPECT_EQ(world().movestep, last ? 0 : static_cast<int>(i) + 1);
        const bool landed = c.soundStep >= 0 && static_cast<int>(i) >= c.soundStep;
        EXPECT_EQ(shell.sounds,
                  landed ? std::vector<std::string>{"move1.wav"} : std::vector<std::string>{});
    }
    EXPECT_EQ(world().walkVariant[c.slot], c.variant);
    // Walks leave the timers alone.
    EXPECT_EQ(interval(TimerId::movetimer), 1234);
    EXPECT_TRUE(on(TimerId::modetimer));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    AllFour, Walks,
    ::testing::Values(
        WalkCase{"UpWalk",    &Game::move2, 0, 1, {3, 4},       {{100, 92}, {100, 84}}, -1},
        WalkCase{"UpJump",    &Game::move2, 0, 5, {4, 14, 4},   {{100, 100}, {100, 96}, {100, 92}}, 2},
        WalkCase{"DownWalk",  &Game::move3, 1, 2, {5, 6},       {{100, 108}, {100, 116}}, -1},
        WalkCase{"DownJump",  &Game::move3, 1, 5, {6, 2, 6},    {{100, 100}, {100, 104}, {100, 108}}, 2},
        WalkCase{"LeftWalk",  &Game::move4, 2, 3, {7, 8},       {{92, 100}, {84, 100}}, -1},
        WalkCase{"LeftJump",  &Game::move4, 2, 5, {8, 15, 8},   {{100, 100}, {96, 100}, {92, 100}}, 2},
        WalkCase{"RightWalk", &Game::move5, 3, 4, {9, 10},      {{108, 100}, {116, 100}}, -1},
        WalkCase{"RightJump", &Game::move5, 3, 5, {10, 16, 10}, {{100, 100}, {104, 100}, {108, 100}}, 2}),
    [](const auto& info) { return std::string(info.param.what); });
// clang-format on

struct HandOverCase {
    const char* what;
    int16_t downVariant;  // what move3 drew last; 0 if it never ran
    int frame;
    float top;
    int16_t movestep;
};

class WalkHandOver : public MoveRoutines, public ::testing::WithParamInterface<HandOverCase> {};

// move2 walking up from Top 4 crosses the room's top edge; the next tick turns the slime back,
// and move3 finishes the walk from the same step with its own variant.
TEST_P(WalkHandOver, TheOppositeRoutineFinishesTheWalk) {
    const HandOverCase& c = GetParam();
    controls().slime.top = 4;
    world().walkVariant[1] = c.downVariant;
    world().movemode = 2;
    shell.randoms = {pick(1, 5)};
    game->move2();
    ASSERT_FLOAT_EQ(controls().slime.top, -4);
    ASSERT_EQ(world().movestep, 1);

    forbidDraws();
    game->movetimer_Timer();
    EXPECT_EQ(world().movemode, 2);
    EXPECT_EQ(controls().slimeFrame, c.frame);
    EXPECT_FLOAT_EQ(controls().slime.top, c.top);
    EXPECT_EQ(world().movestep, c.movestep);
    EXPECT_EQ(world().walkVariant[0], 1);
}

INSTANTIATE_TEST_SUITE_P(
    AcrossTheTopEdge, WalkHandOver,
    ::testing::Values(HandOverCase{"SecondStepOfAWalk", 1, 6, 4, 0},
                      HandOverCase{"MiddleStepOfAJump", 5, 2, 0, 2},
                      // Never drawn: it ends the walk as a walk's second step does.
                      HandOverCase{"NeverDrawn", 0, 6, 4, 0}),
    [](const auto& info) { return std::string(info.param.what); });

struct SequenceCase {
    const char* what;
    Routine routine;
    bool pausesStatus;
    std::vector<int> frames;
    std::vector<int> intervals;           // of movetimer after each step
    std::map<int, std::string> soundsAt;  // step: sound played on it
    std::vector<float> lefts;             // after each step; empty: it stays at 50
};

class Sequences : public MoveRoutines,
                  public ::testing::WithParamInterface<std::tuple<SequenceCase, bool>> {};

// The last step hands the pace back to the room: 700 ms at 50 degrees.
TEST_P(Sequences, StepByStep) {
    const auto& [c, statusWasOn] = GetParam();
    controls().slime.left = 50;
    game->scheduler().setEnabled(TimerId::modetimer, statusWasOn);
    forbidDraws();
    std::vector<std::string> sounds;
    for (std::size_t i = 0; i < c.frames.size(); ++i) {
        SCOPED_TRACE(i);
        const bool last = i + 1 == c.frames.size();
        run(c.routine);
        if (c.soundsAt.count(i)) sounds.push_back(c.soundsAt.at(i));
        EXPECT_EQ(controls().slimeFrame, c.frames[i]);
        EXPECT_FLOAT_EQ(controls().slime.left, c.lefts.empty() ? 50 : c.lefts[i]);
        EXPECT_FLOAT_EQ(controls().slime.top, 100);
        EXPECT_EQ(shell.sounds, sounds);
        EXPECT_EQ(interval(TimerId::movetimer), c.intervals[i]);
        EXPECT_EQ(world().movestep, last ? 0 : static_cast<int>(i) + 1);
        EXPECT_EQ(on(TimerId::modetimer), c.pausesStatus ? last : statusWasOn);
    }
}

using Q = SequenceCase;
const std::string kHop = "move1.wav";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    FixedAnimations, Sequences,
    ::testing::Combine(
        ::testing::Values(
            Q{"HopInPlace", &Game::move1, false, {1, 2, 1}, {200, 200, 700}, {{2, kHop}}, {}},
            Q{"TurnAround", &Game::move6, true, {1, 7, 4, 9, 1}, {100, 100, 100, 100, 700},
              {{1, "move6.wav"}}, {}},
            Q{"SideHops", &Game::move7, true, {1, 2, 1, 2, 1}, {200, 200, 200, 200, 700},
              {{2, kHop}, {4, kHop}}, {50, 46, 42, 46, 50}},
            Q{"StretchAndSquash", &Game::move8, true, {13, 1, 12, 1, 13, 1},
              {200, 200, 200, 200, 200, 700}, {}, {}},
            Q{"Sway", &Game::move9, true, {1, 12, 17, 12, 18, 12, 1},
              {300, 300, 300, 300, 300, 300, 700}, {}, {}},
            Q{"Dance", &Game::move10, true, {1, 12, 19, 17, 18, 19, 12, 1},
              {200, 200, 200, 300, 300, 200, 200, 700}, {}, {}}),
        ::testing::Bool()),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).what) +
               (std::get<1>(info.param) ? "StatusOn" : "StatusOff");
    });
// clang-format on

struct StrayStep {
    Routine routine;
    int16_t step;
};

class StraySteps : public MoveRoutines, public ::testing::WithParamInterface<StrayStep> {};

// A step another routine left behind, past the end of this one's animation.
TEST_P(StraySteps, ChangeNothing) {
    game->scheduler().setInterval(TimerId::movetimer, 1234);
    world().movestep = GetParam().step;
    controls().slimeFrame = 5;
    const Controls before = controls();
    const bool statusOn = on(TimerId::modetimer);
    forbidDraws();
    run(GetParam().routine);
    EXPECT_EQ(controls(), before);
    EXPECT_EQ(world().movestep, GetParam().step);
    EXPECT_EQ(interval(TimerId::movetimer), 1234);
    EXPECT_EQ(on(TimerId::modetimer), statusOn);
    EXPECT_TRUE(shell.sounds.empty());
}

INSTANTIATE_TEST_SUITE_P(PastTheLastStep, StraySteps,
                         ::testing::Values(StrayStep{&Game::move1, 3}, StrayStep{&Game::move6, 5},
                                           StrayStep{&Game::move7, -1}, StrayStep{&Game::move8, 6},
                                           StrayStep{&Game::move9, 7},
                                           StrayStep{&Game::move10, 8}));

}  // namespace
}  // namespace zupel::testing
