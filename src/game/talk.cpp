// Talking to the slime: the talk button opens the word entry, and each word the player sends
// is either one the slime knows, which it repeats, or by chance one it learns and keeps in
// word.sura for good.
#include <limits>

#include "game.h"
#include "utf8_text.h"

namespace zupel {
namespace {

// The word count is a 16-bit number in the pet record: a slime that knows this many words has
// no room for another.
constexpr int kMostWords = std::numeric_limits<int16_t>::max();
// Each word looked at gives a new word one chance in this many to be learned.
constexpr int kLearnOdds = 10;

}  // namespace

void Game::button3_Click() {
    Controls& c = world_.controls;
    if (world_.talkmode == 0) {
        endPlayAndTalk();
        c.wordinboxColor = kWhite;
        c.wordinboxEnabled = true;
        c.wordbox.clear();
        timerOn(TimerId::wordtimer);  // it hops in place while it listens
        timerOff(TimerId::movetimer);
        timerOn(TimerId::foodtimer);
        timerOff(TimerId::deadtimer);
        timerOff(TimerId::asobitimer);
        c.slider1Enabled = false;
        world_.talkmode = 1;
        c.button3Caption = PlayerText::ja("やめる");
    } else {
        c.slider1Enabled = true;
        timerOn(TimerId::movetimer);
        c.wordbox.clear();
        stopListening();
        world_.talkmode = 0;
        c.button3Caption.clear();
    }
}

// OK can only send something.
void Game::wordinbox_Change(const std::string& text) {
    Controls& c = world_.controls;
    c.wordinboxText = text;
    c.wordbuttonEnabled = !text.empty();
}

// The slime looks through the words it knows in the order it learned them. Every word that is
// not the one typed gives it one more chance to take the new word in, so a slime that knows
// many words learns quickly, and may learn a word it already knows a second time.
void Game::wordbutton_Click() {
    Controls& c = world_.controls;
    const std::string typed = c.wordinboxText;
    // Also the slot after the last counted word: a word learned in a run that was never saved
    // waits there and is still recognised.
    const int slots = world_.pet.wordcount + 1;
    const bool full = world_.pet.wordcount >= kMostWords;
    for (int i = 1; i <= slots; ++i) {
        world_.wordbuf.word = saves_.readWord(i);
        if (typed == trimTrailingBlanks(world_.wordbuf.word)) {
            c.wordbox = asHeld(typed);
            break;
        }
        // A slime that knows all the words it can hold only repeats the ones it knows.
        if (full || draw(kLearnOdds) != 1) continue;
        play("oboe.wav");
        oboe();
        c.wordbox = asHeld(typed);
        break;
    }
    wordinbox_Change("");
}

// Keeps what the entry holds as the next learned word: at once on the disk, while the count
// reaches it with the pet record when the game is next saved.
void Game::oboe() {
    PetRecord& pet = world_.pet;
    // A full or damaged count has no next slot to write.
    if (pet.wordcount < 0 || pet.wordcount >= kMostWords) return;
    world_.wordbuf.word = fitToWidth(world_.controls.wordinboxText, kWordChars);
    saves_.writeWord(pet.wordcount + 1, world_.wordbuf.word);
    ++pet.wordcount;
}

}  // namespace zupel
