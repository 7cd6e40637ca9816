// Conversions of the game's floating-point values into its 16-bit counters. They round halves
// to even, as the stored sizes always have, and clamp instead of overflowing: a value outside
// the 16-bit range (or not a number at all) must never reach an integer conversion.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace zupel {

inline int16_t toInt16(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kMin = std::numeric_limits<int16_t>::min();
    constexpr double kMax = std::numeric_limits<int16_t>::max();
    if (value <= kMin) return std::numeric_limits<int16_t>::min();
    if (value >= kMax) return std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(std::nearbyint(value));  // default rounding: halves to even
}

inline int16_t clampedSum(int16_t a, double b) {
    return toInt16(static_cast<double>(a) + b);
}

// The dates a save file may hold: 1 January 100 to 31 December 9999, as day numbers counted
// from 30 December 1899.
constexpr double kFirstDay = -657434;
constexpr double kLastDay = 2958465;
inline bool isSaneDate(double day) {
    return std::isfinite(day) && day >= kFirstDay && day <= kLastDay;
}

}  // namespace zupel
