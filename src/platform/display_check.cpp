#include "display_check.h"

#include <cstdlib>

namespace zupel {

bool displayAvailable() {
#if defined(__linux__) || defined(__FreeBSD__)
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

}  // namespace zupel
