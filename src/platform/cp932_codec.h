// Code page 932 (Japanese Windows) text for the save files, converted through iconv, which
// carries the exact Windows mapping.
#pragma once

#include "../game/text_codec.h"

namespace zupel {

class Cp932Codec final : public TextCodec {
public:
    std::string toFileField(std::string_view utf8, std::size_t width) const override;
    std::string fromFileField(std::string_view bytes) const override;
};

}  // namespace zupel
