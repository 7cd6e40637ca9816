#include "single_instance.h"

#include <QDir>

namespace zupel {

SingleInstance::SingleInstance(const QString& folder) : lock_(QDir(folder).filePath("zupel.lock")) {
    lock_.setStaleLockTime(0);  // held for hours: only a dead owner makes it stale
}

bool SingleInstance::acquire() {
    return lock_.tryLock(0);
}

}  // namespace zupel
