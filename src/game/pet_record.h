// The slime's persistent record and the codes it holds. This is what survives from one run of
// the game to the next (record 1 of data.sura), plus the one-word transfer buffer of word.sura.
#pragma once

#include <cstdint>
#include <string>

namespace zupel {

// How the slime is doing. A file may hold any 16-bit value here, so these are plain constants.
namespace Condition {
constexpr int16_t kFine = 0;
constexpr int16_t kWeak = 1;
constexpr int16_t kDead = 2;
constexpr int16_t kHungry = 3;
constexpr int16_t kJustFed = 4;
constexpr int16_t kFineStored = 5;  // only ever read from a file; counts as fine
constexpr int16_t kStressed = 6;
constexpr int16_t kBadTemperature = 7;
constexpr int16_t kOverfed = 8;
}  // namespace Condition

namespace PetState {
constexpr int16_t kNone = 0;
constexpr int16_t kLiving = 1;
constexpr int16_t kFrozen = 2;
}  // namespace PetState

constexpr int kNameChars = 10;
constexpr int kWordChars = 20;

struct PetRecord {
    std::string name;  // UTF-8, exactly kNameChars characters, blank-padded
    int16_t age = 0;
    int16_t condition = 0;
    int16_t asobi = 0;
    int16_t esa = 0;
    int16_t ondo = 0;
    int16_t wordcount = 0;
    int16_t state = 0;
    double lastdate = 0;  // days since 30 December 1899

    bool operator==(const PetRecord&) const = default;
};

struct WordRecord {
    std::string word;  // UTF-8, exactly kWordChars characters, blank-padded
};

}  // namespace zupel
