// The life simulation under test: a living slime whose wandering is stopped, so that only the
// timers a test looks at act on it, and whose meters are the ones the test stores.
#pragma once

#include "game_fixture.h"

namespace zupel::testing {

class LifeTest : public GameTest {
protected:
    // Starts the slime, replaces the fresh random meters by the stored ones and stops the
    // movement timer.
    void startStill(const PetRecord& stored = livingSlime(), int16_t size = 10) {
        startWith(stored, size);
        pet().esa = stored.esa;
        pet().asobi = stored.asobi;
        clock().setEnabled(TimerId::movetimer, false);
    }
    // A fresh game and shell for the next row of a table.
    void restartStill(const PetRecord& stored = livingSlime(), int16_t size = 10) {
        game.reset();
        shell = FakeShell{};
        startStill(stored, size);
    }

    // Clicks the feed button; `r` is the draw that decides how much food it gives.
    void feed(double r = 0.0) {
        shell.randoms = {r};
        game->button1_Click();
    }

    // A slime saved yesterday that is `age` days old after start-up; it may grow in this run.
    static PetRecord fromYesterday(int16_t age) {
        return livingSlime(static_cast<int16_t>(age - 1), kDay - 1);
    }
    static PetRecord withMeters(PetRecord pet, int16_t esa, int16_t asobi) {
        pet.esa = esa;
        pet.asobi = asobi;
        return pet;
    }
};

}  // namespace zupel::testing
