#include "quiet_shell.h"

#include <algorithm>

namespace zupel::bench {
namespace {

class MemoryRecordFile final : public RecordFile {
public:
    MemoryRecordFile(Bytes& bytes, int length) : bytes_(bytes), length_(length) {}

    Bytes readRecord(int n) override {
        Bytes record(length_, 0);
        const std::size_t start = static_cast<std::size_t>(n - 1) * length_;
        for (std::size_t i = 0; i < record.size() && start + i < bytes_.size(); ++i) {
            record[i] = bytes_[start + i];
        }
        return record;
    }

    void writeRecord(int n, const Bytes& record) override {
        const std::size_t start = static_cast<std::size_t>(n - 1) * length_;
        if (bytes_.size() < start + record.size()) bytes_.resize(start + record.size(), 0);
        std::copy(record.begin(), record.end(), bytes_.begin() + start);
    }

private:
    Bytes& bytes_;
    int length_;
};

}  // namespace

std::unique_ptr<RecordFile> MemorySaveFolder::open(const std::string& name, int recordLength) {
    return std::make_unique<MemoryRecordFile>(files[name], recordLength);
}

}  // namespace zupel::bench
