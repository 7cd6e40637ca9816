#include "fake_shell.h"

#include <algorithm>

namespace zupel::testing {
namespace {

class MemoryRecordFile final : public RecordFile {
public:
    MemoryRecordFile(MemorySaveFolder& folder, std::string name, int length)
        : folder_(folder), name_(std::move(name)), length_(length) {}

    Bytes readRecord(int n) override {
        const Bytes& bytes = folder_.files[name_];
        Bytes record(length_, 0);
        const std::size_t start = static_cast<std::size_t>(n - 1) * length_;
        for (std::size_t i = 0; i < record.size() && start + i < bytes.size(); ++i) {
            record[i] = bytes[start + i];
        }
        return record;
    }

    void writeRecord(int n, const Bytes& record) override {
        Bytes& bytes = folder_.files[name_];
        const std::size_t start = static_cast<std::size_t>(n - 1) * length_;
        if (bytes.size() < start + record.size()) bytes.resize(start + record.size(), 0);
        std::copy(record.begin(), record.end(), bytes.begin() + start);
        ++folder_.writes;
    }

private:
    MemorySaveFolder& folder_;
    std::string name_;
    int length_;
};

}  // namespace

std::unique_ptr<RecordFile> MemorySaveFolder::open(const std::string& name, int recordLength) {
    files[name];  // created empty when absent
    return std::make_unique<MemoryRecordFile>(*this, name, recordLength);
}

double FakeShell::random() {
    if (randoms.empty()) return fallbackRandom();
    const double r = randoms.front();
    randoms.pop_front();
    return r;
}

void FakeShell::playSound(const std::string& name) {
    sounds.push_back(name);
    log.push_back("sound:" + name);
}

void FakeShell::beep() {
    ++beeps;
    log.push_back("beep");
}

void FakeShell::raiseMainWindow() {
    ++raises;
    log.push_back("raise");
}

std::optional<std::string> FakeShell::readSetting(const std::string& key) {
    auto it = settings.find(key);
    if (it == settings.end()) return std::nullopt;
    return it->second;
}

bool FakeShell::setRoomPicture(const std::string& path) {
    return std::find(brokenPictures.begin(), brokenPictures.end(), path) == brokenPictures.end();
}

std::optional<std::string> FakeShell::askName() {
    log.push_back("dialog:name");
    if (whileNaming) whileNaming();
    return nameToType;
}

void FakeShell::showEndDialog(EndDialog which, std::optional<TwipsPoint> at) {
    endDialogs.push_back({which, at});
    log.push_back("dialog:end");
    if (whileEndDialogOpen) whileEndDialogOpen(which);
}

void FakeShell::endProgram() {
    ended = true;
    log.push_back("end");
}

int FakeShell::soundCount(const std::string& name) const {
    return static_cast<int>(std::count(sounds.begin(), sounds.end(), name));
}

}  // namespace zupel::testing
