// Growth: five minutes into a run the slime grows once, unless it was already here today.
#include "game.h"
#include "numbers.h"
#include "slime_size.h"

namespace zupel {
namespace {

constexpr int16_t kGrowthTick = 30;  // the bigtimer tick that grows the slime: 300 s into the run

}  // namespace

void Game::bigtimer_Timer() {
    if (world_.bigstop == 1) {
        timerOff(TimerId::bigtimer);
        return;
    }
    // The count stops at the growing tick: a run left open for days never wraps round to
    // grow the slime a second time.
    if (world_.bigcount >= kGrowthTick) return;
    ++world_.bigcount;
    // Only a slime in the room grows: while the naming dialog is open there is none yet.
    if (world_.bigcount == kGrowthTick && world_.controls.slimeVisible) growthStep();
}

// The slime grows to the right and downwards; its top-left corner stays put.
void Game::growthStep() {
    SlimeRect& slime = world_.controls.slime;
    const int16_t age = world_.pet.age;
    if (age < kFullSizeAge) {
        play("big.wav");
        slime.width += static_cast<float>(age + 1);
        slime.height += static_cast<float>(age + 1);
    } else {
        slime.width = kFullSize;
        slime.height = kFullSize;
    }
    world_.bigsize = toInt16(slime.width);
    saves_.writeSize(world_.bigsize);
}

}  // namespace zupel
