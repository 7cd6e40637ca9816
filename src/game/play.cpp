#include "game.h"

namespace zupel {

void Game::asobitimer_Timer() {
    // Not in the game yet.
}

}  // namespace zupel
