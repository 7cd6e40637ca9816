#include <windows.h>

#include "file_save_folder.h"
#include "windows_api.h"

namespace zupel {
namespace {

OVERLAPPED at(int64_t offset) {
    OVERLAPPED where{};
    where.Offset = static_cast<DWORD>(offset & 0xFFFFFFFF);
    where.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return where;
}

class WindowsRecordFile final : public RecordFile {
public:
    WindowsRecordFile(std::filesystem::path path, int recordLength)
        : path_(std::move(path)), length_(recordLength) {
        // Shared for reading and writing as the Linux build's files are, so a player's backup
        // tool may read them while the slime lives.
        file_ = CreateFileW(longPathForm(path_).c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file_ == INVALID_HANDLE_VALUE) fail("open");
        // A device such as NUL or CON opens like a file but keeps nothing.
        if (GetFileType(file_) != FILE_TYPE_DISK) {
            CloseHandle(file_);
            throw SaveFileError(shownPath(path_), "open", "it is a device, not an ordinary file");
        }
    }
    ~WindowsRecordFile() override { CloseHandle(file_); }

    Bytes readRecord(int n) override {
        Bytes record(length_, 0);
        std::size_t done = 0;
        while (done < record.size()) {
            OVERLAPPED where = at(offsetOf(n) + static_cast<int64_t>(done));
            DWORD got = 0;
            if (!ReadFile(file_, record.data() + done, static_cast<DWORD>(record.size() - done),
                          &got, &where)) {
                if (GetLastError() == ERROR_HANDLE_EOF) break;
                fail("read");
            }
            if (got == 0) break;  // past the end: the rest reads as zeros
            done += got;
        }
        return record;
    }

    void writeRecord(int n, const Bytes& record) override {
        std::size_t done = 0;
        while (done < record.size()) {
            OVERLAPPED where = at(offsetOf(n) + static_cast<int64_t>(done));
            DWORD put = 0;
            if (!WriteFile(file_, record.data() + done, static_cast<DWORD>(record.size() - done),
                           &put, &where))
                fail("write");
            done += put;
        }
        if (!FlushFileBuffers(file_)) fail("write");
    }

    int64_t length() override {
        LARGE_INTEGER size{};
        if (!GetFileSizeEx(file_, &size)) fail("read");
        return size.QuadPart;
    }

    std::string path() const override { return shownPath(path_); }

private:
    int64_t offsetOf(int n) const { return static_cast<int64_t>(n - 1) * length_; }
    [[noreturn]] void fail(const char* operation) {
        const DWORD error = GetLastError();  // before anything else may set it
        throw SaveFileError(shownPath(path_), operation, systemReason(error));
    }

    std::filesystem::path path_;
    int length_;
    HANDLE file_ = INVALID_HANDLE_VALUE;
};

}  // namespace

std::unique_ptr<RecordFile> FileSaveFolder::open(const std::string& name, int recordLength) {
    return std::make_unique<WindowsRecordFile>(folder_ / name, recordLength);
}

void FileSaveFolder::remove(const std::string& name) {
    const std::filesystem::path path = folder_ / name;
    if (!DeleteFileW(longPathForm(path).c_str())) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
            throw SaveFileError(shownPath(path), "delete", systemReason(error));
    }
}

}  // namespace zupel
