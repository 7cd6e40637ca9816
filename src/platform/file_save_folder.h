// The save folder on disk: the program's own folder. Writes are synced to the disk before they
// return, and every failure names the file, the operation and the system's reason.
#pragma once

#include <filesystem>
#include <string>

#include "../game/save_folder.h"

namespace zupel {

// A path as reports show it: its own bytes on Linux, UTF-8 on Windows.
inline std::string shownPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

class FileSaveFolder final : public SaveFolder {
public:
    explicit FileSaveFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}
    std::unique_ptr<RecordFile> open(const std::string& name, int recordLength) override;
    void remove(const std::string& name) override;

private:
    std::filesystem::path folder_;
};

}  // namespace zupel
