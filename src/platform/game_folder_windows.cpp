#include <windows.h>

#include "game_folder.h"

#include <string>

namespace zupel {

GameFolder gameFolderAt(const std::filesystem::path& folder) {
    // Windows names files in UTF-16, and so does Qt: any name survives the trip.
    return {folder, QString::fromStdWString(folder.wstring())};
}

GameFolder findGameFolder() {
    // The running program's own path, grown until it fits, however long or foreign its name.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            throw GameFolderError("Windows does not tell where the program is (error " +
                                  std::to_string(GetLastError()) + ")");
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    return gameFolderAt(std::filesystem::path(buffer).parent_path());
}

}  // namespace zupel
