#include <windows.h>

#include <utility>

#include "cp932_codec.h"

namespace zupel {
namespace {

constexpr UINT kCodePage = 932;

std::wstring wideFromUtf8(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), length);
    return wide;
}

std::string utf8FromWide(std::wstring_view wide) {
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(std::max(length, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

// The length of the code page 932 character that starts `bytes`, 0 when it is not a valid
// one. Windows maps the bytes the code page leaves unassigned (0x80, 0xA0, 0xFD to 0xFF) to
// private characters; here, as on Linux, they are not text.
std::size_t cp932CharacterLength(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead == 0x80 || lead == 0xA0 || lead >= 0xFD) return 0;
    return IsDBCSLeadByteEx(kCodePage, lead) ? (bytes.size() >= 2 ? 2 : 0) : 1;
}

// Japanese text typed on other systems uses these forms (the wave dash of a Linux input
// method, the yen sign, ...); code page 932 holds only their twins. The Linux build stores the
// twin, and so does this one, so a name is the same bytes whichever system it was typed on.
constexpr std::pair<wchar_t, wchar_t> kTwins[] = {
    {0x00A2, 0xFFE0},  // ¢
    {0x00A3, 0xFFE1},  // £
    {0x00A5, 0x005C},  // ¥, the byte 0x5C
    {0x00AC, 0xFFE2},  // ¬
    {0x2014, 0x2015},  // em dash
    {0x2016, 0x2225},  // double vertical line
    {0x203E, 0x007E},  // overline, the byte 0x7E
    {0x2212, 0xFF0D},  // minus sign
    {0x301C, 0xFF5E},  // wave dash
};

wchar_t cp932Twin(wchar_t c) {
    for (const auto& [form, twin] : kTwins)
        if (c == form) return twin;
    return c;
}

}  // namespace

// The Linux build keeps iconv converters here; Windows converts without any state.
class Cp932Codec::Converter {};

Cp932Codec::Cp932Codec() = default;
Cp932Codec::~Cp932Codec() = default;

// Windows would otherwise store a look-alike ("best fit": "À" as "A") where the Linux build stores
// "?", or one of the bytes it leaves unassigned, which no system reads back as that character.
std::string Cp932Codec::storedCharacter(std::string_view utf8) const {
    std::wstring wide = wideFromUtf8(utf8);
    if (wide.size() == 1) wide[0] = cp932Twin(wide[0]);
    if (wide.empty()) return {};
    char bytes[8];
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(),
                                           static_cast<int>(wide.size()), bytes, sizeof bytes,
                                           nullptr, &usedDefault);
    if (length <= 0 || usedDefault) return {};
    const std::string_view stored(bytes, static_cast<std::size_t>(length));
    if (cp932CharacterLength(stored) != stored.size()) return {};
    return std::string(stored);
}

std::string Cp932Codec::fromFileField(std::string_view bytes) const {
    std::string out;
    while (!bytes.empty()) {
        const std::size_t length = cp932CharacterLength(bytes);
        wchar_t wide[2];
        const int converted =
            length == 0 ? 0
                        : MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                              static_cast<int>(length), wide, 2);
        if (converted <= 0) {
            out += '?';
            bytes.remove_prefix(1);
            continue;
        }
        out += utf8FromWide(std::wstring_view(wide, static_cast<std::size_t>(converted)));
        bytes.remove_prefix(length);
    }
    return out;
}

}  // namespace zupel
