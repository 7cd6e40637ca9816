// How big the slime is drawn, in room pixels. It is named at 10 pixels, grows by its age plus
// one at most once a day while it is younger than 21 days, and is full-grown at 32 from then on.
#pragma once

#include <cstdint>

namespace zupel {

constexpr int16_t kNewbornSize = 10;
constexpr int16_t kFullSizeAge = 21;  // from this age a growth step sets the full size
constexpr int16_t kFullSize = 32;

// The widest growth can make a slime: one step on each day of its youth, ages 1 to 20. A young
// slime may well be wider than its full size; at 21 it shrinks to it.
constexpr int16_t kLargestSize = [] {
    int size = kNewbornSize;
    for (int age = 1; age < kFullSizeAge; ++age) size += age + 1;
    return static_cast<int16_t>(size);
}();

}  // namespace zupel
