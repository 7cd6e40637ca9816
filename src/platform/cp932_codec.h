// Code page 932 (Japanese Windows) text for the save files, converted through iconv, which
// carries the exact Windows mapping. The conversions are opened once, on first use, and kept:
// the slime reads a word from its file every time it speaks. One codec serves one thread.
#pragma once

#include <memory>

#include "../game/text_codec.h"

namespace zupel {

class Cp932Codec final : public TextCodec {
public:
    Cp932Codec();
    ~Cp932Codec() override;
    Cp932Codec(const Cp932Codec&) = delete;
    Cp932Codec& operator=(const Cp932Codec&) = delete;

    std::string toFileField(std::string_view utf8, std::size_t width) const override;
    std::string fromFileField(std::string_view bytes) const override;

private:
    // One character's code page 932 bytes, or "" when the code page lacks it.
    std::string storedCharacter(std::string_view utf8) const;

    class Converter;
    Converter& toCp932() const;
    Converter& toUtf8() const;

    mutable std::unique_ptr<Converter> toCp932_, toUtf8_;
};

}  // namespace zupel
