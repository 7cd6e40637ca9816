// Conversion between the game's UTF-8 text and the fixed-width code page 932 text of the save
// files. The game only decides widths; the byte mapping itself is the platform's business.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zupel {

class TextCodec {
public:
    virtual ~TextCodec() = default;
    // Exactly `width` bytes: the text in code page 932, cut at the width (never through a
    // double-byte character: a blank takes the place of its first half) or padded with blanks.
    // A character code page 932 cannot hold is stored as "?".
    virtual std::string toFileField(std::string_view utf8, std::size_t width) const = 0;
    // The bytes as UTF-8 text. Bytes that are not valid code page 932 read as "?".
    virtual std::string fromFileField(std::string_view bytes) const = 0;
};

// Whether a field of `width` bytes keeps the whole text (blanks at its end are padding anyway).
inline bool fitsFileField(const TextCodec& codec, std::string_view utf8, std::size_t width) {
    // A character takes at least one byte, so the text fits only when nothing but blanks follows
    // its first `width` characters, and only those need converting: a pasted page costs no more
    // than a typed letter. They take at most two bytes each, so a field twice as wide cuts none.
    std::size_t head = 0;
    for (std::size_t chars = 0; head < utf8.size() && chars < width; ++chars) {
        do {
            ++head;
        } while (head < utf8.size() && (static_cast<unsigned char>(utf8[head]) & 0xC0) == 0x80);
    }
    if (utf8.find_first_not_of(' ', head) != std::string_view::npos) return false;
    const std::string field = codec.toFileField(utf8.substr(0, head), 2 * width);
    const std::size_t last = field.find_last_not_of(' ');
    return last == std::string::npos || last < width;
}

}  // namespace zupel
