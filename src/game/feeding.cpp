#include "game.h"

namespace zupel {

void Game::button1_Click() {
    // Not in the game yet.
}

void Game::foodtimer_Timer() {
    // Not in the game yet.
}

void Game::uretimer_Timer() {
    // Not in the game yet.
}

}  // namespace zupel
