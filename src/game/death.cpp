// Health and death: the countdown of a weak slime, and the death step that ends the game.
#include "game.h"

namespace zupel {
namespace {

constexpr int16_t kDeadTicks = 5;                // deadtimer ticks a weak slime survives unhelped
constexpr int kDeadFrame = 11;                   // the slime with crosses for eyes
constexpr TwipsPoint kDialogOffset{3405, 2175};  // deadform's corner from the main window's

// While deadform is open the timers keep ticking. Everything that could feed, grow, move,
// picture or kill the dead slime again stops with it; only the status tick runs on, to show
// the death, beep and call the player.
constexpr TimerId kStoppedAtDeath[] = {TimerId::bigtimer,   TimerId::foodtimer, TimerId::deadtimer,
                                       TimerId::asobitimer, TimerId::uretimer,  TimerId::wordtimer};

}  // namespace

void Game::deadtimer_Timer() {
    ++world_.deadcount;
    if (world_.deadcount != kDeadTicks) return;
    world_.deadcount = 0;
    deathStep();
}

void Game::deathStep() {
    if (world_.dead) return;  // a slime dies once
    world_.dead = true;
    timerOff(TimerId::movetimer);
    for (TimerId id : kStoppedAtDeath) timerOff(id);
    showFrame(kDeadFrame);
    world_.pet.condition = Condition::kDead;
    Controls& c = world_.controls;
    c.button1Enabled = false;
    c.button2Enabled = false;
    c.button3Enabled = false;
    c.button4Enabled = false;
    const TwipsPoint window = shell_.mainWindowPosition();
    endThroughDialog(EndDialog::died,
                     TwipsPoint{window.x + kDialogOffset.x, window.y + kDialogOffset.y});
}

}  // namespace zupel
