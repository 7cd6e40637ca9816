#include <windows.h>

#include "single_instance.h"

namespace zupel {

// The name QLockFile writes into a lock for this machine: the computer's own name (upper case,
// 15 letters at most), not the host name QSysInfo gives.
QString SingleInstance::thisMachine() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    return GetComputerNameW(name, &length) ? QString::fromWCharArray(name, length) : QString();
}

std::string SingleInstance::whyNoLock(const QString&) {
    return "the lock file could not be made";
}

std::string SingleInstance::notALockFile(const QString&) {
    return {};
}

std::string SingleInstance::takeOverUnreadable(Outcome&) {
    return lock_.removeStaleLockFile() ? std::string() : "the stale lock file cannot be removed";
}

}  // namespace zupel
