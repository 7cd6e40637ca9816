#include "memory_save_folder.h"

#include <algorithm>

namespace zupel {
namespace {

// Looks its bytes up by name at every access, so a file the owner replaced or cleared is
// never read through a stale reference.
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

    int64_t length() override { return static_cast<int64_t>(folder_.files[name_].size()); }
    std::string path() const override { return name_; }

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

}  // namespace zupel
