// Field widths inside the game count characters, not bytes: these helpers cut, pad and trim
// UTF-8 text by characters.
#pragma once

#include <string>
#include <string_view>

namespace zupel {

std::size_t utf8Length(std::string_view text);
// The first `count` characters of `text`, padded with blanks to exactly `count`.
std::string fitToWidth(std::string_view text, std::size_t count);
// The first `count` characters of `text` (shorter texts stay as they are).
std::string firstChars(std::string_view text, std::size_t count);
std::string trimTrailingBlanks(std::string_view text);

}  // namespace zupel
