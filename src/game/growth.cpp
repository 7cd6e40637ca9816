#include "game.h"

namespace zupel {

void Game::bigtimer_Timer() {
    // Not in the game yet.
}

}  // namespace zupel
