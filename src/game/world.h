// All the game's state while it runs: the slime's record, the variables beside it, the main
// window's variables and tick counters, and the controls. Plain data: the rules write it, the
// window draws it, tests read it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "controls.h"
#include "option_form.h"
#include "pet_record.h"

namespace zupel {

struct World {
    PetRecord pet;
    WordRecord wordbuf;
    int16_t bigsize = 0;  // the slime's width as last stored in big.sura
    int16_t bigstop = 0;  // 1: the slime does not grow during this run
    std::string bmpdir;   // the room picture's path

    // Main-window variables; never saved.
    int16_t movemode = 0;  // the behaviour the movement timer runs, 1 to 10
    int16_t movestep = 0;  // the step the running animation has reached; 0 = none
    int16_t talkmode = 0;
    int16_t asobimode = 0;
    int16_t mousex = 0;
    int16_t mousey = 0;
    int16_t urecount = 0;

    // Tick counters kept for the whole run, also while their timer is off.
    int16_t bigcount = 0;
    int16_t deadcount = 0;
    int16_t asobiphase = 0;
    // The walk variant each walk routine drew last (up, down, left, right); 0 until drawn.
    std::array<int16_t, 4> walkVariant{};

    bool dead = false;  // the death step has run; it never runs twice

    Controls controls;
    OptionForm optionform;  // the redecorating dialog, while it is open
};

}  // namespace zupel
