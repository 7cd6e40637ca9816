// The fixed-width fields, the same on every system; only a character's bytes are the system's.
#include <algorithm>

#include "cp932_codec.h"

namespace zupel {
namespace {

std::size_t utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;  // a stray byte stands for one unconvertible character
}

}  // namespace

std::string Cp932Codec::toFileField(std::string_view utf8, std::size_t width) const {
    std::string out;
    // Character by character, so that one character code page 932 lacks becomes one "?".
    for (std::size_t i = 0; i < utf8.size() && out.size() < width;) {
        const std::size_t len =
            std::min(utf8SequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        std::string bytes = storedCharacter(utf8.substr(i, len));
        if (bytes.empty()) bytes.assign(1, '?');
        i += len;
        if (out.size() + bytes.size() > width) break;  // never keep half a character
        out += bytes;
    }
    out.resize(width, ' ');
    return out;
}

}  // namespace zupel
