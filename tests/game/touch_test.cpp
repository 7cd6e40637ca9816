// Touching: what a click gets at each age, the pointer over the slime, and the toy's target.
#include "draws.h"
#include "life_fixture.h"

namespace zupel::testing {
namespace {

using Touch = LifeTest;

TEST_F(Touch, AClickGetsTheReactionsItsAgeAllows) {
    const struct {
        int16_t age, esa;
        std::vector<int> draws;  // drawn again until the slime is old enough
        std::string says;
        int16_t behaviour;
    } kCases[] = {
        {4, 100, {2, 3, 4, 1}, "くすぐったい", 1},
        {5, 100, {3, 4, 2}, "ブニブニ", 6},
        {10, 100, {4, 3}, "あそんで あそんで", 7},
        {15, 449, {4}, "おやつ ちょうだい", 8},
        {15, 450, {4}, "鈴！鈴！", 8},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.says);
        restartStill(withMeters(livingSlime(c.age), c.esa, 50));
        world().movemode = 9;  // a click cuts short whatever the slime was doing
        world().movestep = 3;
        for (int r : c.draws) shell.randoms.push_back(pick(r, 4));
        game->sura_Click();
        EXPECT_TRUE(shell.randoms.empty());
        EXPECT_EQ(controls().wordbox, c.says);
        EXPECT_EQ(world().movemode, c.behaviour);
        EXPECT_EQ(world().movestep, 1);  // its first step is taken at once
    }
}

TEST_F(Touch, TheHandComesOverTheSlimeAndTheToyStays) {
    const Pointer kHand{true, PointerIcon::hand}, kToy{true, PointerIcon::furi};
    const struct {
        Pointer before;
        void (Game::*move)();
        Pointer after;
    } kCases[] = {
        {{}, &Game::sura_MouseMove, kHand},
        {{false, PointerIcon::furi}, &Game::sura_MouseMove, kHand},
        {kToy, &Game::sura_MouseMove, kToy},
        {kHand, &Game::Form_MouseMove, {false, PointerIcon::hand}},
        {kHand, &Game::wordbox_MouseMove, {false, PointerIcon::hand}},
        {kToy, &Game::wordbox_MouseMove, kToy},
    };
    startStill();
    for (const auto& c : kCases) {
        controls().pointer = c.before;
        (game.get()->*c.move)();
        EXPECT_EQ(controls().pointer, c.after);
    }
}

TEST_F(Touch, TheRoomRecordsThePointerRoundedHalfToEven) {
    startStill();
    controls().pointer = {true, PointerIcon::hand};
    for (auto [x, y, mx, my] : {std::tuple{10.5, 0.5, 10, 20}, {11.5, 1.5, 12, 22}}) {
        game->Picture1_MouseMove(x, y);
        EXPECT_EQ(world().mousex, mx);
        EXPECT_EQ(world().mousey, my);
    }
    EXPECT_EQ(controls().pointer, (Pointer{false, PointerIcon::hand}));
}

}  // namespace
}  // namespace zupel::testing
