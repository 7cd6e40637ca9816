// The slime's animations: each call performs one step of one animation on sura(0) and
// advances the shared step counter, which returns to 0 when the animation ends.
#include <algorithm>
#include <iterator>
#include <span>

#include "game.h"

namespace zupel {
namespace {

// A walk or jump in one direction. The two routines of an axis share movestep, so either can
// finish a walk the other started, each with the variant it drew itself.
struct Walk {
    float dx, dy;   // one pixel in the walk's direction
    int walkFrame;  // stepping out
    int restFrame;  // facing the way it went, on the ground
    int airFrame;   // the middle of a jump
};

// Indexed like walkVariant.
constexpr int kUp = 0, kDown = 1, kLeft = 2, kRight = 3;
constexpr Walk kWalks[] = {
    {0, -1, 3, 4, 14},
    {0, 1, 5, 6, 2},
    {-1, 0, 7, 8, 15},
    {1, 0, 9, 10, 16},
};

constexpr int kWalkStride = 8;  // a walk: two steps of 8 pixels
constexpr int kJumpStride = 4;  // a jump: a crouch, then two steps of 4 pixels
constexpr int16_t kJump = 5;    // variants 1 to 4 walk, 5 jumps

// One step of a fixed animation: its sound plays first, then the frame shows, then the slime
// moves (only the side hops move it).
struct Row {
    int frame;
    float dx = 0;
    const char* sound = nullptr;
    int interval = 0;  // the movement timer's pace from this step on; 0 keeps the pace
};

struct Sequence {
    int routine;  // move1, move6 to move10
    std::span<const Row> rows;
    bool pausesStatus;  // the status timer waits until the animation is over
};

constexpr Row kHop[] = {{1, 0, nullptr, 200}, {2}, {1, 0, "move1.wav"}};
constexpr Row kTurn[] = {{1, 0, nullptr, 100}, {7, 0, "move6.wav"}, {4}, {9}, {1}};
constexpr Row kSideHops[] = {
    {1, 0, nullptr, 200}, {2, -4}, {1, -4, "move1.wav"}, {2, 4}, {1, 4, "move1.wav"},
};
constexpr Row kStretch[] = {{13, 0, nullptr, 200}, {1}, {12}, {1}, {13}, {1}};
constexpr Row kSway[] = {{1, 0, nullptr, 300}, {12}, {17}, {12}, {18}, {12}, {1}};
constexpr Row kDance[] = {
    {1, 0, nullptr, 200}, {12}, {19}, {17, 0, nullptr, 300}, {18}, {19, 0, nullptr, 200}, {12}, {1},
};

constexpr Sequence kSequences[] = {{1, kHop, false},    {6, kTurn, true}, {7, kSideHops, true},
                                   {8, kStretch, true}, {9, kSway, true}, {10, kDance, true}};

const Sequence& sequenceOf(int routine) {
    return *std::find_if(std::begin(kSequences), std::end(kSequences),
                         [routine](const Sequence& s) { return s.routine == routine; });
}

}  // namespace

void Game::walk(int way) {
    const Walk& w = kWalks[way];
    int16_t& variant = world_.walkVariant[way];
    int16_t& step = world_.movestep;
    if (step == 0) variant = static_cast<int16_t>(draw(5));

    auto stride = [&](int pixels) { moveSlimeBy(w.dx * pixels, w.dy * pixels); };
    if (variant == kJump) {
        if (step == 0) {
            showFrame(w.restFrame);  // crouch where it stands
            step = 1;
        } else if (step == 1) {
            showFrame(w.airFrame);
            stride(kJumpStride);
            step = 2;
        } else {
            play("move1.wav");
            showFrame(w.restFrame);
            stride(kJumpStride);
            step = 0;
        }
    } else if (step == 0) {
        showFrame(w.walkFrame);
        stride(kWalkStride);
        step = 1;
    } else {
        // The second step of a walk. A routine that takes over a walk before it ever drew a
        // variant of its own (variant still 0) finishes it the same way.
        showFrame(w.restFrame);
        stride(kWalkStride);
        step = 0;
    }
}

void Game::playSequence(int routine) {
    const Sequence& sequence = sequenceOf(routine);
    int16_t& step = world_.movestep;
    // A step another routine left behind is not ours to play.
    if (step < 0 || static_cast<std::size_t>(step) >= sequence.rows.size()) return;

    const Row& row = sequence.rows[step];
    if (row.sound) play(row.sound);
    if (row.interval != 0) setInterval(TimerId::movetimer, row.interval);
    if (step == 0 && sequence.pausesStatus) timerOff(TimerId::modetimer);
    showFrame(row.frame);
    if (row.dx != 0) moveSlimeBy(row.dx, 0);

    if (static_cast<std::size_t>(step) + 1 < sequence.rows.size()) {
        ++step;
        return;
    }
    step = 0;
    selondo();  // back to the room's own pace
    if (sequence.pausesStatus) timerOn(TimerId::modetimer);
}

// Hop in place: up, down, and a soft landing.
void Game::move1() {
    playSequence(1);
}

void Game::move2() {
    walk(kUp);
}
void Game::move3() {
    walk(kDown);
}
void Game::move4() {
    walk(kLeft);
}
void Game::move5() {
    walk(kRight);
}

// Turn around: left, back, right, front.
void Game::move6() {
    playSequence(6);
}
// Two hops to the left and two back.
void Game::move7() {
    playSequence(7);
}
// Stretch and squash.
void Game::move8() {
    playSequence(8);
}
// Sway from side to side.
void Game::move9() {
    playSequence(9);
}
// Dance.
void Game::move10() {
    playSequence(10);
}

}  // namespace zupel
