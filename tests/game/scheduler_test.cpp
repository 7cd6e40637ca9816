// The eight timers' semantics on a virtual clock.
#include "scheduler.h"

#include <gtest/gtest.h>

#include <vector>

namespace zupel {
namespace {

struct Recorder {
    Scheduler clock;
    std::vector<std::pair<TimerId, Millis>> ticks;
    void watch(TimerId id, int interval) {
        clock.setInterval(id, interval);
        clock.setHandler(id, [this, id] { ticks.push_back({id, clock.now()}); });
    }
    std::vector<Millis> timesOf(TimerId id) const {
        std::vector<Millis> out;
        for (auto [who, at] : ticks) {
            if (who == id) out.push_back(at);
        }
        return out;
    }
};

TEST(Scheduler, FiresOncePerIntervalFromTheMomentItWasSwitchedOn) {
    Recorder r;
    r.watch(TimerId::foodtimer, 1000);
    r.clock.advanceTo(300);
    r.clock.setEnabled(TimerId::foodtimer, true);
    r.clock.advanceTo(3400);
    EXPECT_EQ(r.timesOf(TimerId::foodtimer), (std::vector<Millis>{1300, 2300, 3300}));
}

TEST(Scheduler, SwitchingOnARunningTimerOrRepeatingItsIntervalDoesNotRestartIt) {
    Recorder r;
    r.watch(TimerId::deadtimer, 10000);
    r.clock.setEnabled(TimerId::deadtimer, true);
    for (Millis t = 1000; t <= 20000; t += 1000) {
        r.clock.advanceTo(t);
        r.clock.setEnabled(TimerId::deadtimer, true);
        r.clock.setInterval(TimerId::deadtimer, 10000);
    }
    EXPECT_EQ(r.timesOf(TimerId::deadtimer), (std::vector<Millis>{10000, 20000}));
}

TEST(Scheduler, ADifferentIntervalRestartsAndAStoppedTimerKeepsItsInterval) {
    Recorder r;
    r.watch(TimerId::movetimer, 500);
    r.clock.setEnabled(TimerId::movetimer, true);
    r.clock.advanceTo(400);
    r.clock.setInterval(TimerId::movetimer, 700);  // restarts from 400
    r.clock.advanceTo(1200);
    EXPECT_EQ(r.timesOf(TimerId::movetimer), (std::vector<Millis>{1100}));

    r.clock.setEnabled(TimerId::movetimer, false);
    r.clock.setInterval(TimerId::movetimer, 300);
    r.clock.advanceTo(5000);
    EXPECT_EQ(r.timesOf(TimerId::movetimer).size(), 1u);
    r.clock.setEnabled(TimerId::movetimer, true);
    r.clock.setEnabled(TimerId::movetimer, false);  // switching off a stopped timer: nothing
    r.clock.setEnabled(TimerId::movetimer, false);
    r.clock.setEnabled(TimerId::movetimer, true);
    r.clock.advanceTo(5300);
    EXPECT_EQ(r.timesOf(TimerId::movetimer).back(), 5300);
    EXPECT_EQ(r.clock.interval(TimerId::movetimer), 300);
}

TEST(Scheduler, AfterAStallEachTimerFiresOnceNotOncePerMissedInterval) {
    Recorder r;
    r.watch(TimerId::modetimer, 1000);
    r.watch(TimerId::movetimer, 100);
    r.clock.setEnabled(TimerId::modetimer, true);
    r.clock.setEnabled(TimerId::movetimer, true);
    r.clock.runDue(3'600'000);  // the machine slept for an hour
    EXPECT_EQ(r.timesOf(TimerId::modetimer).size(), 1u);
    EXPECT_EQ(r.timesOf(TimerId::movetimer).size(), 1u);
    EXPECT_EQ(r.clock.nextDue(), 3'600'100);  // back on its pace from now on
    r.clock.runDue(3'601'000);
    EXPECT_EQ(r.timesOf(TimerId::modetimer).size(), 2u);
    EXPECT_EQ(r.timesOf(TimerId::movetimer).size(), 2u);
}

TEST(Scheduler, ATimerWhoseHandlerIsStillRunningDoesNotFireAgainUntilItReturns) {
    Scheduler clock;
    int deadTicks = 0, modeTicks = 0;
    clock.setInterval(TimerId::deadtimer, 1000);
    clock.setInterval(TimerId::modetimer, 1000);
    clock.setHandler(TimerId::modetimer, [&] { ++modeTicks; });
    clock.setHandler(TimerId::deadtimer, [&] {
        ++deadTicks;
        // The handler opens a dialog: 5 s pass inside it while the other timers tick.
        if (deadTicks == 1) clock.advanceBy(5000);
    });
    clock.setEnabled(TimerId::deadtimer, true);
    clock.setEnabled(TimerId::modetimer, true);
    clock.advanceTo(1000);
    EXPECT_EQ(deadTicks, 1);
    EXPECT_EQ(modeTicks, 6);  // 1000 ... 6000: it kept ticking while the dialog was open
    clock.advanceTo(6000);
    EXPECT_EQ(deadTicks, 2);  // once on return, not once for each interval it missed
    clock.advanceTo(7000);
    EXPECT_EQ(deadTicks, 3);
}

TEST(Scheduler, HaltStopsEverythingForGood) {
    Recorder r;
    r.watch(TimerId::bigtimer, 10000);
    r.clock.setEnabled(TimerId::bigtimer, true);
    r.clock.halt();
    r.clock.setEnabled(TimerId::bigtimer, true);
    r.clock.advanceTo(100000);
    EXPECT_TRUE(r.ticks.empty());
    EXPECT_FALSE(r.clock.nextDue().has_value());
}

}  // namespace
}  // namespace zupel
