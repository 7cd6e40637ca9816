// The game's eight window timers on one clock. A running timer fires once per interval from the
// moment it was switched on; switching on a running timer or setting the interval it already
// has changes nothing; a different interval restarts the countdown; a stopped timer keeps its
// interval. Time is plain milliseconds, so tests run minutes of play in microseconds.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace zupel {

// In the order the main window creates them: timers that fall due at the same moment fire in
// this order, so the status tick settles a just-fed slime before the meter tick runs.
enum class TimerId : int {
    bigtimer,
    wordtimer,
    asobitimer,
    uretimer,
    modetimer,
    foodtimer,
    deadtimer,
    movetimer,
};
constexpr int kTimerCount = 8;

using Millis = int64_t;

class Scheduler {
public:
    using Handler = std::function<void()>;

    void setHandler(TimerId id, Handler handler);

    void setEnabled(TimerId id, bool on);
    void setInterval(TimerId id, int intervalMs);
    bool enabled(TimerId id) const { return timer(id).enabled; }
    int interval(TimerId id) const { return timer(id).interval; }
    // Switches every timer off for good: nothing fires after the game has ended.
    void halt();

    Millis now() const { return now_; }
    // When the next timer that may fire is due, if any.
    std::optional<Millis> nextDue() const;

    // The program: the wall clock reads `now`; every timer that is due fires once, however many
    // intervals it missed (a suspended machine must not replay hours of ticks).
    void runDue(Millis now);
    // Tests: time passes step by step up to `until`; every interval on the way fires.
    void advanceTo(Millis until);
    void advanceBy(Millis delta) { advanceTo(now_ + delta); }

private:
    struct Timer {
        bool enabled = false;
        int interval = 0;
        Millis due = 0;
        bool firing = false;  // its handler is still running (it opened a dialog)
        Handler handler;
    };

    Timer& timer(TimerId id) { return timers_[static_cast<int>(id)]; }
    const Timer& timer(TimerId id) const { return timers_[static_cast<int>(id)]; }
    std::optional<TimerId> dueBy(Millis t) const;
    void fire(TimerId id);

    std::array<Timer, kTimerCount> timers_{};
    Millis now_ = 0;
    bool halted_ = false;
};

}  // namespace zupel
