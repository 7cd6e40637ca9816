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

std::string kindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "it is a folder";
    if (S_ISFIFO(mode)) return "it is a FIFO";
    if (S_ISSOCK(mode)) return "it is a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device";
    return "it is a special file";
}

class PosixRecordFile final : public RecordFile {
public:
    PosixRecordFile(std::filesystem::path path, int recordLength)
        : path_(std::move(path)), length_(recordLength) {
        // Only an ordinary file can keep a slime: /dev/null swallows it, /dev/zero reads as no
        // slime, a FIFO or a device may block. Such a file is refused before it is opened, and
        // once more as opened, in case it was swapped in between. Links are followed: players
        // keep their saves in synced folders. (O_NONBLOCK does nothing to an ordinary file.)
        struct stat info {};
        if (::stat(path_.c_str(), &info) == 0) refuseUnlessOrdinary(info.st_mode);
        // A new file takes the modes the player's umask gives: private in an installed copy.
        fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
        if (fd_ < 0) fail("open", errno);
        if (::fstat(fd_, &info) != 0) info.st_mode = 0;
        try {
            refuseUnlessOrdinary(info.st_mode);
        } catch (...) {
            ::close(fd_);
            throw;
        }
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

    int64_t length() override {
        struct stat info {};
        if (::fstat(fd_, &info) != 0) fail("read", errno);
        return static_cast<int64_t>(info.st_size);
    }

    std::string path() const override { return path_.string(); }

private:
    off_t offsetOf(int n) const { return static_cast<off_t>(n - 1) * length_; }
    [[noreturn]] void fail(const char* operation, int error) {
        throw SaveFileError(path_.string(), operation, systemReason(error));
    }
    void refuseUnlessOrdinary(mode_t mode) {
        if (!S_ISREG(mode)) {
            throw SaveFileError(path_.string(), "open", kindOf(mode) + ", not an ordinary file");
        }
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
