// The two per-user settings that decorate the room: its colour, kept as the decimal text of a
// colour value 0x00BBGGRR, and the path of its picture. Start-up and the redecorating dialog
// read them; the dialog writes them.
#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

namespace zupel {

inline constexpr const char* kBgcolorKey = "bgcolor";
inline constexpr const char* kBmpdirKey = "bmpdir";

// A colour setting is the decimal text of 0x00BBGGRR; anything else is no colour at all.
inline std::optional<uint32_t> parseColour(const std::string& text) {
    uint32_t value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || value > 0xFFFFFF) return std::nullopt;
    return value;
}

}  // namespace zupel
