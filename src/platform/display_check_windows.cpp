#include "display_check.h"

namespace zupel {

bool displayAvailable() {
    return true;
}

}  // namespace zupel
