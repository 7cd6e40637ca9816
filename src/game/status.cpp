// The status tick: once a second the slime's condition becomes what the player sees and hears.
// Also the talk hop, which keeps the slime bouncing while the player types to it.
#include "game.h"

namespace zupel {
namespace {

constexpr int kWeakPaceMs = 3000;        // a weak slime moves once every three seconds
constexpr int16_t kWordsForHungry = 10;  // it asks for food once it knows this many words
constexpr int16_t kWordsForPlay = 15;    // and for play once it knows this many

// Behaviour 1 and the special animations 6 to 10 set their own movement pace.
bool setsItsOwnPace(int16_t movemode) {
    return movemode == 1 || (movemode >= 6 && movemode <= 10);
}

void enablePlayAndTalk(Controls& c, bool on) {
    c.button2Enabled = on;
    c.button3Enabled = on;
}

}  // namespace

void Game::modetimer_Timer() {
    PetRecord& pet = world_.pet;
    Controls& c = world_.controls;
    const bool paced = !setsItsOwnPace(world_.movemode);
    switch (pet.condition) {
        case Condition::kFine:
        case Condition::kFineStored:
            c.infobox = PlayerText::ja("元気です");
            enablePlayAndTalk(c, true);
            if (paced) selondo();
            // Only a true fine stops the countdown; a stored 5 leaves a running one alone.
            if (pet.condition == Condition::kFine) timerOff(TimerId::deadtimer);
            break;
        case Condition::kWeak:
            c.infobox = PlayerText::ja("弱っています");
            enablePlayAndTalk(c, false);
            if (paced) setInterval(TimerId::movetimer, kWeakPaceMs);
            timerOn(TimerId::deadtimer);
            callForAttention();
            break;
        case Condition::kDead:
            c.infobox = PlayerText::ja("死んでしまいました");
            timerOff(TimerId::deadtimer);
            shell_.beep();
            shell_.raiseMainWindow();
            break;
        case Condition::kHungry:
            c.infobox = PlayerText::ja("餌が必要です");
            if (pet.wordcount >= kWordsForHungry) c.wordbox = own(PlayerText::ja("おなかすいた"));
            callForAttention();
            break;
        case Condition::kJustFed:  // settled here, shown at the next tick
            pet.condition = (pet.ondo > 80 || pet.ondo < 20) ? Condition::kWeak : Condition::kFine;
            break;
        case Condition::kStressed:
            c.infobox = PlayerText::ja("ストレスがたまっています");
            if (pet.wordcount >= kWordsForPlay) c.wordbox = own(PlayerText::ja("あそんで"));
            callForAttention();
            break;
        case Condition::kBadTemperature:
            c.infobox = PlayerText::ja("弱っています");
            c.button1Enabled = false;
            enablePlayAndTalk(c, false);
            setInterval(TimerId::movetimer, kWeakPaceMs);
            timerOn(TimerId::deadtimer);
            callForAttention();
            break;
        case Condition::kOverfed:
            c.infobox = PlayerText::ja("餌のやりすぎで弱っています");
            setInterval(TimerId::movetimer, kWeakPaceMs);
            callForAttention();
            break;
        default:  // a code no rule knows shows nothing
            break;
    }
}

void Game::wordtimer_Timer() {
    move1();
}

void Game::callForAttention() {
    play("yobu.wav");
    shell_.raiseMainWindow();
}

}  // namespace zupel
