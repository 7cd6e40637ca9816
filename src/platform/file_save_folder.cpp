#include "file_save_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zupel {
namespace {

std::string systemReason(int error) {
    return std::strerror(error);
}

class PosixRecordFile final : public RecordFile {
public:
    PosixRecordFile(std::filesystem::path path, int recordLength)
        : path_(std::move(path)), length_(recordLength) {
        fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ < 0) fail("open", errno);
    }
    ~PosixRecordFile() override { ::close(fd_); }

    Bytes readRecord(int n) override {
        Bytes record(length_, 0);
        std::size_t done = 0;
        while (done < record.size()) {
            const ssize_t got =
                ::pread(fd_, record.data() + done, record.size() - done, offsetOf(n) + done);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) fail("read", errno);
            if (got == 0) break;  // past the end: the rest reads as zeros
            done += static_cast<std::size_t>(got);
        }
        return record;
    }

    void writeRecord(int n, const Bytes& record) override {
        std::size_t done = 0;
        while (done < record.size()) {
            const ssize_t put =
                ::pwrite(fd_, record.data() + done, record.size() - done, offsetOf(n) + done);
            if (put < 0 && errno == EINTR) continue;
            if (put < 0) fail("write", errno);
            done += static_cast<std::size_t>(put);
        }
        if (::fsync(fd_) != 0) fail("write", errno);
    }

    int64_t wholeRecords() override {
        struct stat info {};
        if (::fstat(fd_, &info) != 0) fail("read", errno);
        return static_cast<int64_t>(info.st_size) / length_;
    }

private:
    off_t offsetOf(int n) const { return static_cast<off_t>(n - 1) * length_; }
    [[noreturn]] void fail(const char* operation, int error) {
        throw SaveFileError(path_.string(), operation, systemReason(error));
    }

    std::filesystem::path path_;
    int length_;
    int fd_ = -1;
};

}  // namespace

std::unique_ptr<RecordFile> FileSaveFolder::open(const std::string& name, int recordLength) {
    return std::make_unique<PosixRecordFile>(folder_ / name, recordLength);
}

void FileSaveFolder::remove(const std::string& name) {
    const std::filesystem::path path = folder_ / name;
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        throw SaveFileError(path.string(), "delete", systemReason(errno));
    }
}

}  // namespace zupel
