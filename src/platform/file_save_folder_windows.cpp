#include <windows.h>

#include "file_save_folder.h"

namespace zupel {
namespace {

// The system's own words for an error, without the line break Windows ends them with.
std::string systemReason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring wide = length > 0 ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L'.'))
        wide.pop_back();
    if (wide.empty()) return "system error " + std::to_string(error);
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

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
        file_ = CreateFileW(path_.c_str(), GENERIC_READ | GENERIC_WRITE,
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
    if (!DeleteFileW(path.c_str())) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
            throw SaveFileError(shownPath(path), "delete", systemReason(error));
    }
}

}  // namespace zupel
