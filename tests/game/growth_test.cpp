// Growth: once per run, on the thirtieth bigtimer tick, unless the slime was here today.
#include "life_fixture.h"

namespace zupel::testing {
namespace {

using Growth = LifeTest;

constexpr Millis kGrowthAt = 300000;  // thirty ticks of ten seconds
constexpr Millis kDayMs = 86400000;

struct GrowthCase {
    const char* what;
    int16_t age;
    int16_t storedSize;
    float sizeAfter;
    bool sound;
};

void PrintTo(const GrowthCase& c, std::ostream* os) {
    *os << c.what;
}

class GrowthStep : public LifeTest, public ::testing::WithParamInterface<GrowthCase> {};

TEST_P(GrowthStep, GrowsOnTheThirtiethTickAndStoresTheNewSize) {
    const GrowthCase& c = GetParam();
    startStill(withMeters(fromYesterday(c.age), 400, 400), c.storedSize);
    controls().slime.left = 40;
    controls().slime.top = 50;
    const SlimeRect before = controls().slime;

    advance(kGrowthAt - 1);
    EXPECT_EQ(controls().slime, before);
    EXPECT_EQ(folder.writes, 0);

    advance(1);
    EXPECT_EQ(controls().slime, (SlimeRect{40, 50, c.sizeAfter, c.sizeAfter}));
    EXPECT_EQ(world().bigsize, c.sizeAfter);
    EXPECT_EQ(storedSize(), c.sizeAfter);
    EXPECT_EQ(folder.writes, 1);
    EXPECT_EQ(shell.soundCount("big.wav"), c.sound ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Ages, GrowthStep,
                         ::testing::Values(GrowthCase{"age1", 1, 10, 12, true},
                                           GrowthCase{"age20", 20, 10, 31, true},
                                           GrowthCase{"age21", 21, 10, 32, false},
                                           GrowthCase{"age21Shrinks", 21, 40, 32, false},
                                           GrowthCase{"grownUp", 30, 32, 32, false}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(Growth, ANewSlimeLeftOpenFiveMinutesBecomesTwelve) {
    start();
    ASSERT_EQ(pet().age, 1);
    pet().esa = 400;
    pet().asobi = 400;
    clock().setEnabled(TimerId::movetimer, false);
    advance(kGrowthAt);
    EXPECT_EQ(controls().slime.width, 12);
    EXPECT_EQ(controls().slime.height, 12);
    EXPECT_EQ(storedSize(), 12);
}

TEST_F(Growth, ARunOfManyDaysGrowsTheSlimeOnce) {
    startStill(fromYesterday(5));
    // Only the growth timer runs; eight days are more than a 16-bit tick count can hold.
    clock().setEnabled(TimerId::foodtimer, false);
    clock().setEnabled(TimerId::modetimer, false);
    advance(8 * kDayMs);
    EXPECT_TRUE(on(TimerId::bigtimer));
    EXPECT_EQ(controls().slime.width, 16);
    EXPECT_EQ(storedSize(), 16);
    EXPECT_EQ(folder.writes, 1);
    EXPECT_EQ(shell.soundCount("big.wav"), 1);
}

TEST_F(Growth, ASlimeAlreadyHereTodayDoesNotGrow) {
    startStill(withMeters(livingSlime(5, kDay), 400, 400), 14);
    ASSERT_EQ(world().bigstop, 1);
    advance(9999);
    EXPECT_TRUE(on(TimerId::bigtimer));
    advance(1);
    EXPECT_FALSE(on(TimerId::bigtimer));

    advance(2 * kGrowthAt);
    EXPECT_FALSE(on(TimerId::bigtimer));
    EXPECT_EQ(controls().slime.width, 14);
    EXPECT_EQ(storedSize(), 14);
    EXPECT_EQ(folder.writes, 0);
    EXPECT_EQ(shell.soundCount("big.wav"), 0);
}

}  // namespace
}  // namespace zupel::testing
