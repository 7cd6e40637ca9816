#include "game.h"

#include <algorithm>

namespace zupel {
namespace {

struct TimerSetup {
    TimerId id;
    int interval;
    void (Game::*tick)();
};

// Intervals and handlers as the main window is created; only bigtimer starts switched on.
constexpr TimerSetup kTimers[] = {
    {TimerId::bigtimer, 10000, &Game::bigtimer_Timer},
    {TimerId::wordtimer, 500, &Game::wordtimer_Timer},
    {TimerId::asobitimer, 500, &Game::asobitimer_Timer},
    {TimerId::uretimer, 500, &Game::uretimer_Timer},
    {TimerId::modetimer, 1000, &Game::modetimer_Timer},
    {TimerId::foodtimer, 1000, &Game::foodtimer_Timer},
    {TimerId::deadtimer, 10000, &Game::deadtimer_Timer},
    {TimerId::movetimer, 500, &Game::movetimer_Timer},
};

}  // namespace

Game::Game(Shell& shell, SaveFolder& folder, const TextCodec& codec)
    : shell_(shell), saves_(folder, codec) {
    for (const TimerSetup& t : kTimers) {
        scheduler_.setInterval(t.id, t.interval);
        scheduler_.setHandler(t.id, [this, tick = t.tick] {
            if (ended_) return;
            followCalendar();
            (this->*tick)();
        });
    }
    timerOn(TimerId::bigtimer);
}

void Game::endProgram() {
    if (ended_) return;
    ended_ = true;
    scheduler_.halt();
    saves_.close();
    shell_.endProgram();
}

void Game::endThroughDialog(EndDialog which, std::optional<TwipsPoint> at) {
    ending_ = which;
    shell_.showEndDialog(which, at);
    finishEnding();
}

void Game::finishEnding() {
    if (ended_) return;
    saves_.removeAll(/*keepSize=*/ending_ == EndDialog::died);
    endProgram();
}

void Game::moveSlimeBy(float dx, float dy) {
    world_.controls.slime.left += dx;
    world_.controls.slime.top += dy;
}

int Game::draw(int n) {
    const double r = std::clamp(shell_.random(), 0.0, 1.0);
    return std::min(static_cast<int>(r * n), n - 1) + 1;
}

}  // namespace zupel
