#include "utf8_text.h"

namespace zupel {
namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offset just past the first `count` characters.
std::size_t byteOffsetOf(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t seen = 0; i < text.size(); ++i) {
        if (isContinuationByte(text[i])) continue;
        if (seen == count) return i;
        ++seen;
    }
    return text.size();
}

}  // namespace

std::size_t utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (char c : text) n += isContinuationByte(c) ? 0 : 1;
    return n;
}

std::string firstChars(std::string_view text, std::size_t count) {
    return std::string(text.substr(0, byteOffsetOf(text, count)));
}

std::string fitToWidth(std::string_view text, std::size_t count) {
    std::string out = firstChars(text, count);
    out.append(count - utf8Length(out), ' ');
    return out;
}

std::string trimTrailingBlanks(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    return std::string(text.substr(0, end));
}

}  // namespace zupel
