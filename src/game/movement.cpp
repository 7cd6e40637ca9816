// The slime on its own: each tick of the movement timer goes on with the animation in progress
// or picks a new behaviour, turns walks back at the room's edges, and then lets the slime speak
// when nothing holds it back.
#include "game.h"

namespace zupel {
namespace {

constexpr int kBehaviours = 10;
constexpr float kRoomLimit = 176;  // the farthest Left or Top from which the slime walks on

// The livelier behaviours come with age.
struct Special {
    int16_t minAge;
    void (Game::*routine)();
};

// Behaviours 6 to 10: turn, side hops, stretch, sway, dance.
constexpr Special kSpecials[] = {
    {5, &Game::move6}, {10, &Game::move7},  {15, &Game::move8},
    {3, &Game::move9}, {20, &Game::move10},
};

// Only a generator that never yields an allowed behaviour gets this far (behaviours 1 to 5 are
// always allowed); the tick must end all the same.
constexpr int kMaxDraws = 1000;

bool holdsSpeechBack(int16_t movemode) {
    return movemode == 1 || (movemode >= 6 && movemode <= 10);
}

}  // namespace

void Game::movetimer_Timer() {
    int16_t& mode = world_.movemode;
    if (world_.movestep == 0) mode = static_cast<int16_t>(draw(kBehaviours));
    int draws = 1;
    while (!runBehaviour(mode)) {
        // Too young for it: draw again, also in the middle of an animation.
        mode = static_cast<int16_t>(++draws <= kMaxDraws ? draw(kBehaviours) : 1);
    }
    if (maySpeak()) speak();
}

bool Game::runBehaviour(int mode) {
    const SlimeRect& slime = world_.controls.slime;
    switch (mode) {
        case 1:
            move1();
            return true;
        // The edge tests look at where a step starts, so a step may end a little beyond them;
        // the next tick then walks back from there.
        case 2:
            slime.top >= 0 ? move2() : move3();
            return true;
        case 3:
            slime.top > kRoomLimit ? move2() : move3();
            return true;
        case 4:
            slime.left >= 0 ? move4() : move5();
            return true;
        case 5:
            slime.left > kRoomLimit ? move4() : move5();
            return true;
        case 6:
        case 7:
        case 8:
        case 9:
        case 10: {
            const Special& special = kSpecials[mode - 6];
            if (world_.pet.age < special.minAge) return false;
            (this->*special.routine)();
            return true;
        }
        default:  // no behaviour has been chosen yet: choose one
            return false;
    }
}

bool Game::maySpeak() const {
    const int16_t condition = world_.pet.condition;
    if (condition == Condition::kHungry || condition == Condition::kStressed) return false;
    // A hop in place or a special animation speaks only on the tick that ends it; walks always may.
    if (holdsSpeechBack(world_.movemode) && world_.movestep != 0) return false;
    return world_.pet.wordcount >= 1;
}

}  // namespace zupel
