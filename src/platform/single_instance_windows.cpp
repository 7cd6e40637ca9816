#include <windows.h>

#include <string>

#include "single_instance.h"
#include "windows_api.h"

namespace zupel {

// The name QLockFile writes into a lock for this machine: the computer's own name (upper case,
// 15 letters at most), not the host name QSysInfo gives.
QString SingleInstance::thisMachine() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    return GetComputerNameW(name, &length) ? QString::fromWCharArray(name, length) : QString();
}

// QLockFile tells only "permission" or "unknown"; the system's own words come from trying the
// same steps again: create the file, write a lock's worth of bytes, and clean up.
SingleInstance::Result SingleInstance::whyNoLock(const QString& path) {
    const auto failure = [](DWORD error) {
        const bool readOnly = error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT;
        return Result{Outcome::failed, {}, systemReason(error), readOnly};
    };
    const std::wstring name = longPathForm(path.toStdWString());
    const HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return failure(GetLastError());
    const std::string probe =
        std::to_string(GetCurrentProcessId()) + "\nzupel\n" + thisMachine().toStdString() + "\n";
    DWORD put = 0;
    const bool written =
        WriteFile(file, probe.data(), static_cast<DWORD>(probe.size()), &put, nullptr) &&
        FlushFileBuffers(file);
    // A short write: the disk is full.
    const DWORD error = !written ? GetLastError() : put < probe.size() ? ERROR_DISK_FULL : 0;
    CloseHandle(file);
    DeleteFileW(name.c_str());
    if (error != 0) return failure(error);
    return {Outcome::failed, {}, "the lock file could not be written"};
}

// A folder in the lock's place would otherwise read as a folder nobody may write in.
std::string SingleInstance::notALockFile(const QString& path) {
    const DWORD attributes = GetFileAttributesW(longPathForm(path.toStdWString()).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return {};
    return "it is a folder, not an ordinary file";
}

std::string SingleInstance::takeOverUnreadable(Outcome&) {
    return lock_.removeStaleLockFile() ? std::string() : "the stale lock file cannot be removed";
}

}  // namespace zupel
