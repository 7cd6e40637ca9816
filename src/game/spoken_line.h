// What the slime says, piece by piece. The words it learned, its name and the blanks between
// them are said exactly as they are held; its own words (a greeting, a particle, an ending) are
// the Japanese it has always said, which the window says in the player's language. Joined, the
// pieces are the line in Japanese.
#pragma once

#include <string>
#include <vector>

namespace zupel {

struct SpokenPiece {
    std::string text;
    bool own = false;  // one of the slime's own words, marked with PlayerText::ja
    bool operator==(const SpokenPiece&) const = default;
};

struct SpokenLine {
    std::vector<SpokenPiece> pieces;

    std::string japanese() const;
    bool empty() const { return pieces.empty(); }
    void clear() { pieces.clear(); }
    SpokenLine& operator+=(const SpokenLine& more);
    bool operator==(const SpokenLine&) const = default;
};

SpokenLine operator+(SpokenLine line, const SpokenLine& more);
// One of the slime's own words; "" is no piece at all.
SpokenLine own(const char* japanese);
// Words said as they are held: what the player taught, the slime's name, blanks.
SpokenLine asHeld(std::string text);

}  // namespace zupel
