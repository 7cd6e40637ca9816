// Playing: the play button, the chase towards the toy, and how play, talk and feeding end one
// another.
#include "draws.h"
#include "life_fixture.h"

namespace zupel::testing {
namespace {

using Play = LifeTest;

TEST_F(Play, StartingPlayEndsTalkAndHoldsTheToy) {
    startStill(withMeters(livingSlime(), 5, 3));
    pet().condition = Condition::kHungry;
    game->button3_Click();
    game->wordinbox_Change("あめ");
    controls().wordbox = "あめ";
    shell.randoms = {pick(40, 100)};
    game->button2_Click();

    const Controls& c = controls();
    EXPECT_EQ(world().talkmode, 0);
    EXPECT_EQ(c.button3Caption, "");
    EXPECT_EQ(c.pointer, (Pointer{true, PointerIcon::furi}));
    EXPECT_FALSE(c.slider1Enabled);
    EXPECT_EQ(pet().condition, Condition::kFine);
    EXPECT_EQ(pet().asobi, 60);
    EXPECT_EQ(c.wordbox, "");
    // The entry closes with its OK button, so nothing can be taught while playing.
    EXPECT_EQ(c.wordinboxColor, kLightGrey);
    EXPECT_FALSE(c.wordinboxEnabled || c.wordbuttonEnabled);
    EXPECT_EQ(world().asobimode, 1);
    EXPECT_EQ(c.button2Caption, "やめる");
    EXPECT_TRUE(on(TimerId::asobitimer) && on(TimerId::foodtimer));
    EXPECT_FALSE(on(TimerId::wordtimer));

    // Play does not stop hunger: the next meter tick finds the slime hungry again.
    advance(500);
    EXPECT_EQ(pet().asobi, 1000);
    EXPECT_FALSE(on(TimerId::movetimer));
    advance(500);
    EXPECT_EQ(pet().condition, Condition::kHungry);

    game->button2_Click();
    EXPECT_EQ(world().asobimode, 0);
    EXPECT_EQ(c.button2Caption, "");
    EXPECT_EQ(c.pointer, (Pointer{false, PointerIcon::furi}));
    EXPECT_TRUE(c.slider1Enabled);
    EXPECT_TRUE(on(TimerId::movetimer) && on(TimerId::foodtimer));
    EXPECT_FALSE(on(TimerId::asobitimer));
}

struct ChaseCase {
    const char* what;
    int16_t phase;
    float cx, cy;  // the slime's centre
    float dx, dy;  // how it moves: a walk step is 8 pixels
    bool rings;
};

void PrintTo(const ChaseCase& c, std::ostream* os) {
    *os << c.what;
}

class Chase : public LifeTest, public ::testing::WithParamInterface<ChaseCase> {};

// The toy is at (100, 100).
TEST_P(Chase, SettlesOneAxisFirstAndRingsWithinFivePixels) {
    const ChaseCase& c = GetParam();
    startStill();
    world().mousex = 100;
    world().mousey = 100;
    world().asobiphase = c.phase;
    controls().slime = {c.cx - 16, c.cy - 16, 32, 32};
    shell.randoms = {pick(1, 5)};  // a walk, not a jump
    game->asobitimer_Timer();
    EXPECT_FLOAT_EQ(controls().slime.left, c.cx - 16 + c.dx);
    EXPECT_FLOAT_EQ(controls().slime.top, c.cy - 16 + c.dy);
    EXPECT_EQ(shell.soundCount("bell.wav"), c.rings ? 1 : 0);
    EXPECT_EQ(world().asobiphase, (c.phase + 1) % 4);
}

using C = ChaseCase;
INSTANTIATE_TEST_SUITE_P(Ticks, Chase,
                         ::testing::Values(C{"acrossFirst", 0, 50, 150, 8, 0, false},
                                           C{"acrossFirstToTheLeft", 1, 150, 50, -8, 0, false},
                                           C{"upAndDownFirstGoesUp", 2, 50, 150, 0, -8, false},
                                           C{"upAndDownFirstGoesDown", 3, 150, 50, 0, 8, false},
                                           C{"levelAcrossGoesUp", 0, 104.9f, 150, 0, -8, false},
                                           C{"fivePixelsIsNotLevel", 0, 105, 150, -8, 0, false},
                                           C{"levelUpAndDownGoesAcross", 2, 50, 95.1f, 8, 0, false},
                                           C{"caughtFromEitherSide", 0, 95.1f, 104.9f, 0, 0, true},
                                           C{"caughtInTheOtherPhase", 3, 104.9f, 95.1f, 0, 0,
                                             true}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(Play, TheSlimeRunsToWherePointerWasOverTheRoom) {
    startStill();  // a 10-pixel slime at (96, 96)
    game->button2_Click();
    game->Picture1_MouseMove(150.4, 29.6);  // the toy at (150, 50)
    advance(13 * 500);                      // six walk steps on each axis, then the bell
    const SlimeRect& s = controls().slime;
    EXPECT_NEAR(s.left + 5, 150, 5);
    EXPECT_NEAR(s.top + 5, 50, 5);
    EXPECT_GE(shell.soundCount("bell.wav"), 1);
}

TEST_F(Play, FeedingPlayAndTalkEndOneAnother) {
    startStill();
    game->button2_Click();
    feed();
    EXPECT_EQ(world().asobimode, 0);
    EXPECT_FALSE(on(TimerId::asobitimer));

    game->button3_Click();
    game->button2_Click();
    EXPECT_EQ(world().talkmode, 0);
    EXPECT_EQ(world().asobimode, 1);
    game->button3_Click();
    EXPECT_EQ(world().asobimode, 0);
    EXPECT_EQ(world().talkmode, 1);
    EXPECT_FALSE(on(TimerId::asobitimer));
    feed();
    EXPECT_EQ(world().talkmode, 0);
    EXPECT_EQ(controls().button2Caption + controls().button3Caption, "");
}

}  // namespace
}  // namespace zupel::testing
