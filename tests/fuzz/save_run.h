// One start of the game on arbitrary save files: the three files travel in one byte string
// (see SaveSet), the game starts on them, lives a few minutes of virtual time and quits the
// way the player would. The fuzzer and the corpus test both drive it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "save_folder.h"

namespace zupel::testing {

// The files of one run and the outside world around them, packed as
//   [day shift: int8] [dice seed: uint8] [minutes: uint8] [data length: uint8]
//   [word length: uint16 LE] [data.sura bytes] [word.sura bytes] [big.sura bytes: the rest]
// A length that runs past the end takes what is there. The day shift moves today around the
// day the seed saves were written on, so the catch-up after a long absence is reached too.
// The game runs for 1 to 6 minutes (minutes modulo 6, plus one): the growth tick comes five
// minutes in, and shorter runs leave the fuzzer time for more files.
struct SaveSet {
    int dayShift = 0;
    uint8_t diceSeed = 0;
    uint8_t minutes = 6;
    Bytes data, word, big;

    static SaveSet unpack(const uint8_t* bytes, std::size_t size);
    Bytes pack() const;
};

// The day the seed saves were written on; today is this plus the day shift.
constexpr int kSeedDay = 36135;

// Runs the game on the files; nullopt when it held up, otherwise what went wrong. A save-file
// error is the game's own clear report, not a fault, unless the game used a file it had
// already closed.
std::optional<std::string> runOnSaves(const SaveSet& saves);

}  // namespace zupel::testing
