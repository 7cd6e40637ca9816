#include <windows.h>

#include "windows_api.h"

#include <string_view>

namespace zupel {

std::wstring longPathForm(const std::filesystem::path& path) {
    const std::wstring given = path.wstring();
    if (given.starts_with(LR"(\\?\)") || given.starts_with(LR"(\\.\)")) return given;
    // The long form is taken as it stands: no "..", no forward slashes, a whole path.
    std::wstring whole(given.size() + MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFullPathNameW(given.c_str(), static_cast<DWORD>(whole.size()),
                                              whole.data(), nullptr);
        if (length == 0) return given;
        if (length < whole.size()) {
            whole.resize(length);
            break;
        }
        whole.resize(length);
    }
    if (whole.starts_with(LR"(\\)")) return LR"(\\?\UNC\)" + whole.substr(2);  // \\server\share
    return LR"(\\?\)" + whole;
}

std::string systemReason(unsigned long error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring wide = length > 0 ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!wide.empty() && std::wstring_view(L"\r\n.\u3002").find(wide.back()) != wide.npos)
        wide.pop_back();
    if (wide.empty()) return "system error " + std::to_string(error);
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

}  // namespace zupel
