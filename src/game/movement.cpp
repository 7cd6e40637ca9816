#include "game.h"

namespace zupel {

void Game::movetimer_Timer() {
    // Not in the game yet.
}

}  // namespace zupel
