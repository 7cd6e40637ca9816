// Touching the slime: what a click gets at each age, the hand and the toy as the pointer moves,
// and where the room records the pointer.
#include "draws.h"
#include "life_fixture.h"

namespace zupel::testing {
namespace {

using Touch = LifeTest;

double reaction(int r) {
    return pick(r, 4);
}

struct ClickCase {
    int16_t age;
    int16_t esa;
    std::vector<double> draws;  // redrawn until the slime is old enough for the reaction
    std::string says;
    int16_t behaviour;
};

TEST_F(Touch, AClickGetsTheReactionsItsAgeAllows) {
    const ClickCase kCases[] = {
        {4, 100, {reaction(2), reaction(3), reaction(4), reaction(1)}, "くすぐったい", 1},
        {5, 100, {reaction(2)}, "ブニブニ", 6},
        {9, 100, {reaction(3), reaction(4), reaction(2)}, "ブニブニ", 6},
        {10, 100, {reaction(3)}, "あそんで あそんで", 7},
        {14, 100, {reaction(4), reaction(1)}, "くすぐったい", 1},
        {15, 449, {reaction(4)}, "おやつ ちょうだい", 8},
        {15, 450, {reaction(4)}, "鈴！鈴！", 8},
    };
    for (const ClickCase& c : kCases) {
        SCOPED_TRACE(::testing::Message() << "age " << c.age << ", " << c.says);
        restartStill(withMeters(livingSlime(c.age), c.esa, 50));
        game->button3_Click();  // a click is answered in any mode, over whatever was said
        world().movemode = 9;   // and cuts short whatever the slime was doing
        world().movestep = 3;
        controls().wordbox = "まえ";
        shell.randoms = {c.draws.begin(), c.draws.end()};
        shell.fallbackRandom = [] {
            ADD_FAILURE() << "unexpected draw";
            return 0.0;
        };
        game->sura_Click();
        EXPECT_TRUE(shell.randoms.empty());
        EXPECT_EQ(controls().wordbox, c.says);
        EXPECT_EQ(world().movemode, c.behaviour);
        EXPECT_EQ(world().movestep, 1);  // its first step is taken at once
    }
}

TEST_F(Touch, AGeneratorThatNeverLandsOnAnAllowedReactionStillGetsAnAnswer) {
    startStill(livingSlime(1));
    shell.fallbackRandom = [] { return reaction(4); };
    game->sura_Click();
    EXPECT_EQ(controls().wordbox, "くすぐったい");
}

TEST_F(Touch, TheHandComesOverTheSlimeAndTheToyStays) {
    using P = Pointer;
    const P kArrow{false, PointerIcon::none};
    const P kHand{true, PointerIcon::hand};
    const P kArrowAfterHand{false, PointerIcon::hand};
    const P kToy{true, PointerIcon::furi};
    const P kArrowAfterToy{false, PointerIcon::furi};
    const struct {
        Pointer before;
        void (Game::*move)();
        Pointer after;
    } kCases[] = {
        {kArrow, &Game::sura_MouseMove, kHand},
        {kArrowAfterToy, &Game::sura_MouseMove, kHand},
        {kToy, &Game::sura_MouseMove, kToy},
        {kHand, &Game::Form_MouseMove, kArrowAfterHand},
        {kHand, &Game::wordbox_MouseMove, kArrowAfterHand},
        {kToy, &Game::Form_MouseMove, kToy},
        {kToy, &Game::wordbox_MouseMove, kToy},
        {kArrowAfterToy, &Game::Form_MouseMove, kArrowAfterToy},
    };
    startStill();
    for (const auto& c : kCases) {
        controls().pointer = c.before;
        (game.get()->*c.move)();
        EXPECT_EQ(controls().pointer, c.after);
    }
}

TEST_F(Touch, TheRoomRecordsThePointerRoundedHalfToEven) {
    const struct {
        double x, y;
        int16_t mousex, mousey;
    } kCases[] = {
        {10.5, 0.5, 10, 20}, {11.5, 1.5, 12, 22},  {3.4, 3.6, 3, 24},
        {0, -20.5, 0, 0},    {199, 199, 199, 219},
    };
    startStill();
    for (const auto& c : kCases) {
        controls().pointer = {true, PointerIcon::hand};
        game->Picture1_MouseMove(c.x, c.y);
        EXPECT_EQ(world().mousex, c.mousex) << c.x;
        EXPECT_EQ(world().mousey, c.mousey) << c.y;
        EXPECT_EQ(controls().pointer, (Pointer{false, PointerIcon::hand}));
    }
    game->Form_MouseMove();  // only the room records the pointer
    EXPECT_EQ(world().mousex, 199);
}

}  // namespace
}  // namespace zupel::testing
