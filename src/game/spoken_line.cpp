#include "spoken_line.h"

namespace zupel {

std::string SpokenLine::japanese() const {
    std::string line;
    for (const SpokenPiece& piece : pieces) line += piece.text;
    return line;
}

SpokenLine& SpokenLine::operator+=(const SpokenLine& more) {
    pieces.insert(pieces.end(), more.pieces.begin(), more.pieces.end());
    return *this;
}

SpokenLine operator+(SpokenLine line, const SpokenLine& more) {
    return line += more;
}

SpokenLine own(const char* japanese) {
    if (*japanese == '\0') return {};
    return {{{japanese, true}}};
}

SpokenLine asHeld(std::string text) {
    if (text.empty()) return {};
    return {{{std::move(text), false}}};
}

}  // namespace zupel
