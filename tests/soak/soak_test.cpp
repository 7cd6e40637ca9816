// A few seeded months of a random player's life with the slime; every invariant holds after
// every event. A failure prints the seed and the actions that led to it.
#include "soak.h"

#include <gtest/gtest.h>

namespace zupel::soak {
namespace {

TEST(Soak, SeveralSeededMonthsKeepEveryInvariant) {
    int64_t starts = 0, actions = 0;
    for (uint64_t seed : {1u, 2u, 3u, 20261207u}) {
        const SoakResult r = runSoak(seed, 30);
        EXPECT_TRUE(r.passed) << r.failure;
        EXPECT_GE(r.calendarDays, 30);
        starts += r.starts;
        actions += r.actions;
    }
    EXPECT_GT(starts, 20) << "a month of play starts the game many times";
    EXPECT_GT(actions, 500);
}

TEST(Soak, ASeedPlaysTheSameLifeAgain) {
    const SoakResult a = runSoak(77, 5);
    const SoakResult b = runSoak(77, 5);
    EXPECT_EQ(a.actions, b.actions);
    EXPECT_EQ(a.starts, b.starts);
    EXPECT_EQ(a.hoursOpen, b.hoursOpen);
}

}  // namespace
}  // namespace zupel::soak
