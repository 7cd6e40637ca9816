#include "game.h"

namespace zupel {

void Game::deadtimer_Timer() {
    // Not in the game yet.
}

void Game::deathStep() {
    // Not in the game yet.
}

}  // namespace zupel
