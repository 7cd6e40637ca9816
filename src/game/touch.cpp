// Touching the slime: a click gets an answer at once, in words and a little movement that grow
// with its age; the pointer becomes a hand over the slime and the arrow again off it, and the
// room remembers where the pointer is so the slime knows where to chase the toy.
#include <limits>

#include "game.h"
#include "numbers.h"

namespace zupel {
namespace {

struct Reaction {
    int olderThan;  // available once the slime is older than this many days
    const char* words;
    int16_t behaviour;
    void (Game::*routine)();
};

constexpr Reaction kReactions[] = {
    {std::numeric_limits<int>::min(), PlayerText::ja("くすぐったい"), 1, &Game::move1},  // always
    {4, PlayerText::ja("ブニブニ"), 6, &Game::move6},
    {9, PlayerText::ja("あそんで あそんで"), 7, &Game::move7},
    {14, PlayerText::ja("おやつ ちょうだい"), 8, &Game::move8},  // or the bell, when well fed
};
constexpr int kReactionCount = 4;
constexpr int16_t kFedEnoughToPlay = 450;  // from this food meter it asks for the bell instead
constexpr int kTouchedFace = 1;
// A young slime redraws until it gets a reaction it can do; only a generator that never lands
// on one gets this far, and the first reaction, always possible, ends the click all the same.
constexpr int kMaxDraws = 1000;

// The toy on its string is the pointer while playing: passing the slime or the room leaves it.
bool holdsToy(const Pointer& p) {
    return p.custom && p.icon == PointerIcon::furi;
}

}  // namespace

void Game::sura_Click() {
    const PetRecord& pet = world_.pet;
    int r = draw(kReactionCount);
    for (int draws = 1; pet.age <= kReactions[r - 1].olderThan; ++draws) {
        r = draws < kMaxDraws ? draw(kReactionCount) : 1;
    }
    const Reaction& reaction = kReactions[r - 1];
    const bool bell = r == kReactionCount && pet.esa >= kFedEnoughToPlay;
    world_.controls.wordbox = own(bell ? PlayerText::ja("鈴！鈴！") : reaction.words);
    showFrame(kTouchedFace);
    // Whatever it was doing, it starts this from its first step.
    world_.movemode = reaction.behaviour;
    world_.movestep = 0;
    (this->*reaction.routine)();
}

void Game::sura_MouseMove() {
    Pointer& pointer = world_.controls.pointer;
    if (!holdsToy(pointer)) pointer = {true, PointerIcon::hand};
}

void Game::Picture1_MouseMove(double x, double y) {
    Form_MouseMove();
    // The toy's bell hangs 20 pixels below the pointer's tip.
    world_.mousex = toInt16(x);
    world_.mousey = toInt16(y + 20);
}

// Off the slime the hand goes; only the picture is looked at, so a hand left assigned behind
// the arrow is put away again, and the toy stays.
void Game::Form_MouseMove() {
    Pointer& pointer = world_.controls.pointer;
    if (pointer.icon == PointerIcon::hand) pointer.custom = false;
}

void Game::wordbox_MouseMove() {
    Form_MouseMove();
}

}  // namespace zupel
