// Freezing: the slime goes into cold storage and the game ends; the next start thaws it
// without asking whether it starved. The freeze button first halts the game, then asks.
#include "game.h"

namespace zupel {

void Game::button4_Click() {
    Controls& c = world_.controls;
    timerOff(TimerId::foodtimer);
    timerOff(TimerId::deadtimer);
    timerOff(TimerId::movetimer);
    c.wordinboxColor = kLightGrey;
    c.wordinboxEnabled = false;
    c.wordbuttonEnabled = false;
    timerOff(TimerId::wordtimer);
    timerOff(TimerId::asobitimer);
    c.pointer.custom = false;  // the default arrow; the picture stays assigned

    const bool confirmed = shell_.askFreeze();
    if (ended_) return;  // the slime died while the question was open
    // Closing the dialog without an answer must not leave the game halted behind it.
    if (confirmed) {
        reitoform_Command1_Click();
    } else {
        reitoform_Command2_Click();
    }
}

void Game::reitoform_Command1_Click() {
    saveSlime(PetState::kFrozen);  // dated today, like every save
    endProgram();  // the window-close save must not turn it back into a living record
}

void Game::reitoform_Command2_Click() {
    // Only the meters and the wandering resume; the rest waits for the rules that own it.
    timerOn(TimerId::foodtimer);
    timerOn(TimerId::movetimer);
}

}  // namespace zupel
