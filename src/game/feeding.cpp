// Hunger and feeding: the meter tick that runs the food and play meters down and judges them,
// the feed button, and the three hops of a freshly fed slime.
#include "game.h"
#include "numbers.h"

namespace zupel {
namespace {

// From this age the meters stand still and overfeeding does no harm.
constexpr int16_t kGrownUp = 30;
// A fuller food meter is too much for a young slime.
constexpr int16_t kMostFood = 500;
// The slime says "おいしい！" (yummy) once it knows this many words.
constexpr int16_t kWordsForYummy = 10;
// uretimer ticks of the hop after a feeding.
constexpr int kHopTicks = 3;

// The low band of either meter: hungry for food, stressed for play.
bool isLow(int16_t meter) {
    return meter >= 1 && meter <= 9;
}

// Weak, hungry, stressed and too cold or hot: a full enough stomach does not cure these.
bool keptByNormalFood(int16_t condition) {
    return condition == Condition::kWeak || condition == Condition::kHungry ||
           condition == Condition::kStressed || condition == Condition::kBadTemperature;
}

}  // namespace

void Game::foodtimer_Timer() {
    PetRecord& pet = world_.pet;
    if (pet.age < kGrownUp) {
        // A meter left far below zero stays there instead of wrapping round to full.
        pet.esa = clampedSum(pet.esa, -1);
        pet.asobi = clampedSum(pet.asobi, -1);
    }

    if (isLow(pet.esa)) {
        pet.condition = Condition::kHungry;
    } else if (pet.esa == 0) {
        pet.condition = Condition::kWeak;
        timerOff(TimerId::foodtimer);
    } else if (pet.esa > kMostFood) {
        if (pet.age < kGrownUp) pet.condition = Condition::kOverfed;
    } else if (!keptByNormalFood(pet.condition)) {
        pet.condition = Condition::kFine;
    }

    // The play meter is judged last, so boredom shows even on a hungry slime.
    if (isLow(pet.asobi)) {
        pet.condition = Condition::kStressed;
    } else if (pet.asobi == 0) {
        pet.condition = Condition::kWeak;
        timerOff(TimerId::foodtimer);
    }
}

void Game::button1_Click() {
    endPlayAndTalk();
    PetRecord& pet = world_.pet;
    if (pet.condition == Condition::kOverfed) {
        deathStep();
        return;
    }

    Controls& c = world_.controls;
    pet.condition = Condition::kJustFed;
    play("esa.wav");
    if (pet.wordcount >= kWordsForYummy) c.wordbox = own(PlayerText::ja("おいしい！"));
    c.infobox = PlayerText::ja("喜んでいます");
    c.button2Enabled = true;
    c.button3Enabled = true;
    timerOn(TimerId::uretimer);
    timerOff(TimerId::movetimer);
    // 50 to 99 more; a grown-up slime fed hundreds of times stops at a full 16-bit meter.
    pet.esa = clampedSum(pet.esa, draw(50) + 49);
    timerOn(TimerId::foodtimer);
    timerOff(TimerId::deadtimer);
    timerOff(TimerId::asobitimer);
    c.slider1Enabled = true;
    stopListening();
}

void Game::uretimer_Timer() {
    int16_t& urecount = world_.urecount;
    ++urecount;
    move1();
    if (urecount < kHopTicks) return;
    timerOff(TimerId::uretimer);
    // Back to wandering, unless the player started talking or playing during the hops: then
    // the slime hops for the words or chases the toy instead.
    if (world_.talkmode == 0 && world_.asobimode == 0) timerOn(TimerId::movetimer);
    urecount = 0;
}

// Feeding, play and talk each end the other modes and put the arrow back; the pointer's
// picture stays assigned.
void Game::endPlayAndTalk() {
    Controls& c = world_.controls;
    if (world_.asobimode == 1) {
        world_.asobimode = 0;
        c.button2Caption.clear();
    }
    if (world_.talkmode == 1) {
        world_.talkmode = 0;
        c.button3Caption.clear();
    }
    c.pointer.custom = false;
}

// Every way out of talk mode leaves the entry empty and locked, and OK with it, and the slime
// stops hopping for the player's words.
void Game::stopListening() {
    Controls& c = world_.controls;
    c.wordinboxText.clear();
    c.wordinboxColor = kLightGrey;
    c.wordinboxEnabled = false;
    c.wordbuttonEnabled = false;
    timerOff(TimerId::wordtimer);
}

}  // namespace zupel
