// The texts the player reads are written in Japanese, as the game has always shown them. Each one
// the rules write is marked with PlayerText::ja, so that Qt's translation tools (lupdate, told to
// read `ja` as `tr`) find it here; in the rules it is the Japanese text itself, and the window
// says it in the player's language as it shows it.
#pragma once

namespace zupel {

struct PlayerText {
    static constexpr const char* ja(const char* japanese) { return japanese; }
};

}  // namespace zupel
