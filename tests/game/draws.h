// Scripting chance: the random number that makes a draw from 1 to `of` come out as `value`.
#pragma once

namespace zupel::testing {

constexpr double pick(int value, int of) {
    return (value - 0.5) / of;
}

}  // namespace zupel::testing
