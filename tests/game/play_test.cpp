// Playing: the chase towards the toy, and how play, talk and feeding end one another.
#include "draws.h"
#include "life_fixture.h"

namespace zupel::testing {
namespace {

using Play = LifeTest;

struct ChaseCase {
    const char* what;
    int16_t phase;
    float cx, cy;  // the slime's centre
    float dx, dy;  // its move: a walk step is 8 pixels
};

class Chase : public LifeTest, public ::testing::WithParamInterface<ChaseCase> {};

// The toy is at (100, 100).
TEST_P(Chase, SettlesOneAxisFirstAndRingsWithinFivePixels) {
    const ChaseCase& c = GetParam();
    startStill();
    world().mousex = world().mousey = 100;
    world().asobiphase = c.phase;
    controls().slime = {c.cx - 16, c.cy - 16, 32, 32};
    shell.randoms = {pick(1, 5)};  // a walk, not a jump
    game->asobitimer_Timer();
    EXPECT_FLOAT_EQ(controls().slime.left - (c.cx - 16), c.dx);
    EXPECT_FLOAT_EQ(controls().slime.top - (c.cy - 16), c.dy);
    EXPECT_EQ(shell.soundCount("bell.wav"), c.dx == 0 && c.dy == 0 ? 1 : 0);
    EXPECT_EQ(world().asobiphase, (c.phase + 1) % 4);
    EXPECT_EQ(pet().asobi, 1000);
}

using C = ChaseCase;
INSTANTIATE_TEST_SUITE_P(Ticks, Chase,
                         ::testing::Values(C{"acrossFirst", 0, 50, 150, 8, 0},
                                           C{"acrossFirstLeft", 1, 150, 50, -8, 0},
                                           C{"upAndDownFirst", 2, 50, 150, 0, -8},
                                           C{"upAndDownFirstDown", 3, 150, 50, 0, 8},
                                           C{"levelAcrossGoesUp", 0, 104.9f, 150, 0, -8},
                                           C{"fivePixelsIsNotLevel", 0, 105, 150, -8, 0},
                                           C{"levelUpAndDownGoesAcross", 2, 50, 95.1f, 8, 0},
                                           C{"caught", 0, 95.1f, 104.9f, 0, 0},
                                           C{"caughtInTheOtherPhase", 3, 104.9f, 95.1f, 0, 0}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(Play, FeedingPlayAndTalkEndOneAnother) {
    startStill();
    game->button3_Click();
    game->wordinbox_Change("あめ");
    game->button2_Click();
    EXPECT_EQ(world().talkmode, 0);
    EXPECT_EQ(controls().pointer, (Pointer{true, PointerIcon::furi}));
    // The entry closes with its OK button, so nothing can be taught while playing.
    EXPECT_FALSE(controls().wordinboxEnabled || controls().wordbuttonEnabled);
    game->button3_Click();
    EXPECT_EQ(world().asobimode, 0);
    EXPECT_FALSE(on(TimerId::asobitimer));
    game->button2_Click();
    feed();
    EXPECT_EQ(world().asobimode + world().talkmode, 0);
    EXPECT_EQ(controls().button2Caption + controls().button3Caption, "");
    EXPECT_FALSE(on(TimerId::asobitimer));
}

}  // namespace
}  // namespace zupel::testing
