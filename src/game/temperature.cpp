// The room temperature: the slider, and the pace of life it sets.
#include "game.h"

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

}  // namespace

void Game::Slider1_Change(int /*position*/) {
    // The temperature rule comes with the life simulation.
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
