#include "game.h"

namespace zupel {

void Game::modetimer_Timer() {
    // Not in the game yet.
}

void Game::wordtimer_Timer() {
    // Not in the game yet.
}

}  // namespace zupel
