// A long life on the virtual clock: the real rules played by a random player for many calendar
// days (feeding, the slider, playing, talking, touching, freezing, quitting and coming back days
// later) with the game's invariants checked after every event. A seed replays the same life.
#pragma once

#include <cstdint>
#include <string>

namespace zupel::soak {

struct SoakResult {
    bool passed = true;
    std::string failure;  // what broke, the seed, and the actions that led there
    int64_t calendarDays = 0;
    double hoursOpen = 0;  // simulated time the game was open
    int64_t actions = 0;
    int64_t starts = 0;
    int64_t endings = 0;  // slimes that starved, died or were left in a bad state
};

SoakResult runSoak(uint64_t seed, int days);

}  // namespace zupel::soak
