// Playing with the slime: the play button turns the pointer into a toy on a string, and every
// half second the slime takes a step towards it, ringing the bell and hopping once it is there.
// While it plays its play meter stays full.
#include "game.h"

namespace zupel {
namespace {

constexpr int16_t kFullOfPlay = 1000;
constexpr float kReach = 5;  // how close (in room pixels, on each axis) counts as caught

// Strictly within kReach of the target.
bool level(float at, int16_t target) {
    return target - kReach < at && at < target + kReach;
}

}  // namespace

void Game::button2_Click() {
    Controls& c = world_.controls;
    if (world_.asobimode == 0) {
        endPlayAndTalk();
        c.pointer = {true, PointerIcon::furi};
        timerOn(TimerId::asobitimer);
        c.slider1Enabled = false;  // no fiddling with the heating while playing
        world_.pet.condition = Condition::kFine;
        world_.pet.asobi = static_cast<int16_t>(draw(100) + 20);
        timerOn(TimerId::foodtimer);
        c.wordbox.clear();
        stopListening();
        world_.asobimode = 1;
        c.button2Caption = PlayerText::ja("やめる");
    } else {
        c.pointer.custom = false;
        timerOff(TimerId::asobitimer);
        c.slider1Enabled = true;
        timerOn(TimerId::foodtimer);
        timerOn(TimerId::movetimer);
        c.wordbox.clear();
        stopListening();
        world_.asobimode = 0;
        c.button2Caption.clear();
    }
}

// One step of the chase. Two ticks in four settle the horizontal axis first, the other two the
// vertical one, so the slime closes in along a rough diagonal.
void Game::asobitimer_Timer() {
    world_.pet.asobi = kFullOfPlay;
    timerOff(TimerId::movetimer);  // it chases instead of wandering

    const SlimeRect& slime = world_.controls.slime;
    const float cx = slime.left + slime.width / 2;
    const float cy = slime.top + slime.height / 2;
    const int16_t tx = world_.mousex;
    const int16_t ty = world_.mousey;
    const bool levelX = level(cx, tx);
    const bool levelY = level(cy, ty);

    auto stepVertically = [&] {
        if (cy > ty) {
            move2();
        } else if (cy < ty) {
            move3();
        }
    };
    auto stepHorizontally = [&] {
        if (cx > tx) {
            move4();
        } else if (cx < tx) {
            move5();
        }
    };

    int16_t& phase = world_.asobiphase;
    const bool horizontalFirst = phase == 0 || phase == 1;
    if (levelX && levelY) {
        // Caught it.
        play("bell.wav");
        move1();
    } else if (horizontalFirst) {
        levelX ? stepVertically() : stepHorizontally();
    } else {
        levelY ? stepHorizontally() : stepVertically();
    }
    phase = static_cast<int16_t>((phase + 1) % 4);
}

}  // namespace zupel
