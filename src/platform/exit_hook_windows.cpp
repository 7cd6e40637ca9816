#include "exit_hook.h"

namespace zupel {

// No window-system plugin of Windows ends the program from a thread of its own.
void ExitHook::startHandOver() {}
void ExitHook::stopHandOver() {}

}  // namespace zupel
