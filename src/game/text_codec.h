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

}  // namespace zupel
