// The slime's animations: each call performs one step of one animation on sura(0) and
// advances the shared step counter, which returns to 0 when the animation ends.
#include "game.h"

namespace zupel {

// Hop in place: up, down, and a soft landing.
void Game::move1() {
    int16_t& step = world_.movestep;
    switch (step) {
        case 0:
            setInterval(TimerId::movetimer, 200);
            showFrame(1);
            step = 1;
            break;
        case 1:
            showFrame(2);
            step = 2;
            break;
        case 2:
            play("move1.wav");
            showFrame(1);
            step = 0;
            selondo();
            break;
        default:  // a step another routine left behind: not ours to finish
            break;
    }
}

void Game::move2() {
    // Not in the game yet.
}

void Game::move3() {
    // Not in the game yet.
}

void Game::move4() {
    // Not in the game yet.
}

void Game::move5() {
    // Not in the game yet.
}

void Game::move6() {
    // Not in the game yet.
}

void Game::move7() {
    // Not in the game yet.
}

void Game::move8() {
    // Not in the game yet.
}

void Game::move9() {
    // Not in the game yet.
}

void Game::move10() {
    // Not in the game yet.
}

}  // namespace zupel
