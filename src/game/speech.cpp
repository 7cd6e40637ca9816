#include "game.h"

namespace zupel {

void Game::speak() {
    // Not in the game yet.
}

}  // namespace zupel
