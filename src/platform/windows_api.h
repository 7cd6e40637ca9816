// Speaking to the Windows API in its own terms, for the Windows side of the services: a path in
// the form that reaches any length, and an error code in the system's own words.
#pragma once

#include <filesystem>
#include <string>

namespace zupel {

// `path` made whole, in the \\?\ form: Windows then takes it at any length (a game folder deep in
// a synced documents folder), not only up to 260 characters.
std::wstring longPathForm(const std::filesystem::path& path);

// The system's own words for an error code (GetLastError), in the player's language, without
// the full stop and line break Windows ends them with.
std::string systemReason(unsigned long error);

}  // namespace zupel
