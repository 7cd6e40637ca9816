// Only one copy of the game may run: a lock file in the game folder. A copy that crashed leaves
// a stale lock, which the next start recognises and takes over.
#pragma once

#include <QLockFile>
#include <QString>

namespace zupel {

class SingleInstance {
public:
    explicit SingleInstance(const QString& folder);
    // False when another copy holds the lock.
    bool acquire();
    void release() { lock_.unlock(); }

private:
    QLockFile lock_;
};

}  // namespace zupel
