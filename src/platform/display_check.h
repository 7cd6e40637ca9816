// Whether a window can be opened at all; without a display the game says so in one line
// instead of letting the window system abort.
#pragma once

namespace zupel {

bool displayAvailable();

}  // namespace zupel
