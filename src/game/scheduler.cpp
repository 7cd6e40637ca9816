#include "scheduler.h"

#include <algorithm>
#include <utility>

namespace zupel {

void Scheduler::setHandler(TimerId id, Handler handler) {
    timer(id).handler = std::move(handler);
}

void Scheduler::setEnabled(TimerId id, bool on) {
    Timer& t = timer(id);
    if (halted_ || t.enabled == on) return;
    t.enabled = on;
    if (on) t.due = now_ + t.interval;
}

void Scheduler::setInterval(TimerId id, int intervalMs) {
    Timer& t = timer(id);
    if (t.interval == intervalMs) return;
    t.interval = std::max(intervalMs, 1);
    if (t.enabled) t.due = now_ + t.interval;
}

void Scheduler::halt() {
    halted_ = true;
    for (Timer& t : timers_) t.enabled = false;
}

std::optional<TimerId> Scheduler::dueBy(Millis t) const {
    std::optional<TimerId> best;
    for (int i = 0; i < kTimerCount; ++i) {
        const Timer& candidate = timers_[i];
        if (!candidate.enabled || candidate.firing || candidate.due > t) continue;
        if (!best || candidate.due < timer(*best).due) best = static_cast<TimerId>(i);
    }
    return best;
}

std::optional<Millis> Scheduler::nextDue() const {
    std::optional<Millis> best;
    for (const Timer& t : timers_) {
        if (t.enabled && !t.firing && (!best || t.due < *best)) best = t.due;
    }
    return best;
}

void Scheduler::fire(TimerId id) {
    Timer& t = timer(id);
    t.due += t.interval;
    if (t.due <= now_) t.due = now_ + t.interval;  // missed intervals are dropped, not replayed
    t.firing = true;
    if (t.handler) t.handler();
    timer(id).firing = false;
}

void Scheduler::runDue(Millis now) {
    now_ = std::max(now_, now);
    while (auto id = dueBy(now_)) fire(*id);
}

void Scheduler::advanceTo(Millis until) {
    while (auto id = dueBy(until)) {
        now_ = std::max(now_, timer(*id).due);
        fire(*id);
    }
    now_ = std::max(now_, until);
}

}  // namespace zupel
