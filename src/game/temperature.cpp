// The room temperature: the slider, and the pace of life it sets.
#include <string>

#include "game.h"
#include "numbers.h"

namespace zupel {
namespace {

struct Pace {
    int ondo;
    int moveMs;
    int foodMs;
};

// The warmer the room, the faster the slime moves and the faster its meters run down.
constexpr Pace kPaces[] = {
    {20, 1500, 1300}, {30, 1200, 1200}, {40, 900, 1100}, {50, 700, 1000},
    {60, 500, 900},   {70, 300, 800},   {80, 100, 700},
};

// Weak, dead, hungry and stressed slimes keep their code: the air neither cures nor hides that.
bool keptBySlider(int16_t condition) {
    return condition == Condition::kWeak || condition == Condition::kDead ||
           condition == Condition::kHungry || condition == Condition::kStressed;
}

bool tooColdOrHot(int16_t ondo) {
    return ondo >= 90 || ondo <= 10;
}

}  // namespace

void Game::Slider1_Change(int position) {
    PetRecord& pet = world_.pet;
    Controls& c = world_.controls;
    c.slider1Position = position;
    pet.ondo = toInt16(static_cast<double>(position) * kDegreesPerStep);
    c.ondobox = std::to_string(pet.ondo);

    if (!keptBySlider(pet.condition)) {
        if (tooColdOrHot(pet.ondo)) {
            pet.condition = Condition::kBadTemperature;
        } else {
            c.button1Enabled = true;
            pet.condition = Condition::kFine;
        }
    }
    selondo();
}

void Game::selondo() {
    for (const Pace& pace : kPaces) {
        if (pace.ondo != world_.pet.ondo) continue;
        setInterval(TimerId::movetimer, pace.moveMs);
        setInterval(TimerId::foodtimer, pace.foodMs);
        return;
    }
}

}  // namespace zupel
